// Tree-order navigation of the object tree, answered from its item index, and the
// tracking that keeps the index in step with the control. Under Wine the tree view checks
// every item handle by searching its items from the first, so a walk that asks the control
// about each item grows with the square of the page; the index answers in constant time.
#include <vector>

#include "tree/direct_tree_view.h"
#include "tree/tree_ctrl_xml.h"

namespace {

using npb::TreeOrderIndex;

// The parent an insertion names, null for the top level.
HTREEITEM InsertParent(HTREEITEM hParent) { return hParent == TVI_ROOT ? nullptr : hParent; }

}  // namespace

npb::TreeOrderIndex& CTreeCtrlXML::TreeOrder() const {
  if (m_order.IsValid()) return m_order;
  m_order.Reset();
  const npb::DirectTreeView view(m_hWnd);
  // Depth first, keeping the open ancestors: three messages an item.
  std::vector<HTREEITEM> open;
  for (HTREEITEM item = view.Root(); item;) {
    // A control that gave an item twice would send the walk round forever.
    if (!m_order.Insert(item, open.empty() ? nullptr : open.back(), view.Record(item))) break;
    if (HTREEITEM child = view.Child(item)) {
      open.push_back(item);
      item = child;
      continue;
    }
    item = view.NextSibling(item);
    for (; !item && !open.empty(); open.pop_back()) item = view.NextSibling(open.back());
  }
  return m_order;
}

npb::TreeOrderIndex& CTreeCtrlXML::WholeTreeOrder() const {
  // One message per walk: an item count that differs betrays an insertion or deletion made
  // through the class procedure, which the tracking below cannot see.
  if (m_order.IsValid() && m_order.Size() != npb::DirectTreeView(m_hWnd).Count()) m_order.Invalidate();
  return TreeOrder();
}

HTREEITEM CTreeCtrlXML::GetNextItem(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  // An item the index does not hold (an invalid handle): whatever the control says.
  if (pos == TreeOrderIndex::kNone) return npb::DirectTreeView(m_hWnd).NextInOrder(hItem);
  return order.ItemAt(order.Next(pos));
}

HTREEITEM CTreeCtrlXML::GetNextSibItem(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  if (pos == TreeOrderIndex::kNone) {
    const npb::DirectTreeView view(m_hWnd);
    return view.Child(hItem) ? view.NextOutside(hItem) : nullptr;
  }
  return order.HasChildren(pos) ? order.ItemAt(order.NextOutside(pos)) : nullptr;
}

int CTreeCtrlXML::GetIndentLevel(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  if (pos != TreeOrderIndex::kNone) return order.Entries()[pos].level;
  const npb::DirectTreeView view(m_hWnd);
  int level = 0;
  for (HTREEITEM up = view.Parent(hItem); up; up = view.Parent(up)) ++level;
  return level;
}

HTREEITEM CTreeCtrlXML::FirstChildOf(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  if (pos == TreeOrderIndex::kNone) return npb::DirectTreeView(m_hWnd).Child(hItem);
  return order.HasChildren(pos) ? order.ItemAt(pos + 1) : nullptr;
}

HTREEITEM CTreeCtrlXML::NextSiblingOf(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  if (pos == TreeOrderIndex::kNone) return npb::DirectTreeView(m_hWnd).NextSibling(hItem);
  const int next = order.NextOutside(pos);
  return next != TreeOrderIndex::kNone && order.Entries()[next].parent == order.Entries()[pos].parent
             ? order.ItemAt(next)
             : nullptr;
}

std::vector<HTREEITEM> CTreeCtrlXML::Subtree(HTREEITEM hItem) const {
  std::vector<HTREEITEM> items;
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  if (pos == TreeOrderIndex::kNone) return items;
  const int end = order.HasChildren(pos) ? order.NextOutside(pos) : pos + 1;
  const int stop = end == TreeOrderIndex::kNone ? static_cast<int>(order.Size()) : end;
  for (int k = pos; k < stop; ++k) items.push_back(order.ItemAt(k));
  return items;
}

