// The command line of kxw-host.
#pragma once
#include <string>
#include <vector>

namespace kxwhost {

// What happens without a script once the browser has been called.
enum class RunMode {
  kAuto,         // interactive when the environment says a person's display is in use
  kInteractive,  // --interactive: the browser stays open until the person closes it
  kReport,       // --report: print what was loaded and exit
};

struct Options {
  std::string page;            // --page; empty: the embedded sample page
  std::string rawPage;         // --raw-page: served verbatim, never read by the host
  unsigned pieceSize = 65536;  // --piece-size, bytes a piece of the raw page
  unsigned selectHandle = 0;   // --select-handle
  std::string selectName;      // --select-name
  bool dynamic = false;        // --dynamic
  std::string profile;         // --profile
  std::string script;          // --script
  std::string changesDir;      // --changes-dir
  std::string pageOut;         // --page-out
  std::string macro;           // --macro
  std::string snapshot;        // --snapshot
  std::string hostData;        // --host-data
  std::string notebook;        // --notebook: a view of the host's own notebook window
  RunMode mode = RunMode::kAuto;
  bool help = false;           // --help
};

// Reads the arguments after the program name. Returns false with `error` set for an
// unknown option, a missing or bad value, or an option given twice.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// The --help text.
const char* UsageText();

}  // namespace kxwhost
