#include "tree/tree_ctrl_xml.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "grid/property_grid_ctrl.h"
#include "recorder/attribute_names.h"
#include "tree/direct_tree_view.h"
#include "module/path_split.h"
#include "module/profile.h"
#include "tree/xml_document.h"

namespace {

// The whole file as text, or empty when it cannot be read.
std::string ReadFileText(const char* pszPath) {
  std::string text;
  if (!pszPath || !*pszPath) return text;
  std::FILE* file = std::fopen(pszPath, "rb");
  if (!file) return text;
  char chunk[65536];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
  std::fclose(file);
  return text;
}

TiXmlElement* FirstObject(TiXmlNode* pParent) {
  return pParent ? pParent->FirstChildElement("Object") : nullptr;
}

// Whether any "Object" under pList, at any depth, matches the preselect key.
bool AnyObjectMatches(TiXmlElement* pList, unsigned nSelectHandle, const char* pszSelectName) {
  std::vector<TiXmlElement*> pending{FirstObject(pList)};
  while (!pending.empty()) {
    TiXmlElement* object = pending.back();
    pending.pop_back();
    if (!object) continue;
    if (npb::MatchesSelectKey(*object, nSelectHandle, pszSelectName)) return true;
    pending.push_back(object->NextSiblingElement("Object"));
    pending.push_back(FirstObject(object));
  }
  return false;
}

// One object's item, labelled, with its record attached and entered in the index; null
// when the control refuses it.
HTREEITEM InsertObject(const npb::DirectTreeView& view, npb::TreeOrderIndex& order, TiXmlElement* pObject,
                       HTREEITEM hParent, bool bExpanded) {
  npb::ClearStyleMarks(*pObject);
  auto record = std::make_unique<Xml_ObjectData>(npb::MakeObjectData(pObject));
  HTREEITEM item =
      view.Insert(npb::ObjectLabel(*record), reinterpret_cast<LPARAM>(record.get()), hParent, bExpanded);
  if (!item) return nullptr;
  if (!order.Insert(item, hParent, record.release())) order.Invalidate();
  return item;
}

}  // namespace

CTreeCtrlXML::CTreeCtrlXML()
    : m_pXml(nullptr), m_pPGCtrl(nullptr), m_hItemToSelect(nullptr), m_hItemToDelete(nullptr) {}

CTreeCtrlXML::~CTreeCtrlXML() {
  // A host that drops the object while its window lives would otherwise leak the records.
  FreeItemData();
  m_pXml = nullptr;
  m_pPGCtrl = nullptr;
  m_hItemToSelect = nullptr;
  m_hItemToDelete = nullptr;
}

bool CTreeCtrlXML::LoadXMLFromString(char* pszXml, unsigned nSelectHandle, const char* pszSelectName) {
  DetachRecords();
  m_unsentChanges.clear();
  m_pXml = nullptr;
  if (!npb::ReadXmlText(m_XmlDoc, pszXml)) return false;
  m_pXml = npb::FindXmlRoot(m_XmlDoc);
  if (!m_pXml) return false;
  Load(m_pXml, nSelectHandle, pszSelectName);
  return true;
}

bool CTreeCtrlXML::LoadXMLFromFile(const char* pszPath, unsigned nSelectHandle, const char* pszSelectName) {
  // Read through the same guarded routine as memory text: TinyXML's own file loading
  // would parse any nesting depth on the host's stack.
  std::string text = ReadFileText(pszPath);
  return LoadXMLFromString(text.data(), nSelectHandle, pszSelectName);
}

bool CTreeCtrlXML::IsValidXML(char* pszXml) {
  TiXmlDocument scratch;
  return npb::ReadXmlText(scratch, pszXml) && npb::FindXmlRoot(scratch) != nullptr;
}

void CTreeCtrlXML::Load(TiXmlNode* pXml, unsigned nSelectHandle, const char* pszSelectName) {
  m_nOpenedOnLoad = 0;
  TiXmlElement* list = pXml ? pXml->FirstChildElement("ObjectList") : nullptr;
  if (!list) return;
  if (m_nOpenOnLoad > 0 && !AnyObjectMatches(list, nSelectHandle, pszSelectName)) m_nOpenedOnLoad = m_nOpenOnLoad;
  // Thousands of insertions: repaint once at the end rather than after each.
  SetRedraw(FALSE);
  for (TiXmlElement* object = FirstObject(list); object; object = object->NextSiblingElement("Object")) {
    LoadItem(object, nullptr, nSelectHandle, pszSelectName, m_nOpenedOnLoad);
  }
  SetRedraw(TRUE);
}

void CTreeCtrlXML::LoadItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle,
                            const char* pszSelectName) {
  LoadItem(pObject, hParent, nSelectHandle, pszSelectName, 0);
}

