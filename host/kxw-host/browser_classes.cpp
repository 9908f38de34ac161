#include "host/kxw-host/browser_classes.h"

#include <new>

#include "host/kxw-host/script.h"

namespace kxwhost {
namespace {

template <typename Fn>
bool BindName(HMODULE module, const char* name, Fn& fn, std::string& error) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (fn != nullptr) return true;
  error = std::string("NexelPropBrowser.dll has no export ") + name;
  return false;
}

}  // namespace

bool BrowserClasses::BindEditing(std::string& error) {
  if (editingBound_) return true;
  editingBound_ = module_ != nullptr &&
                  BindName(module_, "_ZN12CTreeCtrlXML10FromWindowEP6HWND__", fromWindow_, error) &&
                  BindName(module_, "_ZN12CTreeCtrlXML14SelectTreeNodeEjjPKc", select_, error) &&
                  BindName(module_, "_ZN12CTreeCtrlXML14RemoveTreeNodeEjjPKc", remove_, error) &&
                  BindName(module_, "_ZN12CTreeCtrlXML11AddTreeNodeEijPcPKc", add_, error) &&
                  BindName(module_, "_ZN12CTreeCtrlXML14ModifyTreeNodeEijPcPKc", modify_, error);
  return editingBound_;
}

bool BrowserClasses::RunEditLine(CTreeCtrlXML* tree, const ScriptCommand& command, std::string& text) const {
  const char* name = command.name.c_str();
  switch (command.kind) {
    case CommandKind::kHostSelect:
      return select_(tree, 0, command.handle, name);
    case CommandKind::kHostRemove:
      return remove_(tree, 0, command.handle, name);
    case CommandKind::kHostAdd:
      return add_(tree, command.code, command.handle, text.data(), name);
    case CommandKind::kHostModify:
      return modify_(tree, command.code, command.handle, text.data(), name);
    default:
      return false;
  }
}

bool BrowserClasses::BindNotebook(std::string& error) {
  if (notebookBound_) return true;
  HMODULE m = module_;
  notebookBound_ =
      m != nullptr && BindName(m, "_ZN12CTreeCtrlXMLC1Ev", treeCtor_, error) &&
      BindName(m, "_ZN12CTreeCtrlXMLD1Ev", treeDtor_, error) &&
      BindName(m, "_ZN17CPropertyGridCtrlC1Ev", gridCtor_, error) &&
      BindName(m, "_ZN17CPropertyGridCtrlD1Ev", gridDtor_, error) &&
      BindName(m, "_ZN17CPropertyGridCtrl6CreateEmRK7tagRECTP6HWND__j", createGrid, error) &&
      BindName(m, "_ZN17CPropertyGridCtrl11AddPropertyEP21CPropertyGridPropertyii", addProperty, error) &&
      BindName(m, "_ZN17CPropertyGridCtrl9RemoveAllEv", removeAll, error) &&
      BindName(m, "_ZN17CPropertyGridCtrl21EnableDescriptionAreaEi", enableDescriptionArea, error) &&
      BindName(m, "_ZN17CPropertyGridCtrl20UpdateNBMSummaryInfoE7CStringS0_S0_mi", summaryRow, error) &&
      BindName(m, "_ZN12CTreeCtrlXML34UpdateObjBrowPropGrid_ForWorksheetEv", showWorksheet, error) &&
      BindName(m, "_ZN12CTreeCtrlXML32UpdateObjBrowPropGrid_ForDataConEP7DataCon", showDataCon, error) &&
      BindName(m, "_ZN12CTreeCtrlXML35UpdateObjBrowPropGrid_ForDataSourceEP16ExConnectionInfo", showDataSource,
               error) &&
      BindName(m, "_ZN12CTreeCtrlXML43UpdateObjBrowPropGrid_ForQuickTransformMainEP14QuickTransform",
               showQuickTransformMain, error) &&
      BindName(m, "_ZN12CTreeCtrlXML39UpdateObjBrowPropGrid_ForQuickTransformEP14QuickTransform",
               showQuickTransform, error) &&
      BindName(m, "_ZN12CTreeCtrlXML31UpdateObjBrowPropGrid_ForReportEv", showReport, error) &&
      BindName(m, "_ZN12CTreeCtrlXML30UpdateObjBrowPropGrid_ForMacroEv", showMacro, error) &&
      BindName(m, "_GetPGP@0", getPGP, error) && BindName(m, "_GetPGCP@0", getPGCP, error);
  return notebookBound_;
}

// The objects live in the host's memory, built and destroyed by the module's own code.
CTreeCtrlXML* BrowserClasses::NewTree() const {
  auto* tree = static_cast<CTreeCtrlXML*>(::operator new(sizeof(CTreeCtrlXML), std::nothrow));
  if (tree != nullptr) treeCtor_(tree);
  return tree;
}

void BrowserClasses::DeleteTree(CTreeCtrlXML* tree) const {
  if (tree == nullptr) return;
  treeDtor_(tree);
  ::operator delete(tree);
}

CPropertyGridCtrl* BrowserClasses::NewGrid() const {
  auto* grid = static_cast<CPropertyGridCtrl*>(::operator new(sizeof(CPropertyGridCtrl), std::nothrow));
  if (grid != nullptr) gridCtor_(grid);
  return grid;
}

void BrowserClasses::DeleteGrid(CPropertyGridCtrl* grid) const {
  if (grid == nullptr) return;
  gridDtor_(grid);
  ::operator delete(grid);
}

}  // namespace kxwhost
