// The grid's window creation, its rows (ownership, lookup), its settings and the class-wide
// recorder link.
#include "grid/property_grid_ctrl.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "framework/gdi.h"
#include "framework/module_state.h"
#include "framework/window_class.h"
#include "grid/grid_look.h"

namespace {

constexpr int kInitialColumnWidth = 100;
// The hidden edit that measures an edit control's left margin in a font.
constexpr int kMeasureEditWidth = 100;
constexpr int kMeasureEditHeight = 20;

// True when the row is one of the host's top-level rows or a descendant of one.
bool HostHolds(const CPropertyRowHost* pHost, const CPropertyGridProperty* pProp) {
  if (!pHost) return false;
  for (int i = 0; i < pHost->GetPropertyCount(); ++i) {
    const CPropertyGridProperty* pTop = pHost->GetProperty(i);
    if (pTop && (pTop == pProp || pTop->IsSubItem(pProp))) return true;
  }
  return false;
}

void CollectSubtree(CPropertyGridProperty* pProp, std::unordered_set<const CPropertyGridProperty*>& rows) {
  rows.insert(pProp);
  for (int i = 0; i < pProp->GetSubItemsCount(); ++i) CollectSubtree(pProp->GetSubItem(i), rows);
}

}  // namespace

const CRuntimeClass CPropertyGridCtrl::classCPropertyGridCtrl = {"CPropertyGridCtrl", nullptr};
CRecorder* CPropertyGridCtrl::m_pRecorderPB = nullptr;
void (*CPropertyGridCtrl::m_GridCallBack)() = nullptr;

CPropertyGridCtrl::CPropertyGridCtrl() : m_clrGray(npb::look::LightGray()) {}

CPropertyGridCtrl::~CPropertyGridCtrl() {
  // Destroying the window first lets OnDestroy end editing and free the rows while the object
  // is whole; a grid that never had a window frees them here.
  if (m_hWnd) DestroyWindow();
  DeleteAllRows();
}

const CRuntimeClass* CPropertyGridCtrl::GetRuntimeClass() const { return &classCPropertyGridCtrl; }

// ---- creation ---------------------------------------------------------------------------------

BOOL CPropertyGridCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!AfxRegisterClass(kWindowClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW)) return FALSE;
  m_bInCreate = TRUE;
  // The header, scroll bar and in-place editors are children; the list paint must not cover them.
  const BOOL bCreated = CreateEx(0, kWindowClass, "", dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
  m_bInCreate = FALSE;
  return bCreated;
}

BOOL CPropertyGridCtrl::Create(DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nID) {
  return hWndParent ? Create(dwStyle, rect, CWnd::FromHandle(hWndParent), nID) : FALSE;
}

void CPropertyGridCtrl::PreSubclassWindow() {
  CWnd::PreSubclassWindow();
  if (!m_bInCreate) {
    ModifyStyle(0, WS_CLIPCHILDREN);
    Init();
  }
}

int CPropertyGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  Init();
  return 0;
}

void CPropertyGridCtrl::Init() {
  InitHeader();
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.fmt = HDF_LEFT;
  item.cxy = kInitialColumnWidth;
  item.pszText = const_cast<LPSTR>("Property");
  m_wndHeader.InsertItem(0, &item);
  item.pszText = const_cast<LPSTR>("Value");
  m_wndHeader.InsertItem(1, &item);

  m_wndScrollVert.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(), this, kScrollBarId);
  if (m_ToolTip.Create(this, TTS_ALWAYSTIP)) m_ToolTip.Activate(TRUE);
  m_IPToolTip.Create(this);
  // No framework docking panes exist here, so the grid always draws with pane colours.
  m_bControlBarColors = TRUE;

  AdjustLayout();
  CreateBoldFont();
  CalcEditMargin();
}

void CPropertyGridCtrl::InitHeader() {
  m_wndHeader.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(), this, kHeaderId);
}

void CPropertyGridCtrl::CreateBoldFont() {
  m_fontBold.DeleteObject();
  LOGFONTA lf{};
  if (!::GetObjectA(GetGridFont(), sizeof lf, &lf)) return;
  lf.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&lf);
}

void CPropertyGridCtrl::CalcEditMargin() {
  if (!m_hWnd) return;
  CEdit edit;
  if (!edit.Create(WS_CHILD, CRect(0, 0, kMeasureEditWidth, kMeasureEditHeight), this, 0)) return;
  edit.SetFont(GetGridFont(), FALSE);
  m_nEditLeftMargin = LOWORD(edit.GetMargins());
  edit.SetFont(m_fontBold.GetSafeHandle() ? m_fontBold.GetSafeHandle() : GetGridFont(), FALSE);
  m_nBoldEditLeftMargin = LOWORD(edit.GetMargins());
  edit.DestroyWindow();
}

void CPropertyGridCtrl::OnDestroy() {
  EndEditItem(FALSE);
  DeleteAllRows();
  CWnd::OnDestroy();
}

