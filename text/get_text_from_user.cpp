#include "text/get_text_from_user.h"

#include "resources/resource.h"

CGetTextFromUser::CGetTextFromUser(CWnd* pParentWnd) : CDialog(IDD_GET_TEXT_FROM_USER, pParentWnd) {}

BOOL CGetTextFromUser::OnInitDialog() {
  SetDlgItemText(IDC_GET_TEXT_PROMPT, m_strPrompt);
  if (m_nMaxChars > 0) {
    ::SendDlgItemMessageA(m_hWnd, IDC_GET_TEXT_EDIT, EM_LIMITTEXT, static_cast<WPARAM>(m_nMaxChars), 0);
  }
  SetDlgItemText(IDC_GET_TEXT_EDIT, m_strText);
  SetWindowText(m_strCaption);
  if (m_wndPicture.SubclassDlgItem(IDC_GET_TEXT_PICTURE, this) && m_nPictureId) {
    m_wndPicture.LoadBitmap(m_hPictureInstance, m_nPictureId, m_crPictureKey);
  }
  return TRUE;
}

void CGetTextFromUser::OnOK() {
  m_strText = GetDlgItemText(IDC_GET_TEXT_EDIT);
  CDialog::OnOK();
}
