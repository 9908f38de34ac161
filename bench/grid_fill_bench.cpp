// Rebuilding the grid for a selected object of 500 attributes, against a bare TinyXML walk
// that reads the same attributes of the same elements: the ratio is what the rows cost.
// Both the rebuild of the object shown (which keeps the user's place) and the switch to
// another object are timed.
#include <string>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include "grid/property_grid_ctrl.h"
#include "recorder/attribute_names.h"
#include "tree/tree_ctrl_xml.h"

namespace {

constexpr int kAttributes = 500;

// Names of every row kind, including ones that make no row and one the table lacks.
const char* const kNames[] = {"SEA_COLOR",     "SSA_SHAPE",  "SEA_THICKNESS",     "SAA_FROMVAL_TERNARY_XRANGE",
                              "SGA_SHOWNAME",  "SGA_NAME",   "SLA_SAMPLETOP",     "STA_FONT",
                              "SPA_WIDTH",     "SSA_STRING", "NOT_IN_THE_TABLE",  "SDA_COLOR"};

std::string ObjectElement(const char* name, int handle) {
  std::string text = std::string("<Object Type=\"Axis\" Object_Name=\"") + name + "\" Handle=\"" +
                     std::to_string(handle) + "\"><AttributeTable>";
  for (int i = 0; i < kAttributes; ++i) {
    const std::string n = std::to_string(i);
    text += "<Attribute ID=\"" + n + "\" Name=\"" + kNames[i % std::size(kNames)] + "\" Label=\"Label " + n +
            "\" DataType=\"Integer\" AttrValue=\"" + n + "\" ThemeHandle=\"4\" ColHandle=\"-1\" />";
  }
  return text + "</AttributeTable></Object>";
}

// Two objects alike: the walk reads the first; rebuilding switches between them or keeps one.
std::string ObjectPage() {
  return "<XML><ObjectList>" + ObjectElement("X Axis", 7) + ObjectElement("Y Axis", 8) + "</ObjectList></XML>";
}

// The dialog's tree and grid in a hidden frame, with the object loaded and selected.
class HiddenBrowser {
public:
  HiddenBrowser() {
    npb::FillAttributeNameMap();
    m_frame.Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 700, 600, nullptr, nullptr, nullptr, nullptr));
    m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 600), &m_frame, 1001);
    m_grid.Create(WS_CHILD | WS_VISIBLE, CRect(300, 0, 700, 600), &m_frame, 1003);
    m_tree.SetPGCtrl(&m_grid);
    m_grid.SetTreeCtrl(&m_tree);
    std::string text = ObjectPage();
    m_tree.LoadXMLFromString(text.data(), 0, nullptr);
    m_tree.SelectItem(m_tree.GetRootItem());
  }
  ~HiddenBrowser() {
    m_grid.DestroyWindow();
    m_tree.FreeItemData();
    m_tree.DestroyWindow();
    ::DestroyWindow(m_frame.Detach());
  }
  CTreeCtrlXML& Tree() { return m_tree; }
  CPropertyGridCtrl& Grid() { return m_grid; }

private:
  CWnd m_frame;
  CTreeCtrlXML m_tree;
  CPropertyGridCtrl m_grid;
};

void BM_GridFill_TinyXmlWalk(benchmark::State& state) {
  TiXmlDocument doc;
  doc.Parse(ObjectPage().c_str());
  TiXmlElement* table = doc.FirstChildElement("XML")->FirstChildElement("ObjectList")->FirstChildElement("Object")
                            ->FirstChildElement("AttributeTable");
  const char* const read[] = {"ID", "Name", "Label", "DataType", "AttrValue", "ThemeHandle", "ColHandle",
                              "AttrDescription"};
  for (auto _ : state) {
    int found = 0;
    for (TiXmlElement* a = table->FirstChildElement("Attribute"); a; a = a->NextSiblingElement("Attribute")) {
      for (const char* name : read) found += a->Attribute(name) != nullptr;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * kAttributes);
}

void BM_GridFill_UpdatePropGridCtrl(benchmark::State& state) {
  HiddenBrowser browser;
  const HTREEITEM item = browser.Tree().GetRootItem();
  for (auto _ : state) {
    browser.Tree().UpdatePropGridCtrl(item);
    benchmark::DoNotOptimize(browser.Grid().GetPropertyCount());
  }
  state.counters["rows"] = browser.Grid().GetProperty(0) ? browser.Grid().GetProperty(0)->GetSubItemsCount() : 0;
  state.SetItemsProcessed(state.iterations() * kAttributes);
}

// Selecting the other object each time: no place to keep, the list starts at its top.
void BM_GridFill_OtherObject(benchmark::State& state) {
  HiddenBrowser browser;
  const HTREEITEM items[] = {browser.Tree().GetRootItem(), browser.Tree().GetNextItem(browser.Tree().GetRootItem())};
  int n = 0;
  for (auto _ : state) {
    browser.Tree().UpdatePropGridCtrl(items[++n % 2]);
    benchmark::DoNotOptimize(browser.Grid().GetPropertyCount());
  }
  state.SetItemsProcessed(state.iterations() * kAttributes);
}

}  // namespace

BENCHMARK(BM_GridFill_TinyXmlWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridFill_UpdatePropGridCtrl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridFill_OtherObject)->Unit(benchmark::kMicrosecond);
