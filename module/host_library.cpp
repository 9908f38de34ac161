#include "module/host_library.h"

#include <vector>

#include "module/page_description.h"

namespace {

template <typename Fn>
void BindOrdinal(HMODULE module, WORD ordinal, Fn& slot) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

// Runs a document query into an emptied buffer of the library's fixed size.
template <typename Query>
std::string QueryDocument(Query&& query) {
  std::vector<char> buffer(pgobj::kDocumentBufferSize, '\0');
  query(buffer.data());
  buffer.back() = '\0';
  return buffer.data();
}

}  // namespace

HostPageLibrary& HostPageLibrary::Instance() {
  static HostPageLibrary library(LoadLibraryA("pgobj.dll"));
  return library;
}

HostPageLibrary::HostPageLibrary(HMODULE module) {
  if (!module) return;
  using namespace pgobj;
  BindOrdinal(module, kGetPageObjectCount, m_getPageObjectCount);
  BindOrdinal(module, kGetPageChunkCount, m_getPageChunkCount);
  BindOrdinal(module, kGetPageDescriptionChunks, m_getPageDescriptionChunks);
  BindOrdinal(module, kSendPageDescription, m_sendPageDescription);
  BindOrdinal(module, kGetAttributeDescription, m_getAttributeDescription);
  BindOrdinal(module, kGetStandardOptions, m_getStandardOptions);
  BindOrdinal(module, kGetColorSchemes, m_getColorSchemes);
  BindOrdinal(module, kGetColumnSchemes, m_getColumnSchemes);
  BindOrdinal(module, kGetObjectAttribute, m_getObjectAttribute);
  BindOrdinal(module, kSetObjectAttribute, m_setObjectAttribute);
  BindOrdinal(module, kGetObjectKind, m_getObjectKind);
  BindOrdinal(module, kGetOptionValue, m_getOptionValue);
  BindOrdinal(module, kGetOptionValueAlt, m_getOptionValueAlt);
  BindOrdinal(module, kGetObjectPictureInfo, m_getObjectPictureInfo);
  BindOrdinal(module, kGetObjectFeature, m_getObjectFeature);
  BindOrdinal(module, kGetObjectPictureState, m_getObjectPictureState);
  BindOrdinal(module, kHasCustomSettings, m_hasCustomSettings);
  BindOrdinal(module, kClearCustomSettings, m_clearCustomSettings);
  m_bound = m_getPageChunkCount && m_getPageDescriptionChunks;
}

int HostPageLibrary::GetPageObjectCount(HWND page) const {
  return m_getPageObjectCount ? m_getPageObjectCount(page) : 0;
}

int HostPageLibrary::GetPageChunkCount(HWND page) const {
  return m_getPageChunkCount ? m_getPageChunkCount(page) : 0;
}

std::string HostPageLibrary::FetchPageDescription(HWND page, int pieces) const {
  if (!m_getPageDescriptionChunks || pieces <= 0) return {};
  std::vector<char*> slots(npb::DescriptionSlotCount(pieces), nullptr);
  m_getPageDescriptionChunks(page, slots.data());
  return npb::JoinDescriptionPieces(slots.data(), static_cast<int>(slots.size()), pieces);
}

void HostPageLibrary::SendPageDescription(HWND page, const char* document) const {
  if (m_sendPageDescription && document) m_sendPageDescription(page, document, 0);
}

std::string HostPageLibrary::GetAttributeDescription(int descriptionNo) const {
  char buffer[pgobj::kDescriptionBufferSize] = {};
  if (m_getAttributeDescription) m_getAttributeDescription(descriptionNo, buffer);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

std::string HostPageLibrary::GetStandardOptions(int object, const char* attrName, int listForm) const {
  if (!m_getStandardOptions) return {};
  return QueryDocument([&](char* buffer) { m_getStandardOptions(object, attrName, buffer, listForm); });
}

std::string HostPageLibrary::GetColorSchemes(const char* text) const {
  if (!m_getColorSchemes) return {};
  return QueryDocument([&](char* buffer) { m_getColorSchemes(text, buffer); });
}

std::string HostPageLibrary::GetColumnSchemes(int object, const char* text) const {
  if (!m_getColumnSchemes) return {};
  return QueryDocument([&](char* buffer) { m_getColumnSchemes(object, text, buffer); });
}

int HostPageLibrary::GetObjectAttribute(int object, int attrNo, void* valueBuffer) const {
  return m_getObjectAttribute ? m_getObjectAttribute(object, attrNo, valueBuffer) : 0;
}

int HostPageLibrary::SetObjectAttribute(int object, int attrNo, const void* value) const {
  return m_setObjectAttribute ? m_setObjectAttribute(object, attrNo, value) : 0;
}

int HostPageLibrary::GetObjectKind(int object) const {
  constexpr int kObjectKindAttribute = 1026;
  return m_getObjectKind ? m_getObjectKind(object, kObjectKindAttribute, 0) : 0;
}

int HostPageLibrary::GetOptionValue(int object, int attrNo) const {
  return m_getOptionValue ? m_getOptionValue(object, attrNo, 0) : 0;
}

int HostPageLibrary::GetOptionValueAlt(int object) const {
  constexpr int kAltOptionAttribute = 782;
  return m_getOptionValueAlt ? m_getOptionValueAlt(object, kAltOptionAttribute, 0) : 0;
}

int HostPageLibrary::GetObjectPictureInfo(int object, int* first, int* second, int* third) const {
  return m_getObjectPictureInfo ? m_getObjectPictureInfo(object, first, second, third) : 0;
}

int HostPageLibrary::GetObjectFeature(int object, int selector) const {
  return m_getObjectFeature ? m_getObjectFeature(object, selector) : 0;
}

int HostPageLibrary::GetObjectPictureState(int object) const {
  return m_getObjectPictureState ? m_getObjectPictureState(object) : 0;
}

int HostPageLibrary::HasCustomSettings(int object, short kind) const {
  return m_hasCustomSettings ? m_hasCustomSettings(object, kind) : 0;
}

int HostPageLibrary::ClearCustomSettings(int object, short kind) const {
  return m_clearCustomSettings ? m_clearCustomSettings(object, kind) : 0;
}
