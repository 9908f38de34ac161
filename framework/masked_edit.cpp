#include "framework/masked_edit.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsDigit(unsigned char c) { return std::isdigit(c) != 0; }
bool IsLetter(unsigned char c) { return std::isalpha(c) != 0; }
bool IsLetterOrDigit(unsigned char c) { return std::isalnum(c) != 0; }

const struct {
  char mask;
  bool (*accepts)(unsigned char);
  bool spaceToo;
} kMaskClasses[] = {
    {'D', IsDigit, false},
    {'d', IsDigit, true},
    {'+', [](unsigned char c) { return c == '+' || c == '-'; }, true},
    {'C', IsLetter, false},
    {'c', IsLetter, true},
    {'A', IsLetterOrDigit, false},
    {'a', IsLetterOrDigit, true},
    {'*', [](unsigned char c) { return c >= ' ' && c != 0x7F; }, false},
};

// Control characters the edit turns into clipboard and undo commands; the commands
// themselves arrive as messages of their own.
constexpr UINT kCtrlCopy = 0x03;
constexpr UINT kCtrlPaste = 0x16;
constexpr UINT kCtrlCut = 0x18;
constexpr UINT kCtrlUndo = 0x1A;

std::string ClipboardText(HWND hWnd) {
  std::string strText;
  if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(hWnd)) return strText;
  if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
    if (const auto* psz = static_cast<const char*>(::GlobalLock(hData))) {
      strText = psz;
      ::GlobalUnlock(hData);
    }
  }
  ::CloseClipboard();
  return strText;
}

}  // namespace

bool CMaskedEdit::IsInputMaskChar(char chMask) {
  for (const auto& cls : kMaskClasses) {
    if (cls.mask == chMask) return true;
  }
  return false;
}

bool CMaskedEdit::MaskAccepts(char chMask, char ch) {
  for (const auto& cls : kMaskClasses) {
    if (cls.mask == chMask) return (cls.spaceToo && ch == ' ') || cls.accepts(static_cast<unsigned char>(ch));
  }
  return false;
}

void CMaskedEdit::EnableMask(LPCSTR lpszMask, LPCSTR lpszInputTemplate, char chBlank, LPCSTR lpszValid) {
  const std::string strMask = lpszMask ? lpszMask : "";
  const std::string strTemplate = lpszInputTemplate ? lpszInputTemplate : "";
  if (strMask.empty() || strMask.size() != strTemplate.size()) {
    DisableMask();
  } else {
    m_strMask = strMask;
    m_strTemplate = strTemplate;
    m_chBlank = chBlank;
  }
  if (lpszValid) SetValidChars(lpszValid);
  if (m_hWnd) SetWindowText(Text().c_str());
}

void CMaskedEdit::DisableMask() {
  m_strMask.clear();
  m_strTemplate.clear();
}

void CMaskedEdit::SetValidChars(LPCSTR lpszValid) { m_strValid = lpszValid ? lpszValid : ""; }

bool CMaskedEdit::Accepts(size_t nPos, char ch) const {
  if (!IsValid(ch)) return false;
  return !IsMaskEnabled() || (nPos < m_strMask.size() && MaskAccepts(m_strMask[nPos], ch));
}

size_t CMaskedEdit::NextInput(size_t nPos) const {
  for (; nPos < m_strMask.size(); ++nPos) {
    if (IsInputMaskChar(m_strMask[nPos])) return nPos;
  }
  return std::string::npos;
}

size_t CMaskedEdit::PrevInput(size_t nPos) const {
  while (nPos-- > 0) {
    if (nPos < m_strMask.size() && IsInputMaskChar(m_strMask[nPos])) return nPos;
  }
  return std::string::npos;
}

std::string CMaskedEdit::Conform(const std::string& strText) const {
  if (!IsMaskEnabled()) return strText;
  std::string strShaped = m_strTemplate;
  size_t nPos = 0;
  for (char ch : strText) {
    // A literal in the text where the template has the same one is taken as read.
    if (nPos < m_strMask.size() && !IsInputMaskChar(m_strMask[nPos]) && m_strTemplate[nPos] == ch) {
      ++nPos;
      continue;
    }
    const size_t nInput = NextInput(nPos);
    if (nInput == std::string::npos) break;
    if (ch == m_chBlank || Accepts(nInput, ch)) {
      strShaped[nInput] = ch;
      nPos = nInput + 1;
    }
  }
  return strShaped;
}

