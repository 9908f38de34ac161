#include "editors/standalone_color_property.h"

const CRuntimeClass CPropertyGridColorProperty::classCPropertyGridColorProperty = {
    "CPropertyGridColorProperty", &CPropertyGridProperty::classCPropertyGridProperty};

CPropertyGridColorProperty::CPropertyGridColorProperty(const CString& strName, COLORREF /*color*/,
                                                       CPalette* /*pPalette*/, LPCTSTR lpszDescr,
                                                       DWORD_PTR dwData)
    : CPropertyGridProperty(strName, COleVariant(), lpszDescr, dwData) {}

CPropertyGridColorProperty::~CPropertyGridColorProperty() = default;

const CRuntimeClass* CPropertyGridColorProperty::GetRuntimeClass() const {
  return &classCPropertyGridColorProperty;
}

void CPropertyGridColorProperty::SetColor(COLORREF) {}
