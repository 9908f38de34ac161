// The in-place editing side of a grid row: the edit, drop-down list, spin and slider that
// open on the row, their rectangles, and the keys and clicks that reach the row while open.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <utility>

#include "framework/common_controls.h"
#include "framework/masked_edit.h"
#include "framework/std_controls.h"
#include "framework/wnd.h"
#include "grid/property_row.h"
#include "grid/row_value.h"

namespace {

// Takes back ownership of an in-place control the row holds by pointer and destroys it.
template <typename Control>
void DestroyOwned(Control*& pControl) {
  std::unique_ptr<Control>(std::exchange(pControl, nullptr)).reset();
}

// Style of the in-place edit: child, visible, auto horizontal scroll; read-only added.
constexpr DWORD kInPlaceEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
// Drop-down list: child, vertical scroll, drop-down list, auto horizontal scroll.
constexpr DWORD kComboStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
// Up-down: child, visible, set buddy integer, arrow keys, no thousands separator.
constexpr DWORD kSpinStyle = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE;
constexpr int kComboDropHeight = 400;
constexpr int kComboMinVisible = 5;
// The edit starts this far right of the column divider, less the edit's own margin.
constexpr int kEditIndent = 5;
// The button is one row height wide less this much.
constexpr int kButtonInset = 3;
// Share of the value field the edit keeps beside a slider.
constexpr double kEditShareBesideSlider = 0.4;
// The painted value text lies this much below the centre of its row.
constexpr int kValueTextDrop = 1;

// An in-place edit keeps its text where the grid painted the value. A one-line edit draws
// its text at the top of its client area, while the grid centres the value in the row; a top
// strip outside the client area, painted in the edit's background, moves the text down
// without changing the edit's rectangle or style.
constexpr UINT_PTR kAlignSubclassId = 0x4E50;

LRESULT CALLBACK AlignedEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwInset) {
  const int nInset = static_cast<int>(dwInset);
  if (message == WM_NCCALCSIZE) {
    const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
    // Both forms of the message start with the proposed client rectangle.
    RECT* pClient = reinterpret_cast<RECT*>(lParam);
    pClient->top = std::min(pClient->top + nInset, pClient->bottom);
    return result;
  }
  if (message == WM_NCPAINT) {
    ::DefSubclassProc(hWnd, message, wParam, lParam);
    RECT rectWindow;
    ::GetWindowRect(hWnd, &rectWindow);
    HDC hDC = ::GetWindowDC(hWnd);
    const bool bReadOnly = (::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY) != 0;
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(::SendMessageA(::GetParent(hWnd), bReadOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                            reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWnd)));
    const RECT rectStrip = {0, 0, rectWindow.right - rectWindow.left, nInset};
    ::FillRect(hDC, &rectStrip, hBrush ? hBrush : ::GetSysColorBrush(COLOR_WINDOW));
    ::ReleaseDC(hWnd, hDC);
    return 0;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hWnd, AlignedEditProc, kAlignSubclassId);
  return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

// Lines the edit's text up with a value painted in the row at rectRow (grid coordinates).
void AlignEditText(HWND hEdit, const CRect& rectRow) {
  RECT rectWindow;
  ::GetWindowRect(hEdit, &rectWindow);
  HDC hDC = ::GetDC(hEdit);
  HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageA(hEdit, WM_GETFONT, 0, 0)));
  TEXTMETRICA tm{};
  ::GetTextMetricsA(hDC, &tm);
  ::SelectObject(hDC, hOld);
  ::ReleaseDC(hEdit, hDC);
  POINT ptTop = {0, rectWindow.top};
  ::ScreenToClient(::GetParent(hEdit), &ptTop);
  // The painted value: centred in the row, one pixel lower.
  const int yText = rectRow.top + (rectRow.Height() - static_cast<int>(tm.tmHeight)) / 2 + kValueTextDrop;
  const int nHeight = rectWindow.bottom - rectWindow.top;
  const int nInset = std::clamp(yText - static_cast<int>(ptTop.y), 0, std::max(0, nHeight - static_cast<int>(tm.tmHeight)));
  if (nInset == 0) return;
  ::SetWindowSubclass(hEdit, AlignedEditProc, kAlignSubclassId, static_cast<DWORD_PTR>(nInset));
  ::SetWindowPos(hEdit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool IsEditWindow(const CWnd* pWnd) {
  char szClass[16] = {};
  return pWnd && pWnd->m_hWnd && ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof szClass) > 0 &&
         lstrcmpiA(szClass, "Edit") == 0;
}

