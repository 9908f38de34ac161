// Saving the object tree as a change document. The walk reads the tree's item index, which
// already holds each item's level and record in tree order: asking the tree view item by
// item costs a search of its items per question under Wine.
#include <cstdio>
#include <limits>

#include "tree/change_document.h"
#include "tree/tree_ctrl_xml.h"
#include "tree/xml_document.h"

namespace {

void WriteItems(const npb::TreeOrderIndex& order, npb::ChangeDocumentWriter& writer) {
  for (const npb::TreeOrderIndex::Entry& entry : order.Entries()) {
    if (!writer.Add(entry.level, entry.record)) break;
  }
}

}  // namespace

void CTreeCtrlXML::Save(TiXmlElement* pXml) {
  if (!pXml) return;
  npb::ChangeDocumentWriter writer(*pXml);
  WriteItems(WholeTreeOrder(), writer);
}

bool CTreeCtrlXML::SaveXMLToString(char* pszBuffer, std::size_t nSize) {
  if (!pszBuffer || nSize == 0) return false;
  TiXmlDocument doc;
  npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
  WriteItems(WholeTreeOrder(), writer);
  if (npb::PrintXmlDocument(doc, pszBuffer, nSize) >= 0) return true;
  // Nothing reaches the host, so the style still has to go with the next save.
  writer.RestoreStyleMarks();
  return false;
}

bool CTreeCtrlXML::SaveXMLToString(char* pszBuffer) {
  return SaveXMLToString(pszBuffer, std::numeric_limits<std::size_t>::max());
}

bool CTreeCtrlXML::SaveXMLToFile(const char* pszPath) {
  if (!pszPath || !*pszPath) return false;
  std::FILE* file = std::fopen(pszPath, "w");
  if (!file) return false;
  TiXmlDocument doc;
  Save(npb::StartChangeDocument(doc));
  TiXmlPrinter printer;
  doc.Accept(&printer);
  // A full disk shows only once the buffered text is flushed, and some runtimes' close
  // does not report a failed flush: flush first and check.
  const bool bWritten = std::fwrite(printer.CStr(), 1, printer.Size(), file) == printer.Size() &&
                        std::fflush(file) == 0 && !std::ferror(file);
  const bool bClosed = std::fclose(file) == 0;
  return bWritten && bClosed;
}
