// The host page library's functions, as the browser imports them by ordinal from
// "pgobj.dll". Every function is __stdcall (the callee removes its arguments).
#pragma once
#include <windows.h>

namespace pgobj {

// Ordinals of the page library's exports; pgobj.def exports them by these numbers only.
enum Ordinal : WORD {
  kGetOptionValueAlt = 47,
  kGetObjectKind = 48,
  kGetOptionValue = 49,
  kGetPageDescriptionChunks = 190,
  kGetStandardOptions = 192,
  kSendPageDescription = 197,
  kGetColorSchemes = 199,
  kGetColumnSchemes = 200,
  kGetObjectPictureInfo = 201,
  kGetObjectFeature = 202,
  kGetPageObjectCount = 203,
  kGetObjectPictureState = 204,
  kGetPageChunkCount = 205,
  kGetAttributeDescription = 206,
  kHasCustomSettings = 207,
  kClearCustomSettings = 208,
  kGetObjectAttribute = 213,
  kSetObjectAttribute = 214,
};

constexpr int kMaxPieces = 300;          // pieces of one page description, at most
constexpr int kDocumentBufferSize = 65536;  // option, scheme and column document buffers
constexpr int kDescriptionBufferSize = 260;

using GetPageObjectCountFn = int(__stdcall*)(HWND page);
using GetPageChunkCountFn = int(__stdcall*)(HWND page);
using GetPageDescriptionChunksFn = int(__stdcall*)(HWND page, char** pieces);
using SendPageDescriptionFn = int(__stdcall*)(HWND page, const char* document, int reserved);
using GetAttributeDescriptionFn = int(__stdcall*)(int descriptionNo, char* buffer260);
using GetStandardOptionsFn = int(__stdcall*)(int object, const char* attrName, char* buffer, int listForm);
using GetColorSchemesFn = int(__stdcall*)(const char* text, char* buffer);
using GetColumnSchemesFn = int(__stdcall*)(int object, const char* text, char* buffer);
using GetObjectAttributeFn = int(__stdcall*)(int object, int attrNo, void* valueBuffer);
using SetObjectAttributeFn = int(__stdcall*)(int object, int attrNo, const void* value);
using GetObjectKindFn = int(__stdcall*)(int object, int attrNo, int reserved);
using GetOptionValueFn = int(__stdcall*)(int object, int attrNo, int reserved);
using GetObjectPictureInfoFn = int(__stdcall*)(int object, int* a, int* b, int* c);
using GetObjectFeatureFn = int(__stdcall*)(int object, int selector);
using GetObjectPictureStateFn = int(__stdcall*)(int object);
using CustomSettingsFn = int(__stdcall*)(int object, short kind);

}  // namespace pgobj
