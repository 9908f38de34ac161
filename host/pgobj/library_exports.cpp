// The page library functions the browser imports by ordinal (numbers in pgobj.def).
// Every one is __stdcall, answers from the page models, and lets no exception out:
// bad input gives 0 or an empty answer.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "host/host_documents.h"
#include "host/host_state.h"
#include "host/page_pieces.h"
#include "host/pgobj/page_registry.h"
#include "sdk/pgobj_api.h"

namespace {

using pg::PageModel;
using pg::PageRegistry;

constexpr size_t kDocumentBuffer = 65536;
constexpr size_t kDescriptionBuffer = 260;

PageModel* PageOf(HWND page) {
  return PageRegistry::Instance().Find(page);
}

PageModel* PageWithObject(int object) {
  return PageRegistry::Instance().FindObject(object);
}

const pg::ObjectState* StateOf(int object) {
  PageModel* model = PageWithObject(object);
  return model ? model->State(object) : nullptr;
}

// An object's attribute as an integer; the object kind is the host's own state.
int IntegerAttribute(int object, int attrNo) {
  PageModel* model = PageWithObject(object);
  if (!model) return 0;
  if (attrNo == pg::kAttrObjectKind) {
    const pg::ObjectState* state = model->State(object);
    return state ? state->kind : 0;
  }
  std::string value;
  return model->GetAttribute(object, attrNo, &value) ? std::atoi(value.c_str()) : 0;
}

// The folder whose files answer the document queries instead of the built-in tables.
std::string g_hostDataFolder;

// The file answer for an ordinal and attribute name: "ORDINAL-NAME.xml", else
// "ORDINAL-default.xml". False without a folder or without either file.
bool HostDataAnswer(int ordinal, const char* attrName, std::string& text) {
  if (g_hostDataFolder.empty()) return false;
  const std::string stem = g_hostDataFolder + "\\" + std::to_string(ordinal) + "-";
  for (const std::string& path : {stem + (attrName ? attrName : "") + ".xml", stem + "default.xml"}) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) continue;
    text.clear();
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
    return true;
  }
  return false;
}

// Runs `body`, turning any exception into `fallback`.
template <typename Body>
int Guarded(int fallback, Body body) {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

}  // namespace

