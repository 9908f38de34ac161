// What a grid row asks of the grid that owns it. CPropertyGridCtrl implements it; rows reach
// their grid only through these operations, so a row can be built, filled and tested without
// a grid window.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/geometry.h"

class CPropertyGridCtrl;
class CPropertyGridProperty;
class CWnd;

class CPropertyRowHost {
public:
  // The grid itself, for editors that need its own operations; null for a stand-in.
  virtual CPropertyGridCtrl* GetGridCtrl() = 0;
  // The grid as a window (child controls, invalidation, focus, capture); null without one.
  virtual CWnd* GetGridWnd() = 0;
  // The frame window above the grid that receives the notebook view messages; may be null.
  virtual CWnd* GetParentFrameWnd() = 0;

  virtual int GetPropertyCount() const = 0;
  virtual CPropertyGridProperty* GetProperty(int nIndex) const = 0;
  virtual CPropertyGridProperty* GetCurSel() const = 0;
  virtual void AdjustLayout() = 0;
  virtual BOOL EditItem(CPropertyGridProperty* pProp, LPPOINT lptClick = nullptr) = 0;
  // An accepted edit changed the row's value.
  virtual void OnPropertyChanged(CPropertyGridProperty* pProp) const = 0;

  virtual CString GetTrueLabel() const = 0;
  virtual CString GetFalseLabel() const = 0;
  virtual char GetListDelimiter() const = 0;
  virtual BOOL IsMarkModifiedProperties() const = 0;
  // The grid's current font (the default GUI font when none is set) and its bold variant.
  virtual HFONT GetGridFont() const = 0;
  virtual HFONT GetBoldFont() const = 0;
  virtual CRect GetListRect() const = 0;
  virtual int GetLeftColumnWidth() const = 0;
  virtual int GetRowHeight() const = 0;
  // Left margin of an edit control in the bold or the normal font.
  virtual int GetEditLeftMargin(BOOL bBold) const = 0;

protected:
  ~CPropertyRowHost() = default;
};
