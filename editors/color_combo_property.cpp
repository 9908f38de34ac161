#include "editors/color_combo_property.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>

#include "module/host_library.h"
#include "editors/color_box.h"
#include "framework/gdi.h"
#include "framework/std_controls.h"
#include "framework/wnd.h"
#include "grid/property_grid_ctrl.h"
#include "tree/row_sources.h"

namespace {

// Object state that tells a fill whether its colour comes from a scheme or a column.
constexpr char kShadingSmooth[] = "3D SHADINGSMOOTH ENABLE";
// Set by the line's other editors when the gap colour applies.
constexpr char kGapColorDisable[] = "GAP COLOR DISABLE";
// Attributes whose colour other editors read from the object state of the same name.
constexpr const char* kColorStateAttributes[] = {"SEA_COLOR", "SSA_COLOR", "SDA_COLOR",
                                                 "SEA_GAP_COLOR", "SSA_EDGECOLOR", "SDA_EDGECOLOR"};

bool IsAttr(const CString& strName, const char* pszName) { return std::strcmp(strName.GetString(), pszName) == 0; }

// The text line height of the 8-point Tahoma the value field's swatch is sized by.
int ValueSwatchWidth() {
  static int s_nWidth = 0;
  if (s_nWidth == 0) {
    HDC hDC = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = -((::GetDeviceCaps(hDC, LOGPIXELSY) * 80 + 360) / 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    ::ReleaseDC(nullptr, hDC);
    CFont font;
    font.CreateFontIndirect(&lf);
    s_nWidth = TextLineHeight(font);
  }
  return s_nWidth;
}

// The "AttrValue" of the object's attribute of that name, or null.
const char* ObjectAttrValue(TiXmlNode* pObject, const char* pszName) {
  for (TiXmlElement* p = CPropertyGridProperty::GetAttributeElement(pObject); p; p = p->NextSiblingElement("Attribute")) {
    const char* pszAttrName = p->Attribute("Name");
    if (pszAttrName && std::strcmp(pszAttrName, pszName) == 0) return p->Attribute("AttrValue");
  }
  return nullptr;
}

CString Decimal(long nValue) {
  CString str;
  str.Format("%ld", nValue);
  return str;
}

}  // namespace

const CRuntimeClass CColorComboPropertyGridProperty::classCColorComboPropertyGridProperty = {
    "CColorComboPropertyGridProperty", &CPropertyGridProperty::classCPropertyGridProperty};

const CRuntimeClass* CColorComboPropertyGridProperty::GetRuntimeClass() const {
  return &classCColorComboPropertyGridProperty;
}

CColorComboPropertyGridProperty::CColorComboPropertyGridProperty(
    const CString& strLabel, int nColor, const ColorSourceInfo* pSource, TiXmlNode* pObjectNode,
    TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName,
    const CString& strHandle, const CString& strThemeHandle, const CString& strColHandle)
    : CChoiceBoxProperty(strLabel, COleVariant(nColor), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber,
                         strAttrName, strHandle),
      m_source(pSource ? *pSource : ColorSourceInfo{}),
      m_strThemeHandle(strThemeHandle),
      m_strColHandle(strColHandle) {
  if (!pSource) m_source.nValue = nColor;
  m_dwFlags = AFX_PROP_HAS_LIST;
  m_bAllowEdit = FALSE;
  if (!m_strThemeHandle.IsEmpty()) m_nThemeHandle = npb::ReadAttrInt(m_strThemeHandle);
  if (!m_strColHandle.IsEmpty()) m_nColHandle = npb::ReadAttrInt(m_strColHandle);
  InitFromSource(nColor);
  WriteColorState();
}

CColorComboPropertyGridProperty::~CColorComboPropertyGridProperty() { OnDestroyWindow(); }

void CColorComboPropertyGridProperty::InitFromSource(std::int32_t nColor) {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const bool bFill = IsAttr(m_strAttrName, "SDA_COLOR");
  const bool bScheme = !m_strThemeHandle.IsEmpty() && m_nThemeHandle > 2 && m_nColHandle == npb::kColHandleNone;
  const bool bColumn = !m_strColHandle.IsEmpty() && m_nColHandle >= 0 && m_nThemeHandle == npb::kThemeHandleColumn;
  if (bScheme || bColumn) {
    if (bFill) WriteObjectState(kShadingSmooth, 1);
    // "ColHandle" counts worksheet columns from 0, as a choice writes it; the host's column
    // table numbers them from 1, so a row reads back the column it was given.
    const bool bFound =
        bScheme ? InitFromTable(npb::ReadSchemeTable(library.GetColorSchemes(m_strAttrName).c_str()), m_nThemeHandle)
                : InitFromTable(npb::ReadColumnTable(library.GetColumnSchemes(npb::ReadAttrInt(m_strHandle),
                                                                               m_strAttrName).c_str()),
                                m_nColHandle + 1);
    // A source that points nowhere: the attribute's own colour is all there is to show.
    if (!bFound) InitPlain(static_cast<COLORREF>(m_source.nValue));
    return;
  }
  if (bFill) WriteObjectState(kShadingSmooth, 0);
  InitPlain(static_cast<COLORREF>(nColor));
}

bool CColorComboPropertyGridProperty::InitFromTable(const std::vector<npb::ColorEntry>& entries,
                                                    std::int32_t nValue) {
  for (const npb::ColorEntry& entry : entries) {
    if (entry.value != nValue) continue;
    m_dwKind = entry.kind;
    m_strText = entry.name.c_str();
    // The value a choice of this entry gives, so that choosing it again changes nothing.
    m_varValue = m_varValueOrig = COleVariant(static_cast<long>(entry.value));
    std::copy(std::begin(entry.colors), std::end(entry.colors), m_colors);
    return true;
  }
  return false;
}

void CColorComboPropertyGridProperty::InitPlain(COLORREF color) {
  m_dwKind = npb::kColorEntryPlain;
  std::fill(std::begin(m_colors), std::end(m_colors), 0);
  m_colors[0] = color;
  m_varValue = m_varValueOrig = COleVariant(static_cast<long>(color));
  // The host's name of the colour: the names its option lists use are those of the
  // standard table, whatever order a list has them in.
  const int nIndex = npb::StandardColorIndex(color);
  m_strText = nIndex < 0 ? npb::kHostCustomName : npb::kStandardColors[nIndex].hostName;
}

void CColorComboPropertyGridProperty::WriteObjectState(const char* pszName, int nValue) {
  if (TiXmlElement* pObject = m_pXmlNode ? m_pXmlNode->ToElement() : nullptr) pObject->SetAttribute(pszName, nValue);
}

void CColorComboPropertyGridProperty::WriteColorState() {
  for (const char* pszName : kColorStateAttributes) {
    if (IsAttr(m_strAttrName, pszName)) WriteObjectState(pszName, static_cast<int>(m_colors[0]));
  }
}

bool CColorComboPropertyGridProperty::IsSchemeOrColumn() const {
  const DWORD dwBase = m_dwKind & npb::kColorEntryKindMask;
  return dwBase == npb::kColorEntryScheme || dwBase == npb::kColorEntryColumn;
}

BOOL CColorComboPropertyGridProperty::OnEdit(LPPOINT lptClick) {
  if (!CPropertyGridProperty::OnEdit(lptClick)) return FALSE;
  CPBColorBox* pBox = GetColorBox();
  if (!pBox) return TRUE;
  pBox->FillFromHost(m_strAttrName, m_strHandle, m_strThemeHandle, m_strColHandle);
  pBox->FitDroppedWidth();
  if (IsSchemeOrColumn()) {
    pBox->SelectEntry(pBox->FindName(m_strText));
  } else {
    // A colour the list lacks selects nothing: closing the list then changes nothing.
    pBox->SelectEntry(pBox->FindColor(m_colors[0]));
  }
  m_crAtOpen = pBox->GetCurrentColor();
  return TRUE;
}

BOOL CColorComboPropertyGridProperty::OnUpdateValue() {
  const CPBColorBox* pBox = GetColorBox();
  const int nSel = pBox && pBox->m_hWnd ? pBox->GetCurSel() : -1;
  const ColorBoxItem* pItem = pBox ? pBox->GetEntry(nSel) : nullptr;
  if (!pItem) return TRUE;
  const COLORREF crOld = m_colors[0];
  const long nOldValue = m_varValue.lVal;
  std::copy(std::begin(pItem->colors), std::end(pItem->colors), m_colors);
  m_strText = pItem->szName;
  m_dwKind = pItem->dwKind;
  const bool bFill = IsAttr(m_strAttrName, "SDA_COLOR");
  if (m_strThemeHandle.IsEmpty()) {
    m_varValue = COleVariant(static_cast<long>(m_colors[0]));
  } else {
    const DWORD dwBase = pItem->dwKind & npb::kColorEntryKindMask;
    if (dwBase == npb::kColorEntryScheme) {
      m_nThemeHandle = pItem->nValue;
      m_nColHandle = npb::kColHandleNone;
      m_varValue = COleVariant(static_cast<long>(pItem->nValue));
    } else if (dwBase == npb::kColorEntryColumn) {
      m_nColHandle = pItem->nValue - 1;  // the column counted from 0
      m_nThemeHandle = npb::kThemeHandleColumn;
      m_varValue = COleVariant(static_cast<long>(pItem->nValue));
    } else {
      m_nThemeHandle = npb::kThemeHandlePlain;
      m_nColHandle = npb::kColHandleNone;
      m_varValue = COleVariant(static_cast<long>(m_colors[0]));
    }
    m_strThemeHandle = Decimal(m_nThemeHandle);
    if (!m_strColHandle.IsEmpty()) m_strColHandle = Decimal(m_nColHandle);
    if (bFill) WriteObjectState(kShadingSmooth, dwBase == npb::kColorEntryPlain ? 0 : 1);
  }
  WriteColorState();
  m_bEnabledStateKnown = false;
  if (m_colors[0] != crOld || m_varValue.lVal != nOldValue) {
    m_bChoicePending = true;
    if (m_pWndList) m_pWndList->OnPropertyChanged(this);
    SetOriginalValue(m_varValue);
  }
  return TRUE;
}

void CColorComboPropertyGridProperty::CommitChoice() {
  CommitExtras extras;
  extras.nSettingsGroup = SettingsGroupOf(m_strAttrName);
  // Only attributes that carry both handles have them written.
  extras.bWriteHandles = !m_strThemeHandle.IsEmpty() && !m_strColHandle.IsEmpty();
  extras.nThemeHandle = m_nThemeHandle;
  extras.nColHandle = m_nColHandle;
  // The colour itself, for schemes and columns their first colour: a host that reads the
  // value alone still gets the colour the object shows first.
  Commit(Decimal(static_cast<long>(m_colors[0])), extras);
}

void CColorComboPropertyGridProperty::UpdateEnabledState() {
  if (IsAttr(m_strAttrName, "SEA_GAP_COLOR")) {
    const TiXmlElement* pObject = m_pXmlNode ? m_pXmlNode->ToElement() : nullptr;
    Enable(pObject && npb::ReadAttrInt(pObject->Attribute(kGapColorDisable)) == 1);
  } else if (IsAttr(m_strAttrName, "SDA_COLOREX") && !m_bEnabledStateKnown) {
    // A second fill colour only means something with the pattern that blends two colours.
    const char* pszPattern = ObjectAttrValue(m_pXmlNode, "SDA_PATTERN");
    Enable(pszPattern && npb::ReadAttrInt(pszPattern) == 1);
  }
  m_bEnabledStateKnown = true;
}

void CColorComboPropertyGridProperty::OnDrawValue(CDC* pDC, CRect rect) {
  UpdateEnabledState();
  HBITMAP hStrip = nullptr;
  int nWidth = ValueSwatchWidth();
  if ((m_dwKind & npb::kColorEntryKindMask) == npb::kColorEntryColumn) {
    hStrip = ColumnImageStrip();
    nWidth = std::max(nWidth, kColumnImageWidth + 2);
  }
  m_nSwatchWidth = std::max(m_nSwatchWidth, nWidth);
  CRect rectText = rect;
  rectText.left += m_nSwatchWidth;
  CPropertyGridProperty::OnDrawValue(pDC, rectText);
  DrawColorSwatch(pDC, rect, m_dwKind, m_colors, m_nSwatchWidth, hStrip);
  if (IsSelected()) pDC->DrawFocusRect(&rect);
}
