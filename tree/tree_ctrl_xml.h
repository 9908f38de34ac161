// CTreeCtrlXML: the object tree. It owns one page description, shows its "Object"
// elements as items (each with an Xml_ObjectData record as its data), finds the item to
// select first, and gives the tree-order navigation the save and the grid walk with.
#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include <tinyxml.h>

#include "module/export.h"
#include "framework/tree_ctrl.h"
#include "tree/notebook_records.h"
#include "tree/object_data.h"
#include "tree/tree_order_index.h"

class CPropertyGridCtrl;

class NPB_EXPORT CTreeCtrlXML : public CTreeCtrl {
public:
  CTreeCtrlXML();
  ~CTreeCtrlXML() override;

  // Reads the description and inserts its objects below the items already there. The text
  // is normalised in place. A null or empty preselect name matches an empty "Group".
  bool LoadXMLFromString(char* pszXml, unsigned nSelectHandle, const char* pszSelectName);
  bool LoadXMLFromFile(const char* pszPath, unsigned nSelectHandle, const char* pszSelectName);
  // Whether the text would load; reads it into a scratch document, the tree is untouched.
  bool IsValidXML(char* pszXml);

  // Depth-first, parents before children: the order the save writes objects in. The four
  // navigation calls answer from an index of the items kept beside the control, so a walk
  // costs no window messages. The index follows every insertion, deletion and data change
  // sent to the window or made by this class. Of messages given to the control's class
  // procedure directly it sees deletions only through TVN_DELETEITEM reflected by a
  // framework parent, and count changes only when the save or FreeItemData walks every
  // item; a data change, or an insertion balanced by a deletion, goes unseen.
  using CTreeCtrl::GetNextItem;
  HTREEITEM GetNextItem(HTREEITEM hItem) const;
  // The first item after the item's subtree; null for an item without children.
  HTREEITEM GetNextSibItem(HTREEITEM hItem) const;
  // Number of ancestors: 0 for a top-level item.
  int GetIndentLevel(HTREEITEM hItem) const;
  // The item's record, or null.
  Xml_ObjectData* GetObjectData(HTREEITEM hItem) const;
  // Expands every item whose indent level is below nLevels (items without children have
  // nothing to open), in one pass over the index.
  void ExpandUpperLevels(int nLevels);
  // Asks the next load to insert the items of levels below nLevels already open when no
  // object matches its preselect key: opening thousands of items after the load costs
  // the control a layout of every row below each one. 0 (the default) opens nothing.
  void SetUpperLevelsOpenOnLoad(int nLevels) { m_nOpenOnLoad = nLevels; }
  // The levels the last load inserted open: 0 when it found an item to select.
  int GetUpperLevelsOpenedOnLoad() const { return m_nOpenedOnLoad; }

  // The change document of the whole tree (style marks of the records cleared), printed
  // into buffer[0..nSize). False, with an empty buffer and the style marks kept, when it
  // does not fit.
  bool SaveXMLToString(char* pszBuffer, std::size_t nSize);
  // The same into a buffer the caller has sized for the whole document, as the host sizes
  // it: (description pieces + 1) x 64 KiB. Nothing checks the bound; prefer the form above.
  bool SaveXMLToString(char* pszBuffer);
  // The same document in a file, in text mode; false when the file cannot be opened or
  // the text cannot be written whole.
  bool SaveXMLToFile(const char* pszPath);

  // Rebuilds the grid for the item: a group row and one editor row per attribute.
  void UpdatePropGridCtrl(HTREEITEM hItem);

  // The "Attribute" elements the user has changed since the last document sent to the
  // host. Rebuilding the grid leaves their "ModifiedFlag" alone, so the change is not lost
  // before it is sent. Forgotten when a document goes out or a new description is read.
  void NoteUnsentChange(const TiXmlElement* pAttr);
  void NoteChangesSent() { m_unsentChanges.clear(); }
  bool IsUnsentChange(const TiXmlElement* pAttr) const { return m_unsentChanges.count(pAttr) != 0; }

