// What the grid's input handlers share: hot zones, row navigation and the key table. Internal
// to the grid's input files; a friend of CPropertyGridCtrl.
#pragma once

#include <vector>

#include "sdk/grid_query.h"
#include "grid/property_grid_ctrl.h"

struct GridInput {
  // A point this close to the divider or the description border is on it.
  static constexpr int kHotZone = 3;
  // The description border lies this far below the list.
  static constexpr int kDescrBorderGap = 4;
  // The name column never comes closer than this to the scroll bar.
  static constexpr int kColumnMargin = 5;

  static int DividerX(const CPropertyGridCtrl& g) { return g.m_rectList.left + g.m_nLeftColumnWidth; }
  static bool OnDivider(const CPropertyGridCtrl& g, CPoint pt);
  // Only while the description area is shown.
  static bool OnDescrBorder(const CPropertyGridCtrl& g, CPoint pt);
  static CRect ClientRect(const CPropertyGridCtrl& g);
  // max(x, row height), never past the client width less the scroll bar and the margin.
  static int ClampColumnWidth(const CPropertyGridCtrl& g, int x);
  // Stores the name column width, sets the header items and lays the rows out again.
  static void SetColumnWidth(CPropertyGridCtrl& g, int nWidth);

  // The laid-out row at a point, wherever it lies (the list bounds do not matter).
  static CPropertyGridProperty* RowAt(const CPropertyGridCtrl& g, CPoint pt);
  static CPropertyGridProperty* FirstRow(const CPropertyGridCtrl& g);
  static CPropertyGridProperty* LastRow(const CPropertyGridCtrl& g);
  // Makes a row current and visible; nothing when the open editor refuses its value.
  static bool MoveTo(CPropertyGridCtrl& g, CPropertyGridProperty* pProp);
  static void ToggleExpansion(CPropertyGridCtrl& g, CPropertyGridProperty* pProp, BOOL bExpand);
  // The current row while it is enabled and its editor is open; else null.
  static CPropertyGridProperty* EditedRow(const CPropertyGridCtrl& g);
  // Puts the mouse pointer one pixel inside a row's top-left corner.
  static void PointAtRow(const CPropertyGridCtrl& g, const CPropertyGridProperty* pProp);
  // Where the grid's keyboard focus goes when it leaves the grid and its editors.
  static void LoseFocus(CPropertyGridCtrl& g, CWnd* pNewWnd);

  // Tab navigation (property_grid_tab.cpp): the last top-level row, the list Tab walks,
  // and the row Tab starts from.
  static CPropertyGridProperty* LastTopRow(const CPropertyGridCtrl& g);
  static std::vector<CPropertyGridProperty*> TabList(const CPropertyGridCtrl& g);
  static CPropertyGridProperty* DescendFrom(CPropertyGridProperty* pProp);
  static bool OnTabReleased(CPropertyGridCtrl& g, bool bShift);

  // The key table (property_grid_keys.cpp); false lets the default handling have the key.
  static bool HandleKey(CPropertyGridCtrl& g, UINT nChar);

  // Notifications of the in-place controls (property_grid_notify.cpp; the focus ones in
  // property_grid_input.cpp).
  static void OnEditKillFocus(CPropertyGridCtrl& g);
  static void OnComboKillFocus(CPropertyGridCtrl& g);
  static void OnSelectCombo(CPropertyGridCtrl& g);
  static void OnCloseCombo(CPropertyGridCtrl& g);
  static void OnEditChange(CPropertyGridCtrl& g);
  static void OnUpdateSpin(CPropertyGridCtrl& g);
  static void OnUpdateSlider(CPropertyGridCtrl& g);

  // Header notifications (property_grid_tracking.cpp).
  static void OnHeaderItemChanged(CPropertyGridCtrl& g, const NMHEADERA& nm);
  static void OnHeaderTrack(CPropertyGridCtrl& g, const NMHEADERA& nm);
  static void OnHeaderEndTrack(CPropertyGridCtrl& g);
  // Ends either drag at a point (button release), or without one (cancel).
  static void EndTrackHeader(CPropertyGridCtrl& g, int x);
  static void EndTrackDescr(CPropertyGridCtrl& g, int y);
  static void CancelTracking(CPropertyGridCtrl& g);

  // The answer to the row query message (grid_query.h).
  static int AnswerRowQuery(CPropertyGridCtrl& g, int nIndex, npb::GridRowQuery* pQuery);
};
