// Loading a large page description into the object tree, against TinyXML parsing the same
// text in the same run: the ratio is what the tree adds (style marks, records, items).
// The item insertion alone is measured too, since a real tree view does that part.
#include <string>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include "host/page_generator.h"
#include "tree/tree_ctrl_xml.h"
#include "tree/xml_document.h"

namespace {

const std::string& LargePage() {
  static const std::string text =
      pg::GeneratePage({.objects = 10000, .attributesPerObject = 30, .depth = 4, .seed = 11});
  return text;
}

// Exposes the loading of an already-read document, to time the insertion on its own.
class BenchTree : public CTreeCtrlXML {
public:
  using CTreeCtrlXML::Load;
};

// A tree view in a hidden top-level window, as the dialog's tree is before it shows.
class HiddenTree {
public:
  HiddenTree() {
    m_parent.Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 600, nullptr, nullptr, nullptr, nullptr));
    m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                  CRect(0, 0, 300, 600), &m_parent, 1001);
  }
  ~HiddenTree() {
    m_tree.FreeItemData();
    m_tree.DestroyWindow();
    ::DestroyWindow(m_parent.Detach());
  }
  BenchTree& Tree() { return m_tree; }

private:
  CWnd m_parent;
  BenchTree m_tree;
};

void BM_TreeLoad_TinyXmlParse(benchmark::State& state) {
  const std::string& text = LargePage();
  for (auto _ : state) {
    // Freeing the document is left out, as it is for the tree's.
    auto* doc = new TiXmlDocument;
    doc->Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    benchmark::DoNotOptimize(doc->FirstChild());
    state.PauseTiming();
    delete doc;
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_TreeLoad_LoadXMLFromString(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto* window = new HiddenTree;
    std::string text = LargePage();
    state.ResumeTiming();
    benchmark::DoNotOptimize(window->Tree().LoadXMLFromString(text.data(), 5000, "Layer"));
    state.PauseTiming();
    state.counters["items"] = window->Tree().GetCount();
    delete window;
    state.ResumeTiming();
  }
}

void BM_TreeLoad_InsertItemsOnly(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto* window = new HiddenTree;
    std::string text = LargePage();
    npb::ReadXmlText(*window->Tree().GetXmlDoc(), text.data());
    TiXmlElement* root = npb::FindXmlRoot(*window->Tree().GetXmlDoc());
    state.ResumeTiming();
    window->Tree().Load(root, 5000, "Layer");
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_TreeLoad_TinyXmlParse)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TreeLoad_LoadXMLFromString)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TreeLoad_InsertItemsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
