// Arbitrary text through the document reader: it must never crash, overflow the stack
// or leak, and whatever it accepts must print within a buffer of the printed size.
#include <cstddef>
#include <cstdint>
#include <string>

#include <tinyxml.h>

#include "tree/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TiXmlDocument doc;
  if (!npb::ReadXmlText(doc, text.data())) return 0;
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