void CTreeCtrlXML::LoadItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle,
                            const char* pszSelectName, int nOpenLevels) {
  if (!pObject) return;
  // Nesting follows the input, so the walk keeps its own stack: for each open level, the
  // next "Object" still to insert there and the item it goes under.
  struct Level {
    TiXmlElement* next;
    HTREEITEM parent;
  };
  const npb::DirectTreeView view(m_hWnd);
  npb::TreeOrderIndex& order = TreeOrder();
  // Levels counted from the top of the tree, so that an object added under an item opens
  // as an item of its own level would.
  const int parentPos = hParent ? order.Find(hParent) : npb::TreeOrderIndex::kNone;
  const int topLevel = parentPos == npb::TreeOrderIndex::kNone ? 0 : order.Entries()[parentPos].level + 1;
  auto insert = [&](TiXmlElement* object, HTREEITEM parent, int level) {
    const bool open = level < nOpenLevels && FirstObject(object) != nullptr;
    HTREEITEM item = InsertObject(view, order, object, parent, open);
    // Every match overrides the one before: the last in document order wins.
    if (item && npb::MatchesSelectKey(*object, nSelectHandle, pszSelectName)) m_hItemToSelect = item;
    return item;
  };
  HTREEITEM top = insert(pObject, hParent, topLevel);
  if (!top) return;
  std::vector<Level> open{{FirstObject(pObject), top}};
  while (!open.empty()) {
    Level& level = open.back();
    TiXmlElement* object = level.next;
    if (!object) {
      open.pop_back();
      continue;
    }
    level.next = object->NextSiblingElement("Object");
    HTREEITEM item = insert(object, level.parent, topLevel + static_cast<int>(open.size()));
    if (item) open.push_back({FirstObject(object), item});
  }
}

int CTreeCtrlXML::FreeItemData() {
  const npb::DirectTreeView view(m_hWnd);
  npb::TreeOrderIndex& order = WholeTreeOrder();
  int freed = 0;
  for (const npb::TreeOrderIndex::Entry& entry : order.Entries()) {
    if (Xml_ObjectData* record = entry.record) {
      view.SetRecord(entry.item, nullptr);
      order.SetRecord(entry.item, nullptr);
      delete record;
      ++freed;
    }
  }
  return freed;
}

int CTreeCtrlXML::DeleteAllItemsAndData() {
  std::vector<Xml_ObjectData*> records;
  records.reserve(WholeTreeOrder().Size());
  for (const npb::TreeOrderIndex::Entry& entry : WholeTreeOrder().Entries()) {
    if (entry.record) records.push_back(entry.record);
  }
  // A control that refused keeps its items, and they their records.
  if (!DeleteAllItems()) return FreeItemData();
  for (Xml_ObjectData* record : records) delete record;
  return static_cast<int>(records.size());
}

void CTreeCtrlXML::DetachRecords() {
  for (const npb::TreeOrderIndex::Entry& entry : TreeOrder().Entries()) {
    if (entry.record) entry.record->pNode = nullptr;
  }
}

HWND CTreeCtrlXML::GridWindow() const { return m_pPGCtrl ? m_pPGCtrl->GetSafeHwnd() : nullptr; }

BOOL CTreeCtrlXML::PreTranslateMessage(MSG* pMsg) {
  if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
    // Without a grid window Tab is left to the dialog's own navigation.
    if (HWND grid = GridWindow()) {
      ::SetFocus(grid);
      return TRUE;
    }
  }
  return CTreeCtrl::PreTranslateMessage(pMsg);
}

void CTreeCtrlXML::OnDestroy() {
  // The dialog frees the records before its children go; this catches any other owner.
  FreeItemData();
  CTreeCtrl::OnDestroy();
  // The control has dropped its items; a new window starts from a fresh walk.
  m_order.Invalidate();
}

void CTreeCtrlXML::NoteUnsentChange(const TiXmlElement* pAttr) {
  if (pAttr) m_unsentChanges.insert(pAttr);
}

void CTreeCtrlXML::InitializeOneToOneMap() { npb::FillAttributeNameMap(); }

void CTreeCtrlXML::InitProfileSystem() { npb::InitProfilePath(); }

CString CTreeCtrlXML::GetUserProfileFolder() { return CString(npb::GetUserProfileFolder()); }

CString CTreeCtrlXML::GetDefaultIniName() { return CString(npb::GetDefaultIniName()); }

CString CTreeCtrlXML::GetAppName() { return CString(npb::GetAppName()); }

bool CTreeCtrlXML::FileExists(const char* pszPath) { return npb::FileExists(pszPath); }

bool CTreeCtrlXML::FileSystemObjectExists(const char* pszPath) { return npb::FileSystemObjectExists(pszPath); }

CString CTreeCtrlXML::GetPath(const char* pszPath) { return CString(npb::GetPath(pszPath)); }

void CTreeCtrlXML::SplitPath(const char* pszPath, char* pszDrive, char* pszDir, char* pszFileName, char* pszExt) {
  npb::SplitPath(pszPath, pszDrive, pszDir, pszFileName, pszExt);
}
