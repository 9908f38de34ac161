#include "editors/picture_box.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "module/host_library.h"
#include "editors/color_box.h"
#include "editors/color_entries.h"
#include "framework/gdi.h"
#include "framework/module_state.h"
#include "resources/resource.h"
#include "text/get_text_from_user.h"
#include "tree/row_sources.h"

namespace {

constexpr COLORREF kStripKey = RGB(255, 0, 255);
// The marker colours of the strips, as 32-bit DIB pixels (0x00RRGGBB).
constexpr DWORD kPixelKey = 0x00FF00FF;
constexpr DWORD kPixelInk = 0x00000000;
constexpr DWORD kPixelFill = 0x00FFFFFF;
constexpr DWORD kPixelGap = 0x00808080;
// Names start this far right of the picture.
constexpr int kNameGap = 4;
constexpr int kPictureLeft = 2;
// Legend kinds of a graph whose legend has no styles to choose from.
constexpr int kAttrLegendKind = 1315;
constexpr int kPlainLegendKinds[] = {5, 6};
// The text symbol: its name, the prompt's texts and picture.
constexpr UINT kIdsTextSymbolName = 9036;
constexpr UINT kIdbTextSymbol = 9099;
constexpr int kMaxSymbolText = 255;

// A pixel of a tint colour; a colour equal to the key would vanish, so it is nudged.
DWORD PixelOf(COLORREF color) {
  const DWORD pixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  return pixel == kPixelKey ? 0x00FE00FF : pixel;
}

DWORD PixelOrKey(COLORREF color) { return color == npb::kNoColor ? kPixelKey : PixelOf(color); }

void Recolour(DWORD* pBits, int nCount, const PictureTintColors& tint) {
  using npb::PictureTint;
  if (tint.tint == PictureTint::kNone) return;
  DWORD ink = kPixelInk, fill = kPixelFill, gap = kPixelGap;
  bool bFill = false, bGap = false;
  switch (tint.tint) {
    case PictureTint::kLine: ink = PixelOrKey(tint.line); break;
    case PictureTint::kLineAndGap: ink = PixelOrKey(tint.line); gap = PixelOrKey(tint.gap); bGap = true; break;
    case PictureTint::kFillAndEdge: ink = PixelOrKey(tint.edge); fill = PixelOrKey(tint.fill); bFill = true; break;
    case PictureTint::kFill: ink = PixelOrKey(tint.fill); break;
    case PictureTint::kNone: break;
  }
  for (int i = 0; i < nCount; ++i) {
    const DWORD pixel = pBits[i] & 0x00FFFFFF;
    if (pixel == kPixelInk) pBits[i] = ink;
    else if (bFill && pixel == kPixelFill) pBits[i] = fill;
    else if (bGap && pixel == kPixelGap) pBits[i] = gap;
  }
}

BOOL RunTextPromptDialog(HWND hOwner, CString& strText) {
  CWnd owner;
  owner.Attach(hOwner);
  CGetTextFromUser dialog(hOwner ? &owner : nullptr);
  dialog.SetCaption("Text Symbol");
  dialog.SetPrompt("Please enter the text you wish to use for the symbol:");
  dialog.SetText(strText, kMaxSymbolText);
  dialog.SetBitmap(AfxGetResourceHandle(), kIdbTextSymbol, kStripKey);
  const INT_PTR result = dialog.DoModal();
  owner.Detach();
  if (result != IDOK) return FALSE;
  strText = dialog.GetText();
  return TRUE;
}

SymbolTextPromptFn g_pfnTextPrompt = RunTextPromptDialog;

}  // namespace

CString TextSymbolName(const CString& strText) {
  CString strFormat;
  if (!strFormat.LoadString(kIdsTextSymbolName)) strFormat = "Text '%s'";
  CString strName;
  strName.Format(strFormat.GetString(), strText.GetString());
  return strName;
}

SymbolTextPromptFn SetSymbolTextPrompt(SymbolTextPromptFn pfnPrompt) {
  const SymbolTextPromptFn pfnOld = g_pfnTextPrompt;
  g_pfnTextPrompt = pfnPrompt ? pfnPrompt : RunTextPromptDialog;
  return pfnOld;
}

HBITMAP PictureStrip(UINT nId) {
  // Loaded for the process and never freed: every row and list of the module draws from them.
  static std::map<UINT, HBITMAP> s_strips;
  if (nId == 0) return nullptr;
  auto it = s_strips.find(nId);
  if (it == s_strips.end()) {
    it = s_strips.emplace(nId, ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nId))).first;
  }
  return it->second;
}

