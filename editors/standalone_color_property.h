// A colour row of the browser's row family for grids the host builds itself. It keeps
// no colour: the host sets the value through the base row's operations.
#pragma once

#include "browser/export.h"
#include "grid/property_row.h"

class CPalette;

class NPB_EXPORT CPropertyGridColorProperty : public CPropertyGridProperty {
public:
  CPropertyGridColorProperty(const CString& strName, COLORREF color, CPalette* pPalette = nullptr,
                             LPCTSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
  ~CPropertyGridColorProperty() override;

  static const CRuntimeClass classCPropertyGridColorProperty;
  const CRuntimeClass* GetRuntimeClass() const override;

private:
  CString m_strText;
};
