#include "recorder/attribute_names.h"

#include <iterator>

namespace npb {
namespace {

constexpr std::size_t kKeyCount = std::size(kAttributeNameTable);

constexpr std::size_t CountDistinctNumbers() {
  std::size_t count = 0;
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    bool seen = false;
    for (std::size_t j = 0; j < i && !seen; ++j) {
      seen = kAttributeNameTable[j].number == kAttributeNameTable[i].number;
    }
    if (!seen) ++count;
  }
  return count;
}

// Within a thousands group each key follows its predecessor by one; only the no-row
// keys share a number.
constexpr bool GroupsRunOnWithoutGaps() {
  for (std::size_t i = 1; i < kKeyCount; ++i) {
    const std::int32_t previous = kAttributeNameTable[i - 1].number;
    const std::int32_t number = kAttributeNameTable[i].number;
    const bool sameGroup = previous / 1000 == number / 1000;
    if (number == kStringValueNoRow) continue;
    if (sameGroup ? number != previous + 1 : number % 1000 != 1) return false;
  }
  return true;
}

static_assert(kKeyCount == 328);
static_assert(CountDistinctNumbers() == 322);
static_assert(GroupsRunOnWithoutGaps());

}  // namespace

void CAttributeNameMap::Fill() {
  m_map.reserve(kKeyCount);
  for (const AttributeName& entry : kAttributeNameTable) {
    m_map.insert_or_assign(entry.key, static_cast<StringValue>(entry.number));
  }
}

bool CAttributeNameMap::Lookup(std::string_view key, StringValue& value) const {
  const auto found = m_map.find(key);
  if (found == m_map.end()) return false;
  value = found->second;
  return true;
}

bool CAttributeNameMap::Lookup(const char* key, StringValue& value) const {
  return key != nullptr && Lookup(std::string_view(key), value);
}

StringValue CAttributeNameMap::NumberOf(std::string_view key) const {
  StringValue value = kStringValueNone;
  Lookup(key, value);
  return value;
}

StringValue CAttributeNameMap::NumberOf(const char* key) const {
  StringValue value = kStringValueNone;
  Lookup(key, value);
  return value;
}

CAttributeNameMap& TheAttributeNameMap() {
  static CAttributeNameMap map;
  return map;
}

void FillAttributeNameMap() { TheAttributeNameMap().Fill(); }

StringValue LookupStringValue(std::string_view name) {
  return TheAttributeNameMap().NumberOf(name);
}

StringValue LookupStringValue(const char* name) {
  return TheAttributeNameMap().NumberOf(name);
}

}  // namespace npb