void SelectAllText(CWnd* pWnd) {
  pWnd->SendMessage(EM_SETSEL, 0, -1);
  pWnd->SendMessage(EM_SCROLLCARET);
}

}  // namespace

CString CPropertyGridProperty::GetInPlaceText() const {
  return m_pWndInPlace && m_pWndInPlace->m_hWnd ? m_pWndInPlace->GetWindowText() : CString();
}

void CPropertyGridProperty::SetInPlaceText(LPCTSTR lpszText) {
  if (m_pWndInPlace && m_pWndInPlace->m_hWnd) m_pWndInPlace->SetWindowText(lpszText);
}

BOOL CPropertyGridProperty::OnEdit(LPPOINT) {
  if (!HasValueField()) return FALSE;
  CWnd* pGrid = GridWnd();
  if (!pGrid || !pGrid->m_hWnd) return FALSE;

  CRect rectEdit, rectSpin, rectSlider;
  AdjustInPlaceEditRect(rectEdit, rectSpin, rectSlider);

  BOOL bDefaultFormat = FALSE;
  m_pWndInPlace = CreateInPlaceEdit(rectEdit, bDefaultFormat);
  if (!m_pWndInPlace) return FALSE;
  if (bDefaultFormat) SetInPlaceText(FormatProperty());

  if (m_dwFlags & AFX_PROP_HAS_LIST) {
    m_pWndCombo = CreateCombo(pGrid, rectEdit);
    if (m_pWndCombo) {
      m_pWndCombo->SetFont(m_pWndList->GetGridFont());
      m_pWndCombo->SendMessage(CB_SETMINVISIBLE, kComboMinVisible);
      CRect rectCombo;
      m_pWndCombo->GetWindowRect(&rectCombo);
      m_pWndCombo->SetWindowPos(nullptr, rectEdit.left, m_Rect.bottom - rectCombo.Height(),
                                m_Rect.right - rectEdit.left, rectCombo.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      if (m_varValue.vt == VT_BOOL) {
        AddOption(TrueLabel());
        AddOption(FalseLabel());
      }
      for (const CString& strOption : m_lstOptions) m_pWndCombo->AddString(strOption);
    }
  }
  if (m_dwFlags & AFX_PROP_HAS_SPIN) m_pWndSpin = CreateSpinControl(rectSpin);
  if (m_dwFlags & PROP_HAS_SLIDER) m_pWndSlider = CreateSliderCtrl(rectSlider);

  const BOOL bBold = m_bIsModified && m_pWndList->IsMarkModifiedProperties();
  m_pWndInPlace->SetFont(bBold ? m_pWndList->GetBoldFont() : m_pWndList->GetGridFont());
  if (IsEditWindow(m_pWndInPlace)) AlignEditText(m_pWndInPlace->m_hWnd, m_Rect);
  m_pWndInPlace->SetFocus();
  if (!m_bAllowEdit) ::HideCaret(m_pWndInPlace->m_hWnd);
  m_bInPlaceEdit = TRUE;
  return TRUE;
}

CWnd* CPropertyGridProperty::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) {
  if (!npb::IsRowValueKind(m_varValue.vt) && !m_bIsValueList) return nullptr;
  const bool bMasked = !m_strEditMask.IsEmpty() || !m_strEditTempl.IsEmpty() || !m_strValidChars.IsEmpty();
  // The numeric edit control is not built yet: such a row opens no editor.
  if (!bMasked && m_bNumericEdit) return nullptr;
  CWnd* pGrid = GridWnd();
  if (!pGrid) return nullptr;
  DWORD dwStyle = kInPlaceEditStyle;
  if (!m_bEnabled || !m_bAllowEdit) dwStyle |= ES_READONLY;
  std::unique_ptr<CEdit> pEdit = bMasked ? std::make_unique<CMaskedEdit>() : std::make_unique<CEdit>();
  if (!pEdit->Create(dwStyle, rectEdit, pGrid, GetInPlaceCtrlId())) return nullptr;
  if (bMasked) {
    auto& masked = static_cast<CMaskedEdit&>(*pEdit);
    // Mask and template work only together; alone, either is ignored.
    if (!m_strEditMask.IsEmpty() && !m_strEditTempl.IsEmpty()) masked.EnableMask(m_strEditMask, m_strEditTempl, ' ');
    if (!m_strValidChars.IsEmpty()) masked.SetValidChars(m_strValidChars);
  }
  bDefaultFormat = TRUE;
  return pEdit.release();
}

