#include "editors/choice_box_property.h"

#include "editors/modal_choice_box.h"

namespace {

// The list drops this much below the value field.
constexpr int kListExtraHeight = 400;

}  // namespace

CWnd* CChoiceBoxProperty::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) {
  // The edit only carries the focus and the keys; the row draws the value itself.
  CWnd* pEdit = CPropertyGridProperty::CreateInPlaceEdit(rectEdit, bDefaultFormat);
  if (pEdit) pEdit->ShowWindow(SW_HIDE);
  return pEdit;
}

CComboBox* CChoiceBoxProperty::CreateCombo(CWnd* pWndParent, CRect rect) {
  rect.bottom += kListExtraHeight;
  CPBModalChoiceBox* pBox = NewBox();
  if (!pWndParent || !pBox->Create(rect, pWndParent, GetInPlaceCtrlId())) {
    delete pBox;
    return nullptr;
  }
  m_pBox = pBox;
  return pBox;
}

void CChoiceBoxProperty::OnClickButton(CPoint) {
  if (!m_pBox || !m_pBox->m_hWnd) return;
  m_bButtonIsDown = TRUE;
  Redraw();
  m_pBox->SetFocus();
  m_pBox->ShowDropDown();
}

void CChoiceBoxProperty::OnCloseCombo() {
  m_bButtonIsDown = FALSE;
  // The list may close before its choice is accepted; the choice counts either way.
  OnUpdateValue();
  Redraw();
  if (!m_bEnding && m_pWndInPlace && m_pWndInPlace->m_hWnd) m_pWndInPlace->SetFocus();
  // A list that closes commits, again for a row changed before; the end of the edit only
  // commits a choice not committed yet (it comes with the browser closing too).
  if (!m_bEnding || m_bChoicePending) CommitChoice();
  m_bChoicePending = false;
}

BOOL CChoiceBoxProperty::OnEndEdit() {
  m_bEnding = true;
  if (m_pBox) OnCloseCombo();
  m_bEnding = false;
  m_bInPlaceEdit = FALSE;
  m_bButtonIsFocused = FALSE;
  OnDestroyWindow();
  return TRUE;
}

void CChoiceBoxProperty::OnDestroyWindow() {
  // The base deletes the list through m_pWndCombo.
  m_pBox = nullptr;
  CPropertyGridProperty::OnDestroyWindow();
}

BOOL CChoiceBoxProperty::PushChar(UINT nChar) {
  if (nChar != ' ' && GetOptionCount() < 2 && m_pBox && m_pBox->m_hWnd) {
    const int nIndex = m_pBox->FindFirstChar(static_cast<char>(nChar));
    if (nIndex >= 0) {
      m_pBox->SelectEntry(nIndex);
      OnUpdateValue();
      Redraw();
    }
    return TRUE;
  }
  return CPropertyGridProperty::PushChar(nChar);
}
