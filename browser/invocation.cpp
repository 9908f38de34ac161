#include "browser/invocation.h"

#include <string>

#include <tinyxml.h>

#include "browser/host_library.h"
#include "tree/xml_document.h"

void RunPropertyBrowser(HWND page, UINT /*selectHandle*/, const char* /*selectName*/) {
  const HostPageLibrary& library = HostPageLibrary::Instance();
  library.GetPageObjectCount(page);
  std::string text = library.FetchPageDescription(page);
  TiXmlDocument document;
  npb::ReadXmlText(document, text.data());
}
