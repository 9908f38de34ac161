// CEditorProperty: what every editor row of the browser shares. It keeps the attribute's
// own "Attribute" element, the object's "Handle" text and the attribute's "Name", and runs
// the commit sequence by which an accepted value goes into the object description and, in
// dynamic-update mode, straight to the host. Until an editor kind has its own control it
// edits its value as text through this class.
#pragma once

#include <windows.h>
#include <commctrl.h>


#include "grid/property_row.h"

struct Xml_ObjectData;

// Groups of custom settings a commit may override.
enum SettingsGroup : int {
  kSettingsGroupNone = 0,
  kSettingsGroupLine = 6,
  kSettingsGroupSymbol = 7,
  kSettingsGroupFill = 8,
};

// The group an attribute's commit is guarded by; none for attributes outside the groups.
int SettingsGroupOf(const char* pszAttrName);

// Asks whether to override custom settings; answers IDYES, IDNO or IDCANCEL. The default
// shows a message box; tests install their own.
using CustomSettingsPromptFn = int (*)(const char* pszText);
CustomSettingsPromptFn SetCustomSettingsPrompt(CustomSettingsPromptFn pfnPrompt);

// TRUE when the commit may go on: the object has no custom settings of the group, or the
// user chose to override them (Yes drops them first) or to keep them (No).
BOOL GuardCustomSettings(const char* pszHandle, int nGroup);

// Window message to the grid's parent frame after a committed change; lParam is the type
// or group text of the changed object.
inline constexpr UINT kMsgObjectChanged = 0x62C;

class CEditorProperty;
class CTreeCtrlXML;

// Writes the lines of one committed change to the host's macro recorder: the editor's own
// selection and attribute lines. Called after a dynamic-update commit while the host has
// a recorder set.
using RecordChangeFn = void (*)(CEditorProperty& row, const Xml_ObjectData& data, HTREEITEM hItem);

// What an editor adds to the shared commit of its attribute.
struct CommitExtras {
  int nSettingsGroup = kSettingsGroupNone;
  // "ThemeHandle" and "ColHandle" to write beside the value (colour and picture sources).
  bool bWriteHandles = false;
  int nThemeHandle = 0;
  int nColHandle = 0;
  RecordChangeFn pfnRecord = nullptr;
};

// How a commit ended.
enum class CommitResult {
  kDone,         // written into the description; sent as well in dynamic-update mode when
                 // the document fit its buffer
  kStopped,      // nothing written: the row is not modified, or the user cancelled the prompt
  kNotAccepted,  // written and marked, but no memory for the change document, so nothing
                 // was sent: the editor reports the value as not accepted and the change
                 // goes with the next send
};

class CEditorProperty : public CPropertyGridProperty {
public:
  CEditorProperty(const CString& strLabel, const COleVariant& varValue, TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                  LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName, const CString& strHandle);

  TiXmlNode* GetAttrNode() const { return m_pAttrNode; }
  const CString& GetHandle() const { return m_strHandle; }
  const CString& GetAttrName() const { return m_strAttrName; }

  // An accepted text: read into the value and, when it changed, committed.
  BOOL OnUpdateValue() override;

  // The commit sequence for the value already stored in the row.
  CommitResult Commit(const CString& strAttrValue, const CommitExtras& extras);
  // With the settings group of the row's attribute and nothing else.
  CommitResult Commit(const CString& strAttrValue);

protected:
  TiXmlNode* m_pAttrNode;
  CString m_strHandle;
  CString m_strAttrName;
};
