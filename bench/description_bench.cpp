// Joining and reading a page description delivered in pieces, against TinyXML parsing
// the same joined text: the ratio of the two is the cost of the browser's own steps.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include "module/page_description.h"
#include "host/page_generator.h"
#include "host/page_pieces.h"
#include "tree/xml_document.h"

namespace {

const std::string& LargePage() {
  static const std::string text = pg::GeneratePage({.objects = 10000, .attributesPerObject = 30, .depth = 4, .seed = 7});
  return text;
}

std::vector<char*> MallocPieces(const std::string& text) {
  std::vector<char*> pieces;
  for (std::string_view piece : pg::SplitIntoPieces(text)) {
    char* copy = static_cast<char*>(std::malloc(piece.size() + 1));
    std::memcpy(copy, piece.data(), piece.size());
    copy[piece.size()] = '\0';
    pieces.push_back(copy);
  }
  return pieces;
}

void BM_TinyXmlParseJoinedText(benchmark::State& state) {
  const std::string& text = LargePage();
  for (auto _ : state) {
    TiXmlDocument doc;
    doc.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    benchmark::DoNotOptimize(doc.FirstChild());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_JoinAndReadPieces(benchmark::State& state) {
  const std::string& text = LargePage();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<char*> pieces = MallocPieces(text);
    state.ResumeTiming();
    const int count = static_cast<int>(pieces.size());
    std::string joined = npb::JoinDescriptionPieces(pieces.data(), count, count);
    TiXmlDocument doc;
    benchmark::DoNotOptimize(npb::ReadXmlText(doc, joined.data()));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

}  // namespace

BENCHMARK(BM_TinyXmlParseJoinedText)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_JoinAndReadPieces)->Unit(benchmark::kMillisecond)->MinTime(2.0);
