// The attribute transfer behind Apply Styles: the copied object's look, attribute by
// attribute, onto another object's description. Window-free; the tree walks the objects
// and their items and does the marking that needs records.
#pragma once

class TiXmlElement;

namespace npb {

// False for the names a style never carries (text, data range and source, plot and axis
// kind, axis range, object position), compared without regard to case; true otherwise.
bool IsStyleAttributeName(const char* pszName);

// Pairs the "Attribute" elements of the two objects by position and, for each pair with
// the same "ID", "Name" and "DataType" and a style name, gives the target the first of
// "AttrValue", "ThemeHandle", "ColHandle" that differs (the handles only when both are
// set), marking it with "ApplyStyleFlag" 1. Needs an "AttributeTable" and a "Handle" on
// both sides; returns how many values were transferred.
int TransferStyleAttributes(const TiXmlElement& source, TiXmlElement& target);

}  // namespace npb
