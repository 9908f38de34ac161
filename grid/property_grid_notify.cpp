// The notifications of the in-place controls the rows open, routed by the control id (the
// attribute number of an editor row, one fixed id for plain rows), the header's column drag,
// and the grid's private messages.
#include "sdk/grid_query.h"
#include "grid/property_grid_input.h"

namespace {

// Which notifications an id range takes.
enum : unsigned {
  kEditKill = 1,
  kComboEvents = 2,
  kEditChange = 4,
  kSpinChange = 8,
};

// The attribute number ranges of the editor kinds and the notifications the grid listens to;
// first the id that plain rows give their controls, whose edit, list and spin all report.
const struct {
  UINT first;
  UINT last;
  unsigned events;
} kIdRanges[] = {
    {CPropertyGridProperty::kInPlaceCtrlId, CPropertyGridProperty::kInPlaceCtrlId,
     kEditKill | kComboEvents | kSpinChange},
    {2000, 2014, kEditKill | kComboEvents},  // colours
    {3000, 3071, kEditKill | kComboEvents},  // pictures
    {4000, 4054, kEditKill},                 // sliders
    {6000, 6006, kEditKill},                 // edits
    {6007, 6008, kEditKill | kEditChange},   // edits that follow every keystroke
    {6009, 6027, kEditKill},
    {7000, 7029, kEditKill | kComboEvents},  // option lists
    {8000, 8006, kEditKill | kComboEvents},  // format lists
    {9000, 9007, kEditKill | kSpinChange},   // spinners
    {9010, 9013, kEditKill},                 // object browser rows
};

unsigned EventsOf(UINT nId) {
  for (const auto& range : kIdRanges) {
    if (nId >= range.first && nId <= range.last) return range.events;
  }
  return 0;
}

// An editor lost the focus. The editor is still inside its own focus message then, so the
// grid closes it (which deletes it) only once that message is over. wParam: 0 edit, 1 list.
constexpr UINT kMsgEditorLostFocus = 0x468;

const struct {
  UINT code;
  unsigned event;
  void (*handle)(CPropertyGridCtrl&);
} kCommandNotifications[] = {
    {EN_KILLFOCUS, kEditKill, [](CPropertyGridCtrl& g) { g.PostMessage(kMsgEditorLostFocus, 0); }},
    {CBN_SELENDOK, kComboEvents, GridInput::OnSelectCombo},
    {CBN_CLOSEUP, kComboEvents, GridInput::OnCloseCombo},
    {CBN_KILLFOCUS, kComboEvents, [](CPropertyGridCtrl& g) { g.PostMessage(kMsgEditorLostFocus, 1); }},
    {EN_CHANGE, kEditChange, GridInput::OnEditChange},
};


}  // namespace

BOOL CPropertyGridCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Menus and accelerators carry no control window.
  if (!lParam) return CWnd::OnCommand(wParam, lParam);
  const unsigned events = EventsOf(LOWORD(wParam));
  for (const auto& notification : kCommandNotifications) {
    if (notification.code == HIWORD(wParam) && (events & notification.event)) {
      notification.handle(*this);
      return TRUE;
    }
  }
  return CWnd::OnCommand(wParam, lParam);
}

void GridInput::OnSelectCombo(CPropertyGridCtrl& g) {
  if (!g.m_pSel) return;
  g.m_pSel->OnSelectCombo();
  if (g.m_hWnd) g.Invalidate();
}

void GridInput::OnCloseCombo(CPropertyGridCtrl& g) {
  if (g.m_pSel) g.m_pSel->OnCloseCombo();
}

void GridInput::OnEditChange(CPropertyGridCtrl& g) {
  if (CPropertyGridProperty* pRow = EditedRow(g)) pRow->OnEditTextChanged(TRUE);
}

void GridInput::OnUpdateSpin(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  if (!pRow) return;
  pRow->SetUpdateFromSpin(TRUE);
  pRow->OnUpdateValue();
}

void GridInput::OnUpdateSlider(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  if (!pRow) return;
  pRow->OnUpdateValue();
  if (g.m_pSel == pRow) pRow->Redraw();
}

