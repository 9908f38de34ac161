#include "grid/property_row.h"

#include <tinyxml.h>

#include <algorithm>

#include "framework/wnd.h"
#include "grid/row_value.h"

namespace {

const char kDefaultTrueLabel[] = "True";
const char kDefaultFalseLabel[] = "False";
const char kDefaultListDelimiter = ',';

// The attributes through which an object's editors coordinate, with their starting values,
// in the order they are written onto the object's element.
const struct {
  const char* name;
  const char* value;  // the decimal text, written as it is rather than formatted each time
} kObjectStateAttributes[] = {
    {"SEA_COLOR", "0"},
    {"SEA_GAP_COLOR", "0"},
    {"SSA_COLOR", "0"},
    {"SSA_EDGECOLOR", "0"},
    {"SDA_COLOR", "0"},
    {"SDA_EDGECOLOR", "0"},
    {"SLA_QCOPTS_DIRECTION", "0"},
    {"AH LENGTH FIRST TIME", "1"},
    {"CHECK STATUS", "0"},
    {"MULTIPLIER ENABLE", "1"},
    {"PIE EXPLODE SLICE ENABLE", "0"},
    {"MAJORFREQ ENABLE", "1"},
    {"ORGVAL ENABLE", "1"},
    {"TIC LABEL TYPE", "0"},
    {"TIC LABEL FORMAT SERIES TYPE", "0"},
    {"TIC LABEL AUTOPREC", "0"},
    {"3D SHADINGSMOOTH ENABLE", "0"},
    {"SAMPLE RANGE ENABLE", "1"},
    {"SXA_POSITION_TOP", "0"},
    {"SXA_POSITION_LEFT", "0"},
    {"SXA_POSITION_WIDTH", "0"},
    {"SXA_POSITION_HEIGHT", "0"},
    {"GAP COLOR DISABLE", "0"},
    {"CONSTANT LABEL ON", "0"},
    {"BREAK MIN", "0"},
    {"BREAK MAX", "0"},
    {"SSA_SIZE_ENABLE", "1"},
};

// Kinds that may carry a spin control, and kinds that may carry a slider.
bool IsSpinKind(VARTYPE vt) {
  return vt == VT_I2 || vt == VT_I4 || vt == VT_UI2 || vt == VT_UI4 || vt == VT_INT || vt == VT_UINT;
}
bool IsSliderKind(VARTYPE vt) { return IsSpinKind(vt) || vt == VT_R8; }

}  // namespace

const CRuntimeClass CPropertyGridProperty::classCPropertyGridProperty = {"CPropertyGridProperty", nullptr};
int CPropertyGridProperty::s_nLiveCount = 0;

CPropertyGridProperty::CPropertyGridProperty(const CString& strName, const COleVariant& varValue,
                                             LPCTSTR lpszDescr, DWORD_PTR dwData, LPCTSTR lpszEditMask,
                                             LPCTSTR lpszEditTemplate, LPCTSTR lpszValidChars)
    : CPropertyGridProperty(strName, varValue, nullptr, lpszDescr, dwData, lpszEditMask, lpszEditTemplate,
                            lpszValidChars) {
  if (m_dwData == kDataButtonRow) {
    m_dwFlags = AFX_PROP_HAS_BUTTON;
    m_bAllowEdit = FALSE;
  } else if (m_dwData == kDataReadOnly) {
    m_bAllowEdit = FALSE;
  }
}

CPropertyGridProperty::CPropertyGridProperty(const CString& strName, const COleVariant& varValue, TiXmlNode* pNode,
                                             LPCTSTR lpszDescr, DWORD_PTR dwData, LPCTSTR lpszEditMask,
                                             LPCTSTR lpszEditTemplate, LPCTSTR lpszValidChars)
    : m_pXmlNode(pNode),
      m_varValue(varValue),
      m_varValueOrig(varValue),
      m_dwData(dwData),
      m_strName(strName),
      m_strDescr(lpszDescr),
      m_strEditMask(lpszEditMask),
      m_strEditTempl(lpszEditTemplate),
      m_strValidChars(lpszValidChars) {
  InitCommonState();
  if (m_varValue.vt == VT_BOOL) m_bAllowEdit = FALSE;
}

