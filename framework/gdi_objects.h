// GDI object wrappers. The *Handle types only name an object someone else owns; CPen, CBrush,
// CFont and CBitmap own theirs and delete it, so ownership shows in the type.
#pragma once

#include <windows.h>

#include <utility>

// A GDI object handle that is not owned.
template <class H>
class CGdiHandle {
public:
  CGdiHandle() = default;
  CGdiHandle(H h) : m_hObject(h) {}
  H GetSafeHandle() const { return m_hObject; }
  operator H() const { return m_hObject; }
  int GetObject(int nCount, void* pObject) const { return m_hObject ? ::GetObjectA(m_hObject, nCount, pObject) : 0; }

protected:
  H m_hObject = nullptr;
};

// An owned GDI object: deleted with the wrapper, movable, never copied.
template <class H>
class CGdiObject : public CGdiHandle<H> {
public:
  CGdiObject() = default;
  ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  CGdiObject(CGdiObject&& o) noexcept { this->m_hObject = std::exchange(o.m_hObject, nullptr); }
  CGdiObject& operator=(CGdiObject&& o) noexcept {
    if (this != &o) {
      DeleteObject();
      this->m_hObject = std::exchange(o.m_hObject, nullptr);
    }
    return *this;
  }
  // Takes ownership of a handle; false for null.
  bool Attach(H h) {
    DeleteObject();
    this->m_hObject = h;
    return h != nullptr;
  }
  H Detach() { return std::exchange(this->m_hObject, nullptr); }
  bool DeleteObject() {
    if (!this->m_hObject) return false;
    ::DeleteObject(std::exchange(this->m_hObject, nullptr));
    return true;
  }
};

using CPenHandle = CGdiHandle<HPEN>;
using CBrushHandle = CGdiHandle<HBRUSH>;
using CFontHandle = CGdiHandle<HFONT>;
using CBitmapHandle = CGdiHandle<HBITMAP>;
using CRgnHandle = CGdiHandle<HRGN>;

class CPen : public CGdiObject<HPEN> {
public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
  bool CreatePen(int nPenStyle, int nWidth, COLORREF crColor) { return Attach(::CreatePen(nPenStyle, nWidth, crColor)); }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
  bool CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  bool CreateHatchBrush(int nIndex, COLORREF crColor) { return Attach(::CreateHatchBrush(nIndex, crColor)); }
  bool CreatePatternBrush(HBITMAP hBitmap) { return Attach(::CreatePatternBrush(hBitmap)); }
};

class CFont : public CGdiObject<HFONT> {
public:
  bool CreateFontIndirect(const LOGFONTA* lpLogFont) { return lpLogFont && Attach(::CreateFontIndirectA(lpLogFont)); }
  // nPointSize in tenths of a point, converted with the vertical resolution of hDC
  // (the screen's when null).
  bool CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC = nullptr);
  bool GetLogFont(LOGFONTA* pLogFont) const { return GetObject(sizeof(LOGFONTA), pLogFont) != 0; }
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
  // From the bitmap resource nID of the current resource instance.
  bool LoadBitmap(UINT nID);
  bool LoadOEMBitmap(UINT nIDBitmap) {
    return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
  }
  bool CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
  }
  bool GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap) != 0; }
};

class CRgn : public CGdiObject<HRGN> {
public:
  bool CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
  bool CreateRectRgnIndirect(LPCRECT lpRect) { return lpRect && Attach(::CreateRectRgnIndirect(lpRect)); }
};
