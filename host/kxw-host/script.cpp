#include "host/kxw-host/script.h"

#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace kxwhost {
namespace {

enum class Shape {
  kNone,         // no arguments
  kLabel,        // one non-empty text, rest of the line
  kText,         // one text, may be empty
  kPoint,        // two integers
  kKeyName,
  kButtonName,
  kAnswerName,
  kMenuId,
  kRowAndText,   // a row name, then a text
  kPngFile,
  kRgb,          // three integers 0 to 255
  kHandleName,          // a handle number, then a text that may be empty
  kModeHandleNameFile,  // a mode, a handle number, a name (one word or quoted), a file
};

struct CommandForm {
  const char* word;
  CommandKind kind;
  Shape shape;
};

constexpr CommandForm kCommands[] = {
    {"tree-select", CommandKind::kTreeSelect, Shape::kLabel},
    {"row", CommandKind::kRow, Shape::kLabel},
    {"click", CommandKind::kClick, Shape::kPoint},
    {"dblclick", CommandKind::kDoubleClick, Shape::kPoint},
    {"rclick", CommandKind::kRightClick, Shape::kPoint},
    {"key", CommandKind::kKey, Shape::kKeyName},
    {"type", CommandKind::kType, Shape::kText},
    {"button", CommandKind::kButton, Shape::kButtonName},
    {"answer", CommandKind::kAnswer, Shape::kAnswerName},
    {"menu", CommandKind::kMenu, Shape::kMenuId},
    {"set", CommandKind::kSet, Shape::kRowAndText},
    {"snapshot", CommandKind::kSnapshot, Shape::kPngFile},
    {"dump-tree", CommandKind::kDumpTree, Shape::kNone},
    {"dump-grid", CommandKind::kDumpGrid, Shape::kNone},
    {"choose", CommandKind::kChoose, Shape::kRowAndText},
    {"dump-list", CommandKind::kDumpList, Shape::kLabel},
    {"pick-color", CommandKind::kPickColor, Shape::kRgb},
    {"host-select", CommandKind::kHostSelect, Shape::kHandleName},
    {"host-add", CommandKind::kHostAdd, Shape::kModeHandleNameFile},
    {"host-modify", CommandKind::kHostModify, Shape::kModeHandleNameFile},
    {"host-remove", CommandKind::kHostRemove, Shape::kHandleName},
    {"wait-file", CommandKind::kWaitFile, Shape::kLabel},
    {"dump-places", CommandKind::kDumpPlaces, Shape::kNone},
    {"repaint", CommandKind::kRepaint, Shape::kNone},
};

struct NamedCode {
  const char* name;
  int code;
};

// Windows virtual-key codes of the keys a script can press.
constexpr NamedCode kKeys[] = {
    {"Return", 0x0D}, {"Escape", 0x1B}, {"Tab", 0x09},      {"Up", 0x26},
    {"Down", 0x28},   {"Left", 0x25},   {"Right", 0x27},    {"Home", 0x24},
    {"End", 0x23},    {"PageUp", 0x21}, {"PageDown", 0x22}, {"F4", 0x73},
    {"Space", 0x20},  {"Delete", 0x2E}, {"Back", 0x08},
};

// Modifiers written before a key name: "Ctrl+Right", "Shift+Tab", "Alt+Down".
constexpr NamedCode kModifiers[] = {{"Ctrl", kKeyCtrl}, {"Shift", kKeyShift}, {"Alt", kKeyAlt}};

// Dialog button ids of the browser: IDOK, IDCANCEL, Apply, Help.
constexpr NamedCode kButtons[] = {{"OK", 1}, {"Cancel", 2}, {"Apply", 4}, {"Help", 9}};

// Message box results: IDYES, IDNO, IDOK, IDCANCEL.
constexpr NamedCode kAnswers[] = {{"yes", 6}, {"no", 7}, {"ok", 1}, {"cancel", 2}};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameWord(std::string_view a, const char* b) {
  const std::string_view bv(b);
  return a.size() == bv.size() && strncasecmp(a.data(), b, a.size()) == 0;
}

// Reads a quoted text starting at the opening quote; "" inside stands for one quote.
bool ReadQuoted(std::string_view& rest, std::string& out, std::string& problem) {
  out.clear();
  for (size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] != '"') {
      out += rest[i];
    } else if (i + 1 < rest.size() && rest[i + 1] == '"') {
      out += '"';
      ++i;
    } else {
      rest.remove_prefix(i + 1);
      return true;
    }
  }
  problem = "unterminated quoted text";
  return false;
}

