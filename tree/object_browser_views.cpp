// The notebook object browser views: the host's notebook items summarised in the grid
// linked to the tree, one read-only text row per fact.
#include "grid/property_grid_ctrl.h"
#include "grid/property_row.h"
#include "tree/tree_ctrl_xml.h"

void CTreeCtrlXML::ShowNotebookRows(const std::vector<npb::NotebookRow>& rows, bool bSelect) {
  m_hGridItem = nullptr;
  if (!m_pPGCtrl) return;
  CPropertyGridCtrl& grid = *m_pPGCtrl;
  grid.RemoveAll();
  std::vector<CPropertyGridProperty*> made;
  for (const npb::NotebookRow& row : rows) {
    auto* pRow = new CPropertyGridProperty(row.strName, COleVariant(row.strValue), "", row.dwData);
    pRow->AllowEdit(FALSE);
    made.push_back(pRow);
  }
  grid.ExpandAll(TRUE);
  for (CPropertyGridProperty* pRow : made) {
    if (grid.AddProperty(pRow, TRUE, TRUE) < 0) delete pRow;
  }
  if (bSelect && !made.empty()) grid.SetCurSel(made.front(), TRUE);
}

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForWorksheet() { ShowNotebookRows({{"Worksheet", ""}}, true); }

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForDataCon(DataCon* pDataCon) {
  if (pDataCon) ShowNotebookRows(npb::DataConRows(*pDataCon), true);
}

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForDataSource(ExConnectionInfo* pInfo) {
  if (!pInfo) return;
  ShowNotebookRows(npb::DataSourceRows(*pInfo), true);
  if (m_pPGCtrl && m_pPGCtrl->GetSafeHwnd()) {
    m_pPGCtrl->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForQuickTransformMain(QuickTransform* pTransform) {
  if (pTransform) ShowNotebookRows(npb::QuickTransformMainRows(*pTransform), false);
}

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForQuickTransform(QuickTransform* pTransform) {
  if (pTransform) ShowNotebookRows(npb::QuickTransformRows(*pTransform), false);
}

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForReport() { ShowNotebookRows({{"Report", ""}}, true); }

void CTreeCtrlXML::UpdateObjBrowPropGrid_ForMacro() { ShowNotebookRows({{"Macro", ""}}, true); }
