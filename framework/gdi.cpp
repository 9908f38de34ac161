#include "framework/gdi.h"

#include "framework/module_state.h"
#include "framework/wnd.h"

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF cr) {
  if (!lpRect) return;
  COLORREF old = ::SetBkColor(m_hDC, cr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF cr) {
  CRect rect(x, y, x + cx, y + cy);
  FillSolidRect(&rect, cr);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT old{0, 0};
  ::MoveToEx(m_hDC, x, y, &old);
  return CPoint(old);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  if (!lpRect) return;
  const int x = lpRect->left, y = lpRect->top;
  const int cx = lpRect->right - x, cy = lpRect->bottom - y;
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
  SIZE size{0, 0};
  if (lpszString && nCount > 0) ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
  return CSize(size);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  m_hDC = m_hWnd ? ::BeginPaint(m_hWnd, &m_ps) : nullptr;
}

CPaintDC::~CPaintDC() {
  if (m_hWnd) ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }

CClientDC::~CClientDC() {
  if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
}

CMemDC::CMemDC(CDC& dc, const RECT& rect) : m_target(dc), m_rect(rect) {
  m_hDC = ::CreateCompatibleDC(dc);
  if (!m_hDC || !m_bitmap.CreateCompatibleBitmap(dc, m_rect.Width(), m_rect.Height())) return;
  m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap);
  // Coordinates stay those of the target: the bitmap's origin is the rectangle's corner.
  ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
  ::SelectObject(m_hDC, ::GetCurrentObject(dc, OBJ_FONT));
}

CMemDC::~CMemDC() {
  if (!m_hDC) return;
  if (m_hOldBitmap) {
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
  }
  ::DeleteDC(m_hDC);
}

bool CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC) {
  HDC hScreen = hDC ? nullptr : ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(hDC ? hDC : hScreen, LOGPIXELSY);
  if (hScreen) ::ReleaseDC(nullptr, hScreen);
  LOGFONTA lf{};
  lf.lfHeight = -::MulDiv(nPointSize, dpi, 720);
  lf.lfCharSet = DEFAULT_CHARSET;
  if (lpszFaceName) ::lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreateFontIndirect(&lf);
}

bool CBitmap::LoadBitmap(UINT nID) {
  return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID)));
}
