#include "editors/picture_combo_property.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "module/host_library.h"
#include "editors/color_box.h"
#include "editors/color_entries.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "grid/property_grid_ctrl.h"
#include "tree/row_sources.h"

namespace {

constexpr int kPictureLeft = 2;
constexpr int kNameGap = 4;
// The host's attribute number of a graph's legend kind, and the kinds without styles.
constexpr int kAttrLegendKind = 1315;
// Notice to the frame after a line type of a drop line or axis changed.
constexpr int kFrameLineTypeChanged = 1027;
// Window message of the notices to the frame that a picture commit sends.
constexpr UINT kMsgPictureChanged = 0x658;
// Line types from this list index on are dashed or dotted and show the gap colour.
constexpr int kFirstDashedLineType = 2;
// The control-chart method whose limits are constants and carry a label.
constexpr int kConstantQcMethod = 5;

bool IsAttr(const CString& strName, const char* pszName) { return std::strcmp(strName.GetString(), pszName) == 0; }

CString Decimal(long nValue) {
  CString str;
  str.Format("%ld", nValue);
  return str;
}

// The "Attribute" element of the object's attribute table with that name, or null.
TiXmlElement* ObjectAttribute(TiXmlNode* pObject, const char* pszName) {
  for (TiXmlElement* p = CPropertyGridProperty::GetAttributeElement(pObject); p; p = p->NextSiblingElement("Attribute")) {
    const char* pszAttrName = p->Attribute("Name");
    if (pszAttrName && std::strcmp(pszAttrName, pszName) == 0) return p;
  }
  return nullptr;
}

// A symbol value of the object: the object's own copy once the grid has made it, else the
// attribute of the table, which the grid may not have reached yet.
const char* SymbolState(TiXmlNode* pObject, const char* pszObjectAttr, const char* pszAttrName) {
  const TiXmlElement* pElement = pObject ? pObject->ToElement() : nullptr;
  if (const char* pszValue = pElement ? pElement->Attribute(pszObjectAttr) : nullptr) return pszValue;
  const TiXmlElement* pAttr = ObjectAttribute(pObject, pszAttrName);
  return pAttr ? pAttr->Attribute("AttrValue") : nullptr;
}

// The frame reads a notice's handle text when it gets to it; these texts live as long as
// the module, one per object that was ever changed.
const char* LastingText(const CString& strText) {
  static std::set<std::string> s_texts;
  return s_texts.insert(strText.GetString()).first->c_str();
}

int AxisKindOfScale(int nScaleType) {
  constexpr int kLogCommon = 1, kLogNatural = 2, kDateTime = 7;
  if (nScaleType == kDateTime) return 3;
  if (nScaleType == kLogCommon || nScaleType == kLogNatural) return 2;
  return 1;
}

std::string LoadText(unsigned nId) {
  CString str;
  return str.LoadString(nId) ? std::string(str.GetString()) : std::string();
}

}  // namespace

const CRuntimeClass CPictureComboPropertyGridProperty::classCPictureComboPropertyGridProperty = {
    "CPictureComboPropertyGridProperty", &CPropertyGridProperty::classCPropertyGridProperty};

const CRuntimeClass* CPictureComboPropertyGridProperty::GetRuntimeClass() const {
  return &classCPictureComboPropertyGridProperty;
}

CPictureComboPropertyGridProperty::CPictureComboPropertyGridProperty(
    const CString& strLabel, int nPicture, const PictureSourceInfo* pSource, TiXmlNode* pObjectNode,
    TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, int nValue, const CString& strAttrName,
    const CString& strHandle, const CString& strThemeHandle, const CString& strColHandle)
    : CChoiceBoxProperty(strLabel, COleVariant(nPicture), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber,
                         strAttrName, strHandle),
      m_source(pSource ? *pSource : PictureSourceInfo{}),
      m_nValue(nValue),
      m_strThemeHandle(strThemeHandle),
      m_strColHandle(strColHandle) {
  m_dwFlags = AFX_PROP_HAS_LIST;
  m_bAllowEdit = FALSE;
  if (!m_strThemeHandle.IsEmpty()) m_nThemeHandle = npb::ReadAttrInt(m_strThemeHandle);
  if (!m_strColHandle.IsEmpty()) m_nColHandle = npb::ReadAttrInt(m_strColHandle);
  ReadContext();
  m_bHasList = npb::FindPictureList(m_strAttrName, m_context, m_list);
  InitFromValue();
}

CPictureComboPropertyGridProperty::~CPictureComboPropertyGridProperty() { OnDestroyWindow(); }

