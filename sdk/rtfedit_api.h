// The host's rich-text library "rtfedit.dll": its functions, imported by ordinal only, and
// its multi-font edit control "MultiFontEdit32". Every function is __stdcall (the callee
// removes its arguments). Text crosses this boundary as 8-bit text in the host's code page:
// rich text is RTF ("{\rtf1 ..."); text that does not start with "{\rtf" is plain text.
#pragma once
#include <windows.h>

namespace rtfedit {

constexpr char kLibraryName[] = "rtfedit.dll";
constexpr char kWindowClass[] = "MultiFontEdit32";
constexpr wchar_t kWindowClassW[] = L"MultiFontEdit32";

constexpr int kTextBufferSize = 1024;  // every text buffer the callers pass
constexpr int kMaxTextChars = 0x3FF;   // characters of text such a buffer holds
constexpr int kFaceNameSize = 32;      // face name buffers, terminator included
constexpr int kEditLimit = 511;        // characters the Edit Text dialog lets the user type

// The text object's host attribute that holds its default text format; the page library
// reads it into and writes it from a TextFormatRecord.
constexpr int kTextFormatAttribute = 1302;

// Ordinals of the library's exports; rtfedit.def exports them by these numbers only.
enum Ordinal : WORD {
  kCreateTextFormat = 10,
  kDestroyTextFormat = 11,
  kSetFormatColor = 24,
  kSetFormatFace = 25,
  kSetFormatSize = 30,
  kPrepareText = 44,
  kToPlainText = 62,
  kNormalizeText = 70,
  kResetFormatBlockA = 73,
  kResetFormatBlockB = 80,
  kGetFormatBlockA = 103,
  kGetFormatBlockB = 104,
  kDestroyCharFormat = 133,
  kCreateCharFormat = 135,
  kCreateDocument = 143,
  kDestroyDocument = 144,
  kLoadDocument = 145,
  kGetRangeFormat = 148,
  kSaveDocument = 152,
  kReplaceRange = 153,
};

// Style flag word: read with kGetStyle, written with kApplyStyle. A "mixed" bit says the
// selection holds both states. Applying: a value bit with its mixed bit toggles the style,
// the mixed bit alone clears it, the value bit alone sets it.
enum StyleFlag : DWORD {
  kStyleBold = 0x001,
  kStyleBoldMixed = 0x002,
  kStyleItalic = 0x004,
  kStyleItalicMixed = 0x008,
  kStyleUnderline = 0x010,
  kStyleUnderlineMixed = 0x020,
  kStyleRaised = 0x040,       // superscript
  kStyleRaisedMixed = 0x080,  // as a mask: back to the normal baseline
  kAlignCenter = 0x100,
  kAlignLeft = 0x200,
  kAlignRight = 0x400,
};

// The words the Edit Text dialog's buttons send with kApplyStyle.
constexpr DWORD kApplyBold = kStyleBold | kStyleBoldMixed;                      // 3
constexpr DWORD kApplyItalic = kStyleItalic | kStyleItalicMixed;                // 12
constexpr DWORD kApplyUnderline = kStyleUnderline | kStyleUnderlineMixed;       // 48
constexpr DWORD kApplyNormal = kStyleBoldMixed | kStyleItalicMixed |            // 170
                               kStyleUnderlineMixed | kStyleRaisedMixed;

// Answers that mean "the selection is mixed".
constexpr COLORREF kMixedColor = 0xFFFFFFFF;
constexpr LONG kMixedSize = static_cast<LONG>(0x80000000);
constexpr LONG kMixedBaseline = static_cast<LONG>(0x80000000);
// Baseline states: kGetBaseline answers, kShiftBaseline takes +1 or -1.
constexpr LONG kBaselineNormal = 0;
constexpr LONG kBaselineRaised = 1;
constexpr LONG kBaselineLowered = -1;

// Messages of MultiFontEdit32. It also answers the standard edit messages (EM_LIMITTEXT,
// EM_SETSEL, EM_GETMODIFY, EM_SETMODIFY, EM_GETLINECOUNT, WM_COPY, WM_CUT, WM_PASTE, ...)
// and tells its parent of every change of content with WM_COMMAND / EN_CHANGE.
enum Message : UINT {
  kGetColor = 0x3400,          // -> selection's colour, kMixedColor when mixed
  kGetFaceName = 0x3401,       // lParam char[kFaceNameSize] <- face name, empty when mixed
  kGetSize = 0x3403,           // -> half-points, kMixedSize when mixed
  kGetStyle = 0x3404,          // -> StyleFlag word of the selection
  kGetDefaultFormat = 0x3405,  // lParam TextFormatRecord* <- the control's default format
  kGetText = 0x3406,           // lParam char[kTextBufferSize] <- whole content as rich text
  kGetBaseline = 0x3407,       // -> kBaselineNormal/Raised/Lowered or kMixedBaseline
  kGetLineSpacing = 0x340c,    // -> twentieths of a point, 0 when none
  kSetColor = 0x3480,          // lParam COLORREF
  kSetFont = 0x3481,           // wParam pitch-and-family byte, lParam face name
  kSetNotifyMessage = 0x3482,  // lParam message number sent to the parent (0: none)
  kShiftBaseline = 0x3483,     // lParam +1 raise (superscript), -1 lower (subscript)
  kSetSize = 0x3484,           // lParam half-points
  kApplyStyle = 0x3485,        // lParam StyleFlag word
  kSetDefaultFormat = 0x3486,  // lParam const TextFormatRecord*
  kSetText = 0x3487,           // lParam text (rich or plain) that replaces the content
  kSetLineSpacing = 0x348d,    // lParam twentieths of a point, 0 for single spacing
};

// wParam of the notification message (kSetNotifyMessage) sent to the control's parent.
enum Notification : WPARAM {
  // lParam: the typed character. For 3, 22 and 24 (Ctrl+C, Ctrl+V, Ctrl+X) a non-zero
  // result means the parent carried out the copy, paste or cut; with 0 the control does.
  kNotifyKey = 0x2000,
  kNotifySelection = 0x2001,  // the selection or its format changed
};

// A text format record (ordinal 10): the default format of a text. Its first word is its
// size, so that whoever fills it (the page library for kTextFormatAttribute) can check it.
struct TextFormatRecord {
  DWORD size;                // sizeof(TextFormatRecord)
  char faceName[kFaceNameSize];
  DWORD pitchAndFamily;      // LOGFONT's lfPitchAndFamily
  LONG halfPoints;
  COLORREF color;
  DWORD styleFlags;          // StyleFlag bits: bold, italic, underline, alignment
  LONG lineSpacing;          // twentieths of a point, 0 for single spacing
};

// The format of a range or selection, 13 words (ordinal 148 fills it).
struct TextRunFormat {
  DWORD styleFlags;          // StyleFlag word
  LONG baseline;             // kBaseline* or kMixedBaseline
  COLORREF color;            // kMixedColor when mixed
  char faceName[kFaceNameSize];  // empty when mixed
  LONG halfPoints;           // kMixedSize when mixed
  DWORD pitchAndFamily;      // passed to ordinal 25 with the face name
};
static_assert(sizeof(TextRunFormat) == 13 * 4, "13 words");

// Opaque handles.
struct Document;
struct CharFormat;
struct FormatBlock;

using CreateTextFormatFn = TextFormatRecord*(__stdcall*)();
using DestroyTextFormatFn = void(__stdcall*)(TextFormatRecord* format);
using SetFormatColorFn = BOOL(__stdcall*)(TextFormatRecord* format, COLORREF color);
using SetFormatFaceFn = BOOL(__stdcall*)(TextFormatRecord* format, DWORD pitchAndFamily, const char* face);
using SetFormatSizeFn = BOOL(__stdcall*)(TextFormatRecord* format, LONG halfPoints);
// Rewrites `text` (a kTextBufferSize buffer) in place as rich text the control takes.
using PrepareTextFn = BOOL(__stdcall*)(char* text, int reserved);
// `destination` (of `destinationSize` bytes) receives `source` without formatting.
using ToPlainTextFn = int(__stdcall*)(char* destination, const char* source, int destinationSize);
// Rewrites `text` in place as well-formed rich text of at most `maxChars` characters.
using NormalizeTextFn = BOOL(__stdcall*)(char* text, int maxChars, int reserved1, int bufferSize, int flags, int reserved2);
using GetFormatBlockFn = FormatBlock*(__stdcall*)(TextFormatRecord* format);
using ResetFormatBlockFn = void(__stdcall*)(FormatBlock* block);
using CreateCharFormatFn = CharFormat*(__stdcall*)();
using DestroyCharFormatFn = void(__stdcall*)(CharFormat* charFormat);
using CreateDocumentFn = Document*(__stdcall*)();
using DestroyDocumentFn = void(__stdcall*)(Document* document);
// The document takes `text` (rich or plain); `format` (may be null) is its default format.
using LoadDocumentFn = BOOL(__stdcall*)(char* text, Document* document, TextFormatRecord* format, int mode);
// Characters `first` to `last` (clamped to the text) become `plain`, keeping the format of `first`.
using ReplaceRangeFn = BOOL(__stdcall*)(Document* document, const char* plain, int first, int last, int flags);
// `buffer` (of `bufferSize` bytes) receives the document as rich text of at most `maxChars`.
using SaveDocumentFn = BOOL(__stdcall*)(Document* document, char* buffer, TextFormatRecord* format, int maxChars,
                                        int mode, int reserved1, int bufferSize, int reserved2);
// `run` receives the format of characters `first` to `last`.
using GetRangeFormatFn = BOOL(__stdcall*)(Document* document, TextRunFormat* run, CharFormat* charFormat,
                                          int first, int last);

}  // namespace rtfedit
