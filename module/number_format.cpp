#include "module/number_format.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "module/decimal_digits.h"

namespace npb {
namespace {

// ---- locale -----------------------------------------------------------------------

NumberLocaleProvider g_localeProvider = nullptr;
NumberLocale g_locale;
bool g_localeRead = false;

const NumberLocale& Locale() {
  if (!g_localeRead) {
    g_locale = g_localeProvider ? g_localeProvider() : NumberLocale{};
    // An empty separator is the system's choice too: only an absent one reads as ".".
    g_locale.decimalSeparator[sizeof g_locale.decimalSeparator - 1] = '\0';
    g_localeRead = true;
  }
  return g_locale;
}

// ---- text under construction ------------------------------------------------------

// Holds the text with the position of its decimal separator, so that trimming never
// mistakes a separator made of digits for part of the number.
class NumberText {
 public:
  void Append(char c) {
    if (length_ < kCapacity) text_[length_++] = c;
  }
  void Append(const char* s, int n) {
    for (int i = 0; i < n; ++i) Append(s[i]);
  }
  void AppendZeros(int n) {
    for (int i = 0; i < n; ++i) Append('0');
  }
  void AppendSeparator(const char* separator) {
    separatorAt_ = length_;
    separatorLength_ = static_cast<int>(std::strlen(separator));
    Append(separator, separatorLength_);
  }
  void AppendInt(int value) {
    char digits[12];
    int n = 0;
    if (value < 0) Append('-');
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
      digits[n++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (n > 0) Append(digits[--n]);
  }

  void CutTo(int width) {
    if (length_ <= width) return;
    length_ = width;
    if (separatorAt_ + separatorLength_ > length_) separatorAt_ = -1;
  }

  // Drops zeros after the separator, then the separator when nothing follows it.
  void TrimFraction() {
    if (separatorAt_ < 0) return;
    int fractionStart = separatorAt_ + separatorLength_;
    while (length_ > fractionStart && text_[length_ - 1] == '0') --length_;
    if (length_ == fractionStart) {
      length_ = separatorAt_;
      separatorAt_ = -1;
    }
    if (length_ == 0) Append('0');
  }

  int Length() const { return length_; }

  void CopyTo(char* buffer) const {
    std::memcpy(buffer, text_, static_cast<std::size_t>(length_));
    buffer[length_] = '\0';
  }

 private:
  static constexpr int kCapacity = 64;
  char text_[kCapacity] = {};
  int length_ = 0;
  int separatorAt_ = -1;
  int separatorLength_ = 0;
};

void WriteHashFill(char* buffer, int width) {
  int n = std::max(width - 1, 0);
  std::memset(buffer, '#', static_cast<std::size_t>(n));
  buffer[n] = '\0';
}

// ---- the value taken apart --------------------------------------------------------

constexpr int kDigitCount = 40;  // more than any form keeps, plus the rounding digit

struct Decomposed {
  bool negative = false;
  bool zero = true;
  int exponent = 0;              // floor(log10(magnitude)), 0 for zero
  char digits[kDigitCount] = {};  // leading digits of the magnitude, truncated
};

Decomposed Decompose(double value) {
  // A decimal value stored just below its written form must still round as written,
  // so every fraction is moved one representable step away from zero first.
  if (value != 0 && std::trunc(value) != value)
    value = std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
  Decomposed d;
  d.negative = value < 0;
  d.zero = value == 0;
  d.exponent = ExactDecimalDigits(std::fabs(value), d.digits, kDigitCount);
  return d;
}

// digits[0..count) rounded half up at `keep` (digits from `keep` on become zeros).
// A carry out of the first digit puts a "1" in front; returns the new count.
int RoundDigitsAt(char* digits, int count, int keep) {
  bool up = keep < count && digits[keep] >= '5';
  for (int i = keep; i < count; ++i) digits[i] = '0';
  for (int i = keep - 1; up && i >= 0; --i) {
    up = digits[i] == '9';
    digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
  }
  if (!up) return count;
  std::memmove(digits + 1, digits, static_cast<std::size_t>(count));
  digits[0] = '1';
  return count + 1;
}

void AppendSign(NumberText& text, bool negative, unsigned flags) {
  if (negative)
    text.Append('-');
  else if (flags & kNumberPlusSign)
    text.Append('+');
}

// ---- fixed form -------------------------------------------------------------------

int BuildFixed(const Decomposed& number, NumberText& text, int width, int decimals,
               unsigned flags) {
  // Narrow texts keep fewer significant digits, but never none.
  const int significant = width >= 19 ? 16 : std::max(width - 3, 1);
  bool zero = number.zero;
  int result = kNumberFixed;
  if (!zero && number.exponent + decimals + 1 > width) return kNumberTooWide;
  if (!zero && number.exponent < -(decimals + 1)) {
    if (!(flags & kNumberTinyAsZero)) return kNumberTooSmall;
    zero = true;
    result = kNumberTooSmall;
  }

  // The magnitude times 10^(decimals + 1) as a whole number, then the extra digit
  // rounded away. At most 26 digits before rounding, 27 after a carry.
  char digits[kDigitCount + 2];
  int count = zero ? decimals + 2 : number.exponent + decimals + 2;
  if (zero)
    std::memset(digits, '0', static_cast<std::size_t>(count));
  else
    std::memcpy(digits, number.digits, static_cast<std::size_t>(count));
  if (count > significant + 2) count = RoundDigitsAt(digits, count, significant);
  count = RoundDigitsAt(digits, count, count - 1) - 1;

  const NumberLocale& locale = Locale();
  AppendSign(text, number.negative && !zero, flags);
  const int signLength = text.Length();
  const int integerDigits = count - decimals;
  if (decimals == 0) {
    if (count == 0)
      text.Append('0');
    else
      text.Append(digits, count);
  } else if (integerDigits > 0) {
    text.Append(digits, integerDigits);
    text.AppendSeparator(locale.decimalSeparator);
    text.Append(digits + integerDigits, decimals);
  } else {
    if (locale.leadingZero == 1) text.Append('0');
    text.AppendSeparator(locale.decimalSeparator);
    text.AppendZeros(-integerDigits);
    text.Append(digits, count);
  }
  // The width limits the number itself; the sign may push it over, and is cut then.
  if (text.Length() - signLength > width) {
    text = NumberText{};
    return kNumberTooWide;
  }
  text.CutTo(width);
  if (result == kNumberFixed && !zero && number.exponent <= -3) result = kNumberFarDecimals;
  return result;
}

// ---- scientific form --------------------------------------------------------------

int ExponentLength(int exponent) {
  static constexpr struct {
    int limit;
    int length;
  } kLengths[] = {{9, 2}, {99, 3}, {999, 4}, {9999, 5}};
  int magnitude = std::abs(exponent);
  for (const auto& entry : kLengths)
    if (magnitude <= entry.limit) return entry.length;
  return 6;
}

int BuildScientific(const Decomposed& number, NumberText& text, int width, int decimals,
                    unsigned flags) {
  int significant = decimals + 1;
  if (flags & kNumberEngineering) significant = std::max(significant, 4);
  significant = std::max(significant, 1);

  int exponent = number.zero ? 0 : number.exponent;
  const int room = width < kMaxNumberWidth ? width - (ExponentLength(exponent) + 4) : 16;
  if (significant > room) return kNumberTooWide;

  char digits[kDigitCount + 2];
  std::memcpy(digits, number.digits, static_cast<std::size_t>(significant + 1));
  if (RoundDigitsAt(digits, significant + 1, significant) > significant + 1) ++exponent;

  int leading = 1;
  if ((flags & kNumberEngineering) && !number.zero) {
    int below = ((exponent % 3) + 3) % 3;
    exponent -= below;
    leading += below;
  }

  AppendSign(text, number.negative, flags);
  text.Append(digits, leading);
  if (significant > leading) {
    text.AppendSeparator(Locale().decimalSeparator);
    text.Append(digits + leading, significant - leading);
  }
  text.TrimFraction();
  if (!number.zero) {
    text.Append((flags & kNumberUpperE) ? 'E' : 'e');
    if (exponent >= 0) text.Append('+');
    text.AppendInt(exponent);
  }
  if (text.Length() <= width) return kNumberFixed;
  text = NumberText{};
  return kNumberTooWide;
}

// ---- shared entry steps -----------------------------------------------------------

constexpr std::uint64_t kIndefiniteBits = 0xFFF8000000000000ull;

// Writes the text of an infinity or not-a-number; false for every other value.
bool WriteNonFinite(double value, char* buffer, int width) {
  const char* text = nullptr;
  if (std::isinf(value))
    text = value > 0 ? "+Inf" : "-Inf";
  else if (std::isnan(value))
    text = std::bit_cast<std::uint64_t>(value) == kIndefiniteBits ? "Indefinite" : "N.a.N.";
  if (!text) return false;
  int n = std::min(static_cast<int>(std::strlen(text)), width);
  std::memcpy(buffer, text, static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return true;
}

// What every formatter does before its own form: the checks of the arguments, the
// locale, infinities and not-a-numbers, and the limits on width and decimals. `done`
// is set when nothing more is to be written.
struct Request {
  bool done = true;
  int result = kNumberTooWide;
  int width = 0;
  int decimals = 0;
};

Request Begin(double value, char* buffer, int width, int decimals) {
  Request request;
  if (!buffer || width < 0) return request;
  Locale();
  request.width = std::min(width, kMaxNumberWidth);
  request.decimals = std::clamp(decimals, 0, kMaxNumberDecimals);
  if (WriteNonFinite(value, buffer, request.width))
    request.result = kNumberNotFinite;
  else
    request.done = false;
  return request;
}

// Copies a finished text; a form that wrote no text leaves the "#" fill.
int Finish(const NumberText& text, int result, char* buffer, int width) {
  if (text.Length() == 0)
    WriteHashFill(buffer, width);
  else
    text.CopyTo(buffer);
  return result;
}

}  // namespace

int FormatFixed(double value, char* buffer, int width, int decimals, unsigned flags) {
  Request request = Begin(value, buffer, width, decimals);
  if (request.done) return request.result;
  NumberText text;
  int result = BuildFixed(Decompose(value), text, request.width, request.decimals, flags);
  return Finish(text, result, buffer, request.width);
}

int FormatScientific(double value, char* buffer, int width, int decimals, unsigned flags) {
  Request request = Begin(value, buffer, width, decimals);
  if (request.done) return request.result;
  NumberText text;
  int result = BuildScientific(Decompose(value), text, request.width, request.decimals, flags);
  return Finish(text, result, buffer, request.width);
}

int FormatGeneral(double value, char* buffer, int width, int decimals, unsigned flags) {
  Request request = Begin(value, buffer, width, decimals);
  if (request.done) return request.result;
  const Decomposed number = Decompose(value);
  int places = request.decimals;
  NumberText text;

  // Keep integer digits plus decimals below 16; a value with too many integer digits
  // for that goes to the scientific form, with the decimals held at zero.
  if (!number.zero && number.exponent > 0) {
    const int integerDigits = number.exponent + 1;
    if (integerDigits + places >= 16) places -= integerDigits;
    if (places < 0) {
      BuildScientific(number, text, request.width, 0, flags);
      return Finish(text, kNumberTooWide, buffer, request.width);
    }
  }

  const int result = BuildFixed(number, text, request.width, places, flags);
  if (result == kNumberFixed) {
    text.TrimFraction();
    return Finish(text, result, buffer, request.width);
  }
  text = NumberText{};
  BuildScientific(number, text, request.width, places, flags);
  return Finish(text, result, buffer, request.width);
}

int FormatDouble(double value, char* buffer, int width, int decimals) {
  return FormatGeneral(value, buffer, width, decimals, kNumberTinyAsZero);
}

void SetNumberLocaleProvider(NumberLocaleProvider provider) { g_localeProvider = provider; }

void ResetNumberLocaleForTesting() { g_localeRead = false; }

}  // namespace npb
