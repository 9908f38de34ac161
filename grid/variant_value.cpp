#include "grid/variant_value.h"

void COleVariant::SetInteger(long long nSrc, VARTYPE vtSrc, VARTYPE vtNatural) {
  dblVal = 0.0;
  switch (vtSrc) {
    case VT_I2: iVal = static_cast<std::int16_t>(nSrc); break;
    case VT_I4: lVal = static_cast<std::int32_t>(nSrc); break;
    case VT_INT: intVal = static_cast<std::int32_t>(nSrc); break;
    case VT_UI1: bVal = static_cast<std::uint8_t>(nSrc); break;
    case VT_UI2: uiVal = static_cast<std::uint16_t>(nSrc); break;
    case VT_UI4: ulVal = static_cast<std::uint32_t>(nSrc); break;
    case VT_UINT: uintVal = static_cast<std::uint32_t>(nSrc); break;
    case VT_BOOL: boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE; break;
    default:
      SetInteger(nSrc, vtNatural, vtNatural);
      return;
  }
  vt = vtSrc;
}

bool COleVariant::operator==(const COleVariant& other) const {
  if (vt != other.vt) return false;
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL: return true;
    case VT_I2: return iVal == other.iVal;
    case VT_I4: return lVal == other.lVal;
    case VT_INT: return intVal == other.intVal;
    case VT_R4: return fltVal == other.fltVal;
    case VT_R8: return dblVal == other.dblVal;
    case VT_BSTR: return strVal == other.strVal;
    case VT_BOOL: return boolVal == other.boolVal;
    case VT_UI1: return bVal == other.bVal;
    case VT_UI2: return uiVal == other.uiVal;
    case VT_UI4: return ulVal == other.ulVal;
    case VT_UINT: return uintVal == other.uintVal;
    default: return false;
  }
}