// One word, or one quoted text that must be followed by a blank or the end of the line.
bool ReadWord(std::string_view& rest, std::string& out, std::string& problem) {
  rest = Trim(rest);
  if (!rest.empty() && rest.front() == '"') {
    if (!ReadQuoted(rest, out, problem)) return false;
    if (!rest.empty() && !IsBlank(rest.front())) {
      problem = "text after closing quote";
      return false;
    }
    return true;
  }
  size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  out.assign(rest.substr(0, end));
  rest.remove_prefix(end);
  return true;
}

// The rest of the line: a quoted text alone, or the bare text without outer blanks.
bool ReadRest(std::string_view rest, std::string& out, std::string& problem) {
  rest = Trim(rest);
  if (!rest.empty() && rest.front() == '"') {
    if (!ReadQuoted(rest, out, problem)) return false;
    if (!Trim(rest).empty()) {
      problem = "text after closing quote";
      return false;
    }
    return true;
  }
  out.assign(rest);
  return true;
}

bool ReadInt(std::string_view& rest, long lo, long hi, int& value, const char* what,
             std::string& problem) {
  std::string word;
  if (!ReadWord(rest, word, problem)) return false;
  if (word.empty()) {
    problem = std::string("missing ") + what;
    return false;
  }
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < lo || v > hi) {
    problem = std::string("bad ") + what + " \"" + word + "\"";
    return false;
  }
  value = static_cast<int>(v);
  return true;
}

// An object handle number as the page library gives it: 0 to 4294967295.
bool ReadHandle(std::string_view& rest, unsigned& value, std::string& problem) {
  std::string word;
  if (!ReadWord(rest, word, problem)) return false;
  if (word.empty()) {
    problem = "missing handle";
    return false;
  }
  errno = 0;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(word.c_str(), &end, 10);
  if (word.find_first_not_of("0123456789") != std::string::npos || errno == ERANGE || v > 0xFFFFFFFFull) {
    problem = "bad handle \"" + word + "\"";
    return false;
  }
  value = static_cast<unsigned>(v);
  return true;
}

template <size_t N>
bool ReadName(std::string_view rest, const NamedCode (&table)[N], const char* what, int& code,
              std::string& problem) {
  std::string word;
  if (!ReadWord(rest, word, problem)) return false;
  if (!Trim(rest).empty()) {
    problem = std::string("more than one ") + what;
    return false;
  }
  for (const NamedCode& entry : table) {
    if (SameWord(word, entry.name)) {
      code = entry.code;
      return true;
    }
  }
  problem = word.empty() ? std::string("missing ") + what
                         : std::string("unknown ") + what + " \"" + word + "\"";
  return false;
}

// A key name with any modifiers before it, each followed by '+'.
bool ReadKey(std::string_view rest, int& code, std::string& problem) {
  std::string_view line = Trim(rest);
  int modifiers = 0;
  for (size_t plus = line.find('+'); plus != std::string_view::npos && plus + 1 < line.size();
       plus = line.find('+')) {
    int modifier = 0;
    if (!ReadName(line.substr(0, plus), kModifiers, "key modifier", modifier, problem)) return false;
    modifiers |= modifier;
    line.remove_prefix(plus + 1);
  }
  if (!ReadName(line, kKeys, "key", code, problem)) return false;
  code |= modifiers;
  return true;
}

bool EndsWithPng(const std::string& name) {
  return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".png") == 0;
}