int StripPictureCount(HBITMAP hStrip, int nHeight) {
  BITMAP bm = {};
  if (!hStrip || nHeight <= 0 || !::GetObjectA(hStrip, sizeof bm, &bm)) return 0;
  return bm.bmHeight / nHeight;
}

int StripWidth(HBITMAP hStrip) {
  BITMAP bm = {};
  if (!hStrip || !::GetObjectA(hStrip, sizeof bm, &bm)) return 0;
  return bm.bmWidth;
}

void DrawStripPicture(HDC hDC, int x, int y, HBITMAP hStrip, int nIndex, int nHeight, const PictureTintColors& tint) {
  if (nIndex < 0 || nIndex >= StripPictureCount(hStrip, nHeight)) return;
  const int nWidth = StripWidth(hStrip);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = nWidth;
  bi.bmiHeader.biHeight = -nHeight;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* pBits = nullptr;
  HBITMAP hPicture = ::CreateDIBSection(hDC, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
  if (!hPicture || !pBits) {
    if (hPicture) ::DeleteObject(hPicture);
    return;
  }
  HDC hStripDC = ::CreateCompatibleDC(hDC);
  HDC hPictureDC = ::CreateCompatibleDC(hDC);
  {
    CSelectObject selectStrip(hStripDC, hStrip);
    CSelectObject selectPicture(hPictureDC, hPicture);
    ::BitBlt(hPictureDC, 0, 0, nWidth, nHeight, hStripDC, 0, nIndex * nHeight, SRCCOPY);
    ::GdiFlush();
    Recolour(static_cast<DWORD*>(pBits), nWidth * nHeight, tint);
    ::TransparentBlt(hDC, x, y, nWidth, nHeight, hPictureDC, 0, 0, nWidth, nHeight, kStripKey);
  }
  ::DeleteDC(hPictureDC);
  ::DeleteDC(hStripDC);
  ::DeleteObject(hPicture);
}

// ---- CPBPictureBox --------------------------------------------------------------------------

CPBPictureBox::~CPBPictureBox() { DestroyBox(); }

void CPBPictureBox::FillFromHost(const npb::PictureList& list, const CString& strAttrName, const CString& strHandle,
                                 const CString& strThemeHandle, const CString& strColHandle,
                                 const CString& strSymbolText) {
  if (m_bFilled || !m_hWnd) return;
  m_bFilled = TRUE;
  m_list = list;
  m_hStrip = PictureStrip(list.nStrip);
  m_nPictureWidth = StripWidth(m_hStrip);
  const HostPageLibrary& library = HostPageLibrary::Instance();
  const int nObject = npb::ReadAttrInt(strHandle);
  const char* pszAttr = strAttrName.GetString();
  const bool bPattern = std::strcmp(pszAttr, "SDA_PATTERN") == 0;
  if (!strThemeHandle.IsEmpty() && list.nSchemeStrip && !(bPattern && npb::ReadAttrInt(strThemeHandle) < 3)) {
    m_hSchemeStrip = PictureStrip(list.nSchemeStrip);
    m_nPictureWidth = std::max(m_nPictureWidth, StripWidth(m_hSchemeStrip));
    const int nSchemePictures = std::max(1, StripPictureCount(m_hSchemeStrip, list.nSchemeHeight));
    for (const npb::ColorEntry& scheme : npb::ReadSchemeTable(library.GetColorSchemes(pszAttr).c_str())) {
      PictureBoxItem item;
      item.dwKind = npb::kColorEntryScheme | static_cast<DWORD>(m_nSchemes % nSchemePictures);
      item.nValue = scheme.value;
      std::copy(std::begin(scheme.colors), std::end(scheme.colors), item.colors);
      item.name = scheme.name;
      if (AddEntry(std::move(item)) >= 0) ++m_nSchemes;
    }
  }
  // A list holds at most 50 options, or as many as its strip has pictures where that is
  // more (the 59 symbols); options past that are left out.
  const int nMaxOptions = std::max(npb::kMaxStandardOptions, StripPictureCount(m_hStrip, list.nHeight));
  const std::vector<std::string> options =
      npb::ReadOptionNames(library.GetStandardOptions(nObject, pszAttr, 1).c_str(), nMaxOptions);
  for (size_t k = 0; k < options.size(); ++k) {
    PictureBoxItem item;
    item.dwKind = static_cast<DWORD>(k);
    item.nValue = static_cast<LONG>(k);
    item.name = options[k];
    AddEntry(std::move(item));
  }
  if (std::strcmp(pszAttr, "STA_LEGENDSTYLE") == 0) {
    const int nKind = library.GetObjectAttribute(nObject, kAttrLegendKind, nullptr);
    if (std::find(std::begin(kPlainLegendKinds), std::end(kPlainLegendKinds), nKind) != std::end(kPlainLegendKinds)) {
      for (int nIndex : {3, 2, 1}) {
        if (nIndex < GetCount()) DeleteString(static_cast<UINT>(nIndex));
      }
    }
  }
  if (list.rule == npb::PictureValueRule::kShape) {
    PictureBoxItem item;
    item.dwKind = npb::kTextSymbolIndex;
    item.nValue = npb::kTextSymbolIndex;
    item.bTextSymbol = true;
    item.symbolText = strSymbolText.GetString();
    item.name = TextSymbolName(strSymbolText).GetString();
    AddEntry(std::move(item));
  }
  m_nStandardEnd = GetCount();
  if (!strColHandle.IsEmpty()) {
    for (const npb::ColorEntry& column : npb::ReadColumnTable(library.GetColumnSchemes(nObject, pszAttr).c_str())) {
      PictureBoxItem item;
      item.dwKind = column.kind;
      item.nValue = column.value;
      std::copy(std::begin(column.colors), std::end(column.colors), item.colors);
      item.name = column.name;
      AddEntry(std::move(item));
    }
  }
}

int CPBPictureBox::AddEntry(PictureBoxItem item) {
  if (!m_hWnd) return -1;
  auto pItem = std::make_unique<PictureBoxItem>(std::move(item));
  const int nIndex = static_cast<int>(
      CComboBox::WindowProc(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pItem.get())));
  if (nIndex < 0) return -1;
  m_items.push_back(std::move(pItem));
  return nIndex;
}

