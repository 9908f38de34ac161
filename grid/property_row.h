// CPropertyGridProperty: one row of the property grid, a named variant value with its
// original value, data code, options, sub-rows, flags and the XML element of the object
// whose attribute it shows. Plain rows show read-only or free-text values; every editor
// row derives from it and overrides some of the virtual operations.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/afx_string.h"
#include "framework/geometry.h"
#include "framework/runtime_class.h"
#include "grid/property_row_host.h"
#include "grid/variant_value.h"

class CComboBox;
class CDC;
class CMFCPropertyGridProperty;
class CPropertyGridCtrl;
class CSliderCtrl;
class CSpinButtonCtrl;
class CWnd;
class TiXmlElement;
class TiXmlNode;

// Row flags.
#define AFX_PROP_HAS_LIST 0x0001
#define AFX_PROP_HAS_BUTTON 0x0002
#define AFX_PROP_HAS_SPIN 0x0004
#define PROP_HAS_SLIDER 0x0100

class CPropertyGridProperty {
public:
  // Data codes of the notebook object browser rows.
  enum : DWORD {
    kDataButtonRow = 9009,      // read-only, its button notifies the frame (0x62B)
    kDataNotifyFirst = 9012,    // a changed value is sent to the frame (0x62F)
    kDataNotifySecond = 9013,
    kDataReadOnly = 9014,
  };
  // Messages to the grid's parent frame.
  static constexpr UINT kMsgButtonClicked = 0x62B;
  static constexpr UINT kMsgValueChanged = 0x62F;

