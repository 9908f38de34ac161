// COleVariant: the typed value a grid row holds. Window-free; the kind codes and the boolean
// constants are the system's own where <wtypes.h> exists and the same numbers elsewhere.
// Text values are 8-bit strings in the host's code page rather than BSTRs, so a value can be
// copied, compared and tested without the OLE allocator.
#pragma once

#include <cstdint>

#include "framework/afx_string.h"

#ifdef _WIN32
#include <wtypes.h>
#else
typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
enum VARENUM {
  VT_EMPTY = 0, VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_CY = 6,
  VT_DATE = 7, VT_BSTR = 8, VT_DISPATCH = 9, VT_ERROR = 10, VT_BOOL = 11, VT_VARIANT = 12,
  VT_UNKNOWN = 13, VT_DECIMAL = 14, VT_I1 = 16, VT_UI1 = 17, VT_UI2 = 18, VT_UI4 = 19,
  VT_I8 = 20, VT_UI8 = 21, VT_INT = 22, VT_UINT = 23,
};
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)
#endif

class COleVariant {
public:
  COleVariant() { dblVal = 0.0; }
  // Integers take the kind asked for when it is an integer or boolean kind, else their
  // natural kind (VT_I2 for short, VT_I4 for int and long, VT_UI... for unsigned types).
  COleVariant(short nSrc, VARTYPE vtSrc = VT_I2) { SetInteger(nSrc, vtSrc, VT_I2); }
  COleVariant(int nSrc, VARTYPE vtSrc = VT_I4) { SetInteger(nSrc, vtSrc, VT_I4); }
  COleVariant(long nSrc, VARTYPE vtSrc = VT_I4) { SetInteger(nSrc, vtSrc, VT_I4); }
  COleVariant(unsigned short nSrc, VARTYPE vtSrc = VT_UI2) { SetInteger(nSrc, vtSrc, VT_UI2); }
  COleVariant(unsigned nSrc, VARTYPE vtSrc = VT_UI4) { SetInteger(nSrc, vtSrc, VT_UI4); }
  COleVariant(unsigned long nSrc, VARTYPE vtSrc = VT_UI4) { SetInteger(static_cast<long long>(nSrc), vtSrc, VT_UI4); }
  COleVariant(unsigned char nSrc) : vt(VT_UI1) { dblVal = 0.0; bVal = nSrc; }
  COleVariant(bool bSrc) : vt(VT_BOOL) { dblVal = 0.0; boolVal = bSrc ? VARIANT_TRUE : VARIANT_FALSE; }
  COleVariant(float fltSrc) : vt(VT_R4) { dblVal = 0.0; fltVal = fltSrc; }
  COleVariant(double dblSrc) : vt(VT_R8) { dblVal = dblSrc; }
  COleVariant(const char* lpszSrc) : vt(VT_BSTR), strVal(lpszSrc) { dblVal = 0.0; }
  COleVariant(const CString& strSrc) : vt(VT_BSTR), strVal(strSrc) { dblVal = 0.0; }

  // Back to the empty variant.
  void Clear() { *this = COleVariant(); }

  // Same kind and same value; text compares exactly, reals as the C operators do.
  bool operator==(const COleVariant& other) const;
  bool operator!=(const COleVariant& other) const { return !(*this == other); }

  VARTYPE vt = VT_EMPTY;
  union {
    std::int16_t iVal;       // VT_I2
    std::int32_t lVal;       // VT_I4
    float fltVal;            // VT_R4
    double dblVal;           // VT_R8
    VARIANT_BOOL boolVal;    // VT_BOOL: VARIANT_TRUE or VARIANT_FALSE
    std::uint8_t bVal;       // VT_UI1
    std::uint16_t uiVal;     // VT_UI2
    std::uint32_t ulVal;     // VT_UI4
    std::int32_t intVal;     // VT_INT
    std::uint32_t uintVal;   // VT_UINT
  };
  CString strVal;            // VT_BSTR

private:
  void SetInteger(long long nSrc, VARTYPE vtSrc, VARTYPE vtNatural);
};