void CPBPictureBox::SetTint(const PictureTintColors& tint, BOOL bRedraw) {
  m_tint = tint;
  if (bRedraw && m_hWnd) Invalidate();
}

void CPBPictureBox::SetLineColor(COLORREF color, BOOL bRedraw) {
  m_tint.line = color;
  if (bRedraw && m_hWnd) Invalidate();
}

void CPBPictureBox::SetGapColor(COLORREF color, BOOL bRedraw) {
  m_tint.gap = color;
  if (bRedraw && m_hWnd) Invalidate();
}

void CPBPictureBox::FitDroppedWidth() { FitDroppedWidthTo(std::max(m_nPictureWidth, kColumnImageWidth) + kPictureLeft); }

const PictureBoxItem* CPBPictureBox::GetEntry(int nIndex) const {
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_items.size()) return nullptr;
  return m_items[static_cast<size_t>(nIndex)].get();
}

int CPBPictureBox::GetTextSymbolIndex() const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (m_items[i]->bTextSymbol) return static_cast<int>(i);
  }
  return -1;
}

const char* CPBPictureBox::EntryName(int nIndex) const {
  const PictureBoxItem* pItem = GetEntry(nIndex);
  return pItem ? pItem->name.c_str() : nullptr;
}

int CPBPictureBox::FindPicture(int nPicture) const {
  for (int i = m_nSchemes; i < m_nStandardEnd && nPicture >= 0; ++i) {
    const PictureBoxItem* pItem = GetEntry(i);
    if (pItem && static_cast<int>(pItem->dwKind & 0xFFFF) == nPicture && !(pItem->dwKind & npb::kColorEntryKindMask)) {
      return i;
    }
  }
  return -1;
}

int CPBPictureBox::FindColumn(LONG nColumn) const {
  for (int i = m_nStandardEnd; i < static_cast<int>(m_items.size()); ++i) {
    if (m_items[static_cast<size_t>(i)]->nValue == nColumn) return i;
  }
  return -1;
}

int CPBPictureBox::FindFirstChar(char ch) const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (!m_items[i]->name.empty() && m_items[i]->name[0] == ch) return static_cast<int>(i);
  }
  return -1;
}

void CPBPictureBox::SetSymbolText(const CString& strText) {
  const int nIndex = GetTextSymbolIndex();
  if (nIndex < 0) return;
  PictureBoxItem& item = *m_items[static_cast<size_t>(nIndex)];
  item.symbolText = strText.GetString();
  item.name = TextSymbolName(strText).GetString();
  if (m_hWnd) Invalidate();
}

void CPBPictureBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  if (m_nTextHeight == 0) m_nTextHeight = TextLineHeight(GetFont());
  int nHeight = m_nTextHeight;
  if (const PictureBoxItem* pItem = GetEntry(static_cast<int>(lpMIS->itemID))) {
    const DWORD dwBase = pItem->dwKind & npb::kColorEntryKindMask;
    const int nPicture = dwBase == npb::kColorEntryScheme   ? m_list.nSchemeHeight
                         : dwBase == npb::kColorEntryColumn ? kColumnImageWidth
                                                            : m_list.nHeight;
    nHeight = std::max(nHeight, nPicture + 2);
  }
  lpMIS->itemHeight = static_cast<UINT>(nHeight);
}

void CPBPictureBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  const PictureBoxItem* pItem =
      lpDIS->itemID == static_cast<UINT>(-1) ? nullptr : GetEntry(static_cast<int>(lpDIS->itemID));
  if (!pItem) return;
  if (m_nTextHeight == 0) m_nTextHeight = TextLineHeight(GetFont());
  CDC dc(lpDIS->hDC);
  const CRect rect(lpDIS->rcItem);
  CSelectObject font(dc, GetFont());
  PrepareEntry(dc, *lpDIS);

  // The picture and the name are centred against each other.
  const DWORD dwBase = pItem->dwKind & npb::kColorEntryKindMask;
  const int nIndex = static_cast<int>(pItem->dwKind & 0xFFFF);
  int nPictureHeight = m_list.nHeight;
  if (dwBase == npb::kColorEntryScheme) nPictureHeight = m_list.nSchemeHeight;
  if (dwBase == npb::kColorEntryColumn) nPictureHeight = kColumnImageWidth;
  const int nTallest = std::max(nPictureHeight, m_nTextHeight);
  const int nTop = rect.top + (rect.Height() - nTallest) / 2;
  const int nPictureTop = nTop + (nTallest - nPictureHeight) / 2;
  if (dwBase == npb::kColorEntryScheme) {
    DrawStripPicture(dc, rect.left + kPictureLeft, nPictureTop, m_hSchemeStrip, nIndex, m_list.nSchemeHeight, m_tint);
  } else if (dwBase == npb::kColorEntryColumn) {
    COLORREF colors[4];
    std::copy(std::begin(pItem->colors), std::end(pItem->colors), colors);
    DrawColorSwatch(&dc, CRect(rect.left, nPictureTop - 2, rect.right, nPictureTop + kColumnImageWidth + 2),
                    pItem->dwKind, colors, kColumnImageWidth, ColumnImageStrip());
  } else {
    DrawStripPicture(dc, rect.left + kPictureLeft, nPictureTop, m_hStrip, nIndex, m_list.nHeight, m_tint);
  }
  CRect rectName = rect;
  rectName.left += kPictureLeft + std::max(m_nPictureWidth, kColumnImageWidth) + kNameGap;
  const int nTextTop = nTop + (nTallest - m_nTextHeight) / 2;
  dc.ExtTextOut(rectName.left, nTextTop, ETO_CLIPPED | ETO_OPAQUE, &rectName, pItem->name.c_str(),
                static_cast<int>(pItem->name.size()));
  if (lpDIS->itemState & ODS_FOCUS) dc.DrawFocusRect(&rect);
}

bool CPBPictureBox::IsModalChoice() const {
  const PictureBoxItem* pItem = GetEntry(GetCurSel());
  return pItem && pItem->bTextSymbol && pItem->symbolText.empty();
}

std::function<void()> CPBPictureBox::AskUser(HWND hOwner, int nEntry) {
  CString strText(GetEntry(nEntry)->symbolText.c_str());
  if (!g_pfnTextPrompt(hOwner, strText)) return nullptr;
  return [this, strText, nEntry] {
    SetSymbolText(strText);
    SelectEntry(nEntry);
  };
}

LRESULT CPBPictureBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_DELETESTRING: {
      const LRESULT result = CPBModalChoiceBox::WindowProc(message, wParam, lParam);
      if (result != CB_ERR && wParam < m_items.size()) m_items.erase(m_items.begin() + static_cast<long>(wParam));
      return result;
    }
    case CB_RESETCONTENT: {
      const LRESULT result = CPBModalChoiceBox::WindowProc(message, wParam, lParam);
      m_items.clear();
      m_nSchemes = m_nStandardEnd = 0;
      return result;
    }
    default:
      return CPBModalChoiceBox::WindowProc(message, wParam, lParam);
  }
}
