// The source rules of colour and picture rows: which value a row shows and whether it
// comes from a theme or a column, decided from the attribute's "ThemeHandle" and
// "ColHandle" texts. Window-free.
#pragma once

#include <cstdint>

// The source records are the colour and picture rows' constructor arguments.
#include "editors/source_info.h"

namespace npb {

// A decimal attribute text read as C's atoi reads it: leading blanks and sign, then the
// leading digits; 0 when there are none, null included. Out-of-range numbers are held
// to the int range.
std::int32_t ReadAttrInt(const char* text);

// The two handle texts of one attribute; null reads as empty.
struct SourceHandles {
  const char* themeHandle;
  const char* colHandle;
};

struct ColorChoice {
  ColorSourceInfo info;  // nValue is always the attribute's integer value
  std::int32_t nColor;   // what the row shows: the value, or the theme or column number
};

struct PictureChoice {
  PictureSourceInfo info;
  std::int32_t nPicture;  // what the row shows: the value, or the source index
};

ColorChoice ChooseColorSource(const SourceHandles& handles, std::int32_t value);
PictureChoice ChoosePictureSource(const SourceHandles& handles, std::int32_t value);

}  // namespace npb