extern "C" {

int __stdcall GetPageObjectCount(HWND page) {
  PageModel* model = PageOf(page);
  return model ? model->ObjectCount() : 0;
}

int __stdcall GetPageChunkCount(HWND page) {
  return Guarded(0, [&] {
    PageModel* model = PageOf(page);
    return model ? model->PieceCount() - pg::kMinPieces : 0;
  });
}

// Each piece comes from the C runtime's malloc: the browser frees it with free. A page
// the library does not know gives two empty pieces.
int __stdcall GetPageDescriptionChunks(HWND page, char** pieces) {
  if (!pieces) return 0;
  return Guarded(0, [&] {
    PageModel* model = PageOf(page);
    std::vector<std::string_view> parts;
    if (model) parts = model->Pieces();
    parts.resize(std::max<size_t>(parts.size(), pg::kMinPieces));
    for (size_t i = 0; i < parts.size(); ++i) {
      char* piece = static_cast<char*>(std::malloc(parts[i].size() + 1));
      if (piece) {
        std::memcpy(piece, parts[i].data(), parts[i].size());
        piece[parts[i].size()] = '\0';
      }
      pieces[i] = piece;
    }
    return static_cast<int>(parts.size());
  });
}

int __stdcall SendPageDescription(HWND page, const char* document, int /*reserved*/) {
  if (!document) return 0;
  return Guarded(0, [&] {
    PageRegistry::Instance().Notify(page, document);
    PageModel* model = PageOf(page);
    return model && model->ApplyChanges(document) ? 1 : 0;
  });
}

int __stdcall GetAttributeDescription(int descriptionNo, char* buffer) {
  const std::string_view text = pg::AttributeDescription(descriptionNo);
  pg::CopyToBuffer(text, buffer, kDescriptionBuffer);
  return text.empty() ? 0 : 1;
}

int __stdcall GetStandardOptions(int /*object*/, const char* attrName, char* buffer, int listForm) {
  if (!attrName || !buffer) return 0;
  return Guarded(0, [&] {
    std::string answer;
    if (HostDataAnswer(192, attrName, answer)) {
      pg::CopyToBuffer(answer, buffer, kDocumentBuffer);
      return 1;
    }
    pg::CopyToBuffer(pg::StandardOptionsDocument(attrName, listForm), buffer, kDocumentBuffer);
    return static_cast<int>(pg::StandardOptions(attrName, listForm).size());
  });
}

int __stdcall GetColorSchemes(const char* text, char* buffer) {
  if (!text || !buffer) return 0;
  return Guarded(0, [&] {
    std::string answer;
    if (HostDataAnswer(199, text, answer)) {
      pg::CopyToBuffer(answer, buffer, kDocumentBuffer);
      return 1;
    }
    pg::CopyToBuffer(pg::SchemeTableDocument(text), buffer, kDocumentBuffer);
    return 1;
  });
}

int __stdcall GetColumnSchemes(int object, const char* text, char* buffer) {
  if (!buffer) return 0;
  return Guarded(0, [&] {
    std::string answer;
    if (HostDataAnswer(200, text, answer)) {
      pg::CopyToBuffer(answer, buffer, kDocumentBuffer);
      return 1;
    }
    PageModel* model = PageWithObject(object);
    if (!model) {
      pg::CopyToBuffer("", buffer, kDocumentBuffer);
      return 0;
    }
    pg::CopyToBuffer(pg::ColumnTableDocument(model->DataSource(object)), buffer, kDocumentBuffer);
    return 1;
  });
}

// The buffer receives numbers as 8-byte reals; text attributes and unknown ones leave
// it alone (its size is the caller's).
int __stdcall GetObjectAttribute(int object, int attrNo, void* valueBuffer) {
  return Guarded(0, [&] {
    if (valueBuffer) {
      PageModel* model = PageWithObject(object);
      std::string value, dataType;
      if (model && model->GetAttribute(object, attrNo, &value, &dataType) && dataType != "PTR String") {
        const double real = std::atof(value.c_str());
        std::memcpy(valueBuffer, &real, sizeof real);
      }
    }
    return IntegerAttribute(object, attrNo);
  });
}

// The value is read by the attribute's data type: a real, a text, or a 32-bit integer.
int __stdcall SetObjectAttribute(int object, int attrNo, const void* value) {
  if (!value) return 0;
  return Guarded(0, [&] {
    PageModel* model = PageWithObject(object);
    std::string dataType;
    if (!model || !model->GetAttribute(object, attrNo, nullptr, &dataType)) return 0;
    std::string text;
    if (dataType == "double") {
      double real;
      std::memcpy(&real, value, sizeof real);
      char digits[40];
      std::snprintf(digits, sizeof digits, "%.15g", real);
      text = digits;
    } else if (dataType == "PTR String") {
      text = static_cast<const char*>(value);
    } else {
      int integer;
      std::memcpy(&integer, value, sizeof integer);
      text = std::to_string(integer);
    }
    return model->SetAttribute(object, attrNo, text) ? 1 : 0;
  });
}

int __stdcall GetObjectKind(int object, int attrNo, int /*reserved*/) {
  return Guarded(0, [&] { return IntegerAttribute(object, attrNo); });
}

int __stdcall GetOptionValue(int object, int attrNo, int /*reserved*/) {
  return Guarded(0, [&] { return IntegerAttribute(object, attrNo); });
}

int __stdcall GetOptionValueAlt(int object, int attrNo, int /*reserved*/) {
  return Guarded(0, [&] { return IntegerAttribute(object, attrNo); });
}

int __stdcall GetObjectPictureInfo(int object, int* a, int* b, int* c) {
  const pg::ObjectState* state = StateOf(object);
  int* out[] = {a, b, c};
  for (int i = 0; i < 3; ++i)
    if (out[i]) *out[i] = state ? state->pictureInfo[i] : 0;
  return state ? 1 : 0;
}

int __stdcall GetObjectFeature(int object, int selector) {
  const pg::ObjectState* state = StateOf(object);
  if (!state || selector < 1 || selector > 2) return 0;
  return state->features[selector - 1] ? 1 : 0;
}

int __stdcall GetObjectPictureState(int object) {
  const pg::ObjectState* state = StateOf(object);
  return state ? state->pictureState : 0;
}

int __stdcall HasCustomSettings(int object, short kind) {
  const pg::ObjectState* state = StateOf(object);
  return state && state->customKinds.count(kind) ? 1 : 0;
}

int __stdcall ClearCustomSettings(int object, short kind) {
  PageModel* model = PageWithObject(object);
  pg::ObjectState* state = model ? model->State(object) : nullptr;
  if (!state) return 0;
  return Guarded(0, [&] { return state->customKinds.erase(kind) ? 1 : 0; });
}

void __stdcall PgSetHostDataFolder(const char* folder) {
  try {
    g_hostDataFolder = folder ? folder : "";
    while (!g_hostDataFolder.empty() && (g_hostDataFolder.back() == '\\' || g_hostDataFolder.back() == '/')) {
      g_hostDataFolder.pop_back();
    }
  } catch (...) {
    g_hostDataFolder.clear();
  }
}

}  // extern "C"

