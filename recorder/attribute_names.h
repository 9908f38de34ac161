// The attribute name table: host attribute identifiers ("SEA_COLOR", "SAA_TICSIZE", ...)
// to their StringValue numbers. One module-wide map, empty until filled; lookups are
// exact and case-sensitive and never add an entry. Window-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "recorder/attribute_name_table.h"

namespace npb {

// Number of an attribute identifier. Only 0 and 9008 are named here; every other value
// comes from the table, through StringValueOf at compile time or the map at run time.
enum StringValue : std::int32_t {
  kStringValueNone = 0,   // a name not in the table
  kStringValueNoRow = 9008,
};

// The number of a key, for editors that branch on a particular attribute:
// `case StringValueOf("SAA_TICSIZE"):`. A key not in the table fails to compile.
consteval StringValue StringValueOf(std::string_view key) {
  for (const AttributeName& entry : kAttributeNameTable) {
    if (entry.key == key) return static_cast<StringValue>(entry.number);
  }
  throw "not an attribute identifier";
}

class CAttributeNameMap {
 public:
  // Sets every key of the table to its number, adding or overwriting; filling again
  // leaves the map as it was.
  void Fill();

  // On a hit stores the number in `value` and returns true; on a miss (a null key
  // included) returns false and leaves `value` alone.
  bool Lookup(std::string_view key, StringValue& value) const;
  bool Lookup(const char* key, StringValue& value) const;

  // The number of `key`, or 0 when it is not in the map.
  StringValue NumberOf(std::string_view key) const;
  StringValue NumberOf(const char* key) const;

  std::size_t GetCount() const { return m_map.size(); }
  bool IsEmpty() const { return m_map.empty(); }

 private:
  // Keys view the table's static strings, so the map owns no text.
  std::unordered_map<std::string_view, StringValue> m_map;
};

// The one map of the module, living from load to unload.
CAttributeNameMap& TheAttributeNameMap();

// The filling shared by the browser dialog's initialisation and
// CTreeCtrlXML::InitializeOneToOneMap.
void FillAttributeNameMap();

// Looks `name` up in the module's map: its number, or 0 when it is absent (or the map
// has not been filled yet).
StringValue LookupStringValue(std::string_view name);
StringValue LookupStringValue(const char* name);

}  // namespace npb
