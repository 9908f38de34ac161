// CChoiceBoxProperty: a row whose value is chosen from a drop-down CPBModalChoiceBox and
// drawn by the row itself. The list's choice is read into the row when the list closes and
// committed then; the end of the edit commits only a choice not committed yet.
#pragma once

#include "editors/editor_property.h"

class CPBModalChoiceBox;

class CChoiceBoxProperty : public CEditorProperty {
public:
  using CEditorProperty::CEditorProperty;

  CString FormatProperty() override { return m_strText; }
  CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) override;
  CComboBox* CreateCombo(CWnd* pWndParent, CRect rect) override;
  BOOL OnEndEdit() override;
  void OnClickButton(CPoint point) override;
  // Accepts the list's choice: the commit of the value and its source handles.
  void OnCloseCombo() override;
  // A first letter selects the first entry it begins.
  BOOL PushChar(UINT nChar) override;
  void OnDestroyWindow() override;

protected:
  // A new, not yet created list of the row's kind.
  virtual CPBModalChoiceBox* NewBox() const = 0;
  virtual void CommitChoice() = 0;

  CPBModalChoiceBox* m_pBox = nullptr;  // owned by the base through m_pWndCombo
  CString m_strText;
  bool m_bEnding = false;
  // The list's selection changed the row since the last commit.
  bool m_bChoicePending = false;
};