  // Style copy and apply: the source object's look, and that of the objects below it paired
  // by their places among their siblings, onto the target object (the item's) and the
  // objects below it. Every transferred attribute is marked for the next save, each item
  // that got one is marked restyled, and the grid's frame hears the object's type or group
  // per transfer. The last argument is not used.
  void CopyApplyStyle(TiXmlNode* pSource, TiXmlNode* pTarget, HTREEITEM hTargetItem, int nUnused);
  // FALSE for the attribute names a style never carries, in any case.
  static BOOL IsStyleAttribute(CString strName);

  // The host keeps the loaded tree in step with its page. Each finds its items by handle
  // number and name ("Group", else "Object_Name"), as loading finds the item to select.
  // Every item that matches, or also matches by "Type", becomes the item to select.
  bool SelectTreeNode(unsigned nUnused, unsigned nHandle, const char* pszName);
  // Mode 2: the description's objects are added below each matching item. Any other mode
  // only chooses the item to select and answers false.
  bool AddTreeNode(int nMode, unsigned nHandle, char* pszXml, const char* pszName);
  // Mode 1: new values from the description for the matching items' attributes. Mode 4:
  // labels after an axis title change. Mode 5: a new handle for the objects of that name.
  bool ModifyTreeNode(int nMode, unsigned nHandle, char* pszXml, const char* pszName);
  // The matching item's object loses its content and becomes the item to delete; the
  // custom symbol, fill or line group just above it goes with it.
  bool RemoveTreeNode(unsigned nUnused, unsigned nHandle, const char* pszName);

  // The host's notebook object browser: the linked grid shows a short read-only summary of
  // one notebook item, replacing what it showed before.
  void UpdateObjBrowPropGrid_ForWorksheet();
  void UpdateObjBrowPropGrid_ForDataCon(DataCon* pDataCon);
  void UpdateObjBrowPropGrid_ForDataSource(ExConnectionInfo* pInfo);
  void UpdateObjBrowPropGrid_ForQuickTransformMain(QuickTransform* pTransform);
  void UpdateObjBrowPropGrid_ForQuickTransform(QuickTransform* pTransform);
  void UpdateObjBrowPropGrid_ForReport();
  void UpdateObjBrowPropGrid_ForMacro();

  // The tree object behind a tree window, or null: how a host that shares the browser's
  // windows (one keeping an open tree in step with its page) reaches the object.
  static CTreeCtrlXML* FromWindow(HWND hWnd);

  // Frees every item's record and clears the item's data; returns how many were freed.
  int FreeItemData();
  // Removes every item and frees every record, records after the items so that no item
  // is left holding a freed one; returns how many records were freed. What the owner does
  // when its window goes: one message, where clearing each item's data first would ask
  // the control to find each item.
  int DeleteAllItemsAndData();

  // Tab moves the focus to the grid.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  TiXmlNode* GetXml() const { return m_pXml; }
  void SetXml(TiXmlNode* pXml) { m_pXml = pXml; }
  TiXmlDocument* GetXmlDoc() { return &m_XmlDoc; }
  CPropertyGridCtrl* GetPGCtrl() const { return m_pPGCtrl; }
  void SetPGCtrl(CPropertyGridCtrl* pGrid) { m_pPGCtrl = pGrid; }
  HTREEITEM GetItemToSelect() const { return m_hItemToSelect; }
  void SetItemToSelect(HTREEITEM hItem) { m_hItemToSelect = hItem; }
  HTREEITEM GetItemToDelete() const { return m_hItemToDelete; }
  void SetItemToDelete(HTREEITEM hItem) { m_hItemToDelete = hItem; }

  // Fills the module's attribute name table, as the browser dialog does when it opens;
  // for a host that builds its own grids from the tree. Filling again changes nothing.
  static void InitializeOneToOneMap();

