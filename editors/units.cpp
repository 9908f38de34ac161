#include "editors/units.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace npb {

namespace {

constexpr UnitInfo kUnits[] = {
    {kUnitNone, 0, 1.0, "%d%s", 0},
    {kUnitInches, kIdsSuffixInches, 0.001, "%.3f%s", kLengthInches},
    {kUnitMillimetres, kIdsSuffixMillimetres, 0.0254, "%.1f%s", kLengthMillimetres},
    {kUnitPoints, kIdsSuffixPoints, 0.072, "%.1f%s", kLengthPoints},
    {kUnitDegrees, kIdsSuffixDegrees, 0.1, "%.1f%s", 0},
    {kUnitPercent, kIdsSuffixPercent, 0.1, "%.1f%s", 0},
};

// Converting from the first code to the second multiplies by the factor; the opposite
// direction divides by it.
struct LengthRatio {
  int from;
  int to;
  double factor;
};
constexpr LengthRatio kLengthRatios[] = {
    {kLengthInches, kLengthMillimetres, 25.4},
    {kLengthInches, kLengthPoints, 72.0},
    {kLengthMillimetres, kLengthPoints, 2.834645669291339},
};

// The result rounded to a double. The i686 build computes in the x87's wider registers,
// where 0.0625 / 0.001 is 62.4999...; a typed half must round the same on every build.
double AsDouble(double x) {
  volatile double stored = x;
  return stored;
}

}  // namespace

const UnitInfo* FindUnit(int unit) {
  for (const UnitInfo& info : kUnits) {
    if (info.unit == unit) return &info;
  }
  return nullptr;
}

int LengthCodeOfUnit(int unit) {
  const UnitInfo* info = FindUnit(unit);
  return info ? info->lengthCode : 0;
}

int DefaultLengthUnit(int profileValue) { return LengthCodeOfUnit(profileValue) ? profileValue : kUnitNone; }

int RoundHalfAwayFromZero(double x) {
  if (std::isnan(x)) return 0;
  const double rounded = x >= 0 ? x + 0.5 : x - 0.5;
  // Outside the int range the conversion is undefined; the nearest end is the answer.
  if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(rounded);
}

CString FormatMeasurement(int value, int unit, const char* pszSuffix) {
  const UnitInfo* info = FindUnit(unit);
  CString text;
  if (!info || info->unit == kUnitNone) {
    text.Format(kUnits[0].format, value, "");
    return text;
  }
  double number = AsDouble(value * info->factor);
  // A product stored just below its decimal form (250 * 0.0254 = 6.34999...) is shown as
  // written: one representable step away from zero before printf rounds it.
  if (number != std::trunc(number)) number = std::nextafter(number, number > 0 ? HUGE_VAL : -HUGE_VAL);
  text.Format(info->format, number, pszSuffix ? pszSuffix : "");
  return text;
}

int MeasurementValue(double number, int unit) {
  const UnitInfo* info = FindUnit(unit);
  return RoundHalfAwayFromZero(info ? AsDouble(number / info->factor) : number);
}

int MeasurementValue(const char* pszText, int unit) { return MeasurementValue(pszText ? std::atof(pszText) : 0.0, unit); }

double ConvertLength(int fromCode, int toCode, double value) {
  if (fromCode == toCode) return value;
  for (const LengthRatio& ratio : kLengthRatios) {
    if (ratio.from == fromCode && ratio.to == toCode) return value * ratio.factor;
    if (ratio.from == toCode && ratio.to == fromCode) return value / ratio.factor;
  }
  return 0.0;
}

}  // namespace npb