  // A value row.
  CPropertyGridProperty(const CString& strName, const COleVariant& varValue, LPCTSTR lpszDescr = nullptr,
                        DWORD_PTR dwData = 0, LPCTSTR lpszEditMask = nullptr, LPCTSTR lpszEditTemplate = nullptr,
                        LPCTSTR lpszValidChars = nullptr);
  // A value row on an object's element (editor rows).
  CPropertyGridProperty(const CString& strName, const COleVariant& varValue, TiXmlNode* pNode, LPCTSTR lpszDescr,
                        DWORD_PTR dwData, LPCTSTR lpszEditMask, LPCTSTR lpszEditTemplate, LPCTSTR lpszValidChars);
  // A group row.
  explicit CPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData = 0, BOOL bIsValueList = FALSE);
  // An object's group row: also sets the per-object state attributes on the element.
  CPropertyGridProperty(const CString& strGroupName, TiXmlNode* pNode, DWORD_PTR dwData, BOOL bIsValueList);

  CPropertyGridProperty(const CPropertyGridProperty&) = delete;
  CPropertyGridProperty& operator=(const CPropertyGridProperty&) = delete;

  static const CRuntimeClass classCPropertyGridProperty;

  // Virtual operations in their fixed slot order; a subclass adds new ones only after the
  // last. The drawing operations live in property_row_paint.cpp.
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual ~CPropertyGridProperty();
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const;
  virtual void Dump(CDumpContext& dc) const;
  virtual void ResetOriginalValue();
  virtual void OnDrawName(CDC* pDC, CRect rect);
  virtual void OnDrawValue(CDC* pDC, CRect rect);
  virtual void OnDrawExpandBox(CDC* pDC, CRect rect);
  virtual void OnDrawButton(CDC* pDC, CRect rect);
  virtual void OnDrawDescription(CDC* pDC, CRect rect);
  virtual CString FormatProperty();
  virtual BOOL OnUpdateValue();
  virtual BOOL OnEdit(LPPOINT lptClick);
  virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat);
  virtual CSpinButtonCtrl* CreateSpinControl(CRect rectSpin);
  virtual BOOL OnEndEdit();
  virtual void OnClickButton(CPoint point);
  virtual BOOL OnClickValue(UINT uiMsg, CPoint point);
  virtual BOOL OnDblClk(CPoint point);
  virtual void OnSelectCombo();
  virtual void OnCloseCombo();
  virtual BOOL OnSetCursor() const;
  virtual BOOL PushChar(UINT nChar);
  virtual CString GetNameTooltip();
  virtual CString GetValueTooltip();
  virtual void OnClickName(CPoint point);
  virtual void OnRClickName(CPoint point);
  virtual void OnRClickValue(CPoint point, BOOL bSelChanged);
  virtual void OnPosSizeChanged(CRect rectOld);
  virtual void OnSetSelection(CMFCPropertyGridProperty* pOldSel);
  virtual void OnKillSelection(CMFCPropertyGridProperty* pNewSel);
  virtual void AdjustButtonRect();
  virtual void AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin);
  // Colours of the in-place edit; null lets the default colours apply.
  virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor);
  virtual CComboBox* CreateCombo(CWnd* pWndParent, CRect rect);
  virtual void OnDestroyWindow();
  virtual BOOL OnKillFocus(CWnd* pNewWnd);
  virtual BOOL OnEditKillFocus();
  virtual BOOL HasButton() const;
  virtual BOOL IsProcessFirstClick() const;
  virtual BOOL HasValueField() const;
  virtual BOOL TextToVar(const CString& strText);
  virtual BOOL IsValueChanged() const;
  virtual BOOL OnActivateByTab();
  virtual BOOL OnRotateListValue(BOOL bForward);
  virtual const COleVariant& GetValue() const;
  virtual void SetValue(const COleVariant& varValue);
  virtual BOOL IsSelected() const;
  virtual void OnEditTextChanged(BOOL bChanged);
  virtual CSliderCtrl* CreateSliderCtrl(CRect rectSlider);
  virtual void OnSetSelection(CPropertyGridProperty* pOldSel);
  virtual void OnKillSelection(CPropertyGridProperty* pNewSel);
  virtual void AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin, CRect& rectSlider);

  // Sub-rows. The row owns what it accepts.
  BOOL AddSubItem(CPropertyGridProperty* pProp);
  // Takes a row out of this row's subtree; deletes it (and nulls pProp) when bDelete, else
  // hands it back unowned, without parent or grid. FALSE when it is not there.
  BOOL RemoveSubItem(CPropertyGridProperty*& pProp, BOOL bDelete = TRUE);
  CPropertyGridProperty* GetSubItem(int nIndex) const;
  int GetSubItemsCount() const { return static_cast<int>(m_lstSubItems.size()); }
  BOOL IsSubItem(const CPropertyGridProperty* pProp) const;
  CPropertyGridProperty* FindSubItemByData(DWORD_PTR dwData) const;
  CPropertyGridProperty* GetParent() const { return m_pParent; }
  int GetHierarchyLevel() const;

  // The owning grid, set on the row and all its descendants.
  void SetOwnerList(CPropertyRowHost* pWndList);
  CPropertyRowHost* GetOwnerHost() const { return m_pWndList; }
  CPropertyGridCtrl* GetOwnerList() const { return m_pWndList ? m_pWndList->GetGridCtrl() : nullptr; }

  // Options of the drop-down list; an option already present is not added twice when
  // bInsertUnique. Returns FALSE when nothing was added.
  BOOL AddOption(LPCTSTR lpszOption, BOOL bInsertUnique = TRUE);
  void RemoveAllOptions() { m_lstOptions.clear(); }
  int GetOptionCount() const { return static_cast<int>(m_lstOptions.size()); }
  LPCTSTR GetOption(int nIndex) const;

  void Expand(BOOL bExpand = TRUE) { m_bExpanded = bExpand; }
  void ExpandDeep(BOOL bExpand = TRUE);
  BOOL IsExpanded() const { return m_bExpanded; }
  BOOL IsParentExpanded() const;

  void Enable(BOOL bEnable = TRUE);
  BOOL IsEnabled() const { return m_bEnabled; }
  void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }
  BOOL IsAllowEdit() const { return m_bAllowEdit; }
  void Show(BOOL bShow = TRUE, BOOL bAdjustLayout = TRUE);
  BOOL IsVisible() const { return m_bIsVisible; }
  void EnableSpinControl(BOOL bEnable = TRUE, int nMin = 0, int nMax = 0);
  void EnableSliderControl(BOOL bEnable = TRUE);

  void SetOriginalValue(const COleVariant& varValue);
  const COleVariant& GetOriginalValue() const { return m_varValueOrig; }
  void SetModifiedFlag();
  BOOL IsModified() const { return m_bIsModified; }
  void Redraw();
  // Lays the row (and its sub-rows) out from y down in its grid; y ends below the last shown row.
  void Reposition(int& y);

  const CString& GetName() const { return m_strName; }
  void SetName(LPCTSTR lpszName) { m_strName = lpszName; }
  const CString& GetDescription() const { return m_strDescr; }
  void SetDescription(LPCTSTR lpszDescr) { m_strDescr = lpszDescr; }
  DWORD_PTR GetData() const { return m_dwData; }
  void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
  DWORD GetFlags() const { return m_dwFlags; }
  BOOL IsGroup() const { return m_bGroup; }
  BOOL IsValueList() const { return m_bIsValueList; }
  BOOL IsInPlaceEditing() const { return m_bInPlaceEdit; }
  TiXmlNode* GetXmlNode() const { return m_pXmlNode; }
  const CRect& GetRect() const { return m_Rect; }
  // Set by the grid's layout.
  void SetRect(const CRect& rect) { m_Rect = rect; }
  CWnd* GetInPlaceWnd() const { return m_pWndInPlace; }
  CComboBox* GetComboWnd() const { return m_pWndCombo; }
  CSpinButtonCtrl* GetSpinWnd() const { return m_pWndSpin; }
  CSliderCtrl* GetSliderWnd() const { return m_pWndSlider; }
  BOOL IsButtonFocused() const { return m_bButtonIsFocused; }
  // Set by the grid's keyboard handling of a drop-down row; painting reads it.
  void SetValueHighlighted(BOOL bHighlighted) { m_bValueIsHighlighted = bHighlighted; }
  // The id of the in-place controls the row opens (kInPlaceCtrlId unless an editor row
  // gives its attribute number, by which the grid tells the editor kinds apart).
  UINT GetInPlaceCtrlId() const { return m_nInPlaceCtrlId; }
  static constexpr UINT kInPlaceCtrlId = 3;
  const CRect& GetButtonRect() const { return m_rectButton; }
  void ClearButtonRect() { m_rectButton.SetRectEmpty(); }
  // Set by the last paint: the text did not fit its cell.
  BOOL IsNameTruncated() const { return m_bNameIsTruncated; }
  BOOL IsValueTruncated() const { return m_bValueIsTruncated; }
  void SetUpdateFromSpin(BOOL bFromSpin) { m_bUpdateFromSpin = bFromSpin; }

  // The first "Attribute" element of an object element's "AttributeTable"; null when the
  // node is not an element or either is missing.
  static TiXmlElement* GetAttributeElement(TiXmlNode* pNode);

  // Rows alive in this process: constructed and not yet destroyed.
  static int GetLiveCount() { return s_nLiveCount; }