CPropertyGridProperty::CPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData, BOOL bIsValueList)
    : m_dwData(dwData), m_bGroup(TRUE), m_bIsValueList(bIsValueList), m_strName(strGroupName) {
  InitCommonState();
}

CPropertyGridProperty::CPropertyGridProperty(const CString& strGroupName, TiXmlNode* pNode, DWORD_PTR dwData,
                                             BOOL bIsValueList)
    : CPropertyGridProperty(strGroupName, dwData, bIsValueList) {
  m_pXmlNode = pNode;
  WriteObjectStateAttributes();
}

void CPropertyGridProperty::InitCommonState() {
  ++s_nLiveCount;
  m_bExpanded = !m_bIsValueList;
  m_dwFlags = m_varValue.vt == VT_BOOL ? AFX_PROP_HAS_LIST : 0;
}

void CPropertyGridProperty::WriteObjectStateAttributes() {
  TiXmlElement* pElement = m_pXmlNode ? m_pXmlNode->ToElement() : nullptr;
  if (!pElement) return;
  for (const auto& attr : kObjectStateAttributes) pElement->SetAttribute(attr.name, attr.value);
}

CPropertyGridProperty::~CPropertyGridProperty() {
  OnDestroyWindow();
  for (CPropertyGridProperty* pSub : m_lstSubItems) delete pSub;
  m_lstSubItems.clear();
  --s_nLiveCount;
}

const CRuntimeClass* CPropertyGridProperty::GetRuntimeClass() const { return &classCPropertyGridProperty; }
void CPropertyGridProperty::Serialize(CArchive&) {}
void CPropertyGridProperty::AssertValid() const {}
void CPropertyGridProperty::Dump(CDumpContext&) const {}

// ---- values -------------------------------------------------------------------------------

CString CPropertyGridProperty::TrueLabel() const {
  return m_pWndList ? m_pWndList->GetTrueLabel() : CString(kDefaultTrueLabel);
}

CString CPropertyGridProperty::FalseLabel() const {
  return m_pWndList ? m_pWndList->GetFalseLabel() : CString(kDefaultFalseLabel);
}

char CPropertyGridProperty::ListDelimiter() const {
  return m_pWndList ? m_pWndList->GetListDelimiter() : kDefaultListDelimiter;
}

void CPropertyGridProperty::ResetOriginalValue() {
  m_bIsModified = FALSE;
  SetValue(m_varValueOrig);
  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->ResetOriginalValue();
}

CString CPropertyGridProperty::FormatProperty() {
  if (!m_bIsValueList) return npb::FormatRowValue(m_varValue, TrueLabel(), FalseLabel());
  CString strText;
  const CString strSeparator = CString(ListDelimiter()) + " ";
  for (size_t i = 0; i < m_lstSubItems.size(); ++i) {
    if (i > 0) strText += strSeparator;
    strText += m_lstSubItems[i]->FormatProperty();
  }
  return strText;
}

BOOL CPropertyGridProperty::TextToVar(const CString& strText) {
  return npb::ParseRowValue(strText, m_varValue, TrueLabel()) ? TRUE : FALSE;
}

BOOL CPropertyGridProperty::IsValueChanged() const {
  return npb::IsRowValueChanged(m_varValue, m_varValueOrig) ? TRUE : FALSE;
}

const COleVariant& CPropertyGridProperty::GetValue() const { return m_varValue; }

