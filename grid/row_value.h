// The value rules every grid row shares: which variant kinds a row handles, how a value is
// shown as text, how typed text is read back into a value of the same kind, and when a value
// counts as changed against the original. Window-free; the grid's boolean labels are passed in.
#pragma once

#include "framework/afx_string.h"
#include "grid/variant_value.h"

namespace npb {

// The text shown for a value of a kind rows do not handle.
inline constexpr const char kRowValueErrorText[] = "*** error ***";

// VT_I2, VT_I4, VT_R4, VT_R8, VT_BSTR, VT_BOOL, VT_UI1, VT_UI2, VT_UI4, VT_INT, VT_UINT.
bool IsRowValueKind(VARTYPE vt);

// Text of a value: numbers in the C formats of their kind (reals with six decimals), a
// byte as its character (nothing for 0), a boolean as one of the two labels.
CString FormatRowValue(const COleVariant& var, const CString& strTrue, const CString& strFalse);

// Reads text into `var` without changing its kind. Integers read their leading digits as
// atoi/atol do (0 when there are none) and are cut to the kind's width; reals are trimmed
// and scanned, 0 when empty or unreadable; a boolean is true only when the text, trimmed at
// the right, equals the true label. False, with `var` untouched, for any other kind.
bool ParseRowValue(const CString& text, COleVariant& var, const CString& strTrue);

// A value differs from the original: both of the same handled kind and unequal at the
// kind's width (a NaN real always differs). Different or unhandled kinds never differ.
bool IsRowValueChanged(const COleVariant& value, const COleVariant& orig);

}  // namespace npb
