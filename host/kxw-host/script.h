// Input scripts for kxw-host: one command a line, read completely before anything runs so
// that a mistake anywhere is reported before the first command acts.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kxwhost {

enum class CommandKind {
  kTreeSelect,   // tree-select LABEL
  kRow,          // row NAME
  kClick,        // click X Y
  kDoubleClick,  // dblclick X Y
  kRightClick,   // rclick X Y
  kKey,          // key NAME
  kType,         // type TEXT
  kButton,       // button OK|Cancel|Apply|Help
  kAnswer,       // answer yes|no|ok|cancel
  kMenu,         // menu ID
  kSet,          // set ROWNAME TEXT
  kSnapshot,     // snapshot FILE.png
  kDumpTree,     // dump-tree
  kDumpGrid,     // dump-grid
  kChoose,       // choose ROWNAME ENTRY
  kDumpList,     // dump-list ROWNAME
  kPickColor,    // pick-color R G B
  kHostSelect,   // host-select HANDLE NAME
  kHostAdd,      // host-add MODE HANDLE NAME FILE
  kHostModify,   // host-modify MODE HANDLE NAME FILE
  kHostRemove,   // host-remove HANDLE NAME
  kWaitFile,     // wait-file FILE
  kDumpPlaces,   // dump-places
  kRepaint,      // repaint
};

struct ScriptCommand {
  CommandKind kind = CommandKind::kDumpTree;
  int line = 0;         // 1-based line number in the script
  std::string source;   // the line as written, without surrounding blanks
  std::string text;     // LABEL, NAME, TEXT or FILE
  std::string rowName;  // the row of `set`
  int x = 0, y = 0;     // dialog client coordinates of the clicks
  int code = 0;         // virtual-key code (with kKeyCtrl... held), button or answer id, menu command id, mode
  int rgb[3] = {0, 0, 0};  // the colour of `pick-color`
  unsigned handle = 0;  // HANDLE of the host-... lines
  std::string name;     // NAME of the host-... lines (FILE goes in `text`)
};

// Modifier keys held with the key of a `key` command, or-ed into its code.
constexpr int kKeyCtrl = 0x10000;
constexpr int kKeyShift = 0x20000;
constexpr int kKeyAlt = 0x40000;
constexpr int kKeyCodeMask = 0xFFFF;

// Parses a whole script. On success fills `commands` and returns true; otherwise leaves
// `commands` empty and sets `error` to "line N: problem: text of the line".
//
// Syntax: blank lines and lines whose first non-blank character is '#' are skipped.
// Keywords (commands, key, button and answer names) match regardless of case. The last
// text argument takes the rest of the line with its outer blanks removed, or exactly the
// text between double quotes, where "" stands for one quote; ROWNAME of `set` is one
// word or one quoted text.
bool ParseScript(std::string_view script, std::vector<ScriptCommand>& commands,
                 std::string& error);

// The command word as scripts write it ("tree-select", "dblclick", ...).
const char* CommandWord(CommandKind kind);

}  // namespace kxwhost
