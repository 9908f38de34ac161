// The property grid as screen readers see it: an IAccessible over the grid window whose calls
// are answered by the grid's own accessibility operations (a list whose items are the rows).
#pragma once

#include <windows.h>

#include <oleacc.h>

class CPropertyGridCtrl;

// A plain COM object bound to one grid. The grid cuts the binding when it goes; a client that
// still holds the object then gets RPC_E_DISCONNECTED from every call.
class CPropertyGridAccessible final : public IAccessible {
public:
  // A new object with one reference, owned by the caller.
  static CPropertyGridAccessible* Create(CPropertyGridCtrl* pGrid);
  void Disconnect() { m_pGrid = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: no type information; clients use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pcountChildren) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flagsSelect, VARIANT varChild) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                        VARIANT varChild) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT varChild, BSTR szName) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT varChild, BSTR szValue) override;

private:
  explicit CPropertyGridAccessible(CPropertyGridCtrl* pGrid) : m_pGrid(pGrid) {}
  ~CPropertyGridAccessible() = default;

  CPropertyGridCtrl* m_pGrid;
  LONG m_nRefs = 1;
};

// The grid's hold on its accessible object and on the window system's standard object for its
// client area (which answers what the grid leaves to the platform). Both are made on first
// use and let go, with the binding cut, when the grid goes.
class CPropertyGridAccessibleLink {
public:
  CPropertyGridAccessibleLink() = default;
  ~CPropertyGridAccessibleLink() { Reset(); }
  CPropertyGridAccessibleLink(const CPropertyGridAccessibleLink&) = delete;
  CPropertyGridAccessibleLink& operator=(const CPropertyGridAccessibleLink&) = delete;

  // Borrowed pointers (no reference added); null when they cannot be made.
  IAccessible* GetOwn(CPropertyGridCtrl* pGrid);
  IAccessible* GetStandard(HWND hWnd);
  void Reset();

private:
  CPropertyGridAccessible* m_pOwn = nullptr;
  IAccessible* m_pStandard = nullptr;
  HWND m_hWndStandard = nullptr;
};
