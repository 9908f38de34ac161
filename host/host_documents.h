// The small documents the page library answers besides the page itself: standard option
// lists, colour and picture schemes, worksheet columns, and attribute descriptions.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace pg {

// Option lists hold at most 50 entries; the symbol list is the one longer list, with a
// picture for each of its 59 shapes.
constexpr size_t kMaxOptions = 50;
constexpr size_t kMaxSymbolOptions = 59;

// Entries of an attribute's standard option list; `listForm` picks the series of the
// old-style date label lists (0 months, 1 days of the week, 2 years, 3 letters, 4 numbers).
// Empty for an attribute without a list.
std::vector<std::string_view> StandardOptions(std::string_view attrName, int listForm);

// "XML"/"Root"/"standardOptions"/"option" with "id" and "name" per entry.
std::string StandardOptionsDocument(std::string_view attrName, int listForm);

// "XML"/"Root"/"SchemeTable": the colour schemes, or the picture schemes of a picture list.
std::string SchemeTableDocument(std::string_view attrName);

// "XML"/"Root"/"ColumnTable": the worksheet columns named in `dataSource`
// ("Data 1: col(1), col(2)"); a page object without data offers the first sheet's columns.
std::string ColumnTableDocument(std::string_view dataSource);

// The description text of a row by its "AttrDescription" number; empty when unknown.
std::string_view AttributeDescription(int number);

// Copies `text` into a caller's buffer of `size` bytes, cut to fit and zero-terminated.
void CopyToBuffer(std::string_view text, char* buffer, size_t size);

}  // namespace pg
