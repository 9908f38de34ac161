// Short text of a floating-point value, as the edit rows show it. Window-free: the
// system's decimal separator and leading-zero choice come through a provider.
//
// Every formatter writes at most width + 1 characters (text and terminator) into
// `buffer`, which must hold that many; a width above kMaxNumberWidth counts as
// kMaxNumberWidth, so a buffer of kMaxNumberWidth + 1 characters always suffices. A null
// buffer or a negative width writes nothing and gives kNumberTooWide.
#pragma once

namespace npb {

constexpr int kMaxNumberWidth = 24;
constexpr int kMaxNumberDecimals = 16;

// Flags of FormatGeneral, FormatFixed and FormatScientific.
constexpr unsigned kNumberPlusSign = 0x001;      // "+" before non-negative values
constexpr unsigned kNumberUpperE = 0x100;        // exponent letter "E" instead of "e"
constexpr unsigned kNumberEngineering = 0x200;   // exponent a multiple of 3, >= 4 digits
constexpr unsigned kNumberTinyAsZero = 0x400;    // too small for the decimals: write zero

// Result codes.
constexpr int kNumberFixed = 0;         // fixed text written
constexpr int kNumberTooSmall = 1;      // value too small for the decimals
constexpr int kNumberTooWide = 2;       // text would not fit
constexpr int kNumberNotFinite = 3;       // infinity or not-a-number text written
constexpr int kNumberFarDecimals = 4;   // first digit at the third decimal or beyond

// FormatGeneral with kNumberTinyAsZero only; the edit rows use width 50, 3 decimals.
int FormatDouble(double value, char* buffer, int width, int decimals);

// Fixed text with trailing zeros dropped; scientific text when the value is too large,
// too small or too wide for fixed text (the fixed form's code is returned then).
int FormatGeneral(double value, char* buffer, int width, int decimals, unsigned flags);

// Fixed text with exactly `decimals` decimals, or width - 1 "#" when it cannot be made.
int FormatFixed(double value, char* buffer, int width, int decimals, unsigned flags);

// Mantissa and exponent with decimals + 1 significant digits, trailing zeros dropped.
int FormatScientific(double value, char* buffer, int width, int decimals, unsigned flags);

// The system's number conventions, read once per process on the first formatting call.
struct NumberLocale {
  char decimalSeparator[5] = ".";  // at most 4 characters
  int leadingZero = 1;             // 1: "0.5"; 0: ".5"
};

using NumberLocaleProvider = NumberLocale (*)();

// Installs the function the first formatting call asks; without one the defaults above
// are used. Installing after that first call changes nothing for this process.
void SetNumberLocaleProvider(NumberLocaleProvider provider);

// Makes the next formatting call ask the provider again. For tests only: a running
// module keeps the first answer for the life of the process.
void ResetNumberLocaleForTesting();

}  // namespace npb
