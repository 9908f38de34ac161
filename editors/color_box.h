// CPBColorBox: the owner-drawn drop-down list of a colour row, and of the Edit Text dialog:
// plain colours with their names, colour schemes and worksheet columns, each entry drawn
// with its swatch. The entries come from the host's answers, or from the module's own
// texts when the box fills itself with the standard colours.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "editors/color_entries.h"
#include "editors/modal_choice_box.h"
#include "framework/gdi_objects.h"

class CDC;

// One list entry, allocated by the box and freed with the entry.
struct ColorBoxItem {
  DWORD dwKind;         // npb::kColorEntryPlain, kColorEntryScheme, or kColorEntryColumn | image index
  LONG nValue;          // scheme handle or column number; 0 for a plain colour
  COLORREF colors[4];   // a plain entry's colour in the first
  char szName[24];
};

// Asks the user for a colour starting from `color`; TRUE with the choice in `color` after
// OK. The default runs the system colour dialog; tests install their own.
using ColorDialogFn = BOOL (*)(HWND hOwner, COLORREF& color);
ColorDialogFn SetColorDialog(ColorDialogFn pfnDialog);

// The colour last chosen in the custom colour dialog, shared by every box of the process.
COLORREF GetLastCustomColor();
void SetLastCustomColor(COLORREF color);

// The text line height (height plus external leading) of a font on the screen.
int TextLineHeight(HFONT hFont);

// Draws an entry's swatch in `rect` (a list entry or a row's value field): four small
// boxes for a scheme, the strip image for a column, one box for a plain colour (hollow
// for npb::kNoColor).
void DrawColorSwatch(CDC* pDC, const CRect& rect, DWORD dwKind, const COLORREF (&colors)[4], int nSwatchWidth,
                     HBITMAP hColumnStrip);

// The strip of column images (16 pixels wide each, magenta transparent), loaded once.
HBITMAP ColumnImageStrip();
inline constexpr int kColumnImageWidth = 16;

// The custom entry's choice first runs the custom colour dialog.
class CPBColorBox : public CPBModalChoiceBox {
public:
  // The custom colour command of the box's own context menu.
  static constexpr UINT kCmdCustomColor = 1032;

  CPBColorBox() = default;
  ~CPBColorBox() override;

  // Fills the list from the host: the attribute's schemes when it has a "ThemeHandle", the
  // standard options, and the object's worksheet columns when it has a "ColHandle".
  virtual void FillFromHost(const CString& strAttrName, const CString& strHandle, const CString& strThemeHandle,
                            const CString& strColHandle);
  // Once per box: the 17 standard colours with the module's texts, then "(Custom)".
  void AddStandardColors();
  // Selects the first plain entry of the colour; else gives the custom entry that colour and
  // selects it; else selects the last entry and returns FALSE.
  BOOL SelectColor(COLORREF color);
  // Selects an entry (-1: none) and makes its colour the current one.
  void SelectEntry(int nIndex) override;
  // Widens the dropped list to show the longest name whole.
  void FitDroppedWidth();
  // Appends an entry; its index, or -1.
  int AddEntry(const npb::ColorEntry& entry);

  const ColorBoxItem* GetEntry(int nIndex) const;
  DWORD GetEntryKind(int nIndex) const;
  LONG GetEntryValue(int nIndex) const;
  CString GetSelectedName() const;
  // Index of the first plain entry with this colour, or -1.
  int FindColor(COLORREF color) const;
  // Index of the first entry whose name begins with this character (case-sensitive), or -1.
  int FindFirstChar(char ch) const override;
  int GetCustomIndex() const { return m_nCustomIndex; }
  // The colour of the entry last selected or set.
  COLORREF GetCurrentColor() const { return m_crCurrent; }
  int GetSwatchWidth() const { return m_nSwatchWidth; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  const char* EntryName(int nIndex) const override;
  int ModalEntry() const override;
  // The selection landed on the custom entry while it still shows the last custom colour.
  bool IsModalChoice() const override;
  std::function<void()> AskUser(HWND hOwner, int nEntry) override;
  void OnSelectionNotified() override;

private:
  void LoadColumnStrip();
  void ForgetItem(int nIndex);

  std::vector<std::unique_ptr<ColorBoxItem>> m_items;
  int m_nSwatchWidth = 0;
  int m_nTextHeight = 0;
  HBITMAP m_hColumnStrip = nullptr;  // the module-wide strip; not owned
  int m_nColumnStripHeight = 0;
  int m_nCustomIndex = -1;
  COLORREF m_crCurrent = 0;
  BOOL m_bStandardColorsAdded = FALSE;
};
