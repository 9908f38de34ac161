// CPBColorBox: the owner-drawn drop-down list of a colour row, and of the Edit Text dialog:
// plain colours with their names, colour schemes and worksheet columns, each entry drawn
// with its swatch. The entries come from the host's answers, or from the module's own
// texts when the box fills itself with the standard colours.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "editors/color_entries.h"
#include "framework/gdi_objects.h"
#include "framework/std_controls.h"

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

class CPBColorBox : public CComboBox {
public:
  // Child, vertical scroll, drop-down list, owner-drawn entries without strings.
  static constexpr DWORD kStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE;
  // Commands of the box's own context menu.
  static constexpr UINT kCmdCustomColor = 1032;
  static constexpr UINT kCmdHelp = 1033;

  CPBColorBox() = default;
  ~CPBColorBox() override;

  BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID) { return CComboBox::Create(kStyle, rect, pParentWnd, nID); }

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
  void SelectEntry(int nIndex);
  // Widens the dropped list to show the longest name whole.
  void FitDroppedWidth();
  // Appends an entry; its index, or -1.
  int AddEntry(const npb::ColorEntry& entry);

  const ColorBoxItem* GetEntry(int nIndex) const;
  DWORD GetEntryKind(int nIndex) const;
  LONG GetEntryValue(int nIndex) const;
  CString GetSelectedName() const;
  // Index of the entry with this name (exact, case-sensitive), or -1.
  int FindName(const char* pszName) const;
  // Index of the first plain entry with this colour, or -1.
  int FindColor(COLORREF color) const;
  // Index of the first entry whose name begins with this character (case-sensitive), or -1.
  int FindFirstChar(char ch) const;
  int GetCustomIndex() const { return m_nCustomIndex; }
  // The colour of the entry last selected or set.
  COLORREF GetCurrentColor() const { return m_crCurrent; }
  int GetSwatchWidth() const { return m_nSwatchWidth; }
  void SetHelpContext(DWORD dwContext) { m_dwHelpContext = dwContext; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
  // The selection landed on the custom entry while it still shows the last custom colour.
  bool IsCustomChoice() const;
  // Runs the custom colour dialog for the selected custom entry; after OK the choice is
  // passed on to the owner as an accepted selection and a close-up.
  void RunCustomDialog();
  void NotifyOwner(UINT nCode);
  void LoadColumnStrip();
  void ForgetItem(int nIndex);

  std::vector<std::unique_ptr<ColorBoxItem>> m_items;
  int m_nSwatchWidth = 0;
  int m_nTextHeight = 0;
  HBITMAP m_hColumnStrip = nullptr;  // the module-wide strip; not owned
  int m_nColumnStripHeight = 0;
  int m_nCustomIndex = -1;
  COLORREF m_crCurrent = 0;
  BOOL m_bSelChanged = FALSE;
  BOOL m_bStandardColorsAdded = FALSE;
  DWORD m_dwHelpContext = 0;
  // The entry last accepted, where a cancelled custom dialog leaves the selection.
  int m_nAccepted = -1;
  bool m_bCustomPending = false;  // the dialog is posted or open
  bool m_bPassChoiceOn = false;   // the owner is being told of the dialog's choice
  // Cleared when the box goes; the dialog's caller checks it after the dialog's own loop.
  std::shared_ptr<bool> m_pAlive;
};
