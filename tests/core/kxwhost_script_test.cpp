#include <gtest/gtest.h>

#include "host/kxw-host/options.h"
#include "host/kxw-host/script.h"

#include <vector>

namespace kxwhost {
namespace {

struct GoodLine {
  const char* line;
  CommandKind kind;
  const char* text;
  const char* rowName;
  int x, y, code;
  int rgb[3] = {0, 0, 0};
  unsigned handle = 0;
  const char* name = "";
};

TEST(KxwHostScript, ParsesEveryCommandWithItsArguments) {
  const GoodLine cases[] = {
      {"tree-select Layer 1", CommandKind::kTreeSelect, "Layer 1", "", 0, 0, 0},
      {"tree-select   \"  padded  \"  ", CommandKind::kTreeSelect, "  padded  ", "", 0, 0, 0},
      {"row Tick Length", CommandKind::kRow, "Tick Length", "", 0, 0, 0},
      {"click 10 -20", CommandKind::kClick, "", "", 10, -20, 0},
      {"dblclick 0 32767", CommandKind::kDoubleClick, "", "", 0, 32767, 0},
      {"rclick\t5\t6", CommandKind::kRightClick, "", "", 5, 6, 0},
      {"key Return", CommandKind::kKey, "", "", 0, 0, 0x0D},
      {"key pagedown", CommandKind::kKey, "", "", 0, 0, 0x22},
      {"key F4", CommandKind::kKey, "", "", 0, 0, 0x73},
      {"key Back", CommandKind::kKey, "", "", 0, 0, 0x08},
      {"key Ctrl+Right", CommandKind::kKey, "", "", 0, 0, 0x27 | kKeyCtrl},
      {"key shift+ALT+Down", CommandKind::kKey, "", "", 0, 0, 0x28 | kKeyShift | kKeyAlt},
      {"type hello world", CommandKind::kType, "hello world", "", 0, 0, 0},
      {"type \"say \"\"hi\"\"\"", CommandKind::kType, "say \"hi\"", "", 0, 0, 0},
      {"type \"\"", CommandKind::kType, "", "", 0, 0, 0},
      {"type", CommandKind::kType, "", "", 0, 0, 0},
      {"button OK", CommandKind::kButton, "", "", 0, 0, 1},
      {"button cancel", CommandKind::kButton, "", "", 0, 0, 2},
      {"button Apply", CommandKind::kButton, "", "", 0, 0, 4},
      {"button Help", CommandKind::kButton, "", "", 0, 0, 9},
      {"answer yes", CommandKind::kAnswer, "", "", 0, 0, 6},
      {"answer NO", CommandKind::kAnswer, "", "", 0, 0, 7},
      {"answer ok", CommandKind::kAnswer, "", "", 0, 0, 1},
      {"answer cancel", CommandKind::kAnswer, "", "", 0, 0, 2},
      {"menu 7", CommandKind::kMenu, "", "", 0, 0, 7},
      {"set Size 12", CommandKind::kSet, "12", "Size", 0, 0, 0},
      {"set \"Tick Length\" 0.25 in", CommandKind::kSet, "0.25 in", "Tick Length", 0, 0, 0},
      {"set Title \"\"", CommandKind::kSet, "", "Title", 0, 0, 0},
      {"snapshot out dir/shot.PNG", CommandKind::kSnapshot, "out dir/shot.PNG", "", 0, 0, 0},
      {"dump-tree", CommandKind::kDumpTree, "", "", 0, 0, 0},
      {"DUMP-GRID", CommandKind::kDumpGrid, "", "", 0, 0, 0},
      {"choose Color Dk Red", CommandKind::kChoose, "Dk Red", "Color", 0, 0, 0},
      {"choose \"Fill Color\" (Custom)", CommandKind::kChoose, "(Custom)", "Fill Color", 0, 0, 0},
      {"dump-list Edge Color", CommandKind::kDumpList, "Edge Color", "", 0, 0, 0},
      {"pick-color 10 20 30", CommandKind::kPickColor, "", "", 0, 0, 0, {10, 20, 30}},
      {"pick-color 255 0 255", CommandKind::kPickColor, "", "", 0, 0, 0, {255, 0, 255}},
      {"host-select 4294967295 Layer 1", CommandKind::kHostSelect, "", "", 0, 0, 0, {}, 4294967295u, "Layer 1"},
      {"host-remove 0 \"\"", CommandKind::kHostRemove, "", "", 0, 0, 0, {}, 0, ""},
      {"host-add 2 11 \"X Axis\" my dir/add.xml", CommandKind::kHostAdd, "my dir/add.xml", "", 0, 0, 2, {}, 11, "X Axis"},
      {"host-modify -7 5 grid mod.xml", CommandKind::kHostModify, "mod.xml", "", 0, 0, -7, {}, 5, "grid"},
  };
  for (const GoodLine& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(ParseScript(c.line, commands, error)) << error;
    ASSERT_EQ(commands.size(), 1u);
    const ScriptCommand& cmd = commands[0];
    EXPECT_EQ(cmd.kind, c.kind);
    EXPECT_EQ(cmd.text, c.text);
    EXPECT_EQ(cmd.rowName, c.rowName);
    EXPECT_EQ(cmd.x, c.x);
    EXPECT_EQ(cmd.y, c.y);
    EXPECT_EQ(cmd.code, c.code);
    EXPECT_EQ(std::vector<int>(cmd.rgb, cmd.rgb + 3), std::vector<int>(c.rgb, c.rgb + 3));
    EXPECT_EQ(cmd.handle, c.handle);
    EXPECT_EQ(cmd.name, c.name);
    EXPECT_EQ(cmd.line, 1);
  }
}

TEST(KxwHostScript, SkipsCommentsAndBlankLinesButCountsThem) {
  const char* script =
      "# replay of a style copy\r\n"
      "\r\n"
      "   # indented comment\n"
      "tree-select Plot # 1\n"
      "\t\n"
      "  key Escape  \r\n"
      "dump-tree";  // no newline at the end
  std::vector<ScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseScript(script, commands, error)) << error;
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].line, 4);
  EXPECT_EQ(commands[0].text, "Plot # 1");  // '#' only starts a comment at the line's start
  EXPECT_EQ(commands[1].line, 6);
  EXPECT_EQ(commands[1].source, "key Escape");
  EXPECT_EQ(commands[2].line, 7);
  EXPECT_EQ(commands[2].kind, CommandKind::kDumpTree);
}