int CPictureComboPropertyGridProperty::ObjectState(const char* pszName) const {
  const TiXmlElement* pObject = m_pXmlNode ? m_pXmlNode->ToElement() : nullptr;
  return pObject ? npb::ReadAttrInt(pObject->Attribute(pszName)) : 0;
}

void CPictureComboPropertyGridProperty::SetObjectState(const char* pszName, int nValue) {
  if (TiXmlElement* pObject = m_pXmlNode ? m_pXmlNode->ToElement() : nullptr) pObject->SetAttribute(pszName, nValue);
}

void CPictureComboPropertyGridProperty::ReadContext() {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const int nObject = npb::ReadAttrInt(m_strHandle);
  if (IsAttr(m_strAttrName, "SDA_PATTERN")) {
    m_context.bDensityForm = library.GetObjectPictureState(nObject) != 0;
  } else if (IsAttr(m_strAttrName, "STA_LEGENDSTYLE")) {
    const int nKind = library.GetObjectAttribute(nObject, kAttrLegendKind, nullptr);
    m_context.bLegendStyles = nKind != 5 && nKind != 6;
  } else if (IsAttr(m_strAttrName, "DIRECTION_FLAGS")) {
    m_context.bFeature1 = library.GetObjectFeature(nObject, 1) != 0;
    m_context.bFeature2 = library.GetObjectFeature(nObject, 2) != 0;
  } else if (IsAttr(m_strAttrName, "SNA_ERROR1SUMMARYMETHOD") || IsAttr(m_strAttrName, "SNA_ERROR2SUMMARYMETHOD") ||
             IsAttr(m_strAttrName, "SNA_SYMBOLSUMMARYMETHOD")) {
    int nFirst = 0, nSecond = 0, nThird = 0;
    library.GetObjectPictureInfo(nObject, &nFirst, &nSecond, &nThird);
    m_context.nSummaryArrangement = nSecond;
    m_bSummaryUnavailable = nFirst != 0 && !IsAttr(m_strAttrName, "SNA_SYMBOLSUMMARYMETHOD");
  } else if (IsAttr(m_strAttrName, "SLA_FLAG_QCONTOP")) {
    m_context.nQcDirection = ObjectState("SLA_QCOPTS_DIRECTION");
  } else if (IsAttr(m_strAttrName, "SAA_FLAG_AUTORANGE")) {
    const TiXmlElement* pScale = ObjectAttribute(m_pXmlNode, "SAA_TYPE");
    m_context.nAxisKind = AxisKindOfScale(pScale ? npb::ReadAttrInt(pScale->Attribute("AttrValue")) : 0);
  }
}

std::vector<std::string> CPictureComboPropertyGridProperty::HostOptions() const {
  const std::string text = HostPageLibrary::Instance().GetStandardOptions(npb::ReadAttrInt(m_strHandle),
                                                                          m_strAttrName, 1);
  return npb::ReadOptionNames(text.c_str(), npb::kSymbolCount);
}

void CPictureComboPropertyGridProperty::InitFromValue() {
  m_nWritten = m_nValue;
  if (!m_bHasList) {
    // A picture number without a list of its own shows as the number.
    m_strText = Decimal(m_nValue);
    return;
  }
  if (m_list.rule == npb::PictureValueRule::kShape) {
    m_nSymbolOptions = npb::ReadAttrInt(SymbolState(m_pXmlNode, "FlagValue", "SSA_OPTIONS"));
    m_nSymbolOrientation = npb::ReadAttrInt(SymbolState(m_pXmlNode, "Orientation", "SSA_ORIENTATION"));
    const char* pszText = SymbolState(m_pXmlNode, "SymbolStr", "SSA_STRING");
    m_strSymbolText = pszText ? pszText : "";
  }
  if (m_source.bHasSource && InitFromSource()) return;
  const int nIndex = npb::IndexOfValue(m_list.rule, m_nValue, m_context.bDensityForm, m_nSymbolOptions,
                                       m_nSymbolOrientation);
  if (m_list.rule == npb::PictureValueRule::kShape && nIndex == npb::kTextSymbolIndex) {
    m_nPicture = nIndex;
    m_strText = TextSymbolName(m_strSymbolText);
    return;
  }
  // A value outside the list shows no picture and no name.
  if (nIndex < 0 || nIndex >= StripPictureCount(PictureStrip(m_list.nStrip), m_list.nHeight)) return;
  m_nPicture = nIndex;
  const std::vector<std::string> names = npb::LoadNameList(m_list.nNames, LoadText);
  if (static_cast<size_t>(nIndex) < names.size()) {
    m_strText = names[static_cast<size_t>(nIndex)].c_str();
  } else if (m_list.nNames == 0) {
    const std::vector<std::string> options = HostOptions();
    if (static_cast<size_t>(nIndex) < options.size()) m_strText = options[static_cast<size_t>(nIndex)].c_str();
  }
}

