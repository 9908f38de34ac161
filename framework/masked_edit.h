// CMaskedEdit: an EDIT control that takes only what a mask allows, for rows whose values
// have a fixed shape (a time, a code) or a fixed alphabet.
//
// With a mask, every position of the text has a mask character. An input position takes one
// character of its class; any other mask character marks a literal, which the template gives
// and the user cannot change. The text always keeps the template's length: typing overwrites,
// deleting puts the blank back. Valid characters, with or without a mask, narrow what may be
// typed at all.
#pragma once

#include <windows.h>

#include <string>

#include "framework/std_controls.h"

class CMaskedEdit : public CEdit {
public:
  // Mask characters of the input positions: D digit, d digit or space, + plus, minus or
  // space, C letter, c letter or space, A letter or digit, a letter, digit or space,
  // * any printable character.
  static bool IsInputMaskChar(char chMask);
  static bool MaskAccepts(char chMask, char ch);

  // Mask and template of one length, not empty; else the edit has no mask. chBlank is what
  // an empty input position shows.
  void EnableMask(LPCSTR lpszMask, LPCSTR lpszInputTemplate, char chBlank = '_', LPCSTR lpszValid = nullptr);
  void DisableMask();
  // Null or empty: every character of the mask class (or any, without a mask) may be typed.
  void SetValidChars(LPCSTR lpszValid);
  BOOL IsMaskEnabled() const { return !m_strMask.empty(); }

  // A text brought into the mask's shape: literals kept, its characters put into the input
  // positions in order, each that fits; what does not fit is dropped. Without a mask the
  // text is returned as it is.
  std::string Conform(const std::string& strText) const;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

private:
  bool Accepts(size_t nPos, char ch) const;
  bool IsValid(char ch) const { return m_strValid.empty() || m_strValid.find(ch) != std::string::npos; }
  // The first input position at or after nPos, or the last one before nPos; npos when none.
  size_t NextInput(size_t nPos) const;
  size_t PrevInput(size_t nPos) const;
  // Puts characters in from the caret on, as typing each would.
  void TypeText(const std::string& strText);
  // Empties the input positions of [nStart, nEnd) and leaves the caret at nStart.
  void Blank(size_t nStart, size_t nEnd);
  void ReplaceRange(size_t nStart, const std::string& strWith);
  bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
  std::string Text() const { return GetWindowText().str(); }

  std::string m_strMask;
  std::string m_strTemplate;
  std::string m_strValid;
  char m_chBlank = '_';
};
