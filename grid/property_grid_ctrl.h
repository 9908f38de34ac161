// CPropertyGridCtrl: the property grid window. A two-column list of CPropertyGridProperty rows
// (names left, values right) with an optional header, an optional description area at the
// bottom and a vertical scroll bar; rows in their groups or, in alphabetic mode, every leaf row
// sorted by name. The grid owns its top-level rows; a group owns its sub-rows.
//
// One class in several files: property_grid_ctrl.cpp (creation, rows, settings),
// property_grid_layout.cpp (layout, hit test, selection), property_grid_scroll.cpp (scrolling)
// and property_grid_paint.cpp (painting); input in property_grid_input.cpp (mouse, focus),
// property_grid_keys.cpp, property_grid_tab.cpp (Tab, pre-translation),
// property_grid_notify.cpp (editor notifications), property_grid_tracking.cpp (drags) and
// property_grid_place.cpp (the user's place across rebuilds).
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "module/export.h"
#include "framework/afx_string.h"
#include "framework/common_controls.h"
#include "framework/gdi_objects.h"
#include "framework/geometry.h"
#include "framework/runtime_class.h"
#include "framework/std_controls.h"
#include "framework/wnd.h"
#include "grid/property_grid_accessible.h"
#include "grid/property_grid_tooltip.h"
#include "grid/property_row.h"
#include "grid/property_row_host.h"

class CDC;
class CMFCToolBar;
class CRecorder;
class CTreeCtrlXML;

class NPB_EXPORT CPropertyGridCtrl : public CWnd, public CPropertyRowHost {
public:
  // Where a point lies on a row (HitTest).
  enum ClickArea { ClickExpandBox = 0, ClickName = 1, ClickValue = 2, ClickDescription = 3 };

  // Child control ids.
  static constexpr UINT kHeaderId = 1;
  static constexpr UINT kScrollBarId = 2;
  // The class every grid window is created with.
  static constexpr const char* kWindowClass = "Afx:PropList";

  CPropertyGridCtrl();
  ~CPropertyGridCtrl() override;

  static const CRuntimeClass classCPropertyGridCtrl;
  virtual const CRuntimeClass* GetRuntimeClass() const;

  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // The same under a window given by handle, for a host without this module's window classes.
  BOOL Create(DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nID);