bool CPictureComboPropertyGridProperty::InitFromSource() {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  if (!m_source.bFromColumn) {
    const std::vector<npb::ColorEntry> schemes = npb::ReadSchemeTable(library.GetColorSchemes(m_strAttrName).c_str());
    const int nCount = std::max(1, StripPictureCount(PictureStrip(m_list.nSchemeStrip), m_list.nSchemeHeight));
    for (size_t i = 0; i < schemes.size(); ++i) {
      if (schemes[i].value != m_nThemeHandle) continue;
      m_dwKind = npb::kColorEntryScheme;
      m_nPicture = static_cast<int>(i) % nCount;
      m_strText = schemes[i].name.c_str();
      return true;
    }
    return false;
  }
  // "ColHandle" counts the sheet's columns from 0, as colour rows write it.
  const std::vector<npb::ColorEntry> columns = npb::ReadColumnTable(
      library.GetColumnSchemes(npb::ReadAttrInt(m_strHandle), m_strAttrName).c_str());
  for (const npb::ColorEntry& column : columns) {
    if (column.value != m_nColHandle + 1) continue;
    m_dwKind = column.kind;
    m_nPicture = static_cast<int>(column.kind & 0xFFFF);
    m_strText = column.name.c_str();
    return true;
  }
  return false;
}

PictureTintColors CPictureComboPropertyGridProperty::TintColors() const {
  PictureTintColors tint;
  tint.tint = m_list.tint;
  tint.line = static_cast<COLORREF>(ObjectState("SEA_COLOR"));
  // A line without a gap colour of its own shows nothing in its gaps.
  tint.gap = ObjectAttribute(m_pXmlNode, "SEA_GAP_COLOR") ? static_cast<COLORREF>(ObjectState("SEA_GAP_COLOR"))
                                                         : npb::kNoColor;
  const bool bSymbol = m_list.tint == npb::PictureTint::kFillAndEdge;
  tint.fill = static_cast<COLORREF>(ObjectState(bSymbol ? "SSA_COLOR" : "SDA_COLOR"));
  tint.edge = static_cast<COLORREF>(ObjectState("SSA_EDGECOLOR"));
  return tint;
}

BOOL CPictureComboPropertyGridProperty::OnEdit(LPPOINT lptClick) {
  if (!CPropertyGridProperty::OnEdit(lptClick)) return FALSE;
  CPBPictureBox* pBox = GetPictureBox();
  if (!pBox || !m_bHasList) return TRUE;
  pBox->FillFromHost(m_list, m_strAttrName, m_strHandle, m_strThemeHandle, m_strColHandle, m_strSymbolText);
  pBox->FitDroppedWidth();
  pBox->SetTint(TintColors(), FALSE);
  const bool bScheme = !m_strThemeHandle.IsEmpty() && m_nThemeHandle >= 4 && m_nColHandle == npb::kColHandleNone;
  const bool bColumn = !m_strColHandle.IsEmpty() && m_nColHandle >= 0 && m_nThemeHandle == m_list.nColumnTheme;
  int nSel = -1;
  if (bScheme && (m_dwKind & npb::kColorEntryKindMask) == npb::kColorEntryScheme) {
    nSel = pBox->FindName(m_strText);
  } else if (bColumn) {
    nSel = pBox->FindColumn(m_nColHandle + 1);
  } else if (m_list.rule == npb::PictureValueRule::kShape && m_nPicture == npb::kTextSymbolIndex) {
    nSel = pBox->GetTextSymbolIndex();
  } else {
    nSel = pBox->FindPicture(m_nPicture);
  }
  // A value the list lacks selects nothing: closing the list then changes nothing.
  pBox->SelectEntry(nSel);
  return TRUE;
}