void CPropertyGridProperty::SetValue(const COleVariant& varValue) {
  if (m_varValue.vt != VT_EMPTY && varValue.vt != m_varValue.vt) return;
  const BOOL bWasEditing = m_bInPlaceEdit;
  if (bWasEditing) OnEndEdit();
  m_varValue = varValue;
  Redraw();
  if (bWasEditing && m_pWndList) m_pWndList->EditItem(this);
}

void CPropertyGridProperty::SetOriginalValue(const COleVariant& varValue) {
  if (m_varValueOrig.vt != VT_EMPTY && varValue.vt != m_varValueOrig.vt) return;
  m_varValueOrig = varValue;
}

BOOL CPropertyGridProperty::OnUpdateValue() {
  // Without an open editor there is no typed text to take over; reading the missing text as
  // empty would wipe the value.
  if (!m_pWndInPlace || !m_pWndInPlace->m_hWnd) return TRUE;
  const CString strText = GetInPlaceText();
  const BOOL bChanged = strText != FormatProperty();
  if (!m_bIsValueList) {
    if (!TextToVar(strText)) return FALSE;
  } else {
    const char cDelimiter = ListDelimiter();
    CString strRest = strText;
    for (size_t i = 0; !strRest.IsEmpty() && i < m_lstSubItems.size(); ++i) {
      const int nDelimiter = strRest.Find(cDelimiter);
      CString strItem = nDelimiter < 0 ? strRest : strRest.Left(nDelimiter);
      strRest = nDelimiter < 0 ? CString() : strRest.Mid(nDelimiter + 1);
      strItem.Trim();
      m_lstSubItems[i]->TextToVar(strItem);
    }
  }
  if (bChanged && m_pWndList) {
    m_pWndList->OnPropertyChanged(this);
    if (m_dwData == kDataNotifyFirst || m_dwData == kDataNotifySecond) {
      if (CWnd* pFrame = m_pWndList->GetParentFrameWnd()) {
        pFrame->SendMessage(kMsgValueChanged, static_cast<WPARAM>(m_dwData),
                            reinterpret_cast<LPARAM>(strText.GetString()));
      }
    }
  }
  return TRUE;
}

void CPropertyGridProperty::SetModifiedFlag() {
  const BOOL bModified = IsValueChanged();
  if (bModified == m_bIsModified && !m_bIsValueList) return;
  m_bIsModified = bModified;

  if (m_pParent && m_pParent->m_bIsValueList) {
    BOOL bParent = bModified;
    for (const CPropertyGridProperty* pSibling : m_pParent->m_lstSubItems) bParent = bParent || pSibling->m_bIsModified;
    m_pParent->m_bIsModified = bParent;
  }
  if (m_bIsValueList) {
    for (const CPropertyGridProperty* pSub : m_lstSubItems) m_bIsModified = m_bIsModified || pSub->m_bIsModified;
  }
  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->SetModifiedFlag();

  if (!m_pWndList || !m_pWndList->IsMarkModifiedProperties()) return;
  OnPosSizeChanged(m_Rect);
  if (m_pWndInPlace && m_pWndInPlace->m_hWnd) {
    m_pWndInPlace->SetFont(m_bIsModified ? m_pWndList->GetBoldFont() : m_pWndList->GetGridFont());
    CRect rectEdit, rectSpin, rectSlider;
    AdjustInPlaceEditRect(rectEdit, rectSpin, rectSlider);
    m_pWndInPlace->MoveWindow(&rectEdit);
  } else {
    Redraw();
  }
}

// ---- sub-rows ------------------------------------------------------------------------------

BOOL CPropertyGridProperty::IsInGrid(const CPropertyGridProperty* pProp) const {
  const CPropertyRowHost* pHost = pProp->m_pWndList;
  if (!pHost) return FALSE;
  for (int i = 0; i < pHost->GetPropertyCount(); ++i) {
    const CPropertyGridProperty* pTop = pHost->GetProperty(i);
    if (pTop && (pTop == pProp || pTop->IsSubItem(pProp))) return TRUE;
  }
  return FALSE;
}

