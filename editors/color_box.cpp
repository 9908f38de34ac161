#include "editors/color_box.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "module/host_library.h"
#include "framework/afx_string.h"
#include "framework/gdi.h"
#include "tree/row_sources.h"

namespace {

// The strip of column images in the module's bitmaps; magenta shows what lies beneath.
constexpr UINT kIdbColumnStrip = 9000;
constexpr COLORREF kStripKey = RGB(255, 0, 255);
// Entry names start this far right of the swatch.
constexpr int kNameGap = 4;
// Swatch boxes keep this far from the field's left, top and bottom edges.
constexpr int kSwatchInset = 2;

COLORREF g_crLastCustom = 0;

// The custom colours the system dialog offers, kept for the process as a user expects.
COLORREF g_crDialogCustom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                 RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                 RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                 RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

BOOL RunSystemColorDialog(HWND hOwner, COLORREF& color) {
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = hOwner;
  cc.rgbResult = color;
  cc.lpCustColors = g_crDialogCustom;
  cc.Flags = CC_RGBINIT;
  if (!::ChooseColorA(&cc)) return FALSE;
  color = cc.rgbResult;
  return TRUE;
}

ColorDialogFn g_pfnColorDialog = RunSystemColorDialog;

// Measured once per process: every box and row of the module uses the same fonts.
int g_nEntryHeight = 0;

void CopyName(char (&szName)[24], const std::string& name) {
  lstrcpynA(szName, name.c_str(), sizeof szName);
}

}  // namespace

ColorDialogFn SetColorDialog(ColorDialogFn pfnDialog) {
  const ColorDialogFn pfnOld = g_pfnColorDialog;
  g_pfnColorDialog = pfnDialog ? pfnDialog : RunSystemColorDialog;
  return pfnOld;
}

COLORREF GetLastCustomColor() { return g_crLastCustom; }
void SetLastCustomColor(COLORREF color) { g_crLastCustom = color; }

int TextLineHeight(HFONT hFont) {
  HDC hDC = ::GetDC(nullptr);
  CSelectObject font(hDC, hFont ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(hDC, &tm);
  ::ReleaseDC(nullptr, hDC);
  return tm.tmHeight + tm.tmExternalLeading;
}

HBITMAP ColumnImageStrip() {
  // Loaded for the process and never freed: every colour box and row draws from it.
  static CBitmap s_strip;
  if (!s_strip.GetSafeHandle()) s_strip.LoadBitmap(kIdbColumnStrip);
  return s_strip;
}

void DrawColorSwatch(CDC* pDC, const CRect& rect, DWORD dwKind, const COLORREF (&colors)[4], int nSwatchWidth,
                     HBITMAP hColumnStrip) {
  const DWORD dwBase = dwKind & npb::kColorEntryKindMask;
  const int nTop = rect.top + kSwatchInset;
  const int nBottom = rect.bottom - kSwatchInset;
  if (dwBase == npb::kColorEntryColumn) {
    BITMAP bm = {};
    if (!hColumnStrip || !::GetObjectA(hColumnStrip, sizeof bm, &bm)) return;
    CDC memDC(::CreateCompatibleDC(pDC->GetSafeHdc()));
    {
      CSelectObject select(memDC, hColumnStrip);
      const int nImage = static_cast<int>(dwKind & 0xFFFF);
      const int cy = std::min<int>(bm.bmHeight, rect.Height());
      ::TransparentBlt(pDC->GetSafeHdc(), rect.left + kSwatchInset, rect.top + (rect.Height() - cy) / 2,
                       kColumnImageWidth, cy, memDC, nImage * kColumnImageWidth, 0, kColumnImageWidth, cy, kStripKey);
    }
    ::DeleteDC(memDC.Detach());
    return;
  }
  CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
  CSelectObject selectPen(*pDC, pen);
  if (dwBase == npb::kColorEntryScheme) {
    // Quarter-wide boxes, each sharing its left edge with the previous one's right.
    const int nQuarter = std::max(nSwatchWidth / 4, 2);
    for (int i = 0; i < 4; ++i) {
      const int nLeft = rect.left + kSwatchInset + i * (nQuarter - 1);
      CBrush brush(colors[i]);
      CSelectObject selectBrush(*pDC, brush);
      pDC->Rectangle(nLeft, nTop, nLeft + nQuarter, nBottom);
    }
    return;
  }
  CBrush brush;
  if (colors[0] != npb::kNoColor) brush.CreateSolidBrush(colors[0]);
  CSelectObject selectBrush(*pDC, brush.GetSafeHandle() ? static_cast<HGDIOBJ>(brush) : ::GetStockObject(NULL_BRUSH));
  pDC->Rectangle(rect.left + kSwatchInset, nTop, rect.left + nSwatchWidth, nBottom);
}

// ---- CPBColorBox --------------------------------------------------------------------------

CPBColorBox::~CPBColorBox() { DestroyBox(); }

void CPBColorBox::FillFromHost(const CString& strAttrName, const CString& strHandle, const CString& strThemeHandle,
                               const CString& strColHandle) {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const int nObject = npb::ReadAttrInt(strHandle);
  if (!strThemeHandle.IsEmpty()) {
    for (const npb::ColorEntry& entry : npb::ReadSchemeTable(library.GetColorSchemes(strAttrName).c_str())) {
      AddEntry(entry);
    }
  }
  const std::string options = library.GetStandardOptions(nObject, strAttrName, 1);
  for (const npb::ColorEntry& entry : npb::ReadStandardColorOptions(options.c_str(), GetLastCustomColor())) {
    const int nIndex = AddEntry(entry);
    if (entry.bCustom && nIndex >= 0) m_nCustomIndex = nIndex;
  }
  if (!strColHandle.IsEmpty()) {
    LoadColumnStrip();
    for (const npb::ColorEntry& entry : npb::ReadColumnTable(library.GetColumnSchemes(nObject, strAttrName).c_str())) {
      AddEntry(entry);
    }
  }
}

void CPBColorBox::AddStandardColors() {
  if (m_bStandardColorsAdded) return;
  m_bStandardColorsAdded = TRUE;
  for (const npb::StandardColor& standard : npb::kStandardColors) {
    npb::ColorEntry entry;
    CString strName;
    strName.LoadString(standard.nIdsName);
    entry.name = strName.GetString();
    entry.colors[0] = standard.color;
    AddEntry(entry);
  }
  npb::ColorEntry custom;
  CString strCustom;
  strCustom.LoadString(npb::kIdsCustomColor);
  custom.name = strCustom.GetString();
  custom.colors[0] = npb::kNoColor;
  custom.bCustom = true;
  m_nCustomIndex = AddEntry(custom);
}

int CPBColorBox::AddEntry(const npb::ColorEntry& entry) {
  if (!m_hWnd) return -1;
  auto pItem = std::make_unique<ColorBoxItem>();
  pItem->dwKind = entry.kind;
  pItem->nValue = entry.value;
  std::copy(std::begin(entry.colors), std::end(entry.colors), pItem->colors);
  CopyName(pItem->szName, entry.name);
  // Straight to the control's own procedure: the box has nothing to add to an append, and
  // passing every one of a long list through the subclass chain costs more than the list.
  static const WNDPROC s_pfnComboProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(m_hWnd, GCLP_WNDPROC));
  const int nIndex = static_cast<int>(
      ::CallWindowProcA(s_pfnComboProc, m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pItem.get())));
  if (nIndex < 0) return -1;
  m_items.push_back(std::move(pItem));
  return nIndex;
}

