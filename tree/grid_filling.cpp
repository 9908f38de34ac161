#include "tree/grid_filling.h"

#include <tinyxml.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "module/host_library.h"
#include "grid/property_grid_ctrl.h"
#include "grid/property_row.h"
#include "recorder/attribute_names.h"
#include "recorder/row_kind.h"
// Filling the grid builds the editor rows: the one place the tree reaches up into editors/.
#include "editors/editor_row_factory.h"
#include "module/profile.h"
#include "tree/direct_tree_view.h"
#include "tree/row_sources.h"
#include "tree/tree_ctrl_xml.h"

namespace {

constexpr char kGroupSuffix[] = " Properties";
// Lines of the description area while an object is shown.
constexpr int kDescriptionRows = 2;

int ProfileDefaultUnit() { return npb::ProfileGetInt(npb::ProfileSetting::DefaultMeasurementUnit); }

std::string HostDescription(int descriptionNo) {
  return HostPageLibrary::Instance().GetAttributeDescription(descriptionNo);
}

npb::GridFillingSources g_sources{ProfileDefaultUnit, HostDescription};

const char* Text(const TiXmlElement* pElement, const char* pszName) {
  const char* pszValue = pElement->Attribute(pszName);
  return pszValue ? pszValue : "";
}

// Attributes that make no row: their value is kept on the object's element, where the
// symbol rows read it.
const struct {
  const char* name;
  const char* objectAttribute;
  bool asInteger;
} kNoRowAttributes[] = {
    {"SSA_OPTIONS", "FlagValue", true},
    {"SSA_ORIENTATION", "Orientation", true},
    {"SSA_STRING", "SymbolStr", false},
};

// Puts the symbol values of the object's table onto the object before any row is built, in
// one walk: a symbol row needs them whichever comes first in the table, and looking each up
// from every symbol row would cost a walk of the table per row. A value the table lacks is
// kept as empty text, which reads as 0 like an absent one.
void KeepSymbolStateOnObject(TiXmlElement& object, const TiXmlElement* pFirstAttr) {
  const char* values[std::size(kNoRowAttributes)] = {};
  for (const TiXmlElement* pAttr = pFirstAttr; pAttr; pAttr = pAttr->NextSiblingElement("Attribute")) {
    const char* pszName = pAttr->Attribute("Name");
    if (!pszName) continue;
    for (size_t i = 0; i < std::size(kNoRowAttributes); ++i) {
      if (std::strcmp(kNoRowAttributes[i].name, pszName) != 0) continue;
      const char* pszValue = pAttr->Attribute("AttrValue");
      values[i] = pszValue ? pszValue : "";
    }
  }
  for (size_t i = 0; i < std::size(kNoRowAttributes); ++i) {
    const auto& entry = kNoRowAttributes[i];
    if (!values[i]) {
      object.SetAttribute(entry.objectAttribute, "");
    } else if (entry.asInteger) {
      object.SetAttribute(entry.objectAttribute, npb::ReadAttrInt(values[i]));
    } else {
      object.SetAttribute(entry.objectAttribute, values[i]);
    }
  }
}

// True when the grid shows the rows of this object: its group row is built on the element.
bool ShowsObject(const CPropertyGridCtrl& grid, const TiXmlElement* pObject) {
  const CPropertyGridProperty* pGroup = grid.GetPropertyCount() == 1 ? grid.GetProperty(0) : nullptr;
  return pGroup && pGroup->GetXmlNode() == pObject;
}

// Adds the object's group row and lays the grid out once, at the place given. The rows keep
// the expansion they were built with: expanding all before the group is in the grid expands
// nothing, so that call is left out with the layout and paint it would cost.
void ShowGroup(CPropertyGridCtrl& grid, std::unique_ptr<CPropertyGridProperty> pGroup,
               const CPropertyGridCtrl::Place& place) {
  grid.AddProperty(pGroup.release(), FALSE, FALSE);
  grid.RestorePlace(place);
}

// The texts an attribute's row is built from, absent ones empty.
struct AttributeTexts {
  const char* pszLabel = "";
  const char* pszName = "";
  const char* pszValue = "";
  const char* pszThemeHandle = "";
  const char* pszColHandle = "";
  const char* pszDescription = "";
};

const struct {
  const char* name;
  const char* AttributeTexts::*text;
} kAttributeTexts[] = {
    {"Label", &AttributeTexts::pszLabel},
    {"Name", &AttributeTexts::pszName},
    {"AttrValue", &AttributeTexts::pszValue},
    {"ThemeHandle", &AttributeTexts::pszThemeHandle},
    {"ColHandle", &AttributeTexts::pszColHandle},
    {"AttrDescription", &AttributeTexts::pszDescription},
};

// One pass over the element's XML attributes: a look-up by name for each text would walk
// them again each time, which in a rebuild costs as much as building the rows. A document
// holds no name twice on one element, so the first match is the only one.
AttributeTexts ReadTexts(const TiXmlElement* pAttr) {
  AttributeTexts texts;
  for (const TiXmlAttribute* pXml = pAttr->FirstAttribute(); pXml; pXml = pXml->Next()) {
    const char* pszXmlName = pXml->Name();
    for (const auto& entry : kAttributeTexts) {
      if (entry.name[0] == pszXmlName[0] && std::strcmp(entry.name, pszXmlName) == 0) {
        texts.*entry.text = pXml->Value();
        break;
      }
    }
  }
  return texts;
}

npb::EditorRowArgs ReadAttribute(TiXmlElement* pObject, TiXmlElement* pAttr, const char* pszHandle, int nUnit) {
  const AttributeTexts texts = ReadTexts(pAttr);
  npb::EditorRowArgs args;
  args.strLabel = texts.pszLabel;
  args.strName = texts.pszName;
  args.strValue = texts.pszValue;
  args.strThemeHandle = texts.pszThemeHandle;
  args.strColHandle = texts.pszColHandle;
  if (*texts.pszDescription) args.strDescr = g_sources.describe(npb::ReadAttrInt(texts.pszDescription)).c_str();
  args.strHandle = pszHandle;
  args.nNumber = npb::LookupStringValue(args.strName.GetString());
  args.nValue = npb::ReadAttrInt(args.strValue);
  args.nUnit = nUnit;
  args.pObject = pObject;
  args.pAttr = pAttr;
  return args;
}

}  // namespace