HFONT CPropertyGridCtrl::GetGridFont() const {
  return m_hFont ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CPropertyGridCtrl::OnSetFont(HFONT hFont, BOOL) {
  m_hFont = hFont;
  // A font may come back under the handle of one deleted before: measure and pass it on again.
  m_nFontHeight = -1;
  m_placed.hHeaderFont = nullptr;
  CreateBoldFont();
  CalcEditMargin();
  AdjustLayout();
}

HFONT CPropertyGridCtrl::OnGetFont() { return GetGridFont(); }

void CPropertyGridCtrl::OnStyleChanged(int, LPSTYLESTRUCT) { AdjustLayout(); }

CWnd* CPropertyGridCtrl::GetParentFrameWnd() {
  // The nearest ancestor that is framed as a window of its own: a top-level window or a child
  // with a caption (a view's frame inside the host).
  for (HWND hWnd = m_hWnd ? ::GetParent(m_hWnd) : nullptr; hWnd; hWnd = ::GetParent(hWnd)) {
    const LONG style = ::GetWindowLongA(hWnd, GWL_STYLE);
    if (!(style & WS_CHILD) || (style & WS_CAPTION) == WS_CAPTION) return CWnd::FromHandle(hWnd);
  }
  return nullptr;
}

// ---- rows -------------------------------------------------------------------------------------

int CPropertyGridCtrl::AddProperty(CPropertyGridProperty* pProp, BOOL bRedraw, BOOL bAdjustLayout) {
  // A row with a parent or in any grid already has an owner; taking it would free it twice.
  // Only a row that names a grid can be in one, so a fresh row costs no search.
  if (!pProp || pProp->GetParent() || HostHolds(pProp->GetOwnerHost(), pProp)) return -1;
  pProp->SetOwnerList(this);
  m_lstProps.push_back(pProp);
  if (bAdjustLayout) {
    AdjustLayout();
    if (bRedraw && m_hWnd) pProp->Redraw();
  }
  return static_cast<int>(m_lstProps.size()) - 1;
}

void CPropertyGridCtrl::ForgetSubtree(CPropertyGridProperty* pProp) {
  std::unordered_set<const CPropertyGridProperty*> rows;
  CollectSubtree(pProp, rows);
  if (m_pSel && rows.count(m_pSel)) {
    if (m_pSel->IsInPlaceEditing()) EndEditItem(FALSE);
    m_pSel = nullptr;
  }
  const auto gone = [&rows](const CPropertyGridProperty* p) { return rows.count(p) != 0; };
  std::erase_if(m_lstShownProps, gone);
  std::erase_if(m_lstTerminalProps, gone);
}

BOOL CPropertyGridCtrl::DeleteProperty(CPropertyGridProperty*& pProp, BOOL bRedraw, BOOL bAdjustLayout) {
  if (!pProp) return FALSE;
  const auto it = std::find(m_lstProps.begin(), m_lstProps.end(), pProp);
  CPropertyGridProperty* pOwner = nullptr;
  if (it == m_lstProps.end()) {
    const auto owner = std::find_if(m_lstProps.begin(), m_lstProps.end(),
                                    [pProp](const CPropertyGridProperty* pTop) { return pTop->IsSubItem(pProp); });
    if (owner == m_lstProps.end()) return FALSE;
    pOwner = *owner;
  }
  ForgetSubtree(pProp);
  if (pOwner) {
    pOwner->RemoveSubItem(pProp, TRUE);
  } else {
    m_lstProps.erase(it);
    delete pProp;
  }
  pProp = nullptr;
  if (bAdjustLayout) {
    AdjustLayout();
  } else if (bRedraw) {
    RedrawIfWindow();
  }
  return TRUE;
}

void CPropertyGridCtrl::DeleteAllRows() {
  if (m_pSel && m_pSel->IsInPlaceEditing()) {
    m_pSel->OnEndEdit();
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
  }
  m_pSel = nullptr;
  m_lstShownProps.clear();
  m_lstTerminalProps.clear();
  std::vector<CPropertyGridProperty*> rows;
  rows.swap(m_lstProps);
  for (CPropertyGridProperty* pProp : rows) delete pProp;
}

void CPropertyGridCtrl::RemoveAll() {
  DeleteAllRows();
  // The tools stay for the next layout to move, add or drop (the rows that come next mostly
  // fill the same cells); over no rows they show nothing. A tip showing now goes.
  if (m_ToolTip.m_hWnd && m_ToolTip.IsWindowVisible()) m_ToolTip.Pop();
}

CPropertyGridProperty* CPropertyGridCtrl::GetProperty(int nIndex) const {
  return nIndex >= 0 && nIndex < GetPropertyCount() ? m_lstProps[nIndex] : nullptr;
}

CPropertyGridProperty* CPropertyGridCtrl::FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems) const {
  for (CPropertyGridProperty* pProp : m_lstProps) {
    if (pProp->GetData() == dwData) return pProp;
    if (!bSearchSubItems) continue;
    if (CPropertyGridProperty* pSub = pProp->FindSubItemByData(dwData)) return pSub;
  }
  return nullptr;
}

