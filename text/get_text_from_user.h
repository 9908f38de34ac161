// CGetTextFromUser: a small modal dialog that asks for one line of text beside a picture,
// such as the text a symbol is drawn as.
#pragma once

#include <windows.h>

#include "editors/picture_button.h"
#include "framework/afx_string.h"
#include "framework/dialog.h"

class CGetTextFromUser : public CDialog {
public:
  explicit CGetTextFromUser(CWnd* pParentWnd = nullptr);

  void SetCaption(const CString& strCaption) { m_strCaption = strCaption; }
  void SetPrompt(const CString& strPrompt) { m_strPrompt = strPrompt; }
  // The text the field starts with and its length limit (0: none).
  void SetText(const CString& strText, int nMaxChars) {
    m_strText = strText;
    m_nMaxChars = nMaxChars;
  }
  // The picture: a bitmap resource of the module, its key colour left out.
  void SetBitmap(HINSTANCE hInstance, UINT nIDBitmap, COLORREF crKey) {
    m_hPictureInstance = hInstance;
    m_nPictureId = nIDBitmap;
    m_crPictureKey = crKey;
  }
  // The text after IDOK.
  CString GetText() const { return m_strText; }

protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

private:
  CString m_strPrompt;
  CStaticBitmap m_wndPicture;
  CString m_strText;
  CString m_strCaption;
  int m_nMaxChars = 0;
  HINSTANCE m_hPictureInstance = nullptr;
  UINT m_nPictureId = 0;
  COLORREF m_crPictureKey = RGB(255, 0, 255);
};