// The browser calls these through the shared interface's pointer types: a signature that
// drifted from it would unbalance the stack of every call.
static_assert(std::is_same_v<decltype(&GetPageObjectCount), pgobj::GetPageObjectCountFn>);
static_assert(std::is_same_v<decltype(&GetPageChunkCount), pgobj::GetPageChunkCountFn>);
static_assert(std::is_same_v<decltype(&GetPageDescriptionChunks), pgobj::GetPageDescriptionChunksFn>);
static_assert(std::is_same_v<decltype(&SendPageDescription), pgobj::SendPageDescriptionFn>);
static_assert(std::is_same_v<decltype(&GetAttributeDescription), pgobj::GetAttributeDescriptionFn>);
static_assert(std::is_same_v<decltype(&GetStandardOptions), pgobj::GetStandardOptionsFn>);
static_assert(std::is_same_v<decltype(&GetColorSchemes), pgobj::GetColorSchemesFn>);
static_assert(std::is_same_v<decltype(&GetColumnSchemes), pgobj::GetColumnSchemesFn>);
static_assert(std::is_same_v<decltype(&GetObjectAttribute), pgobj::GetObjectAttributeFn>);
static_assert(std::is_same_v<decltype(&SetObjectAttribute), pgobj::SetObjectAttributeFn>);
static_assert(std::is_same_v<decltype(&GetObjectKind), pgobj::GetObjectKindFn>);
static_assert(std::is_same_v<decltype(&GetOptionValue), pgobj::GetOptionValueFn>);
static_assert(std::is_same_v<decltype(&GetOptionValueAlt), pgobj::GetOptionValueFn>);
static_assert(std::is_same_v<decltype(&GetObjectPictureInfo), pgobj::GetObjectPictureInfoFn>);
static_assert(std::is_same_v<decltype(&GetObjectFeature), pgobj::GetObjectFeatureFn>);
static_assert(std::is_same_v<decltype(&GetObjectPictureState), pgobj::GetObjectPictureStateFn>);
static_assert(std::is_same_v<decltype(&HasCustomSettings), pgobj::CustomSettingsFn>);
static_assert(std::is_same_v<decltype(&ClearCustomSettings), pgobj::CustomSettingsFn>);