  // The user's profile file "kxw.ini": found once per process.
  static void InitProfileSystem();
  static CString GetUserProfileFolder();
  static CString GetDefaultIniName();
  static CString GetAppName();
  static bool FileExists(const char* pszPath);
  static bool FileSystemObjectExists(const char* pszPath);

protected:
  void Load(TiXmlNode* pXml, unsigned nSelectHandle, const char* pszSelectName);
  // Inserts the object and everything under it below hParent (null: top level).
  void LoadItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle, const char* pszSelectName);
  // LoadItem, with the items of levels below nOpenLevels inserted open.
  void LoadItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle, const char* pszSelectName,
                int nOpenLevels);
  // Writes the tree's objects into pXml, the "XML" element of a new change document.
  void Save(TiXmlElement* pXml);
  // The objects of the "XML" node's "ObjectList", copied below hParent's element and item.
  void Add(TiXmlNode* pXml, HTREEITEM hParent, unsigned nSelectHandle, const char* pszSelectName);
  void AddItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle, const char* pszSelectName);
  // New attribute values from the "XML" node's objects of the key for the item's element.
  void Modify(TiXmlNode* pXml, HTREEITEM hItem, Xml_ObjectData* pData, unsigned nHandle, const char* pszName);
  void ModifyItem(TiXmlElement* pObject, HTREEITEM hItem, Xml_ObjectData* pData, unsigned nHandle,
                  const char* pszName);

  static CString GetPath(const char* pszPath);
  // Buffers of 3, 256, 256 and 256 characters.
  static void SplitPath(const char* pszPath, char* pszDrive, char* pszDir, char* pszFileName, char* pszExt);

  void OnDestroy() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void PreSubclassWindow() override;

private:
  // The style walk from one pair of objects and items; with bSiblings, on along the
  // following siblings of all three.
  void LoadCopyApplyItem(TiXmlNode* pSource, TiXmlNode* pTarget, HTREEITEM hItem, BOOL bSiblings);
  // Tree structure from the index.
  HTREEITEM FirstChildOf(HTREEITEM hItem) const;
  HTREEITEM NextSiblingOf(HTREEITEM hItem) const;
  // The item and every item below it, parents first.
  std::vector<HTREEITEM> Subtree(HTREEITEM hItem) const;
  // Empties the item's element and deletes the items below it (or, with bWithItem, the
  // item too), freeing their records and forgetting what pointed into them.
  void ClearObject(HTREEITEM hItem, bool bWithItem);
  // Replaces the grid's content with the rows, in order; the first is selected with bSelect.
  void ShowNotebookRows(const std::vector<npb::NotebookRow>& rows, bool bSelect);
  // Reading a new document leaves the old elements behind; records still pointing there
  // are cut loose first.
  void DetachRecords();
  HWND GridWindow() const;
  // The item index, first rebuilt by one walk of the control when it is stale.
  npb::TreeOrderIndex& TreeOrder() const;
  // The same for a walk of every item, also checked against the control's item count.
  npb::TreeOrderIndex& WholeTreeOrder() const;
  // Follows an insertion the control has just made (null when it refused).
  template <typename InsertStruct>
  void TrackInsert(const InsertStruct* pInsert, HTREEITEM hNew);

  TiXmlNode* m_pXml;
  TiXmlDocument m_XmlDoc;
  CPropertyGridCtrl* m_pPGCtrl;
  HTREEITEM m_hItemToSelect;
  HTREEITEM m_hItemToDelete;
  mutable npb::TreeOrderIndex m_order;
  std::unordered_set<const TiXmlElement*> m_unsentChanges;
  int m_nDeletesTracked = 0;  // TVM_DELETEITEM calls under way through WindowProc
  HTREEITEM m_hGridItem = nullptr;  // the item the grid was last filled for
  int m_nOpenOnLoad = 0;
  int m_nOpenedOnLoad = 0;
};
