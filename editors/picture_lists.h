// What a picture list is made of, window-free: which strip and name list an attribute
// shows, how a list's names are stored, and how a chosen entry turns into the value the
// host is sent (and back again when a row is built from the value). Tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace npb {

// Which object state colours recolour a list's pictures.
enum class PictureTint { kNone, kLine, kLineAndGap, kFillAndEdge, kFill };

// How a chosen entry's list index i becomes the "AttrValue" sent and the row's value.
enum class PictureValueRule {
  kIndex,             // i; the row keeps the option value
  kIndexBoth,         // i; the row keeps i
  kMinusIndex,        // -i; the row keeps the option value
  kIndexPlusOne,      // i + 1; the row keeps the option value
  kIndexOptionBelow,  // i; the row keeps the option value - 1
  kShape,             // the symbol table's shape code
  kPattern,           // the fill pattern or density code
  kQcMethod,          // the control-chart method code
};

// The host's answers that pick a list's special form.
struct PictureListContext {
  bool bDensityForm = false;        // fills shown as densities
  bool bLegendStyles = true;        // the graph has legend styles
  bool bFeature1 = false;           // plot dimension answers
  bool bFeature2 = false;
  int nSummaryArrangement = 0;      // second summary state result: data arrangement
  int nQcDirection = 0;             // object state "SLA_QCOPTS_DIRECTION"
  int nAxisKind = 1;                // 1 and 2 plain axes, 3 date-time
};

struct PictureList {
  unsigned nStrip = 0;        // bitmap of the pictures
  int nHeight = 0;            // height of one picture
  unsigned nNames = 0;        // first string of the names; 0: none
  unsigned nSchemeStrip = 0;  // pictures of the scheme entries; 0: none
  int nSchemeHeight = 0;
  PictureTint tint = PictureTint::kNone;
  PictureValueRule rule = PictureValueRule::kIndexPlusOne;
  int nColumnTheme = -1;      // "ThemeHandle" of a worksheet column source; -1: none
  int nFrameMessage = 0;      // wParam of the notice to the frame after a commit; 0: none
};

// The list of a picture attribute in the given context; false for a name that is none.
bool FindPictureList(const char* pszAttrName, const PictureListContext& context, PictureList& list);

// The names of a list: its string split at "|" (a trailing "|" ends the last name, it
// does not start an empty one), continued in the next string while a text ends with "^".
// `load` gives the text of a string id ("" for none). At most 64 strings are followed.
std::vector<std::string> LoadNameList(unsigned nFirstId, const std::function<std::string(unsigned)>& load);

// One row of the symbol table.
struct SymbolShape {
  int nCode;
  int nOrientation;  // tenths of a degree
  int nOptions;      // 1024 dotted, 2048 cross-hair
};
inline constexpr int kSymbolCount = 59;
// The picture and list index of the text symbol, after the 59 shapes.
inline constexpr int kTextSymbolIndex = 59;
// The shape code a text symbol is sent with: the first code after the drawn shapes, so
// that a host tells it from every shape of the table.
inline constexpr int kTextSymbolCode = 32;
const SymbolShape& SymbolAt(int nIndex);  // nIndex 0..58

// The density form's codes: (density × 65536) + hatch code.
inline constexpr int kDensityFactor = 65536;

// What a choice of list index i (counted after the scheme entries) sends and keeps.
struct PictureChoiceValues {
  int nAttrValue = 0;
  int nRowValue = 0;
  int nOptions = 0;      // symbols: the options flag value to send beside the shape
  int nOrientation = 0;  // symbols: the orientation to send beside the shape
};
PictureChoiceValues ValueOfChoice(PictureValueRule rule, int nIndex, bool bDensityForm);

// The list index an "AttrValue" stands for, the inverse of ValueOfChoice; symbols are told
// apart by the object's options flag and orientation. -1 when no entry gives the value.
int IndexOfValue(PictureValueRule rule, int nAttrValue, bool bDensityForm, int nOptions, int nOrientation);

// A text symbol entry's name ("Text '%s'" filled in) gives back its text: the characters
// between the first apostrophe and the next; empty without a second apostrophe.
std::string SymbolTextOfName(const std::string& name);

}  // namespace npb
