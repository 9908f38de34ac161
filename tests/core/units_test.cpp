#include "editors/units.h"

#include <climits>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace npb;

// The suffix each unit's string resource holds.
const char* Suffix(int unit) {
  switch (unit) {
    case kUnitInches: return "in";
    case kUnitMillimetres: return "mm";
    case kUnitPoints: return "pt";
    case kUnitDegrees: return "\xB0";
    case kUnitPercent: return "%";
    default: return "";
  }
}

TEST(UnitsTest, InternalValuesShowScaledWithTheSuffixAttached) {
  const struct {
    int value;
    int unit;
    const char* text;
  } cases[] = {
      {250, kUnitNone, "250"},
      {250, kUnitInches, "0.250in"},
      {250, kUnitMillimetres, "6.4mm"},  // 6.35 stored just below its decimal form
      {750, kUnitMillimetres, "19.1mm"},
      {-250, kUnitMillimetres, "-6.4mm"},
      {2, kUnitMillimetres, "0.1mm"},
      {1, kUnitMillimetres, "0.0mm"},
      {250, kUnitPoints, "18.0pt"},
      {251, kUnitPoints, "18.1pt"},
      {250, kUnitDegrees, "25.0\xB0"},
      {-900, kUnitDegrees, "-90.0\xB0"},
      {250, kUnitPercent, "25.0%"},
      {1005, kUnitPercent, "100.5%"},
      {0, kUnitInches, "0.000in"},
      {-1, kUnitInches, "-0.001in"},
      {-7, kUnitNone, "-7"},
      {INT_MIN, kUnitNone, "-2147483648"},
      {INT_MAX, kUnitPoints, "154618822.6pt"},
      {250, -1, "250"},  // not a unit: a bare integer, whatever suffix is given
      {250, 6, "250"},
      {250, kLengthInches, "250"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(FormatMeasurement(c.value, c.unit, c.unit > kUnitPercent || c.unit < 0 ? "in" : Suffix(c.unit))), c.text)
        << c.value << " in unit " << c.unit;
  }
}

TEST(UnitsTest, RoundingGoesHalfAwayFromZero) {
  const struct {
    double x;
    int rounded;
  } cases[] = {
      {0.0, 0},       {0.49, 0},        {0.5, 1},       {2.5, 3},         {2.4999, 2},
      {-0.49, 0},     {-0.5, -1},       {-2.5, -3},     {-12.5, -13},     {-2.4999, -2},
      {1e12, INT_MAX}, {-1e12, INT_MIN}, {NAN, 0},       {HUGE_VAL, INT_MAX}, {-HUGE_VAL, INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfAwayFromZero(c.x), c.rounded) << c.x;
}

TEST(UnitsTest, ShownNumbersReadBackIntoInternalUnits) {
  const struct {
    const char* text;
    int unit;
    int value;
  } cases[] = {
      {"0.25", kUnitInches, 250},     {"0.0625in", kUnitInches, 63},    {"-0.0125", kUnitInches, -13},
      {"6.4mm", kUnitMillimetres, 252}, {"1.27", kUnitMillimetres, 50}, {"18pt", kUnitPoints, 250},
      {"-0.9", kUnitPoints, -13},     {"-90.0\xB0", kUnitDegrees, -900}, {"-1.25", kUnitDegrees, -13},
      {"33.35%", kUnitPercent, 334},  {"-12.5", kUnitNone, -13},       {"7", kUnitNone, 7},
      {"abc", kUnitInches, 0},        {"", kUnitPoints, 0},             {nullptr, kUnitPoints, 0},
      {"1e30", kUnitInches, INT_MAX},
      {"12.5", 6, 13},  // not a unit: the number itself
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MeasurementValue(c.text, c.unit), c.value) << (c.text ? c.text : "(null)") << " unit " << c.unit;
  }
}

TEST(UnitsTest, ExactUnitsSurviveShowingAndReadingBack) {
  // Inches, degrees and percent show every internal step, so reading the text gives the
  // value again; a wrong factor or format breaks this somewhere in the range.
  for (int unit : {kUnitNone, kUnitInches, kUnitDegrees, kUnitPercent}) {
    for (int value = -3000; value <= 3000; value += 7) {
      const CString text = FormatMeasurement(value, unit, Suffix(unit));
      ASSERT_EQ(MeasurementValue(text, unit), value) << text.GetString();
    }
  }
}

TEST(UnitsTest, LengthUnitsAndTheirCodes) {
  const struct {
    int unit;
    int lengthCode;
    int asDefault;
  } cases[] = {
      {kUnitNone, 0, 0}, {kUnitInches, 10, 1}, {kUnitMillimetres, 21, 2}, {kUnitPoints, 31, 3},
      {kUnitDegrees, 0, 0}, {kUnitPercent, 0, 0}, {-1, 0, 0}, {99, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LengthCodeOfUnit(c.unit), c.lengthCode) << c.unit;
    EXPECT_EQ(DefaultLengthUnit(c.unit), c.asDefault) << c.unit;
  }
}

TEST(UnitsTest, LengthsConvertBetweenCodesBothWays) {
  const struct {
    int from;
    int to;
    double value;
    double result;
  } cases[] = {
      {kLengthInches, kLengthMillimetres, 1.0, 25.4},
      {kLengthMillimetres, kLengthInches, 25.4, 1.0},
      {kLengthInches, kLengthPoints, 0.5, 36.0},
      {kLengthPoints, kLengthInches, 72.0, 1.0},
      {kLengthMillimetres, kLengthPoints, 10.0, 28.34645669291339},
      {kLengthPoints, kLengthMillimetres, 2.834645669291339, 1.0},
      {kLengthPoints, kLengthMillimetres, -72.0, -25.4},
      {kLengthInches, kLengthInches, 3.5, 3.5},
      {kLengthPoints, kLengthPoints, -2.0, -2.0},
      {kUnitInches, kUnitMillimetres, 1.0, 0.0},  // units are not length codes
      {kLengthInches, 20, 1.0, 0.0},
      {0, kLengthPoints, 1.0, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ConvertLength(c.from, c.to, c.value), c.result, 1e-12) << c.from << " -> " << c.to;
  }
}

}  // namespace