BOOL CPictureComboPropertyGridProperty::OnUpdateValue() {
  const CPBPictureBox* pBox = GetPictureBox();
  const int nSel = pBox && pBox->m_hWnd ? pBox->GetCurSel() : -1;
  const PictureBoxItem* pItem = pBox ? pBox->GetEntry(nSel) : nullptr;
  if (!pItem) return TRUE;
  const int nOldWritten = m_nWritten;
  const DWORD dwOldKind = m_dwKind;
  const int nOldTheme = m_nThemeHandle;
  const int nOldColumn = m_nColHandle;
  const DWORD dwBase = pItem->dwKind & npb::kColorEntryKindMask;
  long nRowValue = pItem->nValue;
  if (dwBase == npb::kColorEntryScheme) {
    m_nThemeHandle = pItem->nValue;
    m_nColHandle = npb::kColHandleNone;
    m_nWritten = pItem->nValue;
  } else if (dwBase == npb::kColorEntryColumn) {
    m_nColHandle = pItem->nValue - 1;  // the column counted from 0
    m_nThemeHandle = m_list.nColumnTheme >= 0 ? m_list.nColumnTheme : npb::kThemeHandleColumn;
    m_nWritten = pItem->nValue;
  } else {
    // Choices count from the first entry after the schemes; the text symbol keeps its place
    // after the 59 shapes whatever the host listed before it.
    const int nIndex = pItem->bTextSymbol ? npb::kTextSymbolIndex : nSel - pBox->GetSchemeCount();
    const npb::PictureChoiceValues values = npb::ValueOfChoice(m_list.rule, nIndex, m_context.bDensityForm);
    m_nWritten = values.nAttrValue;
    nRowValue = values.nRowValue;
    if (m_list.rule == npb::PictureValueRule::kShape) {
      if (pItem->bTextSymbol) {
        m_strSymbolText = npb::SymbolTextOfName(pItem->name).c_str();
      } else {
        m_nSymbolOptions = values.nOptions;
        m_nSymbolOrientation = values.nOrientation;
      }
    }
    if (!m_strThemeHandle.IsEmpty()) m_nThemeHandle = npb::kThemeHandlePlain;
    if (!m_strColHandle.IsEmpty()) m_nColHandle = npb::kColHandleNone;
    WriteChoiceState(nIndex);
  }
  m_dwKind = dwBase;
  m_nPicture = static_cast<int>(pItem->dwKind & 0xFFFF);
  m_strText = pItem->name.c_str();
  if (!m_strThemeHandle.IsEmpty()) m_strThemeHandle = Decimal(m_nThemeHandle);
  if (!m_strColHandle.IsEmpty()) m_strColHandle = Decimal(m_nColHandle);
  m_varValue = COleVariant(nRowValue);
  // The entry's name may differ from the module's name of the same value: only a new value
  // or source is a change.
  if (m_nWritten != nOldWritten || m_dwKind != dwOldKind || m_nThemeHandle != nOldTheme ||
      m_nColHandle != nOldColumn) {
    m_bChoicePending = true;
    if (m_pWndList) m_pWndList->OnPropertyChanged(this);
    SetOriginalValue(m_varValue);
    // Several lists keep the same row value for different choices (the option value less
    // one): the change is the value sent, whatever the row value did.
    m_bIsModified = TRUE;
  }
  return TRUE;
}

void CPictureComboPropertyGridProperty::WriteChoiceState(int nIndex) {
  if (IsAttr(m_strAttrName, "SEA_LINETYPE")) {
    SetObjectState("GAP COLOR DISABLE", nIndex >= kFirstDashedLineType ? 1 : 0);
  } else if (IsAttr(m_strAttrName, "SLA_QCMETHOD")) {
    SetObjectState("MULTIPLIER ENABLE", nIndex != 0 ? 1 : 0);
    SetObjectState("CONSTANT LABEL ON", nIndex == kConstantQcMethod ? 1 : 0);
  } else if (IsAttr(m_strAttrName, "SAA_OLDSTYLEDATELABELON")) {
    SetObjectState("TIC LABEL TYPE", nIndex);
  } else if (IsAttr(m_strAttrName, "SLA_QCOPTS_DIRECTION")) {
    SetObjectState("SLA_QCOPTS_DIRECTION", nIndex);
  } else if (IsAttr(m_strAttrName, "SLA_PIEEXPLODEFROM")) {
    SetObjectState("PIE EXPLODE SLICE ENABLE", nIndex);
  }
}

