#include "browser/prop_brow_dlg.h"

#include <algorithm>
#include <string>
#include <vector>

#include "module/host_library.h"
#include "browser/html_help.h"
#include "module/module_globals.h"
#include "module/page_description.h"
#include "browser/style_menu.h"
#include "recorder/attribute_names.h"
#include "resources/resource.h"
#include "tree/change_document.h"

namespace {

// Without a preselected object the first selection opens the page's top two levels.
constexpr int kFirstSelectionLevels = 2;

// The dialog's commands beside OK and Cancel, which the dialog class handles itself.
struct CommandEntry {
  UINT id;
  void (CPropBrowDlg::*handler)();
};
constexpr CommandEntry kCommands[] = {
    {IDC_APPLY, &CPropBrowDlg::OnApply},
    {IDHELP, &CPropBrowDlg::OnHelp},
    {ID_COPY_STYLES, &CPropBrowDlg::OnCopyStyles},
    {ID_APPLY_STYLES, &CPropBrowDlg::OnApplyStyles},
};

}  // namespace

CPropBrowDlg::CPropBrowDlg(CWnd* pParentWnd) : CDialog(IDD_PROPERTY_BROWSER, pParentWnd) {
  m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_PROPERTY_BROWSER));
}

CPropBrowDlg::~CPropBrowDlg() = default;

BOOL CPropBrowDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_wndTree.SubclassDlgItem(IDC_OBJECT_TREE, this);
  m_wndGridFrame.SubclassDlgItem(IDC_GRID_FRAME, this);

  g_hResourceInstance = AfxGetResourceHandle();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  CreateSizeGrip();
  npb::FillAttributeNameMap();

  const CRect rectFrame = ChildRect(m_wndGridFrame);
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const int nObjectCount = library.GetPageObjectCount(m_hWndPage);
  // Asked once: the same count sizes the fetch below and every save buffer.
  m_nChunkCount = npb::DescriptionPieceCount(library.GetPageChunkCount(m_hWndPage));
  CreateGrid(rectFrame, nObjectCount);
  CTreeCtrlXML::InitProfileSystem();
  // Tab goes from the tree to the grid.
  m_wndGrid.SetWindowPos(m_wndTree.m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  // An unreadable description leaves the dialog open with an empty tree and grid.
  if (!LoadPageDescription()) return TRUE;

  RecordLayout();
  ApplyLayout();
  return TRUE;  // the focus goes to the first tab stop, the tree
}

void CPropBrowDlg::CreateSizeGrip() {
  CRect client;
  GetClientRect(&client);
  const CRect rect(client.right - kSizeGripSize, client.bottom - kSizeGripSize, client.right, client.bottom);
  m_wndSizeGrip.Create(WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, rect, this, 0);
}

void CPropBrowDlg::CreateGrid(const CRect& rectFrame, int nObjectCount) {
  m_wndGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rectFrame, this, IDC_PROPERTY_GRID);
  m_wndGrid.EnableHeaderCtrl(FALSE, "Property", "Value");
  m_wndGrid.EnableDescriptionArea(TRUE);
  m_wndGrid.SetVSDotNetLook(TRUE);
  m_wndGrid.MarkModifiedProperties(TRUE, TRUE);
  m_wndGrid.SetObjectCount(nObjectCount);
  m_wndGrid.SetTreeCtrl(&m_wndTree);
  m_wndGrid.SetWndHandle(m_hWndPage);
  m_wndGrid.SetXmlArrayCount(m_nChunkCount);
  m_wndTree.SetPGCtrl(&m_wndGrid);
}

bool CPropBrowDlg::LoadPageDescription() {
  std::string text = HostPageLibrary::Instance().FetchPageDescription(m_hWndPage, m_nChunkCount);
  m_wndTree.SetUpperLevelsOpenOnLoad(kFirstSelectionLevels);
  return m_wndTree.LoadXMLFromString(text.data(), m_nSelectHandle, m_strSelectName);
}

