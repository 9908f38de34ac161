// Device contexts. CDC only wraps an HDC someone else owns; CPaintDC, CClientDC and CMemDC
// own theirs for their scope. CSelectObject restores the previous object on the way out.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/gdi_objects.h"
#include "framework/geometry.h"

class CWnd;

class CDC {
public:
  CDC() = default;
  explicit CDC(HDC hDC) : m_hDC(hDC) {}
  virtual ~CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  void Attach(HDC hDC) { m_hDC = hDC; }
  HDC Detach() { HDC h = m_hDC; m_hDC = nullptr; return h; }

  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  HGDIOBJ SelectStockObject(int nIndex) { return ::SelectObject(m_hDC, ::GetStockObject(nIndex)); }
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

  COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
  int SetROP2(int nMode) { return ::SetROP2(m_hDC, nMode); }

  // Fills with a colour without a brush; the background colour is left as it was.
  void FillSolidRect(LPCRECT lpRect, COLORREF cr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF cr);
  void FillRect(LPCRECT lpRect, HBRUSH hBrush) { ::FillRect(m_hDC, lpRect, hBrush); }
  void FrameRect(LPCRECT lpRect, HBRUSH hBrush) { ::FrameRect(m_hDC, lpRect, hBrush); }
  void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
  BOOL PatBlt(int x, int y, int cx, int cy, DWORD dwRop) { return ::PatBlt(m_hDC, x, y, cx, cy, dwRop); }
  BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
  BOOL Rectangle(LPCRECT lpRect) { return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  BOOL Ellipse(LPCRECT lpRect) { return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
  BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
  COLORREF SetPixel(int x, int y, COLORREF cr) { return ::SetPixel(m_hDC, x, y, cr); }
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  // Top-left and bottom-right edges in two colours, one pixel wide.
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags); }
  void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) { return ::DrawFrameControl(m_hDC, lpRect, nType, nState); }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
  BOOL DrawIconEx(int x, int y, HICON hIcon, int cx, int cy, UINT flags = DI_NORMAL) {
    return ::DrawIconEx(m_hDC, x, y, hIcon, cx, cy, 0, nullptr, flags);
  }
  BOOL BitBlt(int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, cx, cy, hSrc, xSrc, ySrc, dwRop);
  }
  BOOL StretchBlt(int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc, int cySrc, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, cx, cy, hSrc, xSrc, ySrc, cxSrc, cySrc, dwRop);
  }

  int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
  }
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
  }
  BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) { return ::TextOutA(m_hDC, x, y, lpszString, nCount); }
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str.GetString(), str.GetLength()); }
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, const INT* lpDxWidths = nullptr) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
  }
  CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str.GetString(), str.GetLength()); }
  BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const { return ::GetTextMetricsA(m_hDC, lpMetrics); }

  int IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
  int IntersectClipRect(LPCRECT lpRect) { return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  int ExcludeClipRect(LPCRECT lpRect) { return ::ExcludeClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  // Null removes the clip region.
  int SelectClipRgn(HRGN hRgn) { return ::SelectClipRgn(m_hDC, hRgn); }
  int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

private:
  HWND m_hWnd;
};

// GetDC/ReleaseDC of a window's client area.
class CClientDC : public CDC {
public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

private:
  HWND m_hWnd;
};

// An off-screen DC over a rectangle of a target DC: drawing goes to a compatible bitmap that
// is copied to the target when the object goes out of scope, so painting does not flicker.
class CMemDC : public CDC {
public:
  CMemDC(CDC& dc, const RECT& rect);
  ~CMemDC() override;
  CDC& GetDC() { return *this; }

private:
  CDC& m_target;
  CRect m_rect;
  CBitmap m_bitmap;
  HGDIOBJ m_hOldBitmap = nullptr;
};

// Selects an object into a DC for its scope and puts the previous one back.
class CSelectObject {
public:
  CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(hObject ? ::SelectObject(hDC, hObject) : nullptr) {}
  ~CSelectObject() { if (m_hOld) ::SelectObject(m_hDC, m_hOld); }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};
