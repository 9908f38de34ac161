// Accessibility of the property grid: the COM object screen readers talk to, and the grid's
// answers behind it. Child id 0 is the grid itself; any other child id stands for the row last
// reported (m_pAccProp). Those ids are screen points packed x low, y high: a focus event's is
// the row's top-left corner, a hit test's the point tested.
#include "grid/property_grid_accessible.h"

#include "grid/property_grid_ctrl.h"

namespace {

constexpr const char* kListName = "PropertyList";
constexpr LONG kRowStates = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
constexpr LONG kCurrentRowStates = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;

BSTR MakeBstr(const CString& str) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, str.GetString(), str.GetLength(), nullptr, 0);
  BSTR bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(n));
  if (bstr && n > 0) ::MultiByteToWideChar(CP_ACP, 0, str.GetString(), str.GetLength(), bstr, n);
  return bstr;
}

HRESULT ReturnText(const CString& str, BSTR* pszOut) {
  *pszOut = MakeBstr(str);
  return *pszOut ? S_OK : E_OUTOFMEMORY;
}

void SetI4(VARIANT* pvar, LONG value) {
  ::VariantInit(pvar);
  pvar->vt = VT_I4;
  pvar->lVal = value;
}

LONG PackPoint(int x, int y) { return static_cast<LONG>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y))); }

// Which object a child id names: the grid, a row, or nothing a caller may ask about.
enum class Target { Grid, Row, Invalid };

Target TargetOf(const VARIANT& varChild) {
  if (varChild.vt != VT_I4) return Target::Invalid;
  return varChild.lVal == CHILDID_SELF ? Target::Grid : Target::Row;
}

bool IsPlainGroup(const CPropertyGridProperty* pProp) { return pProp->IsGroup() && !pProp->IsValueList(); }

}  // namespace

// ---- the grid's answers -----------------------------------------------------------------------

CPropertyGridProperty* CPropertyGridCtrl::GetAccessibleRow() const {
  // The reported row may have been deleted since; only a row still in the grid is answered for.
  for (const CPropertyGridProperty* pTop : m_lstProps) {
    if (m_pAccProp && (pTop == m_pAccProp || pTop->IsSubItem(m_pAccProp))) return m_pAccProp;
  }
  return nullptr;
}

void CPropertyGridCtrl::EnableActiveAccessibility(BOOL bEnable) { m_bActiveAccessibility = bEnable; }

void CPropertyGridCtrl::NotifyAccessibility(CPropertyGridProperty* pProp) {
  if (!m_bActiveAccessibility || !pProp || !m_hWnd) return;
  m_pAccProp = pProp;
  CPoint ptTopLeft = pProp->GetRect().TopLeft();
  ClientToScreen(&ptTopLeft);
  ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, PackPoint(ptTopLeft.x, ptTopLeft.y));
}

LRESULT CPropertyGridCtrl::OnGetObject(WPARAM dwFlags, LPARAM lObjId) {
  if (m_bActiveAccessibility && static_cast<LONG>(lObjId) == OBJID_CLIENT) {
    if (IAccessible* pAccessible = m_accessible.GetOwn(this)) return ::LresultFromObject(IID_IAccessible, dwFlags, pAccessible);
  }
  return CWnd::OnGetObject(dwFlags, lObjId);
}

HRESULT CPropertyGridCtrl::get_accChildCount(long* pcountChildren) {
  if (!pcountChildren) return E_INVALIDARG;
  *pcountChildren = 0;
  return S_OK;
}

HRESULT CPropertyGridCtrl::get_accChild(VARIANT, IDispatch** ppdispChild) {
  if (!ppdispChild) return E_INVALIDARG;
  *ppdispChild = m_accessible.GetOwn(this);
  if (!*ppdispChild) return E_OUTOFMEMORY;
  (*ppdispChild)->AddRef();
  return S_OK;
}

