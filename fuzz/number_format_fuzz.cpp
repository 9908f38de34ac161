// Feeds arbitrary values, widths, decimals and flags to every number formatter and
// checks that each one stays inside width + 1 characters and gives a known result.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "module/number_format.h"

namespace {

constexpr unsigned char kGuard = 0xA5;
constexpr int kBufferSize = 64;

using Formatter = int (*)(double, char*, int, int, unsigned);

int FormatDoubleWithFlags(double value, char* buffer, int width, int decimals, unsigned) {
  return npb::FormatDouble(value, buffer, width, decimals);
}

constexpr Formatter kFormatters[] = {npb::FormatGeneral, npb::FormatFixed,
                                     npb::FormatScientific, FormatDoubleWithFlags};

void Check(Formatter format, double value, int width, int decimals, unsigned flags) {
  unsigned char buffer[kBufferSize];
  std::memset(buffer, kGuard, sizeof buffer);
  int result = format(value, reinterpret_cast<char*>(buffer), width, decimals, flags);
  if (result < 0 || result > 4) std::abort();
  if (width < 0) {
    for (unsigned char c : buffer)
      if (c != kGuard) std::abort();
    return;
  }
  int limit = width < npb::kMaxNumberWidth ? width : npb::kMaxNumberWidth;
  int length = 0;
  while (length <= limit && buffer[length] != '\0') ++length;
  if (length > limit) std::abort();  // no terminator within width + 1
  for (int i = limit + 1; i < kBufferSize; ++i)
    if (buffer[i] != kGuard) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 12) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  int width = static_cast<std::int8_t>(data[8]) % 40;
  int decimals = static_cast<std::int8_t>(data[9]) % 32;
  unsigned flags = data[10] | (static_cast<unsigned>(data[11]) << 8);
  for (Formatter format : kFormatters) Check(format, value, width, decimals, flags);
  for (Formatter format : kFormatters) {
    if (format(value, nullptr, width, decimals, flags) != npb::kNumberTooWide) std::abort();
  }
  return 0;
}