  // ---- rows -----------------------------------------------------------------------------
  // Takes ownership; the row's 0-based index, or -1 (nothing taken) when it is already in a grid.
  int AddProperty(CPropertyGridProperty* pProp, BOOL bRedraw = TRUE, BOOL bAdjustLayout = TRUE);
  // Deletes a top-level row or a sub-row at any depth and nulls pProp; FALSE when absent.
  BOOL DeleteProperty(CPropertyGridProperty*& pProp, BOOL bRedraw = TRUE, BOOL bAdjustLayout = TRUE);
  void RemoveAll();
  CPropertyGridProperty* GetProperty(int nIndex) const override;
  int GetPropertyCount() const override { return static_cast<int>(m_lstProps.size()); }
  CPropertyGridProperty* FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems = TRUE) const;
  void ResetOriginalValues(BOOL bRedraw = TRUE);
  void UpdateNBMSummaryInfo(CString strName, CString strValue, CString strDescr, DWORD dwData, BOOL bEnable);
  CString GetSelectedNodeStringFormXML();
  virtual int CompareProps(const CPropertyGridProperty* pProp1, const CPropertyGridProperty* pProp2) const;

  // ---- selection, expansion, editing ------------------------------------------------------
  CPropertyGridProperty* GetCurSel() const override { return m_pSel; }
  void SetCurSel(CPropertyGridProperty* pProp, BOOL bRedraw = TRUE);
  void EnsureVisible(CPropertyGridProperty* pProp, BOOL bExpandParents = FALSE);
  void ExpandAll(BOOL bExpand = TRUE);
  CPropertyGridProperty* HitTest(CPoint pt, ClickArea* pnArea = nullptr, BOOL bPropsOnly = FALSE) const;
  BOOL EditItem(CPropertyGridProperty* pProp, LPPOINT lptClick = nullptr) override;
  virtual BOOL EndEditItem(BOOL bUpdateData = TRUE);
  virtual BOOL ValidateItemData(CPropertyGridProperty* pProp);
  virtual void OnChangeSelection(CPropertyGridProperty* pNewSel, CPropertyGridProperty* pOldSel);
  // An accepted edit changed the row: marks it and tells the owner window.
  void OnPropertyChanged(CPropertyGridProperty* pProp) const override;

  // ---- the user's place (property_grid_place.cpp) -----------------------------------------
  // Open and closed groups, the current row and the scroll position. Rows are known by their
  // index among their siblings, name and data code, so a place outlives the rows it was
  // taken from and can be given to rows built again from the same object.
  struct Place {
    struct Key {
      int nIndex;
      CString strName;
      DWORD_PTR dwData;
    };
    using Path = std::vector<Key>;
    std::vector<std::pair<Path, BOOL>> groups;  // every row with sub-rows, and whether it is open
    Path current;                               // empty: no current row
    int nScrollOffset = 0;
  };
  Place GetPlace() const;
  // Opens and closes the groups found again, scrolls, lays out once and makes the row found
  // again current; what is not found is left as it is. A default Place puts the list at its top.
  void RestorePlace(const Place& place);

  // ---- input (property_grid_input.cpp, _keys, _tab, _notify, _tracking) ------------------
  // Messages the grid posts itself when a spin position changed / a slider drag ended.
  static constexpr UINT kMsgUpdateSpin = 0x465;
  static constexpr UINT kMsgUpdateSlider = 0x466;
  // Presses the current row's button, telling the owner when its value text changed.
  virtual void OnClickButton(CPoint point);
  // Copy, cut, paste and Delete keys to the open in-place window; TRUE when taken.
  virtual BOOL ProcessClipboardAccelerators(UINT nChar);
  // The grid's part of pre-translation: Tab navigation and the keys and clicks meant for
  // an open editor. TRUE consumes the message.
  BOOL PreTranslateInput(MSG* pMsg);
  // True when a press at this time and grid point completes a double-click with the last
  // press on the grid; either way the last press is forgotten.
  BOOL IsSecondClick(DWORD dwTime, CPoint point);
  // Header track notifications and spin changes, for OnNotify; TRUE when taken, with *pResult.
  BOOL OnInputNotify(NMHDR* pNMH, LRESULT* pResult);
  // The private messages above and the row query (grid_query.h), ahead of the typed
  // handlers; TRUE when taken, with *pResult.
  BOOL OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Column divider drag: x from the list's left edge; a negative x ends the drag line.
  void TrackHeader(int nOffset);
  // Description border drag: y in client pixels; INT_MIN ends the drag line.
  void TrackDescr(int nOffset);
  BOOL IsSkipNextTab() const { return m_bSkipNextTab; }

  // ---- layout -----------------------------------------------------------------------------
  void AdjustLayout() override;
  // Scroll position, scrollable rows and rows per page.
  int GetScrollOffset() const { return m_nVertScrollOffset; }
  int GetScrollTotal() const { return m_nVertScrollTotal; }
  int GetScrollPage() const { return m_nVertScrollPage; }
  virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
  // Rows that reach the list now, in display order (layout's by-product; hit test and paint use it).
  int GetTotalItems(BOOL bIncludeHidden = TRUE) const;
  // Called by a row's Reposition for every row it lays out, in display order.
  void OnPropertyPlaced(CPropertyGridProperty* pProp);

  // ---- look and settings ------------------------------------------------------------------
  void EnableHeaderCtrl(BOOL bEnable = TRUE, LPCTSTR lpszLeftColumn = "Property", LPCTSTR lpszRightColumn = "Value");
  BOOL IsHeaderCtrl() const { return m_bHeaderCtrl; }
  void EnableDescriptionArea(BOOL bEnable = TRUE);
  BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
  void SetDescriptionRows(int nDescRows);
  int GetDescriptionRows() const { return m_nDescrRows; }
  int GetDescriptionHeight() const { return m_nDescrHeight; }
  void SetAlphabeticMode(BOOL bSort = TRUE);
  BOOL IsAlphabeticMode() const { return m_bAlphabeticMode; }
  void SetVSDotNetLook(BOOL bSet = TRUE);
  BOOL IsVSDotNetLook() const { return m_bVSDotNetLook; }
  void MarkModifiedProperties(BOOL bMark = TRUE, BOOL bRedraw = TRUE);
  BOOL IsMarkModifiedProperties() const override { return m_bMarkModifiedProperties; }
  void SetGroupNameFullWidth(BOOL bGroupNameFullWidth = TRUE, BOOL bRedraw = TRUE);
  BOOL IsGroupNameFullWidth() const { return m_bGroupNameFullWidth; }
  void SetShowDragContext(BOOL bShowDragContext = TRUE) { m_bShowDragContext = bShowDragContext; }
  BOOL IsShowDragContext() const { return m_bShowDragContext; }
  void AlwaysShowUserToolTip(BOOL bShow = TRUE) { m_bAlwaysShowUserTT = bShow; }
  BOOL IsAlwaysShowUserToolTip() const { return m_bAlwaysShowUserTT; }
  void SetBoolLabels(LPCTSTR lpszTrue, LPCTSTR lpszFalse);
  void SetListDelimiter(char c) { m_cListDelimeter = c; }
  void SetCustomColors(COLORREF clrBackground, COLORREF clrText, COLORREF clrGroupBackground, COLORREF clrGroupText,
                       COLORREF clrDescriptionBackground, COLORREF clrDescriptionText, COLORREF clrLine);
  void GetCustomColors(COLORREF& clrBackground, COLORREF& clrText, COLORREF& clrGroupBackground,
                       COLORREF& clrGroupText, COLORREF& clrDescriptionBackground, COLORREF& clrDescriptionText,
                       COLORREF& clrLine) const;
  COLORREF GetBkColor() const;
  COLORREF GetTextColor() const;
  BOOL DrawControlBarColors() const { return m_bControlBarColors; }
  BOOL IsFocused() const { return m_bFocused; }

  CRect GetListRect() const override { return m_rectList; }
  int GetHeaderHeight() const { return m_nHeaderHeight; }
  int GetRowHeight() const override { return m_nRowHeight; }
  int GetLeftColumnWidth() const override { return m_nLeftColumnWidth; }
  int GetPropertyColumnWidth() const { return m_nLeftColumnWidth; }
  HFONT GetBoldFont() const override { return m_fontBold; }
  HFONT GetGridFont() const override;
  virtual CHeaderCtrl& GetHeaderCtrl() { return m_wndHeader; }

  // Colours of the look as painting resolves them (custom colour, else its fallback).
  COLORREF GetGroupBackgroundColor() const;
  COLORREF GetGroupTextColor() const;
  COLORREF GetLineColor() const;
  COLORREF GetShadowColor() const;
  // The list background brush: the custom one, else the system window brush. Not owned.
  HBRUSH GetBackgroundBrush() const;

  // ---- links set by the browser and the tree ----------------------------------------------
  void SetTreeCtrl(CTreeCtrlXML* pTreeCtrl) { m_pTreeCtrl = pTreeCtrl; }
  CTreeCtrlXML* GetTreeCtrl() const { return m_pTreeCtrl; }
  void SetWndHandle(HWND hWnd) { m_hWndHandle = hWnd; }
  HWND GetWndHandle() const { return m_hWndHandle; }
  void SetObjectCount(int nCount) { m_nObjectCount = nCount; }
  int GetObjectCount() const { return m_nObjectCount; }
  void SetXmlArrayCount(int nCount) { m_nXmlArrayCount = nCount; }
  int GetXmlArrayCount() const { return m_nXmlArrayCount; }
  void SetPBToolBarCtrl(CMFCToolBar* pToolBar) { m_pToolBar = pToolBar; }
  CMFCToolBar* GetPBToolBarCtrl() const { return m_pToolBar; }

  // ---- class-wide recorder link -----------------------------------------------------------
  static void SetRefreshedRecorderPropGrid(CRecorder* pRecorder) { m_pRecorderPB = pRecorder; }
  static CRecorder* GetRecorderPB() { return m_pRecorderPB; }
  static void SetGirdCallback(void (*pfnCallback)()) { m_GridCallBack = pfnCallback; }
  // Asks the host to refresh the recorder pointer; nothing when no callback was set.
  static void RefreshRecorderObject();

  static CRecorder* m_pRecorderPB;
  static void (*m_GridCallBack)();

  // ---- tips (property_grid_tips.cpp) ------------------------------------------------------
  // Shows, moves or hides the in-place tip for the pointer at a client point.
  void TrackToolTip(CPoint point);
  // The ordinary tooltip's text for the tool under a client point; empty when it shows none.
  CString GetToolTipTextAt(CPoint point);
  // The tips' part of message pre-translation: keys and mouse buttons are relayed to the
  // tooltip and hide the in-place tip; a move is relayed and, without a button, tracked.
  void RelayToolTipMessage(MSG* pMsg);
  const CPropertyGridToolTipCtrl& GetInPlaceToolTip() const { return m_IPToolTip; }
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // ---- accessibility (property_grid_accessible.cpp) ---------------------------------------
  // Child id 0 is the grid; any other stands for the row last reported (GetAccProp).
  virtual HRESULT get_accChildCount(long* pcountChildren);
  virtual HRESULT get_accChild(VARIANT varChild, IDispatch** ppdispChild);
  virtual HRESULT get_accName(VARIANT varChild, BSTR* pszName);
  virtual HRESULT get_accValue(VARIANT varChild, BSTR* pszValue);
  virtual HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription);
  virtual HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole);
  virtual HRESULT get_accState(VARIANT varChild, VARIANT* pvarState);
  virtual HRESULT get_accHelp(VARIANT varChild, BSTR* pszHelp);
  virtual HRESULT get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
  virtual HRESULT get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
  virtual HRESULT get_accFocus(VARIANT* pvarChild);
  virtual HRESULT get_accSelection(VARIANT* pvarChildren);
  virtual HRESULT get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
  virtual HRESULT accSelect(long flagsSelect, VARIANT varChild);
  virtual HRESULT accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild);
  virtual HRESULT accHitTest(long xLeft, long yTop, VARIANT* pvarChild);
  // Makes the row the one reported and raises a focus event for it.
  virtual void NotifyAccessibility(CPropertyGridProperty* pProp);
  // On from construction; off, the grid leaves WM_GETOBJECT to the window system.
  void EnableActiveAccessibility(BOOL bEnable = TRUE);
  BOOL IsActiveAccessibility() const { return m_bActiveAccessibility; }
  CPropertyGridProperty* GetAccProp() const { return m_pAccProp; }

  // ---- what rows ask of their grid --------------------------------------------------------
  CPropertyGridCtrl* GetGridCtrl() override { return this; }
  CWnd* GetGridWnd() override { return m_hWnd ? this : nullptr; }
  CWnd* GetParentFrameWnd() override;
  CString GetTrueLabel() const override { return m_strTrue; }
  CString GetFalseLabel() const override { return m_strFalse; }
  char GetListDelimiter() const override { return m_cListDelimeter; }
  int GetEditLeftMargin(BOOL bBold) const override { return bBold ? m_nBoldEditLeftMargin : m_nEditLeftMargin; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PreSubclassWindow() override;
  int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
  void OnDestroy() override;
  void OnSize(UINT nType, int cx, int cy) override;
  void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct) override;
  void OnSetFont(HFONT hFont, BOOL bRedraw) override;
  HFONT OnGetFont() override;
  void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* pDC) override;
  void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) override;
  void OnNcPaint() override;
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT OnGetObject(WPARAM dwFlags, LPARAM lObjId) override;
  // A tool of the ordinary tooltip asks for its text.
  virtual BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  void OnLButtonDblClk(UINT nFlags, CPoint point) override;
  void OnRButtonDown(UINT nFlags, CPoint point) override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
  void OnCancelMode() override;
  void OnSetFocus(CWnd* pOldWnd) override;
  void OnKillFocus(CWnd* pNewWnd) override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  UINT OnGetDlgCode() override;
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  virtual void Init();
  virtual void InitHeader();
  virtual void OnFillBackground(CDC* pDC, CRect rectClient);
  virtual void OnDrawBorder(CDC* pDC);
  virtual void OnDrawList(CDC* pDC);
  virtual void OnDrawDescription(CDC* pDC, CRect rect);
  // Draws one laid-out row; FALSE when the row lies below the list (nothing further is drawn).
  virtual BOOL OnDrawProperty(CDC* pDC, CPropertyGridProperty* pProp) const;

  void CreateBoldFont();
  void CalcEditMargin();
  // Row height of the current font (its text height and the padding).
  int MeasureRowHeight();
  // Moves (and with nShowFlag SWP_SHOWWINDOW shows) a child unless it is placed there already.
  static void PlaceChild(CWnd& child, CRect& rectPlaced, const CRect& rect, UINT nShowFlag);
  void SetScrollSizes();
  void ReposProperties();
  // Brings the tooltip's tools to the cells the last layout laid out.
  void SyncTools();
  // Paints the client area into a device context (the window's off-screen one, or a caller's).
  void DrawClient(CDC& dc, const CRect& rectClient);

