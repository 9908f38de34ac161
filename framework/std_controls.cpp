#include "framework/std_controls.h"

CString CComboBox::GetLBText(int nIndex) const {
  CString text;
  int n = GetLBTextLen(nIndex);
  if (n > 0) {
    int got = static_cast<int>(SendMessage(CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(text.GetBuffer(n))));
    text.ReleaseBuffer(got > 0 ? got : 0);
  }
  return text;
}

BOOL CComboBox::ReflectChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
  if (!(GetStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) return FALSE;
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      break;
    case WM_MEASUREITEM:
      MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      break;
    default:
      return FALSE;
  }
  *pResult = TRUE;
  return TRUE;
}

BOOL CButton::ReflectChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM || (GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW) return FALSE;
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  *pResult = TRUE;
  return TRUE;
}