protected:
  TiXmlNode* m_pXmlNode = nullptr;
  COleVariant m_varValue;
  COleVariant m_varValueOrig;
  DWORD_PTR m_dwData = 0;
  DWORD m_dwFlags = 0;
  CRect m_Rect;
  CRect m_rectButton;
  BOOL m_bButtonIsDown = FALSE;
  BOOL m_bButtonIsFocused = FALSE;
  BOOL m_bInPlaceEdit = FALSE;
  BOOL m_bGroup = FALSE;
  BOOL m_bExpanded = TRUE;
  BOOL m_bEnabled = TRUE;
  BOOL m_bAllowEdit = TRUE;
  BOOL m_bIsValueList = FALSE;
  BOOL m_bNameIsTruncated = FALSE;
  BOOL m_bValueIsTruncated = FALSE;
  BOOL m_bIsModified = FALSE;
  BOOL m_bIsVisible = TRUE;
  BOOL m_bNumericEdit = FALSE;
  BOOL m_bValueIsHighlighted = FALSE;
  BOOL m_bUpdateFromSpin = FALSE;
  UINT m_nInPlaceCtrlId = kInPlaceCtrlId;
  int m_nMinValue = 0;
  int m_nMaxValue = 0;
  CString m_strName;
  CString m_strDescr;
  CString m_strEditMask;
  CString m_strEditTempl;
  CString m_strValidChars;
  std::vector<CString> m_lstOptions;
  CWnd* m_pWndInPlace = nullptr;
  CComboBox* m_pWndCombo = nullptr;
  CSpinButtonCtrl* m_pWndSpin = nullptr;
  CSliderCtrl* m_pWndSlider = nullptr;
  CPropertyRowHost* m_pWndList = nullptr;
  CPropertyGridProperty* m_pParent = nullptr;
  std::vector<CPropertyGridProperty*> m_lstSubItems;

  // The grid's labels and delimiter, or their defaults for a row not in a grid yet.
  CString TrueLabel() const;
  CString FalseLabel() const;
  char ListDelimiter() const;
  CWnd* GridWnd() const { return m_pWndList ? m_pWndList->GetGridWnd() : nullptr; }
  // Text of the in-place edit, empty when none is open.
  CString GetInPlaceText() const;
  void SetInPlaceText(LPCTSTR lpszText);
  int FindOption(const CString& strText) const;

private:
  void InitCommonState();
  void ApplyValueRowRules();
  void WriteObjectStateAttributes();
  void InvalidateRowRect(const CRect& rect) const;
  CRect ValueEditRect();
  BOOL IsInGrid(const CPropertyGridProperty* pProp) const;

  static int s_nLiveCount;
};
