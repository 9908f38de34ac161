// Xml_ObjectData: the record each object tree item carries as its data value, tying the
// item to its "Object" element and holding the change marks the save reads.
#pragma once

#include "framework/afx_string.h"

class TiXmlElement;

struct Xml_ObjectData {
  TiXmlElement* pNode = nullptr;  // the item's "Object" element; owned by the tree's document
  CString strType;
  CString strObjectName;
  CString strGroup;
  CString strList;
  CString strHandle;  // kept only for objects with a "Type" or a "Group"
  int bModified = 0;
  int bApplyStyle = 0;
  int bApplyPending = 0;
  int nAttributes = 0;  // "Attribute" elements seen when the grid was last built
};

namespace npb {

// A record filled from the element's "Type", "Object_Name", "Group", "List" and "Handle".
Xml_ObjectData MakeObjectData(TiXmlElement* pObject);

// The text a tree item shows for the record: the one naming attribute an object has,
// else its "Object_Name" (possibly empty).
const CString& ObjectLabel(const Xml_ObjectData& data);

// True when the element's "Handle" is not empty, reads as nHandle, and pszName (null reads
// as empty) equals its "Group" or else its "Object_Name", case and all.
bool MatchesSelectKey(const TiXmlElement& object, unsigned nHandle, const char* pszName);

// Sets "ApplyStyleFlag" to 0 on every "Attribute" of the object's "AttributeTable".
void ClearStyleMarks(TiXmlElement& object);

}  // namespace npb
