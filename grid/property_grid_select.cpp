// The grid's current row, expansion, sort mode and the opening and closing of a row's
// in-place editor.
#include "grid/property_grid_ctrl.h"

void CPropertyGridCtrl::InvalidateRow(const CPropertyGridProperty* pProp, BOOL bToButton) {
  if (!pProp || !m_hWnd) return;
  CRect rect = pProp->GetRect();
  if (bToButton && !pProp->GetButtonRect().IsRectEmpty()) rect |= pProp->GetButtonRect();
  if (!rect.IsRectEmpty()) InvalidateRect(&rect);
}

void CPropertyGridCtrl::SetCurSel(CPropertyGridProperty* pProp, BOOL bRedraw) {
  CPropertyGridProperty* pOldSel = m_pSel;
  if (pProp == pOldSel) {
    NotifyAccessibility(m_pSel);
    return;
  }
  EndEditItem(TRUE);
  m_pSel = pProp;
  OnChangeSelection(pProp, pOldSel);
  if (pOldSel) {
    // Taken before the button goes, so its area is repainted without it.
    if (bRedraw) InvalidateRow(pOldSel, TRUE);
    pOldSel->OnKillSelection(pProp);
    pOldSel->ClearButtonRect();
  }
  if (pProp) {
    pProp->OnSetSelection(pOldSel);
    if (pProp->HasButton()) pProp->AdjustButtonRect();
  }
  NotifyAccessibility(m_pSel);
  if (!bRedraw || !m_hWnd) return;
  InvalidateRow(pProp, TRUE);
  if (m_bDescriptionArea) {
    CRect rectDescr;
    GetClientRect(&rectDescr);
    rectDescr.top = m_rectList.bottom;
    rectDescr.DeflateRect(4, 4);
    if (!rectDescr.IsRectEmpty()) InvalidateRect(&rectDescr);
  }
  UpdateWindow();
}

void CPropertyGridCtrl::OnChangeSelection(CPropertyGridProperty*, CPropertyGridProperty*) {}

void CPropertyGridCtrl::ExpandAll(BOOL bExpand) {
  if (m_bAlphabeticMode) return;
  for (CPropertyGridProperty* pProp : m_lstProps) pProp->ExpandDeep(bExpand);
  AdjustLayout();
}

void CPropertyGridCtrl::SetAlphabeticMode(BOOL bSort) {
  if (!m_bAlphabeticMode == !bSort) return;
  m_bAlphabeticMode = bSort;
  m_nVertScrollOffset = 0;
  SetCurSel(nullptr);
  if (!m_hWnd) return;
  if (m_bAlphabeticMode) ReposProperties();
  AdjustLayout();
}

BOOL CPropertyGridCtrl::ValidateItemData(CPropertyGridProperty*) { return TRUE; }

BOOL CPropertyGridCtrl::EditItem(CPropertyGridProperty* pProp, LPPOINT lptClick) {
  if (!pProp || !EndEditItem(TRUE)) return FALSE;
  if (pProp->IsGroup() && !pProp->IsValueList()) return FALSE;
  if (!pProp->OnEdit(lptClick)) return TRUE;
  pProp->Redraw();
  m_pSel = pProp;
  SetCapture();
  return TRUE;
}

BOOL CPropertyGridCtrl::EndEditItem(BOOL bUpdateData) {
  CPropertyGridProperty* pProp = m_pSel;
  if (!pProp || !pProp->IsInPlaceEditing()) return TRUE;
  if (bUpdateData) {
    pProp->SetUpdateFromSpin(FALSE);
    if (!ValidateItemData(pProp) || !pProp->OnUpdateValue()) return FALSE;
    // The owner heard of the change and may have emptied the grid.
    if (m_pSel != pProp) return TRUE;
  }
  if (!pProp->OnEndEdit()) return FALSE;
  if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
  pProp->Redraw();
  return TRUE;
}
