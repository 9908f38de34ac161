// kxw-host: a page window that loads the property browser, calls it for its page, and
// optionally replays an input script and keeps what the page received.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "host/kxw-host/browser_classes.h"
#include "host/kxw-host/change_recorder.h"
#include "host/kxw-host/host_window.h"
#include "host/kxw-host/libraries.h"
#include "host/kxw-host/notebook.h"
#include "host/kxw-host/options.h"
#include "host/kxw-host/profile_redirect.h"
#include "host/kxw-host/replay.h"
#include "host/kxw-host/script.h"
#include "host/kxw-host/snapshot.h"
#include "support/crash_guard.h"

namespace kxwhost {
namespace {

constexpr int kStatusFailed = 1;
constexpr int kStatusUsage = 2;
constexpr int kStatusNotAvailable = 3;

int Complain(int status, const std::string& message) {
  std::fflush(stdout);
  std::fprintf(stderr, "kxw-host: %s\n", message.c_str());
  return status;
}

bool ReadTextFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

bool WantsPerson(const Options& options) {
  if (options.mode != RunMode::kAuto) return options.mode == RunMode::kInteractive;
  const char* display = std::getenv("NPB_USE_DISPLAY");
  return display != nullptr && *display != '\0';
}

struct Report {
  std::string page;
  int objects = 0;
  PageDescriptionSize description;
  int result = 0;
  int documents = 0;
};

void PrintReport(const Report& report) {
  std::printf("page: %s\nobjects: %d\npieces: %d\nbytes: %u\n"
              "InitPropertyBrowser returned: %d\ndocuments received: %d\n",
              report.page.c_str(), report.objects, report.description.pieces,
              static_cast<unsigned>(report.description.bytes), report.result, report.documents);
}

// One session: everything between loading the libraries and closing the page.
class Session {
 public:
  explicit Session(const Options& options) : options_(options), recorder_(options.changesDir) {}
  ~Session() { Close(); }

  int Run(std::vector<ScriptCommand> commands);
  // Undoes what must not outlive the process (the profile redirection).
  void Close();

 private:
  int Prepare();
  // --notebook: the host's own window with the module's grid instead of the browser.
  int RunNotebook(std::vector<ScriptCommand> commands);