CSpinButtonCtrl* CPropertyGridProperty::CreateSpinControl(CRect rectSpin) {
  CWnd* pGrid = GridWnd();
  if (!pGrid) return nullptr;
  auto pSpin = std::make_unique<CSpinButtonCtrl>();
  if (!pSpin->Create(kSpinStyle, rectSpin, pGrid, GetInPlaceCtrlId())) return nullptr;
  pSpin->SetBuddy(m_pWndInPlace);
  if (m_nMinValue != 0 || m_nMaxValue != 0) pSpin->SetRange32(m_nMinValue, m_nMaxValue);
  return pSpin.release();
}

CSliderCtrl* CPropertyGridProperty::CreateSliderCtrl(CRect rectSlider) {
  CWnd* pGrid = GridWnd();
  if (!pGrid) return nullptr;
  auto pSlider = std::make_unique<CSliderCtrl>();
  if (!pSlider->Create(kSliderStyle, rectSlider, pGrid, GetInPlaceCtrlId())) return nullptr;
  return pSlider.release();
}

CComboBox* CPropertyGridProperty::CreateCombo(CWnd* pWndParent, CRect rect) {
  rect.bottom = rect.top + kComboDropHeight;
  auto pCombo = std::make_unique<CComboBox>();
  if (!pWndParent || !pCombo->Create(kComboStyle, rect, pWndParent, GetInPlaceCtrlId())) return nullptr;
  return pCombo.release();
}

BOOL CPropertyGridProperty::OnEndEdit() {
  m_bInPlaceEdit = FALSE;
  m_bButtonIsFocused = FALSE;
  OnDestroyWindow();
  return TRUE;
}

void CPropertyGridProperty::OnDestroyWindow() {
  // The row owns each control it created; dropping the object destroys its window. In
  // this order: the list, the edit, the spin (its buddy is gone by then), the slider.
  DestroyOwned(m_pWndCombo);
  DestroyOwned(m_pWndInPlace);
  DestroyOwned(m_pWndSpin);
  DestroyOwned(m_pWndSlider);
  // The two labels were put into the options when the list opened.
  if (m_varValue.vt == VT_BOOL) RemoveAllOptions();
}

// ---- rectangles ---------------------------------------------------------------------------

void CPropertyGridProperty::AdjustButtonRect() {
  m_rectButton = m_Rect;
  m_rectButton.left = m_rectButton.right - m_Rect.Height() + kButtonInset;
  m_rectButton.top++;
}

