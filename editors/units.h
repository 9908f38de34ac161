// Measurement units of the editor rows: how a value held in internal units (thousandths
// of an inch for lengths, tenths for angles and percentages) is shown and read back, and
// conversion between the length units. Window-free; the suffix texts are string
// resources, so callers load them by the ids of the table and pass them in.
#pragma once

#include "framework/afx_string.h"

namespace npb {

// MeasurementUnit values.
enum : int {
  kUnitNone = 0,  // plain integer
  kUnitInches = 1,
  kUnitMillimetres = 2,
  kUnitPoints = 3,
  kUnitDegrees = 4,
  kUnitPercent = 5,
};

// Length codes kept beside a MeasurementUnit by the measuring rows and the slider.
enum : int {
  kLengthInches = 10,
  kLengthMillimetres = 21,
  kLengthPoints = 31,
};

// String resources of the suffixes, and of the radian ranges shown as multiples of pi.
constexpr unsigned kIdsSuffixInches = 9029;
constexpr unsigned kIdsSuffixMillimetres = 9030;
constexpr unsigned kIdsSuffixPoints = 9031;
constexpr unsigned kIdsSuffixPercent = 9032;
constexpr unsigned kIdsSuffixDegrees = 9033;
constexpr unsigned kIdsSuffixPi = 9034;
constexpr double kPi = 3.141592653589793;

struct UnitInfo {
  int unit;               // MeasurementUnit
  unsigned suffixId;      // string resource of the suffix; 0: no suffix
  double factor;          // shown number = internal value * factor
  const char* format;     // printf format of the shown number and the suffix
  int lengthCode;         // 0 for units that are not lengths
};

// The unit's row of the table; null for a value that is no unit.
const UnitInfo* FindUnit(int unit);

// The length code of unit 1, 2 or 3, else 0.
int LengthCodeOfUnit(int unit);

// The profile's default unit as a length unit: 1, 2 or 3 stay, anything else is no unit.
int DefaultLengthUnit(int profileValue);

// The integer part of x + 0.5 for x >= 0, of x - 0.5 below; held to the int range, and 0
// for not-a-number.
int RoundHalfAwayFromZero(double x);

// The text of an internal value: the scaled number in the unit's format with the suffix
// right after it ("0.250in", "-90.0\xB0"); a bare integer for unit 0 or any value that
// is no unit. A null suffix reads as empty.
CString FormatMeasurement(int value, int unit, const char* pszSuffix);

// The internal value of a shown number (or of text, read as atof reads it, so a suffix
// after the number is ignored): divided by the unit's factor, rounded half away from zero.
int MeasurementValue(double number, int unit);
int MeasurementValue(const char* pszText, int unit);

// A length in the unit of toCode, from the unit of fromCode (10 inches, 21 millimetres,
// 31 points). Equal codes give the value unchanged; a pair that is not two length codes
// gives 0.
double ConvertLength(int fromCode, int toCode, double value);

}  // namespace npb
