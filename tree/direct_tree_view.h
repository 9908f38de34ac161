// DirectTreeView: the tree view's own window procedure, called without the subclass
// chain. Loading and walking send a few messages per item, none of which the framework
// layer handles, and under Wine each message through a SetWindowSubclass chain costs tens
// of microseconds: seconds for a large page instead of milliseconds. Messages sent this
// way are not seen by the object's WindowProc, so the caller keeps its item index itself.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

struct Xml_ObjectData;

namespace npb {

class DirectTreeView {
public:
  explicit DirectTreeView(HWND hWnd)
      : m_hWnd(hWnd), m_proc(hWnd ? reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hWnd, GCLP_WNDPROC)) : nullptr) {}

  HTREEITEM Navigate(HTREEITEM hItem, UINT nCode) const {
    return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
  }
  HTREEITEM Root() const { return Navigate(nullptr, TVGN_ROOT); }
  HTREEITEM Child(HTREEITEM hItem) const { return hItem ? Navigate(hItem, TVGN_CHILD) : nullptr; }
  HTREEITEM Parent(HTREEITEM hItem) const { return hItem ? Navigate(hItem, TVGN_PARENT) : nullptr; }
  HTREEITEM NextSibling(HTREEITEM hItem) const { return hItem ? Navigate(hItem, TVGN_NEXT) : nullptr; }
  unsigned Count() const { return static_cast<unsigned>(Send(TVM_GETCOUNT, 0, 0)); }
  void Expand(HTREEITEM hItem) const { Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hItem)); }

  // The next sibling of the item or of its nearest ancestor that has one.
  HTREEITEM NextOutside(HTREEITEM hItem) const {
    for (HTREEITEM up = hItem; up; up = Parent(up)) {
      if (HTREEITEM next = NextSibling(up)) return next;
    }
    return nullptr;
  }
  HTREEITEM NextInOrder(HTREEITEM hItem) const {
    if (!hItem) return nullptr;
    HTREEITEM child = Child(hItem);
    return child ? child : NextOutside(hItem);
  }

  // Inserted last under hParent; open from the start when bExpanded.
  HTREEITEM Insert(const char* pszText, LPARAM lParam, HTREEITEM hParent, bool bExpanded = false) const {
    TVINSERTSTRUCTA insert{};
    insert.hParent = hParent ? hParent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | (bExpanded ? TVIF_STATE : 0);
    insert.item.pszText = const_cast<char*>(pszText);
    insert.item.lParam = lParam;
    insert.item.state = insert.item.stateMask = bExpanded ? TVIS_EXPANDED : 0;
    return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  Xml_ObjectData* Record(HTREEITEM hItem) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    return hItem && Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))
               ? reinterpret_cast<Xml_ObjectData*>(item.lParam)
               : nullptr;
  }
  // The item's text, up to 259 characters; empty for an unknown item.
  std::string Text(HTREEITEM hItem) const {
    char szText[260] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = szText;
    item.cchTextMax = sizeof szText;
    return hItem && Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? std::string(item.pszText) : std::string();
  }
  void SetRecord(HTREEITEM hItem, Xml_ObjectData* pRecord) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = reinterpret_cast<LPARAM>(pRecord);
    Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

private:
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_proc ? ::CallWindowProcA(m_proc, m_hWnd, message, wParam, lParam) : 0;
  }

  HWND m_hWnd;
  WNDPROC m_proc;
};

}  // namespace npb
