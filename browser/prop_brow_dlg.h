// CPropBrowDlg: the modal "Property Browser". It fetches the page description from the
// host page library, shows the objects in the object tree and the selected object's
// attributes in the property grid, sends the change document on Apply and OK, offers the
// copy and apply style commands on the tree, opens the help file, and keeps its controls
// laid out when resized.
#pragma once

#include <windows.h>

#include "browser/dialog_layout.h"
#include "framework/afxwin.h"
#include "grid/property_grid_ctrl.h"
#include "tree/tree_ctrl_xml.h"

class CPropBrowDlg : public CDialog {
public:
  // Smallest window a border drag may leave, in pixels.
  static constexpr int kMinTrackWidth = 360;
  static constexpr int kMinTrackHeight = 300;
  // The size grip's side, in pixels.
  static constexpr int kSizeGripSize = 12;

  explicit CPropBrowDlg(CWnd* pParentWnd = nullptr);
  ~CPropBrowDlg() override;

  CTreeCtrlXML m_wndTree;
  CStatic m_wndGridFrame;
  CPropertyGridCtrl m_wndGrid;
  // The invocation: the host's page window and the key of the object to select first.
  HWND m_hWndPage = nullptr;
  UINT m_nSelectHandle = 0;
  CString m_strSelectName;
  HTREEITEM m_hStyleSource = nullptr;  // the item whose style was copied
  int m_bFirstSelection = 1;           // the first-selection expansion is still due
  int m_nChunkCount = 0;               // description pieces; sizes the save buffer
  CScrollBar m_wndSizeGrip;
  HICON m_hIcon = nullptr;

  // The button and menu commands, also for callers that drive the dialog directly.
  void OnApply();
  void OnHelp();
  void OnCopyStyles();
  void OnApplyStyles();
  // Enables Apply when the selected object has changes not yet applied.
  void UpdateButtonStates();
  // The tree's context menu for the selected item, its commands enabled as they apply now;
  // false (no menu) when the selected item has no record.
  bool BuildStyleMenu(CMenu& menu);

protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnModalIdle() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void OnContextMenu(CWnd* pWnd, CPoint pos) override;
  void OnSize(UINT nType, int cx, int cy) override;
  void OnSizing(UINT fwSide, LPRECT pRect) override;
  void OnDestroy() override;
  void OnPaint() override;
  HCURSOR OnQueryDragIcon() override;

private:
  void CreateSizeGrip();
  void CreateGrid(const CRect& rectFrame, int nObjectCount);
  bool LoadPageDescription();
  void OnTreeSelChanged();
  // Ends an open in-place edit, taking its value; false, with a beep and the editor kept
  // open, when the row refuses the value.
  bool AcceptOpenEdit();
  // Saves the change document and sends it to the host; false when the save failed.
  bool SaveAndSend();
  // Apply: false, with nothing sent or cleared, when the open editor refuses its value or
  // the save fails.
  bool Apply();
  void RecordLayout();
  void ApplyLayout();
  CRect ChildRect(const CWnd& wnd) const;
  CRect ChildRect(int nID) const;
  void MoveSizeGrip(int cx, int cy);

  npb::BrowserLayout m_layout;
  bool m_bSelecting = false;  // inside our own selection of the preselected item
};