// ---- selection --------------------------------------------------------------------------

BOOL CPropBrowDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
  if (pHeader && pHeader->idFrom == IDC_OBJECT_TREE &&
      (pHeader->code == TVN_SELCHANGEDA || pHeader->code == TVN_SELCHANGEDW)) {
    OnTreeSelChanged();
    *pResult = 0;
    return TRUE;
  }
  if (pHeader && pHeader->idFrom == IDC_OBJECT_TREE &&
      (pHeader->code == TVN_SELCHANGINGA || pHeader->code == TVN_SELCHANGINGW)) {
    // The open editor's value belongs to the object still selected, and the grid is about
    // to be rebuilt for another; a refused value keeps the selection where it is.
    *pResult = AcceptOpenEdit() ? FALSE : TRUE;
    return TRUE;
  }
  if (pHeader && pHeader->idFrom == IDC_OBJECT_TREE &&
      (pHeader->code == TVN_DELETEITEMA || pHeader->code == TVN_DELETEITEMW)) {
    // The host may remove the copied item while the dialog is open: nothing is left to copy.
    if (reinterpret_cast<const NMTREEVIEWA*>(lParam)->itemOld.hItem == m_hStyleSource) m_hStyleSource = nullptr;
    *pResult = 0;
    return TRUE;
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

void CPropBrowDlg::OnTreeSelChanged() {
  // Selecting the preselected item below raises a selection change of its own.
  if (m_bSelecting) return;
  HTREEITEM hShown = m_wndTree.GetItemToSelect();
  if (hShown) {
    m_bSelecting = true;
    m_wndTree.SelectItem(hShown);
    m_wndTree.Expand(hShown, TVE_EXPAND);
    m_bSelecting = false;
  } else {
    hShown = m_wndTree.GetSelectedItem();
    if (m_bFirstSelection == 1) {
      // A load that found nothing to preselect has inserted these levels open already.
      if (m_wndTree.GetUpperLevelsOpenedOnLoad() < kFirstSelectionLevels) {
        m_wndTree.ExpandUpperLevels(kFirstSelectionLevels);
        // Opening items scrolls the control towards their children; keep the shown one in view.
        m_wndTree.EnsureVisible(hShown);
      }
      m_bFirstSelection = 0;
    }
  }
  m_wndTree.UpdatePropGridCtrl(hShown);
  m_wndTree.SetItemToSelect(nullptr);
}

// ---- buttons ----------------------------------------------------------------------------

BOOL CPropBrowDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Buttons and menu items both arrive with notification code 0.
  if (HIWORD(wParam) == 0) {
    const UINT id = LOWORD(wParam);
    for (const CommandEntry& command : kCommands) {
      if (command.id == id) {
        (this->*command.handler)();
        return TRUE;
      }
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

bool CPropBrowDlg::AcceptOpenEdit() {
  // A button pressed by a click message runs before the editor's own lost-focus commit,
  // and the tree rebuilds the grid before it takes the focus: either would lose the value.
  if (!m_wndGrid.GetSafeHwnd() || m_wndGrid.EndEditItem(TRUE)) return true;
  ::MessageBeep(static_cast<UINT>(-1));
  CPropertyGridProperty* pSel = m_wndGrid.GetCurSel();
  if (CWnd* pInPlace = pSel ? pSel->GetInPlaceWnd() : nullptr; pInPlace && pInPlace->m_hWnd) pInPlace->SetFocus();
  return false;
}

bool CPropBrowDlg::SaveAndSend() {
  std::vector<char> buffer;
  if (!npb::AllocateChangeBuffer(std::max(m_nChunkCount, 0), buffer)) return false;
  if (!m_wndTree.SaveXMLToString(buffer.data(), buffer.size())) return false;
  HostPageLibrary::Instance().SendPageDescription(m_hWndPage, buffer.data());
  m_wndTree.NoteChangesSent();
  return true;
}

bool CPropBrowDlg::Apply() {
  if (!AcceptOpenEdit()) return false;
  if (!SaveAndSend()) {
    ::MessageBeep(static_cast<UINT>(-1));
    return false;
  }
  HTREEITEM hSelected = m_wndTree.GetSelectedItem();
  if (Xml_ObjectData* pData = hSelected ? m_wndTree.GetObjectData(hSelected) : nullptr) pData->bApplyPending = 0;
  return true;
}

void CPropBrowDlg::OnApply() { Apply(); }

void CPropBrowDlg::OnOK() {
  // Closing after a refused value or a failed save would drop the user's changes unseen.
  if (Apply()) CDialog::OnOK();
}

void CPropBrowDlg::OnHelp() {
  // The host's main window: the top of the dialog's owner chain, if it has one.
  HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
  if (hOwner) hOwner = ::GetAncestor(hOwner, GA_ROOTOWNER);
  npb::ShowHelpFile(hOwner, npb::HelpFilePath());
}

void CPropBrowDlg::OnModalIdle() { UpdateButtonStates(); }

void CPropBrowDlg::UpdateButtonStates() {
  HTREEITEM hSelected = m_wndTree.GetSafeHwnd() ? m_wndTree.GetSelectedItem() : nullptr;
  const Xml_ObjectData* pData = hSelected ? m_wndTree.GetObjectData(hSelected) : nullptr;
  if (!pData) return;  // without a record the button keeps its state
  if (CWnd* pApply = GetDlgItem(IDC_APPLY)) pApply->EnableWindow(pData->bApplyPending != 0);
}

// ---- style menu -------------------------------------------------------------------------

bool CPropBrowDlg::BuildStyleMenu(CMenu& menu) {
  HTREEITEM hSelected = m_wndTree.GetSelectedItem();
  const Xml_ObjectData* pSelected = hSelected ? m_wndTree.GetObjectData(hSelected) : nullptr;
  if (!pSelected) return false;
  const Xml_ObjectData* pSource = m_hStyleSource ? m_wndTree.GetObjectData(m_hStyleSource) : nullptr;
  const npb::StyleMenu items = npb::BuildStyleMenu(pSelected, m_hStyleSource != nullptr, pSource);
  if (!menu.CreatePopupMenu()) return false;
  menu.AppendMenu(MF_STRING | (items.copyEnabled ? MF_ENABLED : MF_GRAYED), ID_COPY_STYLES, items.copyText);
  menu.AppendMenu(MF_STRING | (items.applyEnabled ? MF_ENABLED : MF_GRAYED), ID_APPLY_STYLES, items.applyText);
  return true;
}

void CPropBrowDlg::OnContextMenu(CWnd* pWnd, CPoint pos) {
  if (!pWnd || pWnd->m_hWnd != m_wndTree.m_hWnd) {
    CDialog::OnContextMenu(pWnd, pos);
    return;
  }
  // The keyboard form carries no position: it acts on the selection as it is.
  if (pos.x != -1 || pos.y != -1) {
    CPoint ptTree = pos;
    m_wndTree.ScreenToClient(&ptTree);
    if (HTREEITEM hHit = m_wndTree.HitTest(ptTree)) m_wndTree.SelectItem(hHit);
  }
  CMenu menu;
  if (!BuildStyleMenu(menu)) return;
  m_wndTree.SetFocus();
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

void CPropBrowDlg::OnCopyStyles() {
  if (HTREEITEM hSelected = m_wndTree.GetSelectedItem()) m_hStyleSource = hSelected;
}

void CPropBrowDlg::OnApplyStyles() {
  HTREEITEM hSelected = m_wndTree.GetSelectedItem();
  const Xml_ObjectData* pSelected = hSelected ? m_wndTree.GetObjectData(hSelected) : nullptr;
  const Xml_ObjectData* pSource = m_hStyleSource ? m_wndTree.GetObjectData(m_hStyleSource) : nullptr;
  if (!m_hStyleSource || !npb::CanApplyStyles(pSource, pSelected) || !AcceptOpenEdit()) return;
  if (pSource->pNode && pSelected->pNode) m_wndTree.CopyApplyStyle(pSource->pNode, pSelected->pNode, hSelected, 0);
  if (!SaveAndSend()) return;
  m_hStyleSource = nullptr;
  m_wndTree.UpdatePropGridCtrl(hSelected);
}

// ---- size and layout --------------------------------------------------------------------

CRect CPropBrowDlg::ChildRect(const CWnd& wnd) const {
  CRect rect;
  if (!wnd.GetSafeHwnd()) return rect;
  wnd.GetWindowRect(&rect);
  ScreenToClient(&rect);
  return rect;
}

CRect CPropBrowDlg::ChildRect(int nID) const {
  const CWnd* pChild = GetDlgItem(nID);
  return pChild ? ChildRect(*pChild) : CRect();
}

void CPropBrowDlg::RecordLayout() {
  CRect client;
  GetClientRect(&client);
  npb::DialogPlacement now;
  now.tree = ChildRect(m_wndTree);
  now.frame = ChildRect(m_wndGridFrame);
  for (size_t i = 0; i < npb::kAnchoredButtonIds.size(); ++i) now.buttons[i] = ChildRect(npb::kAnchoredButtonIds[i]);
  m_layout.Record(client, now);
}

void CPropBrowDlg::ApplyLayout() {
  if (!m_layout.IsRecorded()) return;
  CRect client;
  GetClientRect(&client);
  const npb::DialogPlacement to = m_layout.Apply(client, ChildRect(m_wndGridFrame));
  m_wndTree.MoveWindow(&to.tree, FALSE);
  m_wndGridFrame.MoveWindow(&to.frame, FALSE);
  // The grid stays on its frame, also when the size changes without a border drag.
  if (m_wndGrid.GetSafeHwnd()) m_wndGrid.MoveWindow(&to.frame, FALSE);
  for (size_t i = 0; i < npb::kAnchoredButtonIds.size(); ++i) {
    if (CWnd* pButton = GetDlgItem(npb::kAnchoredButtonIds[i])) pButton->MoveWindow(&to.buttons[i], FALSE);
  }
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CPropBrowDlg::MoveSizeGrip(int cx, int cy) {
  if (m_wndSizeGrip.GetSafeHwnd())
    m_wndSizeGrip.MoveWindow(cx - kSizeGripSize, cy - kSizeGripSize, kSizeGripSize, kSizeGripSize);
}

void CPropBrowDlg::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  MoveSizeGrip(cx, cy);
  if (::GetWindow(m_hWnd, GW_CHILD)) ApplyLayout();
}

void CPropBrowDlg::OnSizing(UINT fwSide, LPRECT pRect) {
  CDialog::OnSizing(fwSide, pRect);
  if (m_wndGrid.GetSafeHwnd()) {
    const CRect rectFrame = ChildRect(m_wndGridFrame);
    m_wndGrid.MoveWindow(&rectFrame);
  }
  if (pRect) npb::HoldMinimumSize(fwSide, *pRect, kMinTrackWidth, kMinTrackHeight);
}

// ---- destruction and painting -----------------------------------------------------------

void CPropBrowDlg::OnDestroy() {
  // An edit still open when the dialog goes (Cancel, the close box) was never accepted;
  // the tree's own teardown must not find it to accept.
  if (m_wndGrid.GetSafeHwnd()) m_wndGrid.EndEditItem(FALSE);
  if (m_wndTree.GetSafeHwnd()) {
    // The tree view tells us of every item it deletes, and we want none of it: with
    // thousands of items, passing each through our subclass would take seconds.
    CWnd::SubclassPause quiet(*this);
    m_wndTree.SetRedraw(FALSE);
    m_wndTree.DeleteAllItemsAndData();
  }
  m_hStyleSource = nullptr;
  CDialog::OnDestroy();
}

void CPropBrowDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
  CRect client;
  GetClientRect(&client);
  const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CPropBrowDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }
