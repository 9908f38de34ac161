// The editing interface through which the host keeps a loaded tree in step with its page:
// select, add, change and remove objects without reloading. Every change goes through the
// item messages or the loading code, so the item index follows it.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

#include <tinyxml.h>

#include "grid/property_grid_ctrl.h"
#include "tree/tree_ctrl_xml.h"
#include "tree/xml_document.h"

namespace {

enum EditMode {
  kModifyValues = 1,
  kAddObjects = 2,
  kRelabel = 4,
  kRenumber = 5,
};

// Groups of the host's own custom entries: removing an entry right below one takes the
// group with it.
constexpr const char* kCustomGroups[] = {"Custom Symbols", "Custom Fills", "Custom Lines"};

// Labels the two items after an axis get when its direction's titles change.
const struct {
  const char* name;
  const char* first;
  const char* second;
} kDirectionLabels[] = {
    {"DIR_X", "Left Label", "Right Label"},
    {"DIR_Y", "Bottom Label", "Top Label"},
};

const char* Text(const TiXmlElement& element, const char* pszName) {
  const char* pszValue = element.Attribute(pszName);
  return pszValue ? pszValue : "";
}

bool HandleIs(const char* pszHandle, unsigned nHandle) {
  return *pszHandle && static_cast<unsigned>(std::atoi(pszHandle)) == nHandle;
}

bool RecordHandleIs(const Xml_ObjectData& data, unsigned nHandle) { return HandleIs(data.strHandle, nHandle); }

// The key as loading uses it, on the record's texts; optionally the "Type" as a third name.
bool RecordMatches(const Xml_ObjectData& data, unsigned nHandle, const char* pszName, bool bByType = false) {
  if (!RecordHandleIs(data, nHandle)) return false;
  return data.strGroup.Compare(pszName) == 0 || data.strObjectName.Compare(pszName) == 0 ||
         (bByType && data.strType.Compare(pszName) == 0);
}

bool SameText(const TiXmlElement& a, const TiXmlElement& b, const char* pszName) {
  return std::strcmp(Text(a, pszName), Text(b, pszName)) == 0;
}

TiXmlElement* FirstAttribute(TiXmlElement* pObject) {
  TiXmlElement* table = pObject ? pObject->FirstChildElement("AttributeTable") : nullptr;
  return table ? table->FirstChildElement("Attribute") : nullptr;
}

// The host's new value, theme or column for one attribute; true when the pair matched.
bool TakeNewValues(const TiXmlElement& from, TiXmlElement& to) {
  for (const char* key : {"ID", "Name", "Label", "DataType"}) {
    if (!SameText(from, to, key)) return false;
  }
  if (!SameText(from, to, "AttrValue")) to.SetAttribute("AttrValue", Text(from, "AttrValue"));
  for (const char* handle : {"ThemeHandle", "ColHandle"}) {
    if (*Text(from, handle) && *Text(to, handle) && !SameText(from, to, handle)) {
      to.SetAttribute(handle, Text(from, handle));
    }
  }
  return true;
}

bool IsUnder(const TiXmlNode* pNode, const TiXmlNode* pAncestor) {
  for (const TiXmlNode* up = pNode ? pNode->Parent() : nullptr; up; up = up->Parent()) {
    if (up == pAncestor) return true;
  }
  return false;
}

}  // namespace

CTreeCtrlXML* CTreeCtrlXML::FromWindow(HWND hWnd) {
  return hWnd ? dynamic_cast<CTreeCtrlXML*>(CWnd::FromHandlePermanent(hWnd)) : nullptr;
}

bool CTreeCtrlXML::SelectTreeNode(unsigned, unsigned nHandle, const char* pszName) {
  const char* name = pszName ? pszName : "";
  for (const npb::TreeOrderIndex::Entry& entry : TreeOrder().Entries()) {
    if (entry.record && RecordMatches(*entry.record, nHandle, name, true)) m_hItemToSelect = entry.item;
  }
  return true;
}

bool CTreeCtrlXML::AddTreeNode(int nMode, unsigned nHandle, char* pszXml, const char* pszName) {
  const char* name = pszName ? pszName : "";
  // The matches are taken before anything is added: an added object with the same key
  // must not receive the description again.
  std::vector<HTREEITEM> matches;
  for (const npb::TreeOrderIndex::Entry& entry : TreeOrder().Entries()) {
    if (entry.record && RecordMatches(*entry.record, nHandle, name)) matches.push_back(entry.item);
  }
  if (matches.empty()) return true;
  if (nMode != kAddObjects) {
    m_hItemToSelect = matches.front();
    return false;
  }
  TiXmlDocument doc;
  const bool bRead = pszXml && npb::ReadXmlText(doc, pszXml);
  TiXmlNode* pXml = bRead ? npb::FindXmlRoot(doc) : nullptr;
  for (HTREEITEM item : matches) {
    m_hItemToSelect = item;
    if (!bRead) continue;
    if (!pXml) return false;
    Add(pXml, item, nHandle, name);
  }
  return true;
}