void CPBColorBox::FitDroppedWidth() {
  if (!m_hWnd) return;
  FitDroppedWidthTo(std::max(TextLineHeight(GetFont()), kColumnImageWidth));
}

// The items are kept in list order (the list is never sorted and only appended to), so an
// entry is found without asking the control.
const ColorBoxItem* CPBColorBox::GetEntry(int nIndex) const {
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_items.size()) return nullptr;
  return m_items[static_cast<size_t>(nIndex)].get();
}

DWORD CPBColorBox::GetEntryKind(int nIndex) const {
  const ColorBoxItem* pItem = GetEntry(nIndex);
  return pItem ? pItem->dwKind : 0;
}

LONG CPBColorBox::GetEntryValue(int nIndex) const {
  const ColorBoxItem* pItem = GetEntry(nIndex);
  return pItem ? pItem->nValue : 0;
}

CString CPBColorBox::GetSelectedName() const {
  const ColorBoxItem* pItem = GetEntry(GetCurSel());
  return pItem ? CString(pItem->szName) : CString();
}

const char* CPBColorBox::EntryName(int nIndex) const {
  const ColorBoxItem* pItem = GetEntry(nIndex);
  return pItem ? pItem->szName : nullptr;
}

int CPBColorBox::FindColor(COLORREF color) const {
  for (int i = 0, n = m_hWnd ? GetCount() : 0; i < n; ++i) {
    const ColorBoxItem* pItem = GetEntry(i);
    if (pItem && pItem->dwKind == npb::kColorEntryPlain && pItem->colors[0] == color) return i;
  }
  return -1;
}

int CPBColorBox::FindFirstChar(char ch) const {
  for (int i = 0, n = m_hWnd ? GetCount() : 0; i < n; ++i) {
    const ColorBoxItem* pItem = GetEntry(i);
    if (pItem && pItem->szName[0] == ch) return i;
  }
  return -1;
}

void CPBColorBox::SelectEntry(int nIndex) {
  if (!m_hWnd) return;
  CPBModalChoiceBox::SelectEntry(nIndex);
  if (const ColorBoxItem* pItem = GetEntry(nIndex)) m_crCurrent = pItem->colors[0];
}

