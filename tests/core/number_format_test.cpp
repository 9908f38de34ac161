#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "module/decimal_digits.h"
#include "module/number_format.h"

namespace npb {
namespace {

using Formatter = int (*)(double, char*, int, int, unsigned);

int DoubleFormatter(double value, char* buffer, int width, int decimals, unsigned) {
  return FormatDouble(value, buffer, width, decimals);
}

struct Case {
  double value;
  int width;
  int decimals;
  unsigned flags;
  const char* text;
  int result;
};

// Runs one formatter over a table; the buffer is exactly width + 1 characters (of the
// capped width) followed by guard bytes that must stay untouched.
void ExpectCases(const char* name, Formatter format, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    char buffer[64];
    std::memset(buffer, 0x5A, sizeof buffer);
    int result = format(c.value, buffer, c.width, c.decimals, c.flags);
    int capped = c.width < kMaxNumberWidth ? c.width : kMaxNumberWidth;
    SCOPED_TRACE(std::string(name) + " of " + std::to_string(c.value) + " width " +
                 std::to_string(c.width) + " decimals " + std::to_string(c.decimals));
    ASSERT_EQ(nullptr, std::memchr(buffer + capped + 1, 0, sizeof buffer - capped - 1));
    EXPECT_STREQ(c.text, buffer);
    EXPECT_EQ(c.result, result);
  }
}

class NumberFormatTest : public testing::Test {
 protected:
  void SetUp() override { UseLocale(nullptr); }
  void TearDown() override { UseLocale(nullptr); }
  static void UseLocale(NumberLocaleProvider provider) {
    SetNumberLocaleProvider(provider);
    ResetNumberLocaleForTesting();
  }
};

TEST_F(NumberFormatTest, DoubleGivesShortFixedOrScientificText) {
  ExpectCases("FormatDouble", DoubleFormatter, {
      {1.5, 50, 3, 0, "1.5", kNumberFixed},
      {2, 50, 3, 0, "2", kNumberFixed},
      {-1.5, 50, 3, 0, "-1.5", kNumberFixed},
      {0, 50, 3, 0, "0", kNumberFixed},
      {0.1 + 0.2, 50, 3, 0, "0.3", kNumberFixed},
      {0.0999, 50, 3, 0, "0.1", kNumberFixed},
      {123456.789, 50, 3, 0, "123456.789", kNumberFixed},
      {123456789012.0, 50, 3, 0, "123456789012", kNumberFixed},
      // Stored just below their written form; must still round half up as written.
      {2.0005, 50, 3, 0, "2.001", kNumberFixed},
      {999.9995, 50, 3, 0, "1000", kNumberFixed},
      // Too many integer digits for 16 significant ones: scientific, no decimals.
      {1e30, 50, 3, 0, "1e+30", kNumberTooWide},
      {1e12, 50, 3, 0, "1e+12", kNumberTooWide},
      {123456789012345.0, 50, 0, 0, "123456789012345", kNumberFixed},
      {1e15, 50, 0, 0, "1e+15", kNumberTooWide},
      // First digit at the third decimal or beyond: scientific with the fixed code.
      {0.0005, 50, 3, 0, "5e-4", kNumberFarDecimals},
      {-0.0005, 50, 3, 0, "-5e-4", kNumberFarDecimals},
      {0.001234, 50, 3, 0, "1.234e-3", kNumberFarDecimals},
      {1e-10, 50, 3, 0, "1e-10", kNumberTooSmall},
      // Decimals are held to 0..16.
      {1.5, 50, -3, 0, "2", kNumberFixed},
  });
}

TEST_F(NumberFormatTest, GeneralFallsBackWhenFixedTextIsTooWide) {
  ExpectCases("FormatGeneral", FormatGeneral, {
      {123456.7, 10, 3, 0, "123456.7", kNumberFixed},
      {1234567.8, 10, 3, 0, "1.235e+6", kNumberTooWide},
      {12345.678, 8, 3, 0, "#######", kNumberTooWide},
      {1.5, 24, 3, kNumberPlusSign, "+1.5", kNumberFixed},
      {0, 24, 3, kNumberPlusSign, "+0", kNumberFixed},
      {0.0005, 24, 3, kNumberPlusSign | kNumberUpperE, "+5E-4", kNumberFarDecimals},
      // Without the zero flag a tiny value is refused by the fixed form.
      {1e-10, 24, 3, 0, "1e-10", kNumberTooSmall},
  });
}

TEST_F(NumberFormatTest, FixedWritesExactDecimalsOrHashFill) {
  ExpectCases("FormatFixed", FormatFixed, {
      {1.5, 24, 3, 0, "1.500", kNumberFixed},
      {0, 24, 3, 0, "0.000", kNumberFixed},
      {0.05, 24, 3, 0, "0.050", kNumberFixed},
      {0.5, 24, 0, 0, "1", kNumberFixed},
      {2.5, 24, 0, 0, "3", kNumberFixed},
      {999.9996, 24, 3, 0, "1000.000", kNumberFixed},
      {0.0005, 24, 3, 0, "0.001", kNumberFarDecimals},
      {0.00001, 24, 3, 0, "#######################", kNumberTooSmall},
      {0.00001, 24, 3, kNumberTinyAsZero, "0.000", kNumberTooSmall},
      {-0.00001, 24, 3, kNumberTinyAsZero, "0.000", kNumberTooSmall},
      {1e30, 24, 3, 0, "#######################", kNumberTooWide},
      // Width 8 keeps 5 significant digits.
      {1234.5678, 8, 3, 0, "1234.600", kNumberFixed},
      {12345.678, 8, 3, 0, "#######", kNumberTooWide},
      // The width limits the number; a sign pushing it over is cut off the end.
      {-1234.5678, 8, 3, 0, "-1234.60", kNumberFixed},
      // Width 10 keeps 7 significant digits, width 19 and more keep 16.
      {1234567.891, 10, 2, 0, "1234568.00", kNumberFixed},
      {123456789.123456789, 24, 10, 0, "123456789.1234568000", kNumberFixed},
      // Decimals above 16 count as 16.
      {3, 24, 30, 0, "3.0000000000000000", kNumberFixed},
      // Widths above 24 count as 24.
      {1e23, 40, 0, 0, "99999999999999990000000", kNumberFixed},
      {1e24, 40, 0, 0, "#######################", kNumberTooWide},
  });
}

TEST_F(NumberFormatTest, ScientificRoundsAndTrims) {
  ExpectCases("FormatScientific", FormatScientific, {
      {1e30, 24, 3, 0, "1e+30", kNumberFixed},
      {12345, 24, 3, kNumberUpperE, "1.235E+4", kNumberFixed},
      {-2.5e-7, 24, 2, 0, "-2.5e-7", kNumberFixed},
      {1.5, 24, 0, 0, "2e+0", kNumberFixed},
      {9.9996e9, 24, 3, 0, "1e+10", kNumberFixed},
      {0, 24, 3, 0, "0", kNumberFixed},
      {1.5, 24, 3, kNumberPlusSign, "+1.5e+0", kNumberFixed},
      // Engineering: exponent a multiple of 3, at least 4 significant digits.
      {12345, 24, 0, kNumberEngineering, "12.35e+3", kNumberFixed},
      {0.0001234, 24, 0, kNumberEngineering, "123.4e-6", kNumberFixed},
      {0.5, 24, 0, kNumberEngineering, "500e-3", kNumberFixed},
      {9.9996e9, 24, 3, kNumberEngineering, "10e+9", kNumberFixed},
      // Room for digits: width minus (exponent length + 4) below 24, else 16.
      {1.5, 10, 3, 0, "1.5e+0", kNumberFixed},
      {1.5, 9, 3, 0, "########", kNumberTooWide},
      {1.5, 24, 16, 0, "#######################", kNumberTooWide},
      {2, 23, 16, 0, "2e+0", kNumberFixed},
  });
}

TEST_F(NumberFormatTest, NonFiniteValuesAreNamedAndCutToWidth) {
  const double indefinite = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
  const double quietNaN = std::bit_cast<double>(std::uint64_t{0x7FF8000000000000});
  const double signallingNaN = std::bit_cast<double>(std::uint64_t{0x7FF0000000000001});
  const double inf = std::numeric_limits<double>::infinity();
  for (Formatter format : {Formatter{FormatGeneral}, Formatter{FormatFixed},
                           Formatter{FormatScientific}, Formatter{DoubleFormatter}}) {
    ExpectCases("non-finite", format, {
        {inf, 24, 3, 0, "+Inf", kNumberNotFinite},
        {indefinite, 24, 3, 0, "Indefinite", kNumberNotFinite},
        {indefinite, 5, 3, 0, "Indef", kNumberNotFinite},
        {quietNaN, 24, 3, 0, "N.a.N.", kNumberNotFinite},
        {signallingNaN, 24, 3, 0, "N.a.N.", kNumberNotFinite},
        {inf, 0, 3, 0, "", kNumberNotFinite},
    });
  }
}

TEST_F(NumberFormatTest, SeparatorAndLeadingZeroComeFromTheLocale) {
  struct LocaleCase {
    NumberLocaleProvider provider;
    Formatter format;
    double value;
    const char* text;
  };
  const LocaleCase cases[] = {
      {[] { return NumberLocale{",", 1}; }, DoubleFormatter, 1.5, "1,5"},
      {[] { return NumberLocale{"dec", 1}; }, FormatFixed, 2, "2dec000"},
      {[] { return NumberLocale{".", 0}; }, FormatFixed, 0.25, ".250"},
      {[] { return NumberLocale{".", 0}; }, DoubleFormatter, 0.25, ".25"},
      // A separator made of zeros must not be trimmed away as trailing zeros.
      {[] { return NumberLocale{"00", 1}; }, DoubleFormatter, 1.5, "1005"},
      // An empty separator set by the system is used as it is; only an absent one is ".".
      {[] { return NumberLocale{"", 1}; }, DoubleFormatter, 1.5, "15"},
  };
  for (const LocaleCase& c : cases) {
    UseLocale(c.provider);
    char buffer[32];
    c.format(c.value, buffer, 24, 3, 0);
    EXPECT_STREQ(c.text, buffer);
  }
}

TEST_F(NumberFormatTest, LocaleIsReadOnceUntilReset) {
  char buffer[32];
  UseLocale([] { return NumberLocale{",", 1}; });
  FormatDouble(1.5, buffer, 50, 3);
  SetNumberLocaleProvider([] { return NumberLocale{";", 1}; });
  FormatDouble(1.5, buffer, 50, 3);
  EXPECT_STREQ("1,5", buffer);
  ResetNumberLocaleForTesting();
  FormatDouble(1.5, buffer, 50, 3);
  EXPECT_STREQ("1;5", buffer);
}

TEST_F(NumberFormatTest, NeverWritesPastWidthPlusOne) {
  for (Formatter format : {Formatter{FormatGeneral}, Formatter{FormatFixed},
                           Formatter{FormatScientific}, Formatter{DoubleFormatter}})
    for (double value : {0.0, -1.5, 1e30, -1e-30, 123456789.125, -9.9996e9, -HUGE_VAL})
      for (int width = 0; width <= 30; ++width)
        for (int decimals : {0, 3, 16}) {
          char buffer[40];
          std::memset(buffer, 0x5A, sizeof buffer);
          format(value, buffer, width, decimals, 0x7FF);
          int capped = width < kMaxNumberWidth ? width : kMaxNumberWidth;
          ASSERT_LE(std::strlen(buffer), static_cast<std::size_t>(capped));
          for (int i = capped + 1; i < 40; ++i) ASSERT_EQ(0x5A, buffer[i]);
        }
  char guard = 0x5A;
  EXPECT_EQ(kNumberTooWide, FormatGeneral(1.5, &guard, -1, 3, 0));
  EXPECT_EQ(0x5A, guard);
  EXPECT_EQ(kNumberTooWide, FormatScientific(1.5, nullptr, 24, 3, 0));
}

TEST(DecimalDigitsTest, GivesExactLeadingDigitsAndExponent) {
  const struct {
    double value;
    const char* digits;
    int exponent;
  } cases[] = {
      {0.1, "1000000000000000055511151231257827", -1},
      {1e23, "99999999999999991611392", 22},
      {18446744073709551616.0, "18446744073709551616", 19},
      {1.7976931348623157e308, "17976931348623157081", 308},
      {5e-324, "49406564584124654417", -324},
      {0.0005, "50000000000000001040", -4},
  };
  for (const auto& c : cases) {
    char digits[40];
    int count = static_cast<int>(std::strlen(c.digits));
    int exponent = ExactDecimalDigits(c.value, digits, count);
    EXPECT_EQ(std::string(c.digits), std::string(digits, count)) << c.value;
    EXPECT_EQ(c.exponent, exponent) << c.value;
  }
}

}  // namespace
}  // namespace npb
