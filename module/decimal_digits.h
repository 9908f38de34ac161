// Exact decimal digits of a double, so that number text rounds the same on every
// platform instead of depending on the C runtime's printf. Window-free.
#pragma once

namespace npb {

// Writes the first `count` digits ('0'..'9') of the exact decimal expansion of the
// finite, positive `magnitude` into digits[0..count), truncated (not rounded), padded
// with '0' beyond the expansion's last digit. No terminator is written. Returns the
// decimal exponent of the first digit, floor(log10(magnitude)). For zero, negative or
// non-finite input it writes `count` zeros and returns 0.
int ExactDecimalDigits(double magnitude, char* digits, int count);

}  // namespace npb