// The row less 2 pixels at top and bottom, from just right of the divider (allowing for
// the edit's own margin in the font it will get) to the button, when there is one.
CRect CPropertyGridProperty::ValueEditRect() {
  CRect rectEdit = m_Rect;
  rectEdit.DeflateRect(0, 2);
  if (m_pWndList) {
    const BOOL bBold = m_pWndList->IsMarkModifiedProperties() && m_bIsModified;
    rectEdit.left = m_pWndList->GetListRect().left + m_pWndList->GetLeftColumnWidth() -
                    m_pWndList->GetEditLeftMargin(bBold) + kEditIndent;
  }
  if (HasButton()) {
    AdjustButtonRect();
    rectEdit.right = m_rectButton.left;
  }
  return rectEdit;
}

void CPropertyGridProperty::AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin) {
  rectEdit = ValueEditRect();
  if (m_dwFlags & AFX_PROP_HAS_SPIN) {
    rectSpin = CRect(rectEdit.right - m_Rect.Height(), m_Rect.top + 1, rectEdit.right, m_Rect.bottom);
    rectEdit.right = rectSpin.left;
  } else {
    rectSpin.SetRectEmpty();
  }
}

void CPropertyGridProperty::AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin, CRect& rectSlider) {
  rectEdit = ValueEditRect();
  if (m_dwFlags & AFX_PROP_HAS_SPIN) {
    rectSpin = CRect(rectEdit.right - rectEdit.Height(), rectEdit.top + 1, rectEdit.right, rectEdit.bottom);
    rectEdit.right = rectSpin.left;
    return;
  }
  rectSpin.SetRectEmpty();
  if (!(m_dwFlags & PROP_HAS_SLIDER)) {
    rectSlider.SetRectEmpty();
    return;
  }
  rectSlider = rectEdit;
  rectSlider.top++;
  rectSlider.left = rectEdit.left - static_cast<int>(std::trunc(rectEdit.Width() * -kEditShareBesideSlider));
  rectEdit.right = rectSlider.left;
}

// ---- clicks and keys ----------------------------------------------------------------------

void CPropertyGridProperty::OnClickButton(CPoint) {
  if (m_pWndCombo && m_pWndCombo->m_hWnd) {
    m_bButtonIsDown = TRUE;
    Redraw();
    m_pWndCombo->SetCurSel(FindOption(GetInPlaceText()));
    m_pWndCombo->SetFocus();
    m_pWndCombo->ShowDropDown();
    return;
  }
  if (m_dwData != kDataButtonRow) return;
  m_bButtonIsDown = TRUE;
  Redraw();
  if (HasButton() && m_pWndList) {
    if (CWnd* pFrame = m_pWndList->GetParentFrameWnd()) pFrame->SendMessage(kMsgButtonClicked, 0, 0);
  }
  if (m_pWndInPlace && m_pWndInPlace->m_hWnd) {
    m_pWndInPlace->SetFocus();
  } else if (CWnd* pGrid = GridWnd()) {
    pGrid->SetFocus();
  }
  m_bButtonIsDown = FALSE;
  Redraw();
}

BOOL CPropertyGridProperty::OnClickValue(UINT uiMsg, CPoint point) {
  if (!m_pWndInPlace || !m_pWndInPlace->m_hWnd) return FALSE;
  CWnd* pGrid = GridWnd();
  if (pGrid && pGrid->m_hWnd) {
    pGrid->ClientToScreen(&point);
    m_pWndInPlace->ScreenToClient(&point);
  }
  m_pWndInPlace->SendMessage(uiMsg, 0, MAKELPARAM(point.x, point.y));
  return TRUE;
}

BOOL CPropertyGridProperty::OnDblClk(CPoint) {
  if (m_pWndInPlace && m_pWndInPlace->m_hWnd && GetOptionCount() >= 2) {
    const int nIndex = FindOption(GetInPlaceText());
    if (nIndex < 0) return FALSE;
    SetInPlaceText(m_lstOptions[(nIndex + 1) % GetOptionCount()]);
    OnUpdateValue();
    return TRUE;
  }
  if (!(m_dwFlags & AFX_PROP_HAS_BUTTON)) return FALSE;
  const CString strBefore = FormatProperty();
  const HCURSOR hOldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  OnClickButton(CPoint(-1, -1));
  ::SetCursor(hOldCursor);
  if (FormatProperty() != strBefore && m_pWndList) m_pWndList->OnPropertyChanged(this);
  return TRUE;
}

