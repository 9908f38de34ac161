// CPBPictureBox: the owner-drawn drop-down list of a picture row: the host's schemes, the
// standard options each drawn with its picture from the list's strip, the text symbol of a
// symbol list, and the object's worksheet columns. Pictures are recoloured with the
// object's current colours.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/modal_choice_box.h"
#include "editors/picture_lists.h"
#include "framework/afx_string.h"

// The colours that recolour a list's pictures; npb::kNoColor leaves the part out.
struct PictureTintColors {
  npb::PictureTint tint = npb::PictureTint::kNone;
  COLORREF line = 0;
  COLORREF gap = 0xFF000000;
  COLORREF fill = RGB(255, 255, 255);
  COLORREF edge = 0;
};

// A strip of the module's bitmaps, loaded once for the process; null when there is none.
HBITMAP PictureStrip(UINT nId);
// Number of pictures of `nHeight` in a strip, and its width.
int StripPictureCount(HBITMAP hStrip, int nHeight);
int StripWidth(HBITMAP hStrip);
// Draws picture `nIndex` of a strip with its top left at (x, y), magenta left out and the
// tint applied. A picture beyond the strip draws nothing.
void DrawStripPicture(HDC hDC, int x, int y, HBITMAP hStrip, int nIndex, int nHeight, const PictureTintColors& tint);

// The name of the text symbol entry for a text ("Text 'A'").
CString TextSymbolName(const CString& strText);

// Asks for the text a symbol is drawn as; TRUE with the text after OK. The default runs the
// text prompt; tests install their own.
using SymbolTextPromptFn = BOOL (*)(HWND hOwner, CString& strText);
SymbolTextPromptFn SetSymbolTextPrompt(SymbolTextPromptFn pfnPrompt);

// One list entry.
struct PictureBoxItem {
  DWORD dwKind = 0;  // npb::kColorEntryScheme or kColorEntryColumn bits, the picture in the low 16 bits
  LONG nValue = 0;   // scheme handle, column number, or the option's position
  COLORREF colors[4] = {};
  std::string name;
  bool bTextSymbol = false;
  std::string symbolText;
};

// The text symbol's choice, while it has no text, first runs the text prompt.
class CPBPictureBox : public CPBModalChoiceBox {
public:
  CPBPictureBox() = default;
  ~CPBPictureBox() override;

  // Once per box: the attribute's schemes when it has a "ThemeHandle", its standard options,
  // the text symbol of a symbol list, and the object's columns when it has a "ColHandle".
  void FillFromHost(const npb::PictureList& list, const CString& strAttrName, const CString& strHandle,
                    const CString& strThemeHandle, const CString& strColHandle, const CString& strSymbolText);
  void SetTint(const PictureTintColors& tint, BOOL bRedraw);
  void SetLineColor(COLORREF color, BOOL bRedraw);
  void SetGapColor(COLORREF color, BOOL bRedraw);
  void FitDroppedWidth();

  const PictureBoxItem* GetEntry(int nIndex) const;
  int GetSchemeCount() const { return m_nSchemes; }
  // Entries up to here are schemes, options and the text symbol; columns follow.
  int GetStandardEnd() const { return m_nStandardEnd; }
  int GetTextSymbolIndex() const;
  // Index of the first option with this picture, of the column with this number, of the
  // first entry whose name starts with `ch`; or -1.
  int FindPicture(int nPicture) const;
  int FindColumn(LONG nColumn) const;
  int FindFirstChar(char ch) const override;
  // Gives the text symbol entry its text and the name that shows it.
  void SetSymbolText(const CString& strText);

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  const char* EntryName(int nIndex) const override;
  int ModalEntry() const override { return GetTextSymbolIndex(); }
  // The selection landed on the text symbol while it has no text yet.
  bool IsModalChoice() const override;
  std::function<void()> AskUser(HWND hOwner, int nEntry) override;

private:
  int AddEntry(PictureBoxItem item);

  std::vector<std::unique_ptr<PictureBoxItem>> m_items;
  npb::PictureList m_list;
  HBITMAP m_hStrip = nullptr;        // module-wide strips; not owned
  HBITMAP m_hSchemeStrip = nullptr;
  int m_nPictureWidth = 0;
  int m_nTextHeight = 0;
  int m_nSchemes = 0;
  int m_nStandardEnd = 0;
  PictureTintColors m_tint;
  BOOL m_bFilled = FALSE;
};