void CMaskedEdit::ReplaceRange(size_t nStart, const std::string& strWith) {
  SendMessage(EM_SETSEL, nStart, nStart + strWith.size());
  SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(strWith.c_str()));
}

void CMaskedEdit::Blank(size_t nStart, size_t nEnd) {
  const std::string strText = Text();
  nEnd = std::min(nEnd, strText.size());
  if (nStart < nEnd) {
    std::string strPart = strText.substr(nStart, nEnd - nStart);
    for (size_t i = 0; i < strPart.size(); ++i) {
      if (IsInputMaskChar(m_strMask[nStart + i])) strPart[i] = m_chBlank;
    }
    ReplaceRange(nStart, strPart);
  }
  SendMessage(EM_SETSEL, nStart, nStart);
}

void CMaskedEdit::TypeText(const std::string& strText) {
  int nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  if (!IsMaskEnabled()) {
    std::string strKept;
    for (char ch : strText) {
      if (IsValid(ch)) strKept += ch;
    }
    ReplaceSel(strKept.c_str(), TRUE);
    return;
  }
  if (nEnd > nStart) Blank(nStart, nEnd);
  size_t nPos = static_cast<size_t>(nStart);
  for (char ch : strText) {
    const size_t nInput = NextInput(nPos);
    if (nInput == std::string::npos) break;
    if (!Accepts(nInput, ch)) continue;
    ReplaceRange(nInput, std::string(1, ch));
    nPos = nInput + 1;
  }
  // The caret waits at the next place to type.
  const size_t nCaret = NextInput(nPos) == std::string::npos ? nPos : NextInput(nPos);
  SendMessage(EM_SETSEL, nCaret, nCaret);
}

void CMaskedEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (IsReadOnly() || nChar == kCtrlCopy || nChar == kCtrlPaste || nChar == kCtrlCut) {
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  if (!IsMaskEnabled()) {
    // Without a mask the edit types as usual, only the characters outside the set are refused.
    if (nChar < ' ' || IsValid(static_cast<char>(nChar))) CEdit::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  if (nChar == VK_BACK) {
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nEnd > nStart) {
      Blank(nStart, nEnd);
    } else if (const size_t nPrev = PrevInput(nStart); nPrev != std::string::npos) {
      Blank(nPrev, nPrev + 1);
    }
    return;
  }
  // Undo would bring back a text of another shape.
  if (nChar == kCtrlUndo) return;
  if (nChar < ' ') {
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  TypeText(std::string(1, static_cast<char>(nChar)));
}

void CMaskedEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != VK_DELETE || !IsMaskEnabled() || IsReadOnly()) {
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  int nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  if (nEnd > nStart) {
    Blank(nStart, nEnd);
  } else if (const size_t nNext = NextInput(nStart); nNext != std::string::npos) {
    Blank(nNext, nNext + 1);
    SendMessage(EM_SETSEL, nStart, nStart);
  }
}

LRESULT CMaskedEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      if (!IsMaskEnabled()) break;
      const std::string strShaped = Conform(lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
      const LRESULT result = DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(strShaped.c_str()));
      SendMessage(EM_SETSEL, 0, 0);
      return result;
    }
    case WM_PASTE:
      if (IsReadOnly()) break;
      TypeText(ClipboardText(m_hWnd));
      return 0;
    case WM_CUT:
    case WM_CLEAR: {
      if (IsReadOnly() || !IsMaskEnabled()) break;
      if (message == WM_CUT) SendMessage(WM_COPY);
      int nStart = 0, nEnd = 0;
      GetSel(nStart, nEnd);
      Blank(nStart, nEnd);
      return 0;
    }
    case WM_UNDO:
    case EM_UNDO:
      if (IsMaskEnabled()) return FALSE;
      break;
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
