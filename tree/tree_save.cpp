// Saving the object tree as a change document. The walk stays on the class's own
// navigation, which talks to the tree view directly: the framework's item calls cost
// tens of microseconds each under Wine, seconds for a large page.
#include <cstdio>

#include "tree/change_document.h"
#include "tree/tree_ctrl_xml.h"
#include "tree/xml_document.h"

namespace {

void WriteItems(const CTreeCtrlXML& tree, npb::ChangeDocumentWriter& writer) {
  for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextItem(item)) {
    if (!writer.Add(tree.GetIndentLevel(item), tree.GetObjectData(item))) break;
  }
}

}  // namespace

void CTreeCtrlXML::Save(TiXmlElement* pXml) {
  if (!pXml) return;
  npb::ChangeDocumentWriter writer(*pXml);
  WriteItems(*this, writer);
}

bool CTreeCtrlXML::SaveXMLToString(char* pszBuffer, std::size_t nSize) {
  if (!pszBuffer || nSize == 0) return false;
  TiXmlDocument doc;
  npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
  WriteItems(*this, writer);
  if (npb::PrintXmlDocument(doc, pszBuffer, nSize) >= 0) return true;
  // Nothing reaches the host, so the style still has to go with the next save.
  writer.RestoreStyleMarks();
  return false;
}

bool CTreeCtrlXML::SaveXMLToFile(const char* pszPath) {
  if (!pszPath || !*pszPath) return false;
  std::FILE* file = std::fopen(pszPath, "w");
  if (!file) return false;
  TiXmlDocument doc;
  Save(npb::StartChangeDocument(doc));
  TiXmlPrinter printer;
  doc.Accept(&printer);
  std::fwrite(printer.CStr(), 1, printer.Size(), file);
  std::fclose(file);
  return true;
}