void CTreeCtrlXML::Add(TiXmlNode* pXml, HTREEITEM hParent, unsigned nSelectHandle, const char* pszSelectName) {
  TiXmlElement* list = pXml ? pXml->FirstChildElement("ObjectList") : nullptr;
  if (!list) return;
  for (TiXmlElement* object = list->FirstChildElement("Object"); object;
       object = object->NextSiblingElement("Object")) {
    AddItem(object, hParent, nSelectHandle, pszSelectName);
  }
}

void CTreeCtrlXML::AddItem(TiXmlElement* pObject, HTREEITEM hParent, unsigned nSelectHandle,
                           const char* pszSelectName) {
  Xml_ObjectData* pParent = GetObjectData(hParent);
  if (!pObject || !pParent || !pParent->pNode) return;
  // The copy keeps the objects below it, nested as they came, and each gets an item below
  // its parent's: element and item trees stay alike for the save and the style walk.
  TiXmlNode* pCopy = pParent->pNode->LinkEndChild(pObject->Clone());
  LoadItem(pCopy ? pCopy->ToElement() : nullptr, hParent, nSelectHandle, pszSelectName);
}

bool CTreeCtrlXML::ModifyTreeNode(int nMode, unsigned nHandle, char* pszXml, const char* pszName) {
  const char* name = pszName ? pszName : "";
  // Relabelling and renumbering change no item; the walk may still end early.
  std::vector<HTREEITEM> items;
  for (const npb::TreeOrderIndex::Entry& entry : TreeOrder().Entries()) {
    if (entry.record && !entry.record->strHandle.IsEmpty()) items.push_back(entry.item);
  }
  switch (nMode) {
    case kModifyValues: {
      TiXmlDocument doc;
      bool bRead = false;
      bool bTried = false;
      TiXmlNode* pXml = nullptr;
      for (HTREEITEM item : items) {
        Xml_ObjectData* pData = GetObjectData(item);
        if (!pData || !RecordMatches(*pData, nHandle, name)) continue;
        if (!bTried) {
          bTried = true;
          bRead = pszXml && npb::ReadXmlText(doc, pszXml);
          pXml = bRead ? npb::FindXmlRoot(doc) : nullptr;
        }
        if (!bRead) continue;
        if (!pXml) return false;
        Modify(pXml, item, pData, nHandle, name);
      }
      return true;
    }
    case kRelabel:
      for (HTREEITEM item : items) {
        const Xml_ObjectData* pData = GetObjectData(item);
        if (!pData || !RecordHandleIs(*pData, nHandle)) continue;
        const auto* direction = std::find_if(std::begin(kDirectionLabels), std::end(kDirectionLabels),
                                             [name](const auto& d) { return strcasecmp(name, d.name) == 0; });
        if (direction != std::end(kDirectionLabels)) {
          HTREEITEM first = GetNextItem(item);
          HTREEITEM second = first ? GetNextItem(first) : nullptr;
          if (first) SetItemText(first, direction->first);
          if (second) SetItemText(second, direction->second);
          continue;
        }
        SetItemText(item, pData->strObjectName);
        HTREEITEM above = CTreeCtrl::GetNextItem(item, TVGN_PREVIOUSVISIBLE);
        const Xml_ObjectData* pAbove = above ? GetObjectData(above) : nullptr;
        if (strcasecmp(name, pData->strType) == 0 ||
            (pAbove && strcasecmp(name, pAbove->strType) == 0 && !pData->strObjectName.IsEmpty())) {
          return true;
        }
      }
      return true;
    case kRenumber:
      for (HTREEITEM item : items) {
        Xml_ObjectData* pData = GetObjectData(item);
        if (!pData || !pData->pNode) continue;
        if (strcasecmp(name, pData->strObjectName) != 0 && strcasecmp(name, pData->strGroup) != 0) continue;
        if (static_cast<unsigned>(std::atoi(Text(*pData->pNode, "Handle"))) == nHandle) continue;
        const std::string handle = std::to_string(nHandle);
        pData->pNode->SetAttribute("Handle", handle.c_str());
        pData->strHandle = handle.c_str();
      }
      return true;
    default:
      return items.empty();
  }
}

void CTreeCtrlXML::Modify(TiXmlNode* pXml, HTREEITEM hItem, Xml_ObjectData* pData, unsigned nHandle,
                          const char* pszName) {
  TiXmlElement* list = pXml ? pXml->FirstChildElement("ObjectList") : nullptr;
  if (!list) return;
  for (TiXmlElement* object = list->FirstChildElement("Object"); object;
       object = object->NextSiblingElement("Object")) {
    ModifyItem(object, hItem, pData, nHandle, pszName);
  }
}

