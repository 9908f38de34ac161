// The host page library "pgobj.dll", bound by ordinal once per process. When the library
// or one of its functions cannot be found, the calls answer quietly (0, empty text) so
// the browser stays usable without a host.
#pragma once
#include <string>

#include <windows.h>

#include "sdk/pgobj_api.h"

class HostPageLibrary {
public:
  // The process-wide binding to "pgobj.dll", made on first use.
  static HostPageLibrary& Instance();

  // Binds the functions of an already loaded module (null binds nothing).
  explicit HostPageLibrary(HMODULE module);
  HostPageLibrary(const HostPageLibrary&) = delete;
  HostPageLibrary& operator=(const HostPageLibrary&) = delete;

  bool IsBound() const { return m_bound; }

  int GetPageObjectCount(HWND page) const;
  int GetPageChunkCount(HWND page) const;
  // Fetches the description that GetPageChunkCount announced as `pieces` pieces, joins
  // them in order and frees them; empty when `pieces` is 0.
  std::string FetchPageDescription(HWND page, int pieces) const;
  void SendPageDescription(HWND page, const char* document) const;
  // Description text of a row; empty when there is none.
  std::string GetAttributeDescription(int descriptionNo) const;
  // The three document queries fill a 65,536-byte buffer, emptied before the call.
  std::string GetStandardOptions(int object, const char* attrName, int listForm) const;
  std::string GetColorSchemes(const char* text) const;
  std::string GetColumnSchemes(int object, const char* text) const;
  int GetObjectAttribute(int object, int attrNo, void* valueBuffer) const;
  int SetObjectAttribute(int object, int attrNo, const void* value) const;
  int GetObjectKind(int object) const;
  int GetOptionValue(int object, int attrNo) const;
  int GetOptionValueAlt(int object) const;
  int GetObjectPictureInfo(int object, int* first, int* second, int* third) const;
  int GetObjectFeature(int object, int selector) const;
  int GetObjectPictureState(int object) const;
  int HasCustomSettings(int object, short kind) const;
  int ClearCustomSettings(int object, short kind) const;

private:
  bool m_bound = false;
  pgobj::GetPageObjectCountFn m_getPageObjectCount = nullptr;
  pgobj::GetPageChunkCountFn m_getPageChunkCount = nullptr;
  pgobj::GetPageDescriptionChunksFn m_getPageDescriptionChunks = nullptr;
  pgobj::SendPageDescriptionFn m_sendPageDescription = nullptr;
  pgobj::GetAttributeDescriptionFn m_getAttributeDescription = nullptr;
  pgobj::GetStandardOptionsFn m_getStandardOptions = nullptr;
  pgobj::GetColorSchemesFn m_getColorSchemes = nullptr;
  pgobj::GetColumnSchemesFn m_getColumnSchemes = nullptr;
  pgobj::GetObjectAttributeFn m_getObjectAttribute = nullptr;
  pgobj::SetObjectAttributeFn m_setObjectAttribute = nullptr;
  pgobj::GetObjectKindFn m_getObjectKind = nullptr;
  pgobj::GetOptionValueFn m_getOptionValue = nullptr;
  pgobj::GetOptionValueFn m_getOptionValueAlt = nullptr;
  pgobj::GetObjectPictureInfoFn m_getObjectPictureInfo = nullptr;
  pgobj::GetObjectFeatureFn m_getObjectFeature = nullptr;
  pgobj::GetObjectPictureStateFn m_getObjectPictureState = nullptr;
  pgobj::CustomSettingsFn m_hasCustomSettings = nullptr;
  pgobj::CustomSettingsFn m_clearCustomSettings = nullptr;
};
