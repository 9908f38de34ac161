#include "editors/modal_choice_box.h"

#include <algorithm>
#include <cstring>

#include "framework/gdi.h"

namespace {

// Runs the modal step once the message that landed on its entry is over.
constexpr UINT kMsgRunModalStep = WM_APP + 0x32;
// Names start this far right of the entry's picture.
constexpr int kNameGap = 4;
// Help command of a context help pop-up.
constexpr UINT kHelpContextPopup = 8;

}  // namespace

void CPBModalChoiceBox::DestroyBox() {
  if (m_pAlive) *m_pAlive = false;
  if (m_hWnd) DestroyWindow();
}

void CPBModalChoiceBox::SelectEntry(int nIndex) {
  if (!m_hWnd) return;
  SetCurSel(nIndex);
  m_nAccepted = GetCurSel();
}

int CPBModalChoiceBox::FindName(const char* pszName) const {
  if (!pszName) return -1;
  for (int i = 0; const char* pszEntry = EntryName(i); ++i) {
    if (std::strcmp(pszEntry, pszName) == 0) return i;
  }
  return -1;
}

void CPBModalChoiceBox::PrepareEntry(CDC& dc, const DRAWITEMSTRUCT& dis) const {
  COLORREF clrText = ::GetSysColor(COLOR_WINDOWTEXT);
  COLORREF clrBack = ::GetSysColor(COLOR_WINDOW);
  if (dis.itemState & ODS_DISABLED) {
    clrText = ::GetSysColor(COLOR_BTNSHADOW);
    clrBack = ::GetSysColor(COLOR_BTNFACE);
  } else if (dis.itemState & ODS_SELECTED) {
    const bool bFocused = ::GetFocus() == m_hWnd;
    clrText = ::GetSysColor(bFocused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    clrBack = ::GetSysColor(bFocused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  }
  dc.SetTextColor(clrText);
  dc.SetBkColor(clrBack);
  // The whole entry takes the background; the name is later clipped to its own part.
  const CRect rect(dis.rcItem);
  dc.ExtTextOut(0, 0, ETO_OPAQUE, &rect, "", 0);
}

void CPBModalChoiceBox::FitDroppedWidthTo(int nLeadWidth) {
  if (!m_hWnd) return;
  HDC hDC = ::GetDC(m_hWnd);
  int nWidest = 0;
  {
    CSelectObject font(hDC, GetFont());
    for (int i = 0; const char* pszName = EntryName(i); ++i) {
      SIZE size = {};
      ::GetTextExtentPoint32A(hDC, pszName, static_cast<int>(std::strlen(pszName)), &size);
      nWidest = std::max<int>(nWidest, size.cx);
    }
  }
  ::ReleaseDC(m_hWnd, hDC);
  const int nWanted = nLeadWidth + kNameGap + nWidest + kNameGap + ::GetSystemMetrics(SM_CXVSCROLL) + 2;
  CRect rect;
  GetWindowRect(&rect);
  SetDroppedWidth(static_cast<UINT>(std::max<int>(nWanted, rect.Width())));
}

void CPBModalChoiceBox::NotifyOwner(UINT nCode) {
  if (CWnd* pOwner = GetParent()) {
    pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
  }
}

void CPBModalChoiceBox::StartModalStep() {
  m_bStepPending = true;
  RunModalStep();
}

void CPBModalChoiceBox::RunModalStep() {
  const int nEntry = ModalEntry();
  if (nEntry < 0 || GetCurSel() != nEntry) {
    m_bStepPending = false;
    return;
  }
  // A window holding the mouse would be told to cancel its mode by the step's window and
  // end the edit this box belongs to.
  if (::GetCapture()) ::ReleaseCapture();
  // The step runs its own loop: the box may be destroyed with the browser meanwhile.
  const std::shared_ptr<bool> pAlive = m_pAlive ? m_pAlive : (m_pAlive = std::make_shared<bool>(true));
  const std::function<void()> apply = AskUser(::GetAncestor(m_hWnd, GA_ROOT), nEntry);
  if (!*pAlive || !m_hWnd) return;
  SetFocus();
  m_bStepPending = false;
  if (apply) {
    apply();
    m_bPassChoiceOn = true;
    NotifyOwner(CBN_SELENDOK);
    if (!*pAlive) return;
  } else {
    SelectEntry(m_nAccepted);
  }
  NotifyOwner(CBN_CLOSEUP);
  if (*pAlive) m_bPassChoiceOn = false;
}

BOOL CPBModalChoiceBox::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_COMMAND) return CComboBox::ReflectChildNotify(message, wParam, lParam, pResult);
  switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
    case CBN_SELENDOK:
      OnSelectionNotified();
      if (!m_bPassChoiceOn && IsModalChoice()) {
        if (!m_bStepPending) {
          m_bStepPending = true;
          PostMessage(kMsgRunModalStep);
        }
        // The owner hears of the choice once the step has given the entry its answer.
        if (HIWORD(wParam) == CBN_SELENDOK) {
          *pResult = 0;
          return TRUE;
        }
      } else if (HIWORD(wParam) == CBN_SELENDOK) {
        m_nAccepted = GetCurSel();
      }
      return FALSE;
    case CBN_CLOSEUP:
    case CBN_KILLFOCUS:
      // While the step is pending or open the edit stays as it is.
      if (m_bStepPending && !m_bPassChoiceOn) {
        *pResult = 0;
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

BOOL CPBModalChoiceBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Only the box's own menu commands; the list's notifications go on to the combo box.
  if (!lParam && LOWORD(wParam) == kCmdHelp) {
    if (m_dwHelpContext) ::WinHelpA(m_hWnd, nullptr, kHelpContextPopup, m_dwHelpContext);
    return TRUE;
  }
  return CComboBox::OnCommand(wParam, lParam);
}

LRESULT CPBModalChoiceBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgRunModalStep:
      RunModalStep();
      return 0;
    // The entries keep no strings; their names answer for them, so that the list reads
    // like any other (accessibility, test scripts).
    case CB_GETLBTEXTLEN: {
      const char* pszName = EntryName(static_cast<int>(wParam));
      return pszName ? static_cast<LRESULT>(std::strlen(pszName)) : CB_ERR;
    }
    case CB_GETLBTEXT: {
      const char* pszName = EntryName(static_cast<int>(wParam));
      if (!pszName || !lParam) return CB_ERR;
      std::strcpy(reinterpret_cast<char*>(lParam), pszName);
      return static_cast<LRESULT>(std::strlen(pszName));
    }
    default:
      return CComboBox::WindowProc(message, wParam, lParam);
  }
}
