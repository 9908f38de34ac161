#include "host/kxw-host/options.h"

#include <cerrno>
#include <cstdlib>
#include <set>
#include <strings.h>

namespace kxwhost {
namespace {

enum class Kind { kText, kPng, kHandle, kSize, kFlag, kMode, kHelp };

struct OptionForm {
  const char* name;
  Kind kind;
  std::string Options::*text = nullptr;  // kText, kPng
  bool Options::*flag = nullptr;         // kFlag
  RunMode mode = RunMode::kAuto;         // kMode
};

const OptionForm kOptions[] = {
    {"--page", Kind::kText, &Options::page},
    {"--raw-page", Kind::kText, &Options::rawPage},
    {"--piece-size", Kind::kSize},
    {"--select-handle", Kind::kHandle},
    {"--select-name", Kind::kText, &Options::selectName},
    {"--dynamic", Kind::kFlag, nullptr, &Options::dynamic},
    {"--profile", Kind::kText, &Options::profile},
    {"--script", Kind::kText, &Options::script},
    {"--changes-dir", Kind::kText, &Options::changesDir},
    {"--page-out", Kind::kText, &Options::pageOut},
    {"--macro", Kind::kText, &Options::macro},
    {"--snapshot", Kind::kPng, &Options::snapshot},
    {"--host-data", Kind::kText, &Options::hostData},
    {"--notebook", Kind::kText, &Options::notebook},
    {"--interactive", Kind::kMode, nullptr, nullptr, RunMode::kInteractive},
    {"--report", Kind::kMode, nullptr, nullptr, RunMode::kReport},
    {"--help", Kind::kHelp},
};

bool TakesValue(Kind kind) {
  return kind == Kind::kText || kind == Kind::kPng || kind == Kind::kHandle || kind == Kind::kSize;
}

bool ParseNumber(const std::string& text, unsigned long long max, unsigned& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE || v > max) return false;
  value = static_cast<unsigned>(v);
  return true;
}

// A piece of the raw page is one allocation of the page library; keep it well inside
// what a 32-bit process can hand out.
constexpr unsigned long long kMaxPieceSize = 1ull << 28;

bool EndsWithPng(const std::string& name) {
  return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".png") == 0;
}

bool Apply(const OptionForm& form, const std::string& value, Options& options,
           std::string& error) {
  switch (form.kind) {
    case Kind::kPng:
      if (!EndsWithPng(value)) {
        error = std::string(form.name) + ": file name must end in .png: " + value;
        return false;
      }
      [[fallthrough]];
    case Kind::kText:
      if (value.empty()) {
        error = std::string(form.name) + ": empty value";
        return false;
      }
      options.*form.text = value;
      return true;
    case Kind::kHandle:
      if (!ParseNumber(value, 0xFFFFFFFFull, options.selectHandle)) {
        error = std::string(form.name) + ": not a handle number (0 to 4294967295): " + value;
        return false;
      }
      return true;
    case Kind::kSize:
      if (!ParseNumber(value, kMaxPieceSize, options.pieceSize) || options.pieceSize == 0) {
        error = std::string(form.name) + ": not a piece size (1 to " + std::to_string(kMaxPieceSize) + "): " + value;
        return false;
      }
      return true;
    case Kind::kFlag:
      options.*form.flag = true;
      return true;
    case Kind::kMode:
      if (options.mode != RunMode::kAuto) {
        error = "--interactive and --report exclude each other";
        return false;
      }
      options.mode = form.mode;
      return true;
    case Kind::kHelp:
      options.help = true;
      return true;
  }
  return false;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
  options = Options{};
  error.clear();
  std::set<std::string> seen;
  for (size_t i = 0; i < args.size(); ++i) {
    const OptionForm* form = nullptr;
    for (const OptionForm& candidate : kOptions) {
      if (args[i] == candidate.name) form = &candidate;
    }
    if (form == nullptr) {
      error = "unknown option: " + args[i];
      return false;
    }
    if (!seen.insert(form->name).second) {
      error = std::string(form->name) + " given twice";
      return false;
    }
    std::string value;
    if (TakesValue(form->kind)) {
      if (i + 1 >= args.size()) {
        error = std::string(form->name) + " needs a value";
        return false;
      }
      value = args[++i];
    }
    if (!Apply(*form, value, options, error)) return false;
  }
  if (!options.page.empty() && !options.rawPage.empty()) {
    error = "--page and --raw-page exclude each other";
    return false;
  }
  if (seen.count("--piece-size") && options.rawPage.empty()) {
    error = "--piece-size needs --raw-page";
    return false;
  }
  return true;
}