HRESULT CPropertyGridCtrl::get_accName(VARIANT varChild, BSTR* pszName) {
  if (!pszName) return E_INVALIDARG;
  *pszName = nullptr;
  switch (TargetOf(varChild)) {
    case Target::Grid: {
      const CString strText = m_hWnd ? GetWindowText() : CString();
      return ReturnText(strText.IsEmpty() ? CString(kListName) : strText, pszName);
    }
    case Target::Row:
      if (CPropertyGridProperty* pProp = GetAccessibleRow()) return ReturnText(pProp->GetName(), pszName);
      return S_FALSE;
    case Target::Invalid:
      break;
  }
  return E_INVALIDARG;
}

HRESULT CPropertyGridCtrl::get_accValue(VARIANT varChild, BSTR* pszValue) {
  if (!pszValue) return E_INVALIDARG;
  *pszValue = nullptr;
  switch (TargetOf(varChild)) {
    case Target::Grid:
      return S_FALSE;
    case Target::Row: {
      CPropertyGridProperty* pProp = GetAccessibleRow();
      if (!pProp || IsPlainGroup(pProp)) return S_FALSE;
      return ReturnText(pProp->FormatProperty(), pszValue);
    }
    case Target::Invalid:
      break;
  }
  return E_INVALIDARG;
}

HRESULT CPropertyGridCtrl::get_accDescription(VARIANT varChild, BSTR* pszDescription) {
  if (!pszDescription) return E_INVALIDARG;
  *pszDescription = nullptr;
  switch (TargetOf(varChild)) {
    case Target::Grid:
      return ReturnText(kListName, pszDescription);
    case Target::Row:
      if (CPropertyGridProperty* pProp = GetAccessibleRow()) return ReturnText(pProp->GetName(), pszDescription);
      return S_FALSE;
    case Target::Invalid:
      break;
  }
  return E_INVALIDARG;
}

HRESULT CPropertyGridCtrl::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
  if (!pvarRole) return E_INVALIDARG;
  ::VariantInit(pvarRole);
  const Target target = TargetOf(varChild);
  if (target == Target::Invalid) return E_INVALIDARG;
  SetI4(pvarRole, target == Target::Grid ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_ROW);
  return S_OK;
}

HRESULT CPropertyGridCtrl::get_accState(VARIANT varChild, VARIANT* pvarState) {
  if (!pvarState) return E_INVALIDARG;
  ::VariantInit(pvarState);
  switch (TargetOf(varChild)) {
    case Target::Grid:
      SetI4(pvarState, 0);
      return S_OK;
    case Target::Row: {
      CPropertyGridProperty* pProp = GetAccessibleRow();
      if (!pProp) return S_FALSE;
      LONG nState = kRowStates;
      if (pProp == m_pSel) nState |= kCurrentRowStates;
      if (!pProp->IsEnabled() || IsPlainGroup(pProp)) nState |= STATE_SYSTEM_READONLY;
      SetI4(pvarState, nState);
      return S_OK;
    }
    case Target::Invalid:
      break;
  }
  return E_INVALIDARG;
}

HRESULT CPropertyGridCtrl::get_accHelp(VARIANT, BSTR* pszHelp) {
  if (!pszHelp) return E_INVALIDARG;
  *pszHelp = nullptr;
  return S_FALSE;
}

HRESULT CPropertyGridCtrl::get_accHelpTopic(BSTR* pszHelpFile, VARIANT, long* pidTopic) {
  if (!pszHelpFile || !pidTopic) return E_INVALIDARG;
  *pszHelpFile = nullptr;
  *pidTopic = 0;
  return S_FALSE;
}

HRESULT CPropertyGridCtrl::get_accKeyboardShortcut(VARIANT, BSTR* pszKeyboardShortcut) {
  if (!pszKeyboardShortcut) return E_INVALIDARG;
  *pszKeyboardShortcut = nullptr;
  return S_FALSE;
}