void CPropertyGridCtrl::OnHScroll(UINT nSBCode, UINT, CWnd* pScrollBar) {
  const CWnd* pSpin = m_pSel ? static_cast<const CWnd*>(m_pSel->GetSpinWnd()) : nullptr;
  if (pScrollBar && pSpin && pScrollBar->m_hWnd == pSpin->m_hWnd) return;
  if (nSBCode == TB_ENDTRACK) PostMessage(kMsgUpdateSlider);
}

BOOL CPropertyGridCtrl::OnInputNotify(NMHDR* pNMH, LRESULT* pResult) {
  if (!pNMH || !pResult) return FALSE;
  if (m_wndHeader.m_hWnd && pNMH->hwndFrom == m_wndHeader.m_hWnd) {
    const auto& nm = *reinterpret_cast<const NMHEADERA*>(pNMH);
    switch (pNMH->code) {
      case HDN_ITEMCHANGEDA:
      case HDN_ITEMCHANGEDW:
        // The layout sets only widths that differ from what the header holds, the user's drag included.
        if (nm.iItem == 0 || nm.iItem == 1) {
          m_placed.nHeaderWidths[nm.iItem] = nm.pitem && (nm.pitem->mask & HDI_WIDTH) ? nm.pitem->cxy : -1;
        }
        GridInput::OnHeaderItemChanged(*this, nm);
        break;
      case HDN_TRACKA:
      case HDN_TRACKW:
        GridInput::OnHeaderTrack(*this, nm);
        break;
      case HDN_ENDTRACKA:
      case HDN_ENDTRACKW:
        GridInput::OnHeaderEndTrack(*this);
        break;
      default:
        return FALSE;
    }
    *pResult = 0;
    return TRUE;
  }
  if (pNMH->code == UDN_DELTAPOS && (EventsOf(static_cast<UINT>(pNMH->idFrom)) & kSpinChange)) {
    // The change is allowed; the value is read once the control has moved.
    *pResult = 0;
    PostMessage(kMsgUpdateSpin);
    return TRUE;
  }
  return FALSE;
}

BOOL CPropertyGridCtrl::OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case kMsgUpdateSpin:
      GridInput::OnUpdateSpin(*this);
      *pResult = 0;
      return TRUE;
    case kMsgUpdateSlider:
      GridInput::OnUpdateSlider(*this);
      *pResult = 0;
      return TRUE;
    case kMsgEditorLostFocus:
      (wParam ? GridInput::OnComboKillFocus : GridInput::OnEditKillFocus)(*this);
      *pResult = 0;
      return TRUE;
    case npb::kGridQueryRowMessage:
      *pResult = GridInput::AnswerRowQuery(*this, static_cast<int>(wParam), reinterpret_cast<npb::GridRowQuery*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

int GridInput::AnswerRowQuery(CPropertyGridCtrl& g, int nIndex, npb::GridRowQuery* pQuery) {
  const int nCount = static_cast<int>(g.m_lstShownProps.size());
  if (!pQuery) return nCount;
  if (nIndex < 0 || nIndex >= nCount) return FALSE;
  CPropertyGridProperty* pProp = g.m_lstShownProps[static_cast<size_t>(nIndex)];
  if (pQuery->bEnsureVisible) {
    g.EnsureVisible(pProp);
    // A far row's jump can land a line off; the caller is about to click the row, so it
    // must be in the list whatever the jump did.
    const CRect& rect = pProp->GetRect();
    if (g.m_nRowHeight > 0 && (rect.top < g.m_rectList.top - 1 || rect.bottom > g.m_rectList.bottom)) {
      g.ScrollToOffset(g.m_nVertScrollOffset + (rect.top - g.m_rectList.top + 1) / g.m_nRowHeight);
    }
  }
  pQuery->nDepth = pProp->GetHierarchyLevel();
  pQuery->rectRow = pProp->GetRect();
  pQuery->rectList = g.m_rectList;
  pQuery->nDividerX = DividerX(g);
  pQuery->bEditing = pProp->IsInPlaceEditing();
  lstrcpynA(pQuery->szName, pProp->GetName().GetString(), sizeof pQuery->szName);
  lstrcpynA(pQuery->szValue, pProp->IsGroup() && !pProp->IsValueList() ? "" : pProp->FormatProperty().GetString(),
            sizeof pQuery->szValue);
  return TRUE;
}