void CPictureComboPropertyGridProperty::WriteSymbolAttributes() {
  // The symbol's options, orientation and text travel beside the shape: on the object's own
  // attributes, and on the shape's element, from which the change document sends them.
  const bool bText = m_nPicture == npb::kTextSymbolIndex;
  const struct {
    const char* attrName;
    const char* elementName;
    CString value;
    bool write;
  } values[] = {
      {"SSA_OPTIONS", "FlagValue", Decimal(m_nSymbolOptions), true},
      {"SSA_ORIENTATION", "Orientation", Decimal(m_nSymbolOrientation), true},
      {"SSA_STRING", "SymbolStr", m_strSymbolText, bText},
  };
  TiXmlElement* pAttr = m_pAttrNode ? m_pAttrNode->ToElement() : nullptr;
  for (const auto& v : values) {
    if (!v.write) continue;
    if (TiXmlElement* pObjectAttr = ObjectAttribute(m_pXmlNode, v.attrName)) {
      pObjectAttr->SetAttribute("AttrValue", v.value.GetString());
    }
    if (pAttr) pAttr->SetAttribute(v.elementName, v.value.GetString());
  }
}

void CPictureComboPropertyGridProperty::CommitChoice() {
  if (!m_bHasList) return;
  if (m_list.rule == npb::PictureValueRule::kShape && m_bIsModified &&
      (m_dwKind & npb::kColorEntryKindMask) == 0) {
    WriteSymbolAttributes();
  }
  CommitExtras extras;
  extras.nSettingsGroup = SettingsGroupOf(m_strAttrName);
  extras.bWriteHandles = !m_strThemeHandle.IsEmpty() && !m_strColHandle.IsEmpty();
  extras.nThemeHandle = m_nThemeHandle;
  extras.nColHandle = m_nColHandle;
  if (Commit(Decimal(m_nWritten), extras) == CommitResult::kDone) NotifyFrame();
}

bool CPictureComboPropertyGridProperty::IsDropOrAxisLine() const {
  for (const TiXmlNode* p = m_pXmlNode; p; p = p->Parent()) {
    const TiXmlElement* pObject = p->ToElement();
    if (!pObject || std::strcmp(pObject->Value(), "Object") != 0) continue;
    const char* pszType = pObject->Attribute("Type");
    const char* pszGroup = pObject->Attribute("Group");
    if ((pszType && std::strcmp(pszType, "Axis") == 0) || (pszGroup && std::strcmp(pszGroup, "Drop lines") == 0)) {
      return true;
    }
  }
  return false;
}

void CPictureComboPropertyGridProperty::NotifyFrame() {
  int nCode = m_list.nFrameMessage;
  if (IsAttr(m_strAttrName, "SEA_LINETYPE") && IsDropOrAxisLine()) nCode = kFrameLineTypeChanged;
  CWnd* pFrame = m_pWndList ? m_pWndList->GetParentFrameWnd() : nullptr;
  if (nCode == 0 || !pFrame || !pFrame->m_hWnd) return;
  pFrame->PostMessage(kMsgPictureChanged, static_cast<WPARAM>(nCode), reinterpret_cast<LPARAM>(LastingText(m_strHandle)));
}

void CPictureComboPropertyGridProperty::OnDrawValue(CDC* pDC, CRect rect) {
  if (m_bSummaryUnavailable && IsEnabled()) Enable(FALSE);
  const DWORD dwBase = m_dwKind & npb::kColorEntryKindMask;
  HBITMAP hStrip = nullptr;
  int nHeight = 0;
  if (dwBase == npb::kColorEntryScheme) {
    hStrip = PictureStrip(m_list.nSchemeStrip);
    nHeight = m_list.nSchemeHeight;
  } else if (dwBase != npb::kColorEntryColumn && m_bHasList) {
    hStrip = PictureStrip(m_list.nStrip);
    nHeight = m_list.nHeight;
  }
  const int nWidth = dwBase == npb::kColorEntryColumn ? kColumnImageWidth : StripWidth(hStrip);
  CRect rectText = rect;
  if (nWidth > 0) rectText.left += kPictureLeft + nWidth + kNameGap;
  CPropertyGridProperty::OnDrawValue(pDC, rectText);
  const int nSaved = ::SaveDC(pDC->GetSafeHdc());
  ::IntersectClipRect(pDC->GetSafeHdc(), rect.left, rect.top, rect.right, rect.bottom);
  if (dwBase == npb::kColorEntryColumn) {
    const COLORREF colors[4] = {};
    DrawColorSwatch(pDC, rect, m_dwKind | npb::kColumnImageIndex, colors, kColumnImageWidth, ColumnImageStrip());
  } else {
    DrawStripPicture(pDC->GetSafeHdc(), rect.left + kPictureLeft, rect.top + (rect.Height() - nHeight) / 2, hStrip,
                     m_nPicture, nHeight, TintColors());
  }
  ::RestoreDC(pDC->GetSafeHdc(), nSaved);
  if (IsSelected()) pDC->DrawFocusRect(&rect);
}
