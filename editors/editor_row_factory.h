// The editor row for one attribute, by the row kind its number falls in. Each kind has one
// entry in a table that calls the row's constructor with the arguments that kind takes.
#pragma once

#include "framework/afx_string.h"
#include "recorder/row_kind.h"

class CPropertyGridProperty;
class TiXmlElement;

namespace npb {

// What the grid filling reads from one "Attribute" element and its object.
struct EditorRowArgs {
  CString strLabel;        // "Label"
  CString strName;         // "Name"
  CString strValue;        // "AttrValue" as text
  CString strThemeHandle;  // "ThemeHandle"
  CString strColHandle;    // "ColHandle"
  CString strDescr;        // the description text, empty without "AttrDescription"
  CString strHandle;       // the object's "Handle"
  int nNumber = 0;         // the name's number in the attribute name table, 0 when absent
  int nValue = 0;          // "AttrValue" as an integer
  int nUnit = 0;           // the user's default measurement unit
  TiXmlElement* pObject = nullptr;  // the object's element
  TiXmlElement* pAttr = nullptr;    // the attribute's element
};

// A new row for the kind, owned by the caller; null for the kind that makes no row.
CPropertyGridProperty* MakeEditorRow(RowKind kind, const EditorRowArgs& args);

// Whether building the kind's row clears the attribute's "ModifiedFlag": every editor
// kind does, the plain row of an unknown name does not.
bool ClearsModifiedFlag(RowKind kind);

}  // namespace npb