TEST(KxwHostScript, RejectsBadLinesNamingLineAndText) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"frobnicate", "line 1: unknown command: frobnicate"},
      {"dump-tree\n\nclicks 1 2", "line 3: unknown command: clicks 1 2"},
      {"tree-select", "line 1: missing name: tree-select"},
      {"row \"\"", "line 1: missing name: row \"\""},
      {"row \"Size", "line 1: unterminated quoted text: row \"Size"},
      {"row \"Size\" extra", "line 1: text after closing quote: row \"Size\" extra"},
      {"click 1", "line 1: missing y coordinate: click 1"},
      {"click 1 2 3", "line 1: more than two coordinates: click 1 2 3"},
      {"click x 2", "line 1: bad x coordinate \"x\": click x 2"},
      {"dblclick 1 40000", "line 1: bad y coordinate \"40000\": dblclick 1 40000"},
      {"rclick 1.5 2", "line 1: bad x coordinate \"1.5\": rclick 1.5 2"},
      {"key Enter", "line 1: unknown key \"Enter\": key Enter"},
      {"key", "line 1: missing key: key"},
      {"key Up Down", "line 1: more than one key: key Up Down"},
      {"key Meta+Up", "line 1: unknown key modifier \"Meta\": key Meta+Up"},
      {"key Ctrl+", "line 1: unknown key \"Ctrl+\": key Ctrl+"},
      {"button Close", "line 1: unknown button \"Close\": button Close"},
      {"answer maybe", "line 1: unknown answer \"maybe\": answer maybe"},
      {"menu 0", "line 1: bad menu command id \"0\": menu 0"},
      {"menu 65536", "line 1: bad menu command id \"65536\": menu 65536"},
      {"menu 5 7", "line 1: more than one menu command id: menu 5 7"},
      {"set", "line 1: missing row name: set"},
      {"set \"Size 12", "line 1: unterminated quoted text: set \"Size 12"},
      {"snapshot shot.bmp", "line 1: file name must end in .png: snapshot shot.bmp"},
      {"snapshot .png", "line 1: file name must end in .png: snapshot .png"},
      {"snapshot", "line 1: missing file name: snapshot"},
      {"choose", "line 1: missing row name: choose"},
      {"dump-list", "line 1: missing name: dump-list"},
      {"pick-color 10 20", "line 1: missing blue: pick-color 10 20"},
      {"pick-color 10 -1 20", "line 1: bad green \"-1\": pick-color 10 -1 20"},
      {"pick-color 1 2 256", "line 1: bad blue \"256\": pick-color 1 2 256"},
      {"pick-color 1 2 3 4", "line 1: more than three colour values: pick-color 1 2 3 4"},
      {"dump-tree all", "line 1: takes no arguments: dump-tree all"},
      {"dump-tree-all", "line 1: unknown command: dump-tree-all"},
      {"host-select -1 Axis", "line 1: bad handle \"-1\": host-select -1 Axis"},
      {"host-remove 4294967296 Axis", "line 1: bad handle \"4294967296\": host-remove 4294967296 Axis"},
      {"host-add 2 11 Axis", "line 1: missing file name: host-add 2 11 Axis"},
      {"host-modify one 11 Axis m.xml", "line 1: bad mode \"one\": host-modify one 11 Axis m.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    std::vector<ScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(ParseScript(c.script, commands, error));
    EXPECT_EQ(error, c.error);
    EXPECT_TRUE(commands.empty()) << "a failed script must run nothing";
  }
}

