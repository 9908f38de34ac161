// Apply Styles on the object tree: the walk over the source and target objects and their
// items. The attribute pairing itself is style_transfer.cpp.
#include <vector>

#include <tinyxml.h>

#include "grid/property_grid_ctrl.h"
#include "tree/style_transfer.h"
#include "tree/tree_ctrl_xml.h"

namespace {

// The object's frame hears the changed object's type, or else its group, when it has
// exactly one of them.
constexpr UINT kMsgObjectChanged = 0x62C;

const CString* NoticeText(const Xml_ObjectData& data) {
  if (!data.strType.IsEmpty() && data.strGroup.IsEmpty()) return &data.strType;
  if (data.strType.IsEmpty() && !data.strGroup.IsEmpty()) return &data.strGroup;
  return nullptr;
}

TiXmlElement* FirstObject(TiXmlNode* pNode) { return pNode ? pNode->FirstChildElement("Object") : nullptr; }
TiXmlElement* NextObject(TiXmlNode* pNode) { return pNode ? pNode->NextSiblingElement("Object") : nullptr; }

}  // namespace

BOOL CTreeCtrlXML::IsStyleAttribute(CString strName) { return npb::IsStyleAttributeName(strName) ? TRUE : FALSE; }

void CTreeCtrlXML::CopyApplyStyle(TiXmlNode* pSource, TiXmlNode* pTarget, HTREEITEM hTargetItem, int) {
  LoadCopyApplyItem(pSource, pTarget, hTargetItem, FALSE);
}

void CTreeCtrlXML::LoadCopyApplyItem(TiXmlNode* pSource, TiXmlNode* pTarget, HTREEITEM hItem, BOOL bSiblings) {
  // Siblings and children are walked with a stack of its own: a page may hold thousands of
  // siblings, and the walk runs on the host's stack. Children are taken before the next
  // sibling, so the frame hears of the objects in tree order.
  struct Pair {
    TiXmlNode* source;
    TiXmlNode* target;
    HTREEITEM item;
    BOOL siblings;
  };
  std::vector<Pair> pending{{pSource, pTarget, hItem, bSiblings}};
  CWnd* pFrame = m_pPGCtrl && m_pPGCtrl->GetSafeHwnd() ? m_pPGCtrl->GetParentFrameWnd() : nullptr;
  while (!pending.empty()) {
    const Pair pair = pending.back();
    pending.pop_back();
    if (!pair.source || !pair.target) continue;
    TiXmlElement* source = pair.source->ToElement();
    TiXmlElement* target = pair.target->ToElement();
    Xml_ObjectData* pData = pair.item ? GetObjectData(pair.item) : nullptr;

    const int transferred = source && target ? npb::TransferStyleAttributes(*source, *target) : 0;
    if (transferred > 0 && pData) {
      if (const CString* pText = pFrame ? NoticeText(*pData) : nullptr) {
        for (int i = 0; i < transferred; ++i) {
          pFrame->SendMessage(kMsgObjectChanged, 0, reinterpret_cast<LPARAM>(pText->GetString()));
        }
      }
      // The save writes the style-marked attributes of a restyled object once.
      pData->bApplyStyle = 1;
    }

    TiXmlElement* sourceNext = NextObject(pair.source);
    TiXmlElement* targetNext = NextObject(pair.target);
    HTREEITEM itemNext = pair.siblings ? NextSiblingOf(pair.item) : nullptr;
    if (pair.siblings && sourceNext && targetNext && itemNext) pending.push_back({sourceNext, targetNext, itemNext, TRUE});

    TiXmlElement* sourceChild = FirstObject(pair.source);
    TiXmlElement* targetChild = FirstObject(pair.target);
    HTREEITEM itemChild = FirstChildOf(pair.item);
    if (itemChild && sourceChild && targetChild) pending.push_back({sourceChild, targetChild, itemChild, TRUE});
  }
}