HRESULT CPropertyGridCtrl::get_accFocus(VARIANT* pvarChild) {
  if (!pvarChild) return E_INVALIDARG;
  ::VariantInit(pvarChild);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CPropertyGridCtrl::get_accSelection(VARIANT* pvarChildren) {
  if (!pvarChildren) return E_INVALIDARG;
  ::VariantInit(pvarChildren);
  IAccessible* pStandard = m_accessible.GetStandard(m_hWnd);
  return pStandard ? pStandard->get_accSelection(pvarChildren) : S_FALSE;
}

HRESULT CPropertyGridCtrl::get_accDefaultAction(VARIANT, BSTR* pszDefaultAction) {
  if (!pszDefaultAction) return E_INVALIDARG;
  *pszDefaultAction = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CPropertyGridCtrl::accSelect(long flagsSelect, VARIANT varChild) {
  // The window system's own object for the client area selects; asking our object would loop.
  IAccessible* pStandard = m_accessible.GetStandard(m_hWnd);
  return pStandard ? pStandard->accSelect(flagsSelect, varChild) : S_FALSE;
}

HRESULT CPropertyGridCtrl::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) {
  if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_INVALIDARG;
  *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
  CRect rect;
  switch (TargetOf(varChild)) {
    case Target::Grid:
      if (!m_hWnd) return S_FALSE;
      GetWindowRect(&rect);
      break;
    case Target::Row: {
      CPropertyGridProperty* pProp = GetAccessibleRow();
      if (!pProp || !m_hWnd) return S_FALSE;
      rect = pProp->GetRect();
      ClientToScreen(&rect);
      break;
    }
    case Target::Invalid:
      return E_INVALIDARG;
  }
  *pxLeft = rect.left;
  *pyTop = rect.top;
  *pcxWidth = rect.Width();
  *pcyHeight = rect.Height();
  return S_OK;
}

HRESULT CPropertyGridCtrl::accHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  if (!pvarChild) return E_INVALIDARG;
  SetI4(pvarChild, CHILDID_SELF);
  if (!m_hWnd) return S_OK;
  CPoint point(xLeft, yTop);
  ScreenToClient(&point);
  if (CPropertyGridProperty* pProp = HitTest(point, nullptr, TRUE)) {
    m_pAccProp = pProp;
    pvarChild->lVal = PackPoint(xLeft, yTop);
  }
  return S_OK;
}

// ---- the COM object ---------------------------------------------------------------------------

CPropertyGridAccessible* CPropertyGridAccessible::Create(CPropertyGridCtrl* pGrid) {
  return new CPropertyGridAccessible(pGrid);
}

HRESULT CPropertyGridAccessible::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IAccessible)) {
    *ppv = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG CPropertyGridAccessible::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }

ULONG CPropertyGridAccessible::Release() {
  const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
  if (nRefs == 0) delete this;
  return static_cast<ULONG>(nRefs);
}

HRESULT CPropertyGridAccessible::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_INVALIDARG;
  *pctinfo = 0;
  return S_OK;
}

HRESULT CPropertyGridAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT CPropertyGridAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CPropertyGridAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT CPropertyGridAccessible::get_accParent(IDispatch** ppdispParent) {
  if (!ppdispParent) return E_INVALIDARG;
  *ppdispParent = nullptr;
  if (!m_pGrid || !m_pGrid->m_hWnd) return RPC_E_DISCONNECTED;
  // The client area's parent is the grid's window object.
  return ::AccessibleObjectFromWindow(m_pGrid->m_hWnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispParent));
}

HRESULT CPropertyGridAccessible::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) {
  if (!pvarEndUpAt) return E_INVALIDARG;
  ::VariantInit(pvarEndUpAt);
  if (!m_pGrid || !m_pGrid->m_hWnd) return RPC_E_DISCONNECTED;
  // Neighbours of the grid among its sibling windows are the platform's to find.
  if (varStart.vt != VT_I4 || varStart.lVal != CHILDID_SELF) return S_FALSE;
  IAccessible* pStandard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(m_pGrid->m_hWnd, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&pStandard)))) {
    return S_FALSE;
  }
  const HRESULT hr = pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
  pStandard->Release();
  return hr;
}