BOOL CPropertyGridProperty::AddSubItem(CPropertyGridProperty* pProp) {
  if (!m_bGroup || !pProp || pProp == this || pProp->m_pParent || pProp->IsSubItem(this)) return FALSE;
  if (IsInGrid(pProp)) return FALSE;
  pProp->m_pParent = this;
  m_lstSubItems.push_back(pProp);
  pProp->SetOwnerList(m_pWndList);
  return TRUE;
}

BOOL CPropertyGridProperty::RemoveSubItem(CPropertyGridProperty*& pProp, BOOL bDelete) {
  if (!pProp) return FALSE;
  const auto it = std::find(m_lstSubItems.begin(), m_lstSubItems.end(), pProp);
  if (it == m_lstSubItems.end()) {
    for (CPropertyGridProperty* pSub : m_lstSubItems) {
      if (pSub->RemoveSubItem(pProp, bDelete)) return TRUE;
    }
    return FALSE;
  }
  m_lstSubItems.erase(it);
  if (bDelete) {
    delete pProp;
    pProp = nullptr;
  } else {
    pProp->m_pParent = nullptr;
    pProp->SetOwnerList(nullptr);
  }
  return TRUE;
}

CPropertyGridProperty* CPropertyGridProperty::GetSubItem(int nIndex) const {
  return nIndex >= 0 && nIndex < GetSubItemsCount() ? m_lstSubItems[nIndex] : nullptr;
}

BOOL CPropertyGridProperty::IsSubItem(const CPropertyGridProperty* pProp) const {
  for (const CPropertyGridProperty* pSub : m_lstSubItems) {
    if (pSub == pProp || pSub->IsSubItem(pProp)) return TRUE;
  }
  return FALSE;
}

CPropertyGridProperty* CPropertyGridProperty::FindSubItemByData(DWORD_PTR dwData) const {
  for (CPropertyGridProperty* pSub : m_lstSubItems) {
    if (pSub->m_dwData == dwData) return pSub;
    if (CPropertyGridProperty* pFound = pSub->FindSubItemByData(dwData)) return pFound;
  }
  return nullptr;
}

int CPropertyGridProperty::GetHierarchyLevel() const {
  int nLevel = 0;
  for (const CPropertyGridProperty* p = m_pParent; p; p = p->m_pParent) ++nLevel;
  return nLevel;
}

void CPropertyGridProperty::SetOwnerList(CPropertyRowHost* pWndList) {
  m_pWndList = pWndList;
  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->SetOwnerList(pWndList);
}

// ---- options and state ---------------------------------------------------------------------

BOOL CPropertyGridProperty::AddOption(LPCTSTR lpszOption, BOOL bInsertUnique) {
  const CString strOption(lpszOption);
  if (bInsertUnique && FindOption(strOption) >= 0) return FALSE;
  m_lstOptions.push_back(strOption);
  return TRUE;
}

LPCTSTR CPropertyGridProperty::GetOption(int nIndex) const {
  return nIndex >= 0 && nIndex < GetOptionCount() ? m_lstOptions[nIndex].GetString() : nullptr;
}

int CPropertyGridProperty::FindOption(const CString& strText) const {
  const auto it = std::find(m_lstOptions.begin(), m_lstOptions.end(), strText);
  return it == m_lstOptions.end() ? -1 : static_cast<int>(it - m_lstOptions.begin());
}

void CPropertyGridProperty::ExpandDeep(BOOL bExpand) {
  m_bExpanded = bExpand;
  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->ExpandDeep(bExpand);
}

BOOL CPropertyGridProperty::IsParentExpanded() const {
  for (const CPropertyGridProperty* p = m_pParent; p; p = p->m_pParent) {
    if (!p->m_bExpanded) return FALSE;
  }
  return TRUE;
}

void CPropertyGridProperty::Enable(BOOL bEnable) {
  if (!m_bEnabled == !bEnable) return;
  m_bEnabled = bEnable;
  InvalidateRowRect(m_Rect);
}