const char* UsageText() {
  return R"(usage: kxw-host [options]
Loads NexelPropBrowser.dll beside this program into a page window and calls its
InitPropertyBrowser, with the page library pgobj.dll serving the page.

  --page FILE          the page to browse (default: the embedded sample page)
  --raw-page FILE      serve FILE's bytes verbatim as the page description, unread,
                       so that text the host would refuse reaches the browser; the
                       page model is then empty (--page-out writes an empty page)
  --piece-size N       with --raw-page: bytes a description piece (default 65536);
                       the pieces are as many as the file needs, even past 300
  --select-handle N    handle number of the object to select first
  --select-name TEXT   name of the object to select first
  --dynamic            switch dynamic update on before the browser is called
  --profile FILE       the kxw.ini the browser reads (see below)
  --script FILE        replay an input script, then exit
  --changes-dir DIR    write every document the page receives as DIR/0001.xml, ...
  --page-out FILE      write the page model at the end, as a page description
  --macro FILE         write the macro text the recorder received
  --snapshot FILE.png  save the browser window (else the page window) at the end
  --host-data DIR      answer the option, scheme and column queries from DIR's files
  --notebook VIEW      open the host's own notebook window instead of the browser:
                       its tree of notebook items beside the module's grid, filled
                       through the module's view for VIEW (worksheet, datacon,
                       datasource, quicktransformmain, quicktransform, report,
                       macro); script lines act on it as on the browser
  --interactive        without a script: keep the browser open for a person
  --report             without a script: report what was loaded and exit
  --help               this text

Without --script, the browser stays open for a person with --interactive, or when
the environment variable NPB_USE_DISPLAY is set (the build's wine-run wrapper then
uses the person's own display) and --report is not given; otherwise kxw-host prints
a report (page, object count, pieces, bytes, InitPropertyBrowser's result, documents
received) and exits with status 0.

--host-data DIR: the page library answers ordinal ORDINAL for attribute NAME with the
exact text of DIR\ORDINAL-NAME.xml (for example 199-SEA_COLOR.xml), whatever the object,
else with DIR\ORDINAL-default.xml; without either file, with its built-in answer.

--profile: the browser looks for Korvantix\KXW12\kxw.ini in the user's documents
folder first. kxw-host copies FILE there into a private, temporary documents folder
and, since Wine takes that folder from the registry and not from USERPROFILE, points
this process's view of the current user's registry at a volatile key of its own that
names the folder (other per-user settings then read as absent). The folder and the
key are removed at exit; nothing shared is changed.

Script lines (one a line; lines starting with # are comments; keywords in any case):
  tree-select LABEL    click the first tree item with that label
  row NAME             click the grid row with that name
  click X Y | dblclick X Y | rclick X Y    mouse at dialog client coordinates
  key NAME             Return Escape Tab Up Down Left Right Home End PageUp
                       PageDown F4 Space Delete Back, each also after Ctrl+,
                       Shift+ or Alt+ (held while the key is pressed)
  type TEXT            type the characters of TEXT (into the topmost dialog open
                       over the browser, when there is one)
  button OK|Cancel|Apply|Help    press the button (of that topmost dialog, if any)
  answer yes|no|ok|cancel   answer the next message box
  menu ID              choose a command of the open context menu
  set ROWNAME TEXT     commit TEXT as the row's new value
  choose ROWNAME ENTRY open the row's list with its button and click the entry
  dump-list ROWNAME    open the row's list, print INDEX<TAB>TEXT per entry, Escape
  pick-color R G B     answer the next colour dialog: type R, G and B (0 to 255)
                       into its Red, Green and Blue fields and press OK
  snapshot FILE.png    save the browser window now (with an open list drawn in)
  dump-tree | dump-grid    print one line per item or row: depth, name, value
  host-select HANDLE NAME              the host calls the open tree's
  host-add MODE HANDLE NAME FILE       SelectTreeNode, AddTreeNode, ModifyTreeNode
  host-modify MODE HANDLE NAME FILE    or RemoveTreeNode through the module's
  host-remove HANDLE NAME              exported class and prints the result;
                       FILE holds a description (a relative name lies beside the
                       script); NAME is one word or one quoted text (a last NAME the
                       rest of the line)
  wait-file FILE       print "waiting FILE", then keep the windows running until FILE
                       exists (at most 60 s), for a driver that sends real input
  dump-places          print where a person would point, in screen pixels:
                       "grid L T R B DIVIDER" (the list), "row NAME X Y VX VY TOP
                       BOTTOM" (name point, value point, row edges; visible rows
                       only), "tree LABEL X Y", "button NAME X Y", and first
                       "window L T R B X Y" (the browser dialog's frame and
                       its client area's origin, where snapshots start)
  repaint              paint the whole browser window afresh, children too, now
A last text argument is the rest of the line, or one "quoted text" ("" is a quote);
ROWNAME is one word or one quoted text. A script error or a target not found ends
the run with status 2, naming the line; a command whose part is not built yet
answers "not available yet" with status 3. A library, page or file that cannot be
loaded, read or written ends the run with status 1.
)";
}

}  // namespace kxwhost