BOOL CPBColorBox::SelectColor(COLORREF color) {
  if (!m_hWnd) return FALSE;
  const int nIndex = FindColor(color);
  if (nIndex >= 0) {
    SelectEntry(nIndex);
    return TRUE;
  }
  if (ColorBoxItem* pCustom = const_cast<ColorBoxItem*>(GetEntry(m_nCustomIndex))) {
    pCustom->colors[0] = color;
    SetLastCustomColor(color);
    SelectEntry(m_nCustomIndex);
    return TRUE;
  }
  SelectEntry(GetCount() - 1);
  return FALSE;
}

void CPBColorBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  if (g_nEntryHeight == 0) g_nEntryHeight = TextLineHeight(GetFont());
  lpMIS->itemHeight = static_cast<UINT>(g_nEntryHeight);
}

void CPBColorBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  const ColorBoxItem* pItem = lpDIS->itemID == static_cast<UINT>(-1) ? nullptr : GetEntry(static_cast<int>(lpDIS->itemID));
  if (!pItem) return;
  if (m_nTextHeight == 0) m_nTextHeight = TextLineHeight(GetFont());
  if (m_nSwatchWidth == 0) m_nSwatchWidth = std::max(m_nTextHeight, kColumnImageWidth);
  CDC dc(lpDIS->hDC);
  const CRect rect(lpDIS->rcItem);
  CSelectObject font(dc, GetFont());
  PrepareEntry(dc, *lpDIS);
  CRect rectName = rect;
  rectName.left += m_nSwatchWidth + kNameGap;
  const int nLength = static_cast<int>(std::strlen(pItem->szName));
  const int nTextTop = rect.top + (rect.Height() - m_nTextHeight) / 2;
  dc.ExtTextOut(rectName.left, nTextTop, ETO_CLIPPED | ETO_OPAQUE, &rectName, pItem->szName, nLength);
  COLORREF colors[4];
  std::copy(std::begin(pItem->colors), std::end(pItem->colors), colors);
  DrawColorSwatch(&dc, rect, pItem->dwKind, colors, m_nSwatchWidth, m_hColumnStrip);
  if (lpDIS->itemState & ODS_FOCUS) dc.DrawFocusRect(&rect);
}

void CPBColorBox::LoadColumnStrip() {
  m_hColumnStrip = ColumnImageStrip();
  BITMAP bm = {};
  if (m_hColumnStrip && ::GetObjectA(m_hColumnStrip, sizeof bm, &bm)) m_nColumnStripHeight = bm.bmHeight;
}

void CPBColorBox::ForgetItem(int nIndex) {
  if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_items.size()) m_items.erase(m_items.begin() + nIndex);
}

int CPBColorBox::ModalEntry() const { return GetEntry(m_nCustomIndex) ? m_nCustomIndex : -1; }

bool CPBColorBox::IsModalChoice() const {
  const ColorBoxItem* pCustom = GetEntry(m_nCustomIndex);
  return pCustom && GetCurSel() == m_nCustomIndex && pCustom->colors[0] == GetLastCustomColor();
}

std::function<void()> CPBColorBox::AskUser(HWND hOwner, int nEntry) {
  COLORREF color = GetEntry(nEntry)->colors[0];
  if (!g_pfnColorDialog(hOwner, color)) return nullptr;
  return [this, color] {
    SelectColor(color);
    Invalidate();
  };
}

void CPBColorBox::OnSelectionNotified() {
  if (const ColorBoxItem* pItem = GetEntry(GetCurSel())) m_crCurrent = pItem->colors[0];
}

BOOL CPBColorBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!lParam && LOWORD(wParam) == kCmdCustomColor) {
    if (m_nCustomIndex >= 0) {
      SetCurSel(m_nCustomIndex);
      StartModalStep();
    }
    return TRUE;
  }
  return CPBModalChoiceBox::OnCommand(wParam, lParam);
}

LRESULT CPBColorBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_DELETESTRING: {
      const LRESULT result = CPBModalChoiceBox::WindowProc(message, wParam, lParam);
      if (result != CB_ERR) {
        ForgetItem(static_cast<int>(wParam));
        if (static_cast<int>(wParam) == m_nCustomIndex) m_nCustomIndex = -1;
        if (static_cast<int>(wParam) < m_nCustomIndex) --m_nCustomIndex;
      }
      return result;
    }
    case CB_RESETCONTENT: {
      const LRESULT result = CPBModalChoiceBox::WindowProc(message, wParam, lParam);
      m_items.clear();
      m_nCustomIndex = -1;
      m_bStandardColorsAdded = FALSE;
      return result;
    }
    default:
      return CPBModalChoiceBox::WindowProc(message, wParam, lParam);
  }
}
