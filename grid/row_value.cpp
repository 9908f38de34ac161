#include "grid/row_value.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace npb {
namespace {

// atol as the host's run-time has it: leading blanks, a sign, leading digits, saturated at
// the 32-bit limits (the system's long), 0 when there are no digits.
std::int32_t TextToLong(const CString& text) {
  const long long v = std::strtoll(text.GetString(), nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

double TextToReal(CString text, const char* format) {
  text.Trim();
  if (text.IsEmpty()) return 0.0;
  if (format[1] == 'f') {
    float f = 0.0f;
    return std::sscanf(text.GetString(), format, &f) == 1 ? f : 0.0;
  }
  double d = 0.0;
  return std::sscanf(text.GetString(), format, &d) == 1 ? d : 0.0;
}

}  // namespace

bool IsRowValueKind(VARTYPE vt) {
  switch (vt) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_BSTR: case VT_BOOL:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_INT: case VT_UINT:
      return true;
    default:
      return false;
  }
}

CString FormatRowValue(const COleVariant& var, const CString& strTrue, const CString& strFalse) {
  CString text;
  switch (var.vt) {
    case VT_I2: text.Format("%d", var.iVal); break;
    case VT_I4: text.Format("%ld", static_cast<long>(var.lVal)); break;
    case VT_INT: text.Format("%ld", static_cast<long>(var.intVal)); break;
    case VT_R4: text.Format("%f", static_cast<double>(var.fltVal)); break;
    case VT_R8: text.Format("%lf", var.dblVal); break;
    case VT_BSTR: text = var.strVal; break;
    case VT_BOOL: text = var.boolVal == VARIANT_TRUE ? strTrue : strFalse; break;
    case VT_UI1: if (var.bVal != 0) text.Format("%c", var.bVal); break;
    case VT_UI2: text.Format("%u", static_cast<unsigned>(var.uiVal)); break;
    case VT_UI4: text.Format("%u", static_cast<unsigned>(var.ulVal)); break;
    case VT_UINT: text.Format("%u", static_cast<unsigned>(var.uintVal)); break;
    default: text = kRowValueErrorText; break;
  }
  return text;
}

bool ParseRowValue(const CString& text, COleVariant& var, const CString& strTrue) {
  switch (var.vt) {
    case VT_I2: var.iVal = static_cast<std::int16_t>(TextToLong(text)); break;
    case VT_I4: var.lVal = TextToLong(text); break;
    case VT_INT: var.intVal = TextToLong(text); break;
    case VT_UI2: var.uiVal = static_cast<std::uint16_t>(TextToLong(text)); break;
    case VT_UI4: var.ulVal = static_cast<std::uint32_t>(TextToLong(text)); break;
    case VT_UINT: var.uintVal = static_cast<std::uint32_t>(TextToLong(text)); break;
    case VT_R4: var.fltVal = static_cast<float>(TextToReal(text, "%f")); break;
    case VT_R8: var.dblVal = TextToReal(text, "%lf"); break;
    case VT_BSTR: var.strVal = text; break;
    case VT_BOOL: {
      CString trimmed(text);
      trimmed.TrimRight();
      var.boolVal = trimmed == strTrue ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    }
    case VT_UI1: var.bVal = static_cast<std::uint8_t>(text.GetAt(0)); break;
    default: return false;
  }
  return true;
}

bool IsRowValueChanged(const COleVariant& value, const COleVariant& orig) {
  if (value.vt != orig.vt || value.vt < VT_I2 || value.vt > VT_UINT) return false;
  switch (value.vt) {
    case VT_I2: return value.iVal != orig.iVal;
    case VT_BOOL: return value.boolVal != orig.boolVal;
    case VT_UI2: return value.uiVal != orig.uiVal;
    case VT_I4: return value.lVal != orig.lVal;
    case VT_INT: return value.intVal != orig.intVal;
    case VT_UI4: return value.ulVal != orig.ulVal;
    case VT_UINT: return value.uintVal != orig.uintVal;
    case VT_R4: return value.fltVal != orig.fltVal;
    case VT_R8:
      return std::isnan(value.dblVal) || std::isnan(orig.dblVal) || value.dblVal != orig.dblVal;
    case VT_BSTR: return value.strVal != orig.strVal;
    case VT_UI1: return value.bVal != orig.bVal;
    default: return false;
  }
}

}  // namespace npb
