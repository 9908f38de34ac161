// The browser module's exported classes as the host uses them: the tree object behind the
// browser's tree window, its editing operations, and the tree and grid of the host's own
// notebook window. Members are bound by their exported names like the module's functions,
// so the host still needs no import library and runs with a browser that lacks them
// until a line asks for one.
#pragma once
#include <windows.h>

#include <string>

#include "grid/property_grid_ctrl.h"
#include "tree/tree_ctrl_xml.h"

namespace kxwhost {

struct ScriptCommand;

class BrowserClasses {
 public:
  explicit BrowserClasses(HMODULE module) : module_(module) {}

  // The editing interface: binds on first use; false with `error` when the module lacks it.
  bool BindEditing(std::string& error);
  // The object behind a tree window of the browser, or null.
  CTreeCtrlXML* TreeOf(HWND treeWindow) const { return fromWindow_ ? fromWindow_(treeWindow) : nullptr; }
  // Runs a host-... line on the tree; `text` is FILE's content (writable, may be changed).
  bool RunEditLine(CTreeCtrlXML* tree, const ScriptCommand& command, std::string& text) const;

  // Everything the notebook window uses.
  bool BindNotebook(std::string& error);
  CTreeCtrlXML* NewTree() const;
  void DeleteTree(CTreeCtrlXML* tree) const;
  CPropertyGridCtrl* NewGrid() const;
  void DeleteGrid(CPropertyGridCtrl* grid) const;

  // Bound members, called with the object first (the module's member calling convention).
  BOOL(__thiscall* createGrid)(CPropertyGridCtrl*, DWORD, const RECT&, HWND, UINT) = nullptr;
  int(__thiscall* addProperty)(CPropertyGridCtrl*, CPropertyGridProperty*, BOOL, BOOL) = nullptr;
  void(__thiscall* removeAll)(CPropertyGridCtrl*) = nullptr;
  void(__thiscall* enableDescriptionArea)(CPropertyGridCtrl*, BOOL) = nullptr;
  void(__thiscall* summaryRow)(CPropertyGridCtrl*, CString, CString, CString, DWORD, BOOL) = nullptr;
  void(__thiscall* showWorksheet)(CTreeCtrlXML*) = nullptr;
  void(__thiscall* showDataCon)(CTreeCtrlXML*, DataCon*) = nullptr;
  void(__thiscall* showDataSource)(CTreeCtrlXML*, ExConnectionInfo*) = nullptr;
  void(__thiscall* showQuickTransformMain)(CTreeCtrlXML*, QuickTransform*) = nullptr;
  void(__thiscall* showQuickTransform)(CTreeCtrlXML*, QuickTransform*) = nullptr;
  void(__thiscall* showReport)(CTreeCtrlXML*) = nullptr;
  void(__thiscall* showMacro)(CTreeCtrlXML*) = nullptr;
  CPropertyGridProperty*(__stdcall* getPGP)() = nullptr;
  CPropertyGridProperty*(__stdcall* getPGCP)() = nullptr;

 private:
  HMODULE module_;
  bool editingBound_ = false;
  bool notebookBound_ = false;
  CTreeCtrlXML* (*fromWindow_)(HWND) = nullptr;
  bool(__thiscall* select_)(CTreeCtrlXML*, unsigned, unsigned, const char*) = nullptr;
  bool(__thiscall* remove_)(CTreeCtrlXML*, unsigned, unsigned, const char*) = nullptr;
  bool(__thiscall* add_)(CTreeCtrlXML*, int, unsigned, char*, const char*) = nullptr;
  bool(__thiscall* modify_)(CTreeCtrlXML*, int, unsigned, char*, const char*) = nullptr;
  void(__thiscall* treeCtor_)(CTreeCtrlXML*) = nullptr;
  void(__thiscall* treeDtor_)(CTreeCtrlXML*) = nullptr;
  void(__thiscall* gridCtor_)(CPropertyGridCtrl*) = nullptr;
  void(__thiscall* gridDtor_)(CPropertyGridCtrl*) = nullptr;
};

}  // namespace kxwhost
