// Writes page descriptions of any size in the page vocabulary, for tests and benchmarks.
#pragma once
#include <string>

namespace pg {

struct GeneratorOptions {
  int objects = 100;               // "Object" elements in all
  int attributesPerObject = 30;    // "Attribute" elements of each object
  int depth = 4;                   // deepest object nesting, 1 = all objects top-level
  unsigned seed = 1;               // same options and seed, same text
};

// The page as text (TinyXML's print format); the n-th object has handle n unless it is
// a list heading, which has none.
std::string GeneratePage(const GeneratorOptions& options);

}  // namespace pg
