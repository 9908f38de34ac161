// One commit in dynamic-update mode on a 10,000-object page: the change document of the
// whole tree with one changed attribute, saved into the commit's buffer. Against TinyXML
// printing the same document, which is the floor the save cannot go below; the walk of
// the tree view and the building of the document are timed apart as well.
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include "host/page_generator.h"
#include "tree/change_document.h"
#include "tree/tree_ctrl_xml.h"

namespace {

constexpr std::size_t kPieceSize = 65536;

// The loaded page in a hidden tree view, one attribute of the middle object changed as a
// committing row leaves it.
class CommitPage {
public:
  CommitPage() {
    m_parent.Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 600, nullptr, nullptr, nullptr, nullptr));
    m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(0, 0, 300, 600),
                  &m_parent, 1001);
    std::string text = pg::GeneratePage({.objects = 10000, .attributesPerObject = 30, .depth = 4, .seed = 11});
    // The commit's buffer: one 64 KiB piece more than the description arrived in.
    m_bufferSize = (text.size() / kPieceSize + 2) * kPieceSize;
    m_tree.LoadXMLFromString(text.data(), 0, nullptr);
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextItem(item)) {
      m_levels.push_back(m_tree.GetIndentLevel(item));
      m_records.push_back(m_tree.GetObjectData(item));
    }
    MarkOneChange();
  }
  ~CommitPage() {
    m_tree.FreeItemData();
    m_tree.DestroyWindow();
    ::DestroyWindow(m_parent.Detach());
  }

  CTreeCtrlXML& Tree() { return m_tree; }
  std::size_t BufferSize() const { return m_bufferSize; }
  std::size_t Items() const { return m_records.size(); }

  // The change document built from the records alone, without the tree view.
  void Build(TiXmlDocument& doc) const {
    npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
    for (std::size_t i = 0; i < m_records.size(); ++i) {
      if (!writer.Add(m_levels[i], m_records[i])) break;
    }
  }

private:
  void MarkOneChange() {
    for (std::size_t i = m_records.size() / 2; i < m_records.size(); ++i) {
      Xml_ObjectData* record = m_records[i];
      TiXmlElement* table = record && record->pNode ? record->pNode->FirstChildElement("AttributeTable") : nullptr;
      TiXmlElement* attribute = table ? table->FirstChildElement("Attribute") : nullptr;
      if (!attribute || !record->pNode->Attribute("Handle")) continue;
      attribute->SetAttribute("AttrValue", "75");
      attribute->SetAttribute("ModifiedFlag", "1");
      record->bModified = 1;
      return;
    }
  }

  CWnd m_parent;
  CTreeCtrlXML m_tree;
  std::size_t m_bufferSize = 0;
  std::vector<int> m_levels;
  std::vector<Xml_ObjectData*> m_records;
};

CommitPage& Page() {
  static CommitPage* page = new CommitPage;  // left to process end, like the benchmarks' other pages
  return *page;
}

void BM_Save_TinyXmlPrint(benchmark::State& state) {
  TiXmlDocument doc;
  Page().Build(doc);
  std::size_t size = 0;
  for (auto _ : state) {
    TiXmlPrinter printer;
    doc.Accept(&printer);
    size = printer.Size();
    benchmark::DoNotOptimize(printer.CStr());
  }
  state.counters["bytes"] = static_cast<double>(size);
}

void BM_Save_BuildFromRecords(benchmark::State& state) {
  for (auto _ : state) {
    TiXmlDocument doc;
    Page().Build(doc);
    benchmark::DoNotOptimize(doc.FirstChild());
  }
}

// The commit: a zero-filled buffer of the description's size, the save into it, freed.
void BM_Save_Commit(benchmark::State& state) {
  CommitPage& page = Page();
  bool saved = false;
  for (auto _ : state) {
    char* buffer = static_cast<char*>(std::calloc(page.BufferSize(), 1));
    saved = page.Tree().SaveXMLToString(buffer, page.BufferSize());
    benchmark::DoNotOptimize(buffer[0]);
    std::free(buffer);
  }
  state.counters["saved"] = saved;
  state.counters["items"] = static_cast<double>(page.Items());
}

// The tree view's part: navigation alone (0), with the indent level (1), with the record
// (2), as the save asks for them.
void BM_Save_WalkOnly(benchmark::State& state) {
  CTreeCtrlXML& tree = Page().Tree();
  const int part = static_cast<int>(state.range(0));
  for (auto _ : state) {
    long sum = 0;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextItem(item)) {
      if (part >= 1) sum += tree.GetIndentLevel(item);
      if (part >= 2) sum += tree.GetObjectData(item) != nullptr;
    }
    benchmark::DoNotOptimize(sum);
  }
}

// One item query for the first and for the last top-level item: under Wine the tree view
// checks each item handle by searching its items from the first, so a query costs in
// proportion to the item's place and a walk of the whole tree grows with the square.
void BM_Save_RecordOfFirstAndLastItem(benchmark::State& state) {
  CTreeCtrlXML& tree = Page().Tree();
  HTREEITEM first = tree.GetRootItem();
  HTREEITEM last = first;
  for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) last = item;
  HTREEITEM probe = state.range(0) ? last : first;
  for (auto _ : state) benchmark::DoNotOptimize(tree.GetObjectData(probe));
}

}  // namespace

BENCHMARK(BM_Save_TinyXmlPrint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_BuildFromRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_Commit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_WalkOnly)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_RecordOfFirstAndLastItem)->Arg(0)->Arg(1);