TEST(KxwHostScript, AZeroByteIsAnErrorNotTheEndOfTheScript) {
  const std::string script("dump-tree\nkey\0Return\n", 21);
  std::vector<ScriptCommand> commands;
  std::string error;
  EXPECT_FALSE(ParseScript(script, commands, error));
  EXPECT_EQ(error.rfind("line 2: contains a zero byte", 0), 0u) << error;
}

TEST(KxwHostOptions, ReadsEveryOption) {
  Options options;
  std::string error;
  ASSERT_TRUE(ParseOptions({"--page", "p.xml", "--select-handle", "4294967295", "--select-name",
                            "Layer 1", "--dynamic", "--profile", "kxw.ini", "--script", "s.txt",
                            "--changes-dir", "out", "--page-out", "page.xml", "--macro", "m.txt",
                            "--snapshot", "end.png", "--host-data", "answers", "--report"},
                           options, error))
      << error;
  EXPECT_EQ(options.page, "p.xml");
  EXPECT_EQ(options.selectHandle, 4294967295u);
  EXPECT_EQ(options.selectName, "Layer 1");
  EXPECT_TRUE(options.dynamic);
  EXPECT_EQ(options.profile, "kxw.ini");
  EXPECT_EQ(options.script, "s.txt");
  EXPECT_EQ(options.changesDir, "out");
  EXPECT_EQ(options.pageOut, "page.xml");
  EXPECT_EQ(options.macro, "m.txt");
  EXPECT_EQ(options.snapshot, "end.png");
  EXPECT_EQ(options.hostData, "answers");
  EXPECT_EQ(options.mode, RunMode::kReport);
  EXPECT_FALSE(options.help);

  EXPECT_TRUE(options.rawPage.empty());

  ASSERT_TRUE(ParseOptions({}, options, error));
  EXPECT_EQ(options.mode, RunMode::kAuto);
  EXPECT_FALSE(options.dynamic);
  EXPECT_EQ(options.selectHandle, 0u);
  EXPECT_EQ(options.pieceSize, 65536u);

  ASSERT_TRUE(ParseOptions({"--raw-page", "r.bin", "--piece-size", "1"}, options, error)) << error;
  EXPECT_EQ(options.rawPage, "r.bin");
  EXPECT_EQ(options.pieceSize, 1u);
  EXPECT_TRUE(options.page.empty());
}

TEST(KxwHostOptions, RejectsBadCommandLines) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--pages", "x"}, "unknown option: --pages"},
      {{"page.xml"}, "unknown option: page.xml"},
      {{"--page"}, "--page needs a value"},
      {{"--page", ""}, "--page: empty value"},
      {{"--select-handle", "-1"}, "--select-handle: not a handle number (0 to 4294967295): -1"},
      {{"--select-handle", "4294967296"},
       "--select-handle: not a handle number (0 to 4294967295): 4294967296"},
      {{"--select-handle", "12a"}, "--select-handle: not a handle number (0 to 4294967295): 12a"},
      {{"--snapshot", "end.bmp"}, "--snapshot: file name must end in .png: end.bmp"},
      {{"--dynamic", "--dynamic"}, "--dynamic given twice"},
      {{"--page", "a", "--page", "b"}, "--page given twice"},
      {{"--report", "--interactive"}, "--interactive and --report exclude each other"},
      {{"--page", "a", "--raw-page", "b"}, "--page and --raw-page exclude each other"},
      {{"--piece-size", "10"}, "--piece-size needs --raw-page"},
      {{"--raw-page", "r", "--piece-size", "0"}, "--piece-size: not a piece size (1 to 268435456): 0"},
      {{"--raw-page", "r", "--piece-size", "268435457"},
       "--piece-size: not a piece size (1 to 268435456): 268435457"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    Options options;
    std::string error;
    EXPECT_FALSE(ParseOptions(c.args, options, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace kxwhost