void CPropertyGridProperty::OnSelectCombo() {
  if (!m_pWndCombo || !m_pWndCombo->m_hWnd) return;
  const int nSel = m_pWndCombo->GetCurSel();
  if (nSel < 0) return;
  SetInPlaceText(m_pWndCombo->GetLBText(nSel));
  OnUpdateValue();
}

void CPropertyGridProperty::OnCloseCombo() {
  m_bButtonIsDown = FALSE;
  Redraw();
  if (m_pWndInPlace && m_pWndInPlace->m_hWnd) m_pWndInPlace->SetFocus();
}

BOOL CPropertyGridProperty::OnSetCursor() const {
  const BOOL bTextValue = m_bIsValueList || (npb::IsRowValueKind(m_varValue.vt) && m_varValue.vt != VT_BOOL);
  if (!bTextValue || m_bInPlaceEdit) return FALSE;
  ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
  return TRUE;
}

BOOL CPropertyGridProperty::PushChar(UINT nChar) {
  const BOOL bEditable = m_bEnabled && m_bAllowEdit;
  const BOOL bTypesText = m_bIsValueList ? (nChar != '+' && nChar != '-')
                                         : (npb::IsRowValueKind(m_varValue.vt) && m_varValue.vt != VT_BOOL);
  if (bEditable && bTypesText && m_pWndInPlace && m_pWndInPlace->m_hWnd) {
    SetInPlaceText("");
    m_pWndInPlace->SendMessage(WM_CHAR, nChar);
    return TRUE;
  }
  if (!m_bAllowEdit) {
    if (nChar == ' ') {
      OnDblClk(CPoint(-1, -1));
    } else if (GetOptionCount() >= 2) {
      const int nCurrent = FindOption(GetInPlaceText());
      if (nCurrent < 0) return FALSE;
      const int nWanted = std::toupper(static_cast<unsigned char>(nChar));
      for (int nStep = 1; nStep <= GetOptionCount(); ++nStep) {
        const CString& strOption = m_lstOptions[(nCurrent + nStep) % GetOptionCount()];
        if (std::toupper(static_cast<unsigned char>(strOption.GetAt(0))) == nWanted) {
          SetInPlaceText(strOption);
          OnUpdateValue();
          break;
        }
      }
    }
  }
  OnEndEdit();
  CWnd* pGrid = GridWnd();
  if (pGrid && pGrid->m_hWnd && ::GetCapture() == pGrid->m_hWnd) ::ReleaseCapture();
  return FALSE;
}

BOOL CPropertyGridProperty::OnRotateListValue(BOOL bForward) {
  if (!m_pWndInPlace || !m_pWndInPlace->m_hWnd) return FALSE;
  const int nIndex = FindOption(GetInPlaceText());
  if (nIndex < 0) return FALSE;
  const int nCount = GetOptionCount();
  SetInPlaceText(m_lstOptions[(nIndex + (bForward ? 1 : nCount - 1)) % nCount]);
  OnUpdateValue();
  SelectAllText(m_pWndInPlace);
  return TRUE;
}

BOOL CPropertyGridProperty::OnActivateByTab() {
  if (m_bInPlaceEdit) {
    if (!(m_dwFlags & AFX_PROP_HAS_BUTTON)) return FALSE;
    m_bButtonIsFocused = !m_bButtonIsFocused;
    if (CWnd* pGrid = GridWnd(); pGrid && pGrid->m_hWnd) {
      pGrid->InvalidateRect(&m_rectButton);
      pGrid->UpdateWindow();
    }
    return TRUE;
  }
  if (!m_bEnabled) return FALSE;
  if (m_pWndList && m_pWndList->EditItem(this, nullptr) && IsEditWindow(m_pWndInPlace)) {
    SelectAllText(m_pWndInPlace);
  }
  return TRUE;
}