  const Options& options_;
  ChangeRecorder recorder_;
  ProfileRedirect profile_;
  PageLibrary pages_;
  BrowserModule browser_;
  std::unique_ptr<BrowserClasses> classes_;
  HWND window_ = nullptr;
  bool pageOpen_ = false;
  Report report_;
};

int Session::Prepare() {
  std::string error;
  report_.page = !options_.rawPage.empty() ? options_.rawPage
                 : options_.page.empty()     ? "(embedded sample page)"
                                             : options_.page;
  std::string raw;
  if (!options_.rawPage.empty() && !ReadTextFile(options_.rawPage, raw)) {
    return Complain(kStatusFailed, "cannot read the page " + report_.page);
  }
  if (!recorder_.Prepare(error) || !pages_.Load(error)) return Complain(kStatusFailed, error);
  window_ = CreatePageWindow(report_.page);
  if (window_ == nullptr) return Complain(kStatusFailed, "cannot create the page window");
  pages_.setChangeListener(&ChangeRecorder::OnDocument, &recorder_);
  if (!options_.hostData.empty()) pages_.setHostDataFolder(options_.hostData.c_str());
  if (!options_.rawPage.empty()) {
    report_.objects = pages_.openRawPage(window_, raw.data(), static_cast<unsigned>(raw.size()), options_.pieceSize);
  } else {
    report_.objects = pages_.openPage(window_, options_.page.empty() ? nullptr : options_.page.c_str());
  }
  if (report_.objects < 0) return Complain(kStatusFailed, "cannot read the page " + report_.page);
  pageOpen_ = true;
  report_.description = MeasurePageDescription(pages_, window_);
  SetPageWindowText(window_, report_.page + ": " + std::to_string(report_.objects) + " objects");
  // The browser looks for its profile when it opens, so the private folder must exist
  // before it loads; as late as that, so that the rest of the host reads the real
  // per-user settings.
  if (!options_.profile.empty() && !profile_.Install(options_.profile, error)) {
    return Complain(kStatusFailed, error);
  }
  if (!browser_.Load(error)) return Complain(kStatusFailed, error);
  if (options_.dynamic) browser_.activateDynamicUpdate(1);
  return 0;
}

int Session::RunNotebook(std::vector<ScriptCommand> commands) {
  std::string error;
  if (!browser_.Load(error)) return Complain(kStatusFailed, error);
  classes_ = std::make_unique<BrowserClasses>(browser_.module);
  HWND notebook = OpenNotebookWindow(*classes_, options_.notebook, error);
  if (notebook == nullptr) return Complain(kStatusNotAvailable, "--notebook: " + error);
  const bool person = options_.script.empty() && WantsPerson(options_);
  std::unique_ptr<ScriptPlayer> player;
  if (!person) {
    ReplaySettings settings;
    settings.pageWindow = notebook;
    settings.viewWindow = notebook;
    settings.classes = classes_.get();
    settings.scriptName = options_.script.empty() ? "report" : options_.script;
    settings.endSnapshot = options_.snapshot;
    player = std::make_unique<ScriptPlayer>(std::move(commands), std::move(settings));
    if (!player->Start()) return Complain(kStatusFailed, "cannot start the script timer");
    player->FinishAfterBrowser();
  } else {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CloseNotebookWindow(notebook);
  if (options_.script.empty() && !person) std::printf("notebook: %s\n", options_.notebook.c_str());
  std::fflush(stdout);
  return 0;
}

int Session::Run(std::vector<ScriptCommand> commands) {
  if (!options_.notebook.empty()) return RunNotebook(std::move(commands));
  if (const int status = Prepare()) return status;
  const bool person = options_.script.empty() && WantsPerson(options_);
  std::unique_ptr<ScriptPlayer> player;
  if (!person) {
    // Without a script the player runs an empty one: it closes the browser once open.
    ReplaySettings settings;
    settings.pageWindow = window_;
    settings.scriptName = options_.script.empty() ? "report" : options_.script;
    settings.endSnapshot = options_.snapshot;
    settings.beforeExit = [this] { profile_.Undo(); };
    classes_ = std::make_unique<BrowserClasses>(browser_.module);
    settings.classes = classes_.get();
    player = std::make_unique<ScriptPlayer>(std::move(commands), std::move(settings));
    if (!player->Start()) return Complain(kStatusFailed, "cannot start the script timer");
  }
  const char* selectName = options_.selectName.empty() ? nullptr : options_.selectName.c_str();
  report_.result = browser_.initPropertyBrowser(window_, options_.selectHandle, selectName);
  if (player) player->FinishAfterBrowser();

  std::string error;
  const bool snapshotDone = (player && player->endSnapshotTaken()) || options_.snapshot.empty();
  if (!snapshotDone && !SaveWindowSnapshot(window_, options_.snapshot, error)) {
    return Complain(kStatusFailed, error);
  }
  if (!options_.pageOut.empty() && pages_.savePage(window_, options_.pageOut.c_str()) != 1) {
    return Complain(kStatusFailed, "--page-out: cannot write " + options_.pageOut);
  }
  if (!recorder_.failure().empty()) {
    return Complain(kStatusFailed, "--changes-dir: cannot write " + recorder_.failure());
  }
  report_.documents = recorder_.count();
  if (options_.script.empty() && !person) PrintReport(report_);
  if (!options_.script.empty()) std::printf("InitPropertyBrowser returned: %d\n", report_.result);
  std::fflush(stdout);
  return 0;
}

void Session::Close() {
  if (pageOpen_) {
    pages_.setChangeListener(nullptr, nullptr);
    pages_.closePage(window_);
    pageOpen_ = false;
  }
  // The page window is left to the end of the process: destroying it first costs a
  // wait of seconds under Wine without a window manager, for no benefit.
  profile_.Undo();
}

int Main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    return Complain(kStatusUsage, error + " (see --help)");
  }
  if (options.help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  // The macro recorder's side of the browser is not built yet.
  if (!options.macro.empty()) return Complain(kStatusNotAvailable, "--macro: not available yet");
  if (!options.notebook.empty() && !IsNotebookView(options.notebook)) {
    return Complain(kStatusUsage, "--notebook: unknown view " + options.notebook + " (one of " +
                                      NotebookViewNames() + ")");
  }
  std::vector<ScriptCommand> commands;
  if (!options.script.empty()) {
    std::string text;
    if (!ReadTextFile(options.script, text)) {
      return Complain(kStatusUsage, "cannot read the script " + options.script);
    }
    if (!ParseScript(text, commands, error)) {
      return Complain(kStatusUsage, options.script + ": " + error);
    }
  }
  Session session(options);
  return session.Run(std::move(commands));
}

}  // namespace
}  // namespace kxwhost

int main(int argc, char** argv) {
  InstallCrashGuard();
  return kxwhost::Main(argc, argv);
}
