// Replays a parsed script from inside whatever message loop the thread is running: a
// thread timer runs one command a tick, so the commands act from the browser's own modal
// loop while it is open, and from the host's loop before and after. A CBT hook answers
// message boxes with the answers the script queued.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host/kxw-host/script.h"

namespace kxwhost {

class BrowserClasses;

struct ReplaySettings {
  HWND pageWindow = nullptr;    // captured by `snapshot` while no browser is open
  std::string scriptName;       // names the script in error messages
  std::string endSnapshot;      // saved from the browser when the script ends with it open
  std::function<void()> beforeExit;  // runs before a failing script ends the process
  HWND viewWindow = nullptr;    // the host's own notebook window, acted on like the browser
  BrowserClasses* classes = nullptr;  // the module's classes, for the host-... lines
};

class ScriptPlayer {
 public:
  ScriptPlayer(std::vector<ScriptCommand> commands, ReplaySettings settings);
  ScriptPlayer(const ScriptPlayer&) = delete;
  ScriptPlayer& operator=(const ScriptPlayer&) = delete;
  ~ScriptPlayer();

  bool Start();
  // Tells the player that InitPropertyBrowser has returned, then runs the rest of the
  // script in the host's own message loop. Returns when the script has ended.
  void FinishAfterBrowser();
  // True when the end snapshot was taken from the browser dialog.
  bool endSnapshotTaken() const { return endSnapshotTaken_; }

 private:
  // kWait: try again next tick, without the usual patience (wait-file keeps its own).
  enum class Step { kDone, kRetry, kWait, kFail };
  struct Outcome {
    Step step;
    int status;
    std::string problem;
  };
  struct Answer {
    int code;
    const ScriptCommand* command;
  };
  struct Pick {
    int rgb[3];
    const ScriptCommand* command;
  };

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);

  void Tick();
  void Advance();
  void HandleMessageBox(HWND box);
  bool AnswerBox(HWND box);
  // Types the first queued colour into an open colour dialog and presses OK.
  void AnswerColorDialog(HWND dialog);
  void EndScript();
  Outcome Run(const ScriptCommand& command);
  Outcome NeedDialog(HWND& dialog);
  Outcome NeedControl(HWND dialog, int id, HWND& control);
  Outcome ChooseMenu(const ScriptCommand& command);
  Outcome Snapshot(const std::string& path);
  Outcome DumpTree(HWND dialog);
  Outcome WaitFile(const std::string& path);
  Outcome DumpPlaces(HWND dialog);
  // A host-... line on the tree object behind the window's tree.
  Outcome HostEdit(HWND dialog, const ScriptCommand& command);
  // The open browser dialog, else the notebook window while it is open.
  HWND BrowserWindow() const;
  // `row`, `set` and `dump-grid` on the browser's grid.
  Outcome RunGridCommand(HWND dialog, const ScriptCommand& command);
  // `choose` and `dump-list`: open the row's list with its button, then act on the list.
  Outcome RunListCommand(HWND dialog, const ScriptCommand& command);
  // Posts a key of a `key` command, holding its modifiers.
  void PressKey(HWND target, int code);
  HWND KeyTarget(HWND dialog) const;
  [[noreturn]] void Fail(const ScriptCommand* command, int status, const std::string& problem);

  static ScriptPlayer* current_;

  std::vector<ScriptCommand> commands_;
  ReplaySettings settings_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
  HHOOK hook_ = nullptr;
  HWND lastFocus_ = nullptr;  // the last window that took the focus
  DWORD waitingSince_ = 0;
  bool busy_ = false;
  bool browserReturned_ = false;
  bool dialogSeen_ = false;
  bool ended_ = false;
  bool endSnapshotTaken_ = false;
  // A `set` has clicked its row and waits for the row's editor.
  bool setEditing_ = false;
  // Characters of the current `type` posted so far.
  size_t typed_ = 0;
  DWORD fileWaitSince_ = 0;
  // Modifiers of the last `key`, held until the next tick, and the state before them.
  bool modifiersHeld_ = false;
  BYTE savedKeys_[256] = {};
  std::deque<Answer> answers_;
  std::deque<Pick> picks_;
  // A `choose` or `dump-list` has pressed its row's button and waits for the list.
  bool listOpening_ = false;
};

}  // namespace kxwhost