bool ReadArguments(Shape shape, std::string_view rest, ScriptCommand& cmd,
                   std::string& problem) {
  switch (shape) {
    case Shape::kNone:
      if (!Trim(rest).empty()) {
        problem = "takes no arguments";
        return false;
      }
      return true;
    case Shape::kLabel:
      if (!ReadRest(rest, cmd.text, problem)) return false;
      if (cmd.text.empty()) {
        problem = "missing name";
        return false;
      }
      return true;
    case Shape::kText:
      return ReadRest(rest, cmd.text, problem);
    case Shape::kPoint:
      if (!ReadInt(rest, -32768, 32767, cmd.x, "x coordinate", problem) ||
          !ReadInt(rest, -32768, 32767, cmd.y, "y coordinate", problem)) {
        return false;
      }
      if (!Trim(rest).empty()) {
        problem = "more than two coordinates";
        return false;
      }
      return true;
    case Shape::kKeyName:
      return ReadKey(rest, cmd.code, problem);
    case Shape::kButtonName:
      return ReadName(rest, kButtons, "button", cmd.code, problem);
    case Shape::kAnswerName:
      return ReadName(rest, kAnswers, "answer", cmd.code, problem);
    case Shape::kMenuId:
      if (!ReadInt(rest, 1, 65535, cmd.code, "menu command id", problem)) return false;
      if (!Trim(rest).empty()) {
        problem = "more than one menu command id";
        return false;
      }
      return true;
    case Shape::kRowAndText:
      if (!ReadWord(rest, cmd.rowName, problem)) return false;
      if (cmd.rowName.empty()) {
        problem = "missing row name";
        return false;
      }
      return ReadRest(rest, cmd.text, problem);
    case Shape::kRgb: {
      static const char* const kParts[] = {"red", "green", "blue"};
      for (int i = 0; i < 3; ++i) {
        if (!ReadInt(rest, 0, 255, cmd.rgb[i], kParts[i], problem)) return false;
      }
      if (!Trim(rest).empty()) {
        problem = "more than three colour values";
        return false;
      }
      return true;
    }
    case Shape::kHandleName:
      return ReadHandle(rest, cmd.handle, problem) && ReadRest(rest, cmd.name, problem);
    case Shape::kModeHandleNameFile:
      // Any mode is passed on: the browser decides which it knows.
      if (!ReadInt(rest, -2147483647L - 1, 2147483647L, cmd.code, "mode", problem) ||
          !ReadHandle(rest, cmd.handle, problem) || !ReadWord(rest, cmd.name, problem) ||
          !ReadRest(rest, cmd.text, problem)) {
        return false;
      }
      if (cmd.text.empty()) {
        problem = "missing file name";
        return false;
      }
      return true;
    case Shape::kPngFile:
      if (!ReadRest(rest, cmd.text, problem)) return false;
      if (!EndsWithPng(cmd.text)) {
        problem = cmd.text.empty() ? "missing file name" : "file name must end in .png";
        return false;
      }
      return true;
  }
  return false;
}

bool ParseLine(std::string_view line, ScriptCommand& cmd, std::string& problem) {
  std::string_view rest = line;
  size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  for (const CommandForm& form : kCommands) {
    if (SameWord(word, form.word)) {
      cmd.kind = form.kind;
      return ReadArguments(form.shape, rest, cmd, problem);
    }
  }
  problem = "unknown command";
  return false;
}

}  // namespace

bool ParseScript(std::string_view script, std::vector<ScriptCommand>& commands,
                 std::string& error) {
  commands.clear();
  error.clear();
  int number = 0;
  while (!script.empty()) {
    const size_t eol = script.find('\n');
    const std::string_view raw = script.substr(0, eol);
    script.remove_prefix(eol == std::string_view::npos ? script.size() : eol + 1);
    ++number;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    ScriptCommand cmd;
    cmd.line = number;
    cmd.source.assign(line);
    std::string problem = "contains a zero byte";
    const bool parsed = line.find('\0') == std::string_view::npos && ParseLine(line, cmd, problem);
    if (!parsed) {
      error = "line " + std::to_string(number) + ": " + problem + ": " + std::string(line);
      commands.clear();
      return false;
    }
    commands.push_back(std::move(cmd));
  }
  return true;
}

const char* CommandWord(CommandKind kind) {
  for (const CommandForm& form : kCommands) {
    if (form.kind == kind) return form.word;
  }
  return "?";
}

}  // namespace kxwhost