void CTreeCtrlXML::UpdatePropGridCtrl(HTREEITEM hItem) {
  if (!hItem || !m_pPGCtrl) return;
  CPropertyGridCtrl& grid = *m_pPGCtrl;
  Xml_ObjectData* pData = GetObjectData(hItem);
  // Building the same object again (after a style is applied, or when the host refreshes it)
  // keeps the user's place; another object starts at the top.
  const CPropertyGridCtrl::Place place =
      pData && pData->pNode && ShowsObject(grid, pData->pNode) ? grid.GetPlace() : CPropertyGridCtrl::Place();
  grid.RemoveAll();
  m_hGridItem = hItem;
  if (!pData || !pData->pNode) return;
  pData->nAttributes = 0;

  TiXmlElement* pObject = pData->pNode;
  const char* pszHandle = Text(pObject, "Handle");
  // The group row also writes the object's starting state attributes onto the element.
  const std::string strGroupName = npb::DirectTreeView(m_hWnd).Text(hItem) + kGroupSuffix;
  auto pGroup = std::make_unique<CPropertyGridProperty>(CString(strGroupName.c_str()), pObject, 0, FALSE);

  TiXmlElement* pAttr = CPropertyGridProperty::GetAttributeElement(pObject);
  if (!pAttr) {
    pGroup->AddSubItem(new CPropertyGridProperty("", COleVariant(""), "", CPropertyGridProperty::kDataReadOnly));
    ShowGroup(grid, std::move(pGroup), place);
    return;
  }

  KeepSymbolStateOnObject(*pObject, pAttr);
  const int nUnit = g_sources.readDefaultUnit();
  int nCount = 0;
  for (; pAttr; pAttr = pAttr->NextSiblingElement("Attribute")) {
    ++nCount;
    const npb::EditorRowArgs args = ReadAttribute(pObject, pAttr, pszHandle, nUnit);
    const npb::RowKind kind = npb::RowKindOf(args.nNumber);
    std::unique_ptr<CPropertyGridProperty> pRow(npb::MakeEditorRow(kind, args));
    if (!pRow) continue;  // a symbol value, kept on the object above
    if (pGroup->AddSubItem(pRow.get())) pRow.release();
    // An editor row's attribute loses its change mark here, with one deliberate exception:
    // a change the user made that no document has carried to the host yet keeps it, or
    // selecting another object and coming back would drop the change from the next Apply.
    // Marks that came with the host's description are cleared.
    if (npb::ClearsModifiedFlag(kind) && !IsUnsentChange(pAttr)) pAttr->SetAttribute("ModifiedFlag", "");
  }

  // The record is the one the item's data points to, so it is not stored back: the tree
  // view would repaint the item for the store, at more cost than building all the rows.
  pData->nAttributes = nCount;
  // Setting the rows lays the grid out again; the group's addition below does that anyway.
  if (grid.GetDescriptionRows() != kDescriptionRows) grid.SetDescriptionRows(kDescriptionRows);
  ShowGroup(grid, std::move(pGroup), place);
}

namespace npb {

void FillGridFromTreeItem(CTreeCtrlXML& tree, HTREEITEM hItem) { tree.UpdatePropGridCtrl(hItem); }

GridFillingSources SetGridFillingSources(const GridFillingSources& sources) {
  const GridFillingSources old = g_sources;
  g_sources.readDefaultUnit = sources.readDefaultUnit ? sources.readDefaultUnit : ProfileDefaultUnit;
  g_sources.describe = sources.describe ? sources.describe : HostDescription;
  return old;
}

}  // namespace npb
