#include "module/decimal_digits.h"

#include <cmath>
#include <cstdint>

namespace npb {
namespace {

// A double is m * 2^e with m below 2^53. For e >= 0 the value is the integer m * 2^e;
// for e < 0 it is (m * 5^-e) / 10^-e, so the digits are those of the integer m * 5^-e.
// The largest such integer (near the smallest normal double) has about 770 digits.
constexpr std::uint32_t kLimbBase = 1000000000u;  // nine decimal digits a limb
constexpr int kMaxLimbs = 96;

class BigDecimal {
 public:
  explicit BigDecimal(std::uint64_t value) {
    while (value != 0) {
      limbs_[size_++] = static_cast<std::uint32_t>(value % kLimbBase);
      value /= kLimbBase;
    }
  }

  // factor * (kLimbBase - 1) + carry must fit in 64 bits, which holds for factors
  // below 2^33; callers use at most 5^13 and 2^29.
  void Multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product % kLimbBase);
      carry = product / kLimbBase;
    }
    while (carry != 0 && size_ < kMaxLimbs) {
      limbs_[size_++] = static_cast<std::uint32_t>(carry % kLimbBase);
      carry /= kLimbBase;
    }
  }

  void MultiplyByPower(std::uint32_t base, int exponent, std::uint32_t chunk, int chunkExponent) {
    for (; exponent >= chunkExponent; exponent -= chunkExponent) Multiply(chunk);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= base;
    Multiply(rest);
  }

  int DigitCount() const {
    if (size_ == 0) return 0;
    int top = 0;
    for (std::uint32_t v = limbs_[size_ - 1]; v != 0; v /= 10) ++top;
    return top + 9 * (size_ - 1);
  }

  // The digit at position `index` counted from the most significant one.
  int DigitAt(int index, int digitCount) const {
    int fromLow = digitCount - 1 - index;
    std::uint32_t limb = limbs_[fromLow / 9];
    for (int i = fromLow % 9; i > 0; --i) limb /= 10;
    return static_cast<int>(limb % 10);
  }

 private:
  std::uint32_t limbs_[kMaxLimbs] = {};
  int size_ = 0;
};

}  // namespace

int ExactDecimalDigits(double magnitude, char* digits, int count) {
  for (int i = 0; i < count; ++i) digits[i] = '0';
  if (!(magnitude > 0) || !std::isfinite(magnitude)) return 0;

  int binaryExponent = 0;
  double fraction = std::frexp(magnitude, &binaryExponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  binaryExponent -= 53;
  while ((mantissa & 1) == 0 && binaryExponent < 0) {
    mantissa >>= 1;
    ++binaryExponent;
  }

  BigDecimal number(mantissa);
  int decimalShift = 0;
  if (binaryExponent >= 0) {
    number.MultiplyByPower(2, binaryExponent, 1u << 29, 29);
  } else {
    number.MultiplyByPower(5, -binaryExponent, 1220703125u, 13);  // 5^13
    decimalShift = binaryExponent;
  }

  int digitCount = number.DigitCount();
  for (int i = 0; i < count && i < digitCount; ++i)
    digits[i] = static_cast<char>('0' + number.DigitAt(i, digitCount));
  return digitCount - 1 + decimalShift;
}

}  // namespace npb