Xml_ObjectData* CTreeCtrlXML::GetObjectData(HTREEITEM hItem) const {
  const TreeOrderIndex& order = TreeOrder();
  const int pos = order.Find(hItem);
  return pos != TreeOrderIndex::kNone ? order.Entries()[pos].record : npb::DirectTreeView(m_hWnd).Record(hItem);
}

void CTreeCtrlXML::ExpandUpperLevels(int nLevels) {
  const TreeOrderIndex& order = TreeOrder();
  const npb::DirectTreeView view(m_hWnd);
  // Deepest level first: while its parent is still closed an item opens without the
  // control laying out the rows below it again, which for thousands of open items at the
  // top would cost each expansion a pass over the whole visible list.
  SetRedraw(FALSE);
  for (int level = nLevels - 1; level >= 0; --level) {
    for (int pos = 0; pos < static_cast<int>(order.Size()); ++pos) {
      if (order.Entries()[pos].level == level && order.HasChildren(pos)) view.Expand(order.ItemAt(pos));
    }
  }
  SetRedraw(TRUE);
}

// Item messages that reach the window (the framework's InsertItem, DeleteItem, SetItemData
// and raw SendMessage calls alike) pass here; the index follows what the control did.
LRESULT CTreeCtrlXML::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TVM_INSERTITEMA: {
      LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
      TrackInsert(reinterpret_cast<const TVINSERTSTRUCTA*>(lParam), reinterpret_cast<HTREEITEM>(result));
      return result;
    }
    case TVM_INSERTITEMW: {
      LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
      TrackInsert(reinterpret_cast<const TVINSERTSTRUCTW*>(lParam), reinterpret_cast<HTREEITEM>(result));
      return result;
    }
    case TVM_DELETEITEM: {
      ++m_nDeletesTracked;
      LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
      --m_nDeletesTracked;
      auto item = reinterpret_cast<HTREEITEM>(lParam);
      if (!result) return result;
      if (!item || item == TVI_ROOT) {
        m_order.Reset();
      } else if (m_order.IsValid() && !m_order.Remove(item)) {
        m_order.Invalidate();
      }
      return result;
    }
    case TVM_SETITEMA:
    case TVM_SETITEMW: {
      LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
      // TVITEMA and TVITEMW differ only in the text pointer's type.
      const auto* item = reinterpret_cast<const TVITEMA*>(lParam);
      if (result && item && (item->mask & TVIF_PARAM)) {
        m_order.SetRecord(item->hItem, reinterpret_cast<Xml_ObjectData*>(item->lParam));
      }
      return result;
    }
    case TVM_SORTCHILDREN:
    case TVM_SORTCHILDRENCB: {
      LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
      m_order.Invalidate();
      return result;
    }
    default:
      return CTreeCtrl::WindowProc(message, wParam, lParam);
  }
}

template <typename InsertStruct>
void CTreeCtrlXML::TrackInsert(const InsertStruct* pInsert, HTREEITEM hNew) {
  if (!hNew || !m_order.IsValid()) return;
  // Only an item placed last under its parent has a place the index can tell cheaply.
  const bool last = pInsert && pInsert->hInsertAfter == TVI_LAST;
  auto* record = last && (pInsert->item.mask & TVIF_PARAM) ? reinterpret_cast<Xml_ObjectData*>(pInsert->item.lParam)
                                                            : nullptr;
  if (!last || !m_order.Insert(hNew, InsertParent(pInsert->hParent), record)) m_order.Invalidate();
}

// The control deleted an item behind the class's back (a message to its class procedure,
// or its window going): the parent hears of each item, the index is walked again later.
BOOL CTreeCtrlXML::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_NOTIFY && m_nDeletesTracked == 0) {
    const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (code == TVN_DELETEITEMA || code == TVN_DELETEITEMW) m_order.Invalidate();
  }
  // The parent still gets the notification.
  return CTreeCtrl::ReflectChildNotify(message, wParam, lParam, pResult);
}

void CTreeCtrlXML::PreSubclassWindow() {
  // A window taken over may already hold items.
  m_order.Invalidate();
  CTreeCtrl::PreSubclassWindow();
}
