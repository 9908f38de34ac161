#include "editors/picture_button.h"

#include "framework/gdi.h"

namespace {

// Pressed pictures move this far right and down.
constexpr int kPressedShift = 2;
constexpr int kFocusInset = 2;

CSize BitmapSize(HBITMAP hBitmap) {
  BITMAP bm = {};
  if (!hBitmap || !::GetObjectA(hBitmap, sizeof bm, &bm)) return CSize(0, 0);
  return CSize(bm.bmWidth, bm.bmHeight);
}

}  // namespace

void DrawKeyedBitmap(HDC hDC, int x, int y, int cx, int cy, HBITMAP hBitmap, COLORREF crKey) {
  const CSize size = BitmapSize(hBitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  HDC hMemDC = ::CreateCompatibleDC(hDC);
  {
    CSelectObject select(hMemDC, hBitmap);
    ::TransparentBlt(hDC, x, y, cx, cy, hMemDC, 0, 0, size.cx, size.cy, crKey);
  }
  ::DeleteDC(hMemDC);
}

int ButtonColorClass() {
  static int s_nClass = 0;
  if (s_nClass == 0) {
    const COLORREF white = RGB(255, 255, 255);
    if (::GetSysColor(COLOR_BTNFACE) != white) {
      s_nClass = 4;
    } else {
      s_nClass = ::GetSysColor(COLOR_BTNSHADOW) == white ? 2 : 3;
    }
  }
  return s_nClass;
}

// ---- CPictureButton -------------------------------------------------------------------------

CPictureButton::~CPictureButton() {
  if (m_hBitmap) ::DeleteObject(m_hBitmap);
  if (m_hSecond) ::DeleteObject(m_hSecond);
}

void CPictureButton::SetPicture(HBITMAP hBitmap, COLORREF crKey, HBITMAP hSecond) {
  if (m_hBitmap && m_hBitmap != hBitmap) ::DeleteObject(m_hBitmap);
  if (m_hSecond && m_hSecond != hSecond) ::DeleteObject(m_hSecond);
  m_hBitmap = hBitmap;
  m_hSecond = hSecond;
  m_crKey = crKey;
  if (m_hWnd) Invalidate();
}

BOOL CPictureButton::LoadPicture(HINSTANCE hInstance, UINT nIDResource, COLORREF crKey) {
  HBITMAP hBitmap = ::LoadBitmapA(hInstance, MAKEINTRESOURCEA(nIDResource));
  if (!hBitmap) return FALSE;
  SetPicture(hBitmap, crKey);
  return TRUE;
}

void CPictureButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC dc(lpDIS->hDC);
  CRect rect(lpDIS->rcItem);
  dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  const int nClass = ButtonColorClass();
  const COLORREF clrEdge = ::GetSysColor(nClass == 2 ? COLOR_BTNFACE : COLOR_BTNSHADOW);
  CPen penEdge(PS_SOLID, 1, clrEdge);
  CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  CPen penWhite(PS_SOLID, 1, RGB(255, 255, 255));
  const bool bPressed = (lpDIS->itemState & ODS_SELECTED) || IsHeldDown();
  int nShift = 0;
  if (bPressed) {
    CSelectObject select(dc, penShadow);
    dc.MoveTo(rect.left, rect.bottom - 1);
    dc.LineTo(rect.left, rect.top);
    dc.LineTo(rect.right, rect.top);
    nShift = kPressedShift;
  } else {
    {
      CSelectObject select(dc, penEdge);
      for (int i = 0; i < 2; ++i) {
        dc.MoveTo(rect.left + i, rect.bottom - 1 - i);
        dc.LineTo(rect.right - 1 - i, rect.bottom - 1 - i);
        dc.LineTo(rect.right - 1 - i, rect.top + i - 1);
      }
    }
    CSelectObject select(dc, nClass >= 3 ? penWhite : penEdge);
    for (int i = 0; i < 2; ++i) {
      dc.MoveTo(rect.left + i, rect.bottom - 2 - i);
      dc.LineTo(rect.left + i, rect.top + i);
      dc.LineTo(rect.right - 1 - i, rect.top + i);
    }
  }
  if (m_hBitmap) {
    CSize size = BitmapSize(m_hBitmap);
    ::DPtoLP(dc, reinterpret_cast<POINT*>(&size), 1);
    // The picture is clipped to the face when it is larger than the button.
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(&rect);
    DrawKeyedBitmap(dc, rect.left + (rect.Width() - size.cx) / 2 + nShift,
                    rect.top + (rect.Height() - size.cy) / 2 + nShift, size.cx, size.cy, m_hBitmap, m_crKey);
    dc.RestoreDC(nSaved);
  }
  if (lpDIS->itemState & ODS_FOCUS) {
    CRect rectFocus = rect;
    rectFocus.DeflateRect(kFocusInset, kFocusInset);
    dc.DrawFocusRect(&rectFocus);
  }
}

// ---- toggle and radio ------------------------------------------------------------------------

void CLatchingPictureButton::SetDown(BOOL bDown) {
  m_bDown = bDown;
  if (m_hWnd) Invalidate();
}

void CLatchingPictureButton::OnLButtonDown(UINT nFlags, CPoint point) {
  m_bDown = DownAfterPress(m_bDown);
  CPictureButton::OnLButtonDown(nFlags, point);
}

// A quick second press arrives as a double click; it presses the button all the same.
void CLatchingPictureButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
  m_bDown = DownAfterPress(m_bDown);
  CPictureButton::OnLButtonDblClk(nFlags, point);
}

// ---- CStaticBitmap ---------------------------------------------------------------------------

void CStaticBitmap::SetBitmap(HBITMAP hBitmap, COLORREF crKey, BOOL bRedraw) {
  m_hBitmap = hBitmap;
  const CSize size = BitmapSize(hBitmap);
  m_nWidth = size.cx;
  m_nHeight = size.cy;
  m_crKey = crKey;
  if (bRedraw && m_hWnd) Invalidate();
}

BOOL CStaticBitmap::LoadBitmap(HINSTANCE hInstance, UINT nIDResource, COLORREF crKey) {
  CBitmap bitmap;
  if (!bitmap.Attach(::LoadBitmapA(hInstance, MAKEINTRESOURCEA(nIDResource)))) return FALSE;
  m_loaded = std::move(bitmap);
  SetBitmap(m_loaded, crKey, TRUE);
  return TRUE;
}

void CStaticBitmap::OnPaint() {
  CPaintDC dc(this);
  if (!m_hBitmap) return;
  CRect rect;
  GetClientRect(&rect);
  const int cx = m_nDrawWidth ? m_nDrawWidth : m_nWidth;
  const int cy = m_nDrawHeight ? m_nDrawHeight : m_nHeight;
  DrawKeyedBitmap(dc, rect.Width() / 2 - cx / 2, rect.Height() / 2 - cy / 2, cx, cy, m_hBitmap, m_crKey);
}

BOOL CStaticBitmap::OnEraseBkgnd(CDC* pDC) {
  Default();
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  return TRUE;
}