HRESULT CPropertyGridAccessible::accDoDefaultAction(VARIANT) {
  return m_pGrid ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT CPropertyGridAccessible::put_accName(VARIANT, BSTR) { return m_pGrid ? E_NOTIMPL : RPC_E_DISCONNECTED; }
HRESULT CPropertyGridAccessible::put_accValue(VARIANT, BSTR) { return m_pGrid ? E_NOTIMPL : RPC_E_DISCONNECTED; }

// Each remaining call goes to the grid while it is there.
#define NPB_FORWARD(call) return m_pGrid ? m_pGrid->call : RPC_E_DISCONNECTED

HRESULT CPropertyGridAccessible::get_accChildCount(LONG* p) { NPB_FORWARD(get_accChildCount(p)); }
HRESULT CPropertyGridAccessible::get_accChild(VARIANT v, IDispatch** p) { NPB_FORWARD(get_accChild(v, p)); }
HRESULT CPropertyGridAccessible::get_accName(VARIANT v, BSTR* p) { NPB_FORWARD(get_accName(v, p)); }
HRESULT CPropertyGridAccessible::get_accValue(VARIANT v, BSTR* p) { NPB_FORWARD(get_accValue(v, p)); }
HRESULT CPropertyGridAccessible::get_accDescription(VARIANT v, BSTR* p) { NPB_FORWARD(get_accDescription(v, p)); }
HRESULT CPropertyGridAccessible::get_accRole(VARIANT v, VARIANT* p) { NPB_FORWARD(get_accRole(v, p)); }
HRESULT CPropertyGridAccessible::get_accState(VARIANT v, VARIANT* p) { NPB_FORWARD(get_accState(v, p)); }
HRESULT CPropertyGridAccessible::get_accHelp(VARIANT v, BSTR* p) { NPB_FORWARD(get_accHelp(v, p)); }
HRESULT CPropertyGridAccessible::get_accHelpTopic(BSTR* f, VARIANT v, LONG* t) { NPB_FORWARD(get_accHelpTopic(f, v, t)); }
HRESULT CPropertyGridAccessible::get_accKeyboardShortcut(VARIANT v, BSTR* p) {
  NPB_FORWARD(get_accKeyboardShortcut(v, p));
}
HRESULT CPropertyGridAccessible::get_accFocus(VARIANT* p) { NPB_FORWARD(get_accFocus(p)); }
HRESULT CPropertyGridAccessible::get_accSelection(VARIANT* p) { NPB_FORWARD(get_accSelection(p)); }
HRESULT CPropertyGridAccessible::get_accDefaultAction(VARIANT v, BSTR* p) { NPB_FORWARD(get_accDefaultAction(v, p)); }
HRESULT CPropertyGridAccessible::accSelect(LONG f, VARIANT v) { NPB_FORWARD(accSelect(f, v)); }
HRESULT CPropertyGridAccessible::accLocation(LONG* x, LONG* y, LONG* cx, LONG* cy, VARIANT v) {
  NPB_FORWARD(accLocation(x, y, cx, cy, v));
}
HRESULT CPropertyGridAccessible::accHitTest(LONG x, LONG y, VARIANT* p) { NPB_FORWARD(accHitTest(x, y, p)); }

#undef NPB_FORWARD

// ---- the grid's hold on both objects ----------------------------------------------------------

IAccessible* CPropertyGridAccessibleLink::GetOwn(CPropertyGridCtrl* pGrid) {
  if (!m_pOwn && pGrid) m_pOwn = CPropertyGridAccessible::Create(pGrid);
  return m_pOwn;
}

IAccessible* CPropertyGridAccessibleLink::GetStandard(HWND hWnd) {
  if (m_pStandard && m_hWndStandard != hWnd) {
    m_pStandard->Release();
    m_pStandard = nullptr;
  }
  if (!m_pStandard && hWnd) {
    m_hWndStandard = hWnd;
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&m_pStandard)))) {
      m_pStandard = nullptr;
    }
  }
  return m_pStandard;
}

void CPropertyGridAccessibleLink::Reset() {
  if (m_pOwn) {
    m_pOwn->Disconnect();
    m_pOwn->Release();
    m_pOwn = nullptr;
  }
  if (m_pStandard) {
    m_pStandard->Release();
    m_pStandard = nullptr;
  }
}