void CPropertyGridCtrl::ResetOriginalValues(BOOL bRedraw) {
  for (CPropertyGridProperty* pProp : m_lstProps) pProp->ResetOriginalValue();
  if (bRedraw) RedrawIfWindow();
}

void CPropertyGridCtrl::UpdateNBMSummaryInfo(CString strName, CString strValue, CString strDescr, DWORD dwData,
                                             BOOL bEnable) {
  auto* pProp = new CPropertyGridProperty(strName, COleVariant(strValue), strDescr, dwData);
  if (!bEnable) pProp->Enable(FALSE);
  if (AddProperty(pProp, TRUE, TRUE) < 0) delete pProp;
}

CString CPropertyGridCtrl::GetSelectedNodeStringFormXML() { return CString(); }

int CPropertyGridCtrl::CompareProps(const CPropertyGridProperty* pProp1, const CPropertyGridProperty* pProp2) const {
  return std::strcmp(pProp1->GetName().GetString(), pProp2->GetName().GetString());
}

void CPropertyGridCtrl::OnPropertyChanged(CPropertyGridProperty* pProp) const {
  if (!pProp) return;
  pProp->SetModifiedFlag();
  if (!m_hWnd) return;
  if (CWnd* pOwner = GetOwner()) {
    pOwner->SendMessage(AFX_WM_PROPERTY_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(pProp));
  }
}

// ---- settings ---------------------------------------------------------------------------------

void CPropertyGridCtrl::RedrawIfWindow() {
  if (m_hWnd) RedrawWindow();
}

void CPropertyGridCtrl::SetHeaderItemText(int nItem, LPCTSTR lpszText) {
  if (!m_wndHeader.m_hWnd) return;
  HDITEMA item{};
  item.mask = HDI_TEXT;
  item.pszText = const_cast<LPSTR>(lpszText ? lpszText : "");
  m_wndHeader.SetItem(nItem, &item);
}

void CPropertyGridCtrl::EnableHeaderCtrl(BOOL bEnable, LPCTSTR lpszLeftColumn, LPCTSTR lpszRightColumn) {
  m_bHeaderCtrl = bEnable;
  SetHeaderItemText(0, lpszLeftColumn);
  SetHeaderItemText(1, lpszRightColumn);
  AdjustLayout();
}

void CPropertyGridCtrl::EnableDescriptionArea(BOOL bEnable) {
  m_bDescriptionArea = bEnable;
  AdjustLayout();
}

void CPropertyGridCtrl::SetDescriptionRows(int nDescRows) {
  m_nDescrRows = nDescRows;
  if (!m_hWnd) return;
  AdjustLayout();
  RedrawIfWindow();
}

void CPropertyGridCtrl::SetVSDotNetLook(BOOL bSet) {
  m_bVSDotNetLook = bSet;
  RedrawIfWindow();
}

void CPropertyGridCtrl::MarkModifiedProperties(BOOL bMark, BOOL bRedraw) {
  m_bMarkModifiedProperties = bMark;
  if (bRedraw) RedrawIfWindow();
}

void CPropertyGridCtrl::SetGroupNameFullWidth(BOOL bGroupNameFullWidth, BOOL bRedraw) {
  m_bGroupNameFullWidth = bGroupNameFullWidth;
  if (bRedraw) RedrawIfWindow();
}

void CPropertyGridCtrl::SetBoolLabels(LPCTSTR lpszTrue, LPCTSTR lpszFalse) {
  m_strTrue = lpszTrue;
  m_strFalse = lpszFalse;
  RedrawIfWindow();
}

void CPropertyGridCtrl::SetCustomColors(COLORREF clrBackground, COLORREF clrText, COLORREF clrGroupBackground,
                                        COLORREF clrGroupText, COLORREF clrDescriptionBackground,
                                        COLORREF clrDescriptionText, COLORREF clrLine) {
  m_clrBackground = clrBackground;
  m_clrText = clrText;
  m_clrGroupBackground = clrGroupBackground;
  m_clrGroupText = clrGroupText;
  m_clrDescriptionBackground = clrDescriptionBackground;
  m_clrDescriptionText = clrDescriptionText;
  m_clrLine = clrLine;
  m_brBackground.DeleteObject();
  if (clrBackground != static_cast<COLORREF>(-1)) m_brBackground.CreateSolidBrush(clrBackground);
}

void CPropertyGridCtrl::GetCustomColors(COLORREF& clrBackground, COLORREF& clrText, COLORREF& clrGroupBackground,
                                        COLORREF& clrGroupText, COLORREF& clrDescriptionBackground,
                                        COLORREF& clrDescriptionText, COLORREF& clrLine) const {
  clrBackground = m_clrBackground;
  clrText = m_clrText;
  clrGroupBackground = m_clrGroupBackground;
  clrGroupText = m_clrGroupText;
  clrDescriptionBackground = m_clrDescriptionBackground;
  clrDescriptionText = m_clrDescriptionText;
  clrLine = m_clrLine;
}

void CPropertyGridCtrl::RefreshRecorderObject() {
  if (m_GridCallBack) m_GridCallBack();
}
