// Small owner-drawn controls that show a bitmap instead of text: a push button, its toggle
// and radio variants that stay down, and a static picture. The owning dialog sets their
// bitmaps and releases the other radio buttons of a group.
#pragma once

#include <windows.h>

#include "framework/gdi_objects.h"
#include "framework/std_controls.h"

// Draws `hBitmap` (its whole size, or stretched to cx, cy) at x, y leaving out `crKey`.
void DrawKeyedBitmap(HDC hDC, int x, int y, int cx, int cy, HBITMAP hBitmap, COLORREF crKey);

// Screen colour class, measured once: 4 when the button face is not white; else 2 when
// the shadow is white too, else 3.
int ButtonColorClass();

class CPictureButton : public CButton {
public:
  CPictureButton() = default;
  ~CPictureButton() override;

  // Takes ownership of the bitmaps (either may be null); the key colour is left out.
  void SetPicture(HBITMAP hBitmap, COLORREF crKey, HBITMAP hSecond = nullptr);
  // Loads a bitmap resource as the picture; FALSE when there is none.
  BOOL LoadPicture(HINSTANCE hInstance, UINT nIDResource, COLORREF crKey);
  HBITMAP GetPicture() const { return m_hBitmap; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
  // The face is drawn pressed while this is TRUE, whatever the button's own state.
  virtual BOOL IsHeldDown() const { return FALSE; }

private:
  HBITMAP m_hBitmap = nullptr;
  HBITMAP m_hSecond = nullptr;
  COLORREF m_crKey = 0;
  DWORD m_dwReserved = 0;
};

// A button that keeps a down state of its own, which a press changes.
class CLatchingPictureButton : public CPictureButton {
public:
  BOOL IsDown() const { return m_bDown; }
  void SetDown(BOOL bDown);

protected:
  // The down state after a press of a button that was `bDown`.
  virtual BOOL DownAfterPress(BOOL bDown) const = 0;
  BOOL IsHeldDown() const override { return m_bDown; }
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnLButtonDblClk(UINT nFlags, CPoint point) override;

private:
  BOOL m_bDown = FALSE;
};

// Stays down until pressed again.
class CTogglePictureButton : public CLatchingPictureButton {
protected:
  BOOL DownAfterPress(BOOL bDown) const override { return !bDown; }
};

// Stays down once pressed; the dialog releases the others of its group.
class CRadioPictureButton : public CLatchingPictureButton {
protected:
  BOOL DownAfterPress(BOOL) const override { return TRUE; }
};

// A static control that draws a bitmap centred in itself, its key colour left out.
class CStaticBitmap : public CStatic {
public:
  // Does not take ownership of hBitmap.
  void SetBitmap(HBITMAP hBitmap, COLORREF crKey, BOOL bRedraw = TRUE);
  // Loads a bitmap resource, kept for the control's life, and shows it.
  BOOL LoadBitmap(HINSTANCE hInstance, UINT nIDResource, COLORREF crKey);
  // 0 for either draws the bitmap at its own size.
  void SetDrawSize(int cx, int cy) { m_nDrawWidth = cx; m_nDrawHeight = cy; }
  HBITMAP GetBitmap() const { return m_hBitmap; }
  CSize GetBitmapSize() const { return CSize(m_nWidth, m_nHeight); }

protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* pDC) override;

private:
  HBITMAP m_hBitmap = nullptr;
  COLORREF m_crKey = 0;
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nDrawWidth = 0;
  int m_nDrawHeight = 0;
  CBitmap m_loaded;
};
