// CPBModalChoiceBox: an owner-drawn drop-down list without strings whose entries may need a
// modal step (a dialog or a prompt) before they count as chosen. The owner hears of such a
// choice only after the step's OK; a cancelled step returns to the entry last accepted.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/std_controls.h"

class CDC;

class CPBModalChoiceBox : public CComboBox {
public:
  // Child, vertical scroll, drop-down list, owner-drawn entries without strings.
  static constexpr DWORD kStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE;
  // Help command of the box's own context menu.
  static constexpr UINT kCmdHelp = 1033;

  BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID) { return CComboBox::Create(kStyle, rect, pParentWnd, nID); }

  // Selects an entry (-1: none) as the one a cancelled modal step returns to.
  virtual void SelectEntry(int nIndex);
  // Index of the entry with this name (exact, case-sensitive), or -1.
  int FindName(const char* pszName) const;
  // Index of the first entry whose name begins with this character (case-sensitive), or -1.
  virtual int FindFirstChar(char ch) const = 0;
  void SetHelpContext(DWORD dwContext) { m_dwHelpContext = dwContext; }

protected:
  // The name of an entry, or null past the last one.
  virtual const char* EntryName(int nIndex) const = 0;
  // The entry whose choice needs the modal step, or -1 where there is none.
  virtual int ModalEntry() const = 0;
  // Whether the selection landed on that entry in a state that needs the step.
  virtual bool IsModalChoice() const = 0;
  // Runs the step for `nEntry`; after OK, what gives the entry the user's answer, else empty.
  // The box may be gone when the step's own loop ends: nothing of it is touched after that.
  virtual std::function<void()> AskUser(HWND hOwner, int nEntry) = 0;
  // Called whenever the list reports a new or accepted selection, before the step is weighed.
  virtual void OnSelectionNotified() {}

  // Runs the step now for the selected entry, as a menu command does.
  void StartModalStep();
  // Frees the window before the entries it refers to; the derived class calls it first.
  void DestroyBox();
  // Sets the text and background colours of an entry's state and fills the entry.
  void PrepareEntry(CDC& dc, const DRAWITEMSTRUCT& dis) const;
  // Widens the dropped list to show the longest name whole after `nLeadWidth` of picture.
  void FitDroppedWidthTo(int nLeadWidth);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
  void RunModalStep();
  void NotifyOwner(UINT nCode);

  DWORD m_dwHelpContext = 0;
  // The entry last accepted, where a cancelled step leaves the selection.
  int m_nAccepted = -1;
  bool m_bStepPending = false;   // the step is posted or open
  bool m_bPassChoiceOn = false;  // the owner is being told of the step's choice
  // Cleared when the box goes; the step's caller checks it after the step's own loop.
  std::shared_ptr<bool> m_pAlive;
};
