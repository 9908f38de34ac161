// Arbitrary text through the document reader: it must never crash, overflow the stack
// or leak; the depth it measures before parsing must never fall short of what the parser
// builds; and whatever it accepts must print within a buffer of the printed size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <tinyxml.h>

#include "tree/xml_document.h"

namespace {

// Deepest element nesting of a parsed document, walked without recursion.
int ParsedDepth(const TiXmlDocument& doc) {
  int deepest = 0;
  std::vector<const TiXmlNode*> open{doc.FirstChild()};
  while (!open.empty()) {
    const TiXmlNode* node = open.back();
    if (!node) {
      open.pop_back();
      continue;
    }
    open.back() = node->NextSibling();
    if (!node->ToElement()) continue;
    if (static_cast<int>(open.size()) > deepest) deepest = static_cast<int>(open.size());
    open.push_back(node->FirstChild());
  }
  return deepest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TiXmlDocument doc;
  if (!npb::ReadXmlText(doc, text.data())) return 0;
  // The reader normalised the line ends in place, ahead of the terminator it wrote.
  if (ParsedDepth(doc) > npb::MeasureXmlDepth(text.c_str(), 1 << 30)) __builtin_trap();
  npb::FindXmlRoot(doc);
  TiXmlPrinter printer;
  doc.Accept(&printer);
  std::string buffer(printer.Size() + 1, '\0');
  if (npb::PrintXmlDocument(doc, buffer.data(), buffer.size()) != static_cast<int>(printer.Size()))
    __builtin_trap();
  if (printer.Size() > 0 && npb::PrintXmlDocument(doc, buffer.data(), printer.Size()) != -1)
    __builtin_trap();
  return 0;
}