private:
  // The input handlers' helpers and key table (property_grid_input.h).
  friend struct GridInput;
  friend struct GridKeys;
  // What the in-place tip would show for a point on a row; an empty text shows nothing.
  struct InPlaceTip {
    CString strText;
    CRect rectCell;
    BOOL bValueTip = FALSE;
    BOOL bRowTip = FALSE;
  };
  InPlaceTip ChooseInPlaceTip(CPropertyGridProperty* pProp, CPoint point);
  // m_pAccProp while it is still one of the grid's rows, else null.
  CPropertyGridProperty* GetAccessibleRow() const;
  void AddTerminalProps(CPropertyGridProperty* pProp, std::vector<CPropertyGridProperty*>& lstLeaves);
  int CountShownSubItems(const CPropertyGridProperty* pProp, BOOL bIncludeHidden) const;
  void SetHeaderItemWidths();
  void SetHeaderItemText(int nItem, LPCTSTR lpszText);
  void RedrawIfWindow();
  void InvalidateRow(const CPropertyGridProperty* pProp, BOOL bToButton);
  // Index in m_lstShownProps of the first row whose bottom reaches below y; the size when none.
  size_t FirstShownBelow(int y) const;
  // Forgets a row about to be deleted: selection, editing and the layout lists.
  void ForgetSubtree(CPropertyGridProperty* pProp);
  void DeleteAllRows();
  void ScrollToOffset(int nOffset);

  CTreeCtrlXML* m_pTreeCtrl = nullptr;
  HWND m_hWndHandle = nullptr;
  int m_nObjectCount = 0;
  int m_nXmlArrayCount = 0;
  CMFCToolBar* m_pToolBar = nullptr;
  CToolTipCtrl m_ToolTip;
  CHeaderCtrl m_wndHeader;
  CPropertyGridToolTipCtrl m_IPToolTip;
  CScrollBar m_wndScrollVert;
  BOOL m_bHeaderCtrl = TRUE;
  BOOL m_bDescriptionArea = FALSE;
  BOOL m_bAlwaysShowUserTT = TRUE;
  BOOL m_bAlphabeticMode = FALSE;
  BOOL m_bVSDotNetLook = FALSE;
  BOOL m_bMarkModifiedProperties = FALSE;
  CString m_strTrue = "True";
  CString m_strFalse = "False";
  char m_cListDelimeter = ',';
  HFONT m_hFont = nullptr;
  CFont m_fontBold;
  CRect m_rectList;
  int m_nDescrHeight = -1;
  int m_nDescrRows = 3;
  int m_nTooltipsCount = 0;
  int m_nEditLeftMargin = 0;
  int m_nBoldEditLeftMargin = 0;
  int m_nHeaderHeight = 0;
  int m_nRowHeight = 0;
  int m_nLeftColumnWidth = 0;
  int m_nVertScrollOffset = 0;
  int m_nVertScrollTotal = 0;
  int m_nVertScrollPage = 0;
  // The font whose text height was last measured, and that height (-1: not measured).
  HFONT m_hMeasuredFont = nullptr;
  int m_nFontHeight = -1;
  // What the layout last gave the header and the scroll bar, which it tells only of changes.
  struct PlacedChildren {
    CRect rectHeader;
    CRect rectScroll;
    bool bHeaderShown = true;
    HFONT hHeaderFont = nullptr;
    int nHeaderWidths[2] = {-1, -1};  // -1: not known (the user may have dragged it)
    int nScrollMax = -1;
    int nScrollPage = -1;
    int nScrollPos = -1;
    UINT nScrollArrows = static_cast<UINT>(-1);
  } m_placed;
  CRect m_rectTrackHeader;
  CRect m_rectTrackDescr;
  BOOL m_bTracking = FALSE;
  BOOL m_bTrackingDescr = FALSE;
  BOOL m_bControlBarColors = TRUE;
  BOOL m_bGroupNameFullWidth = TRUE;
  BOOL m_bShowDragContext = TRUE;
  BOOL m_bFocused = FALSE;
  BOOL m_bSkipNextTab = FALSE;
  // The last left press on the grid itself, for a double-click whose second press lands in
  // the editor that the first one opened.
  DWORD m_dwLastClickTime = 0;
  CPoint m_ptLastClick;
  std::vector<CPropertyGridProperty*> m_lstProps;
  std::vector<CPropertyGridProperty*> m_lstTerminalProps;
  // Every row the last layout gave a rectangle, top to bottom; not owned.
  std::vector<CPropertyGridProperty*> m_lstShownProps;
  // The cells of the tooltip's tools (tool i + 1 covers cell i), and those the layout under
  // way wants.
  std::vector<CRect> m_lstTools;
  std::vector<CRect> m_lstLaidOutTools;
  CPropertyGridProperty* m_pSel = nullptr;
  CPropertyGridProperty* m_pAccProp = nullptr;
  BOOL m_bActiveAccessibility = TRUE;
  COLORREF m_clrBackground = static_cast<COLORREF>(-1);
  COLORREF m_clrText = static_cast<COLORREF>(-1);
  COLORREF m_clrGroupBackground = static_cast<COLORREF>(-1);
  COLORREF m_clrGroupText = static_cast<COLORREF>(-1);
  COLORREF m_clrDescriptionBackground = static_cast<COLORREF>(-1);
  COLORREF m_clrDescriptionText = static_cast<COLORREF>(-1);
  COLORREF m_clrLine = static_cast<COLORREF>(-1);
  CBrush m_brBackground;
  COLORREF m_clrGray = 0;
  // Set while Create runs, so that the creation's own OnCreate (not PreSubclassWindow) runs Init.
  BOOL m_bInCreate = FALSE;
  CPropertyGridAccessibleLink m_accessible;
};
