// A colour row of the browser's row family for grids the host builds itself. It keeps
// no colour: the host sets the value through the base row's operations.
#pragma once

#include "module/export.h"
#include "grid/property_row.h"

class CPalette;

class NPB_EXPORT CPropertyGridColorProperty : public CPropertyGridProperty {
public:
  CPropertyGridColorProperty(const CString& strName, COLORREF color, CPalette* pPalette = nullptr,
                             LPCTSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
  ~CPropertyGridColorProperty() override;

  static const CRuntimeClass classCPropertyGridColorProperty;
  const CRuntimeClass* GetRuntimeClass() const override;

  // The one operation added after the base row's last: where a colour row of the host's
  // own grids takes a colour. The row keeps none; the host sets the value through the
  // base row's operations.
  virtual void SetColor(COLORREF color);

private:
  CString m_strText;
};