void CTreeCtrlXML::ModifyItem(TiXmlElement* pObject, HTREEITEM hItem, Xml_ObjectData* pData, unsigned nHandle,
                              const char* pszName) {
  if (!pData || !pData->pNode) return;
  const char* name = pszName ? pszName : "";
  bool bChanged = false;
  // The object and the objects below it, each against the same item.
  std::vector<TiXmlElement*> pending{pObject};
  while (!pending.empty()) {
    TiXmlElement* object = pending.back();
    pending.pop_back();
    if (!object) continue;
    const std::size_t at = pending.size();
    for (TiXmlElement* child = object->FirstChildElement("Object"); child; child = child->NextSiblingElement("Object")) {
      pending.push_back(child);
    }
    std::reverse(pending.begin() + at, pending.end());
    if (!HandleIs(Text(*object, "Handle"), nHandle)) continue;
    if (std::strcmp(name, Text(*object, "Group")) != 0 && std::strcmp(name, Text(*object, "Object_Name")) != 0) {
      continue;
    }
    for (TiXmlElement* from = FirstAttribute(object); from; from = from->NextSiblingElement("Attribute")) {
      for (TiXmlElement* to = FirstAttribute(pData->pNode); to; to = to->NextSiblingElement("Attribute")) {
        if (TakeNewValues(*from, *to)) bChanged = true;
      }
    }
  }
  if (!bChanged) return;
  m_hItemToSelect = hItem;
  SetItemData(hItem, reinterpret_cast<DWORD_PTR>(pData));
}

bool CTreeCtrlXML::RemoveTreeNode(unsigned, unsigned nHandle, const char* pszName) {
  const char* name = pszName ? pszName : "";
  HTREEITEM found = nullptr;
  for (const npb::TreeOrderIndex::Entry& entry : TreeOrder().Entries()) {
    if (entry.record && RecordMatches(*entry.record, nHandle, name)) {
      found = entry.item;
      break;
    }
  }
  if (!found) return true;
  m_hItemToDelete = found;
  HTREEITEM above = CTreeCtrl::GetNextItem(found, TVGN_PREVIOUSVISIBLE);
  const bool bGroupGoes =
      above && FirstChildOf(above) &&
      std::any_of(std::begin(kCustomGroups), std::end(kCustomGroups),
                  [text = GetItemText(above)](const char* group) { return text.Compare(group) == 0; });
  ClearObject(found, false);
  if (bGroupGoes) ClearObject(above, true);
  return true;
}

void CTreeCtrlXML::ClearObject(HTREEITEM hItem, bool bWithItem) {
  const std::vector<HTREEITEM> items = Subtree(hItem);
  if (items.empty()) return;
  Xml_ObjectData* pData = GetObjectData(hItem);
  TiXmlElement* pElement = pData ? pData->pNode : nullptr;
  const auto gone = items.begin() + (bWithItem ? 0 : 1);
  auto goes = [&](HTREEITEM item) { return item && std::find(gone, items.end(), item) != items.end(); };

  // Rows of the grid point into the elements about to go: the grid lets them go first.
  const bool bGridShown = std::find(items.begin(), items.end(), m_hGridItem) != items.end();
  if (bGridShown && m_pPGCtrl) {
    if (m_pPGCtrl->GetSafeHwnd()) m_pPGCtrl->EndEditItem(FALSE);
    m_pPGCtrl->RemoveAll();
    m_pPGCtrl->AdjustLayout();
  }
  if (goes(m_hItemToSelect)) m_hItemToSelect = nullptr;
  if (goes(m_hItemToDelete)) m_hItemToDelete = nullptr;
  if (goes(m_hGridItem)) m_hGridItem = nullptr;
  if (pElement) {
    for (auto it = m_unsentChanges.begin(); it != m_unsentChanges.end();) {
      it = IsUnder(*it, pElement) ? m_unsentChanges.erase(it) : std::next(it);
    }
  }

  std::vector<Xml_ObjectData*> records;
  for (auto it = gone; it != items.end(); ++it) {
    if (Xml_ObjectData* pRecord = GetObjectData(*it)) records.push_back(pRecord);
  }
  // Deleting the selected item moves the selection, and the owner refills the grid from
  // records that are still whole until the items are gone.
  if (bWithItem) {
    DeleteItem(hItem);
  } else {
    for (HTREEITEM child = FirstChildOf(hItem); child; child = FirstChildOf(hItem)) {
      if (!DeleteItem(child)) break;
    }
  }
  for (Xml_ObjectData* pRecord : records) delete pRecord;
  if (pElement) pElement->Clear();
  if (bGridShown && m_hGridItem == hItem) UpdatePropGridCtrl(hItem);
}