void CPropertyGridProperty::Show(BOOL bShow, BOOL bAdjustLayout) {
  if (!m_bIsVisible == !bShow) return;
  m_bIsVisible = bShow;
  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->Show(bShow, FALSE);
  if (bAdjustLayout && m_pWndList) m_pWndList->AdjustLayout();
}

void CPropertyGridProperty::EnableSpinControl(BOOL bEnable, int nMin, int nMax) {
  if (!IsSpinKind(m_varValue.vt)) return;
  m_nMinValue = nMin;
  m_nMaxValue = nMax;
  m_dwFlags = bEnable ? (m_dwFlags | AFX_PROP_HAS_SPIN) : (m_dwFlags & ~AFX_PROP_HAS_SPIN);
}

void CPropertyGridProperty::EnableSliderControl(BOOL bEnable) {
  if (!IsSliderKind(m_varValue.vt)) return;
  m_dwFlags = bEnable ? (m_dwFlags | PROP_HAS_SLIDER) : (m_dwFlags & ~PROP_HAS_SLIDER);
}

void CPropertyGridProperty::InvalidateRowRect(const CRect& rect) const {
  CWnd* pGrid = GridWnd();
  if (pGrid && pGrid->m_hWnd) pGrid->InvalidateRect(&rect);
}

void CPropertyGridProperty::Redraw() {
  CWnd* pGrid = GridWnd();
  if (!pGrid || !pGrid->m_hWnd) return;
  InvalidateRowRect(m_Rect);
  if (m_pParent && m_pParent->m_bIsValueList) InvalidateRowRect(m_pParent->m_Rect);
  if (m_bIsValueList) {
    for (const CPropertyGridProperty* pSub : m_lstSubItems) InvalidateRowRect(pSub->m_Rect);
  }
  pGrid->UpdateWindow();
}

TiXmlElement* CPropertyGridProperty::GetAttributeElement(TiXmlNode* pNode) {
  TiXmlElement* pElement = pNode ? pNode->ToElement() : nullptr;
  TiXmlElement* pTable = pElement ? pElement->FirstChildElement("AttributeTable") : nullptr;
  return pTable ? pTable->FirstChildElement("Attribute") : nullptr;
}

// ---- operations a subclass may specialise that do nothing here ------------------------------

CString CPropertyGridProperty::GetNameTooltip() { return CString(); }
CString CPropertyGridProperty::GetValueTooltip() { return CString(); }
void CPropertyGridProperty::OnClickName(CPoint) {}
void CPropertyGridProperty::OnRClickName(CPoint) {}
void CPropertyGridProperty::OnRClickValue(CPoint, BOOL) {}
void CPropertyGridProperty::OnPosSizeChanged(CRect) {}
void CPropertyGridProperty::OnSetSelection(CMFCPropertyGridProperty*) {}
void CPropertyGridProperty::OnKillSelection(CMFCPropertyGridProperty*) {}
void CPropertyGridProperty::OnSetSelection(CPropertyGridProperty*) {}
void CPropertyGridProperty::OnKillSelection(CPropertyGridProperty*) {}
void CPropertyGridProperty::OnEditTextChanged(BOOL) {}
BOOL CPropertyGridProperty::OnKillFocus(CWnd*) { return TRUE; }
BOOL CPropertyGridProperty::OnEditKillFocus() { return TRUE; }
BOOL CPropertyGridProperty::IsProcessFirstClick() const { return TRUE; }
BOOL CPropertyGridProperty::HasValueField() const { return TRUE; }

BOOL CPropertyGridProperty::HasButton() const {
  return (m_dwFlags & (AFX_PROP_HAS_LIST | AFX_PROP_HAS_BUTTON)) != 0;
}

BOOL CPropertyGridProperty::IsSelected() const {
  return m_pWndList && m_pWndList->GetCurSel() == this;
}
