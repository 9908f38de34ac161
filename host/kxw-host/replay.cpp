#include "host/kxw-host/replay.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <fstream>
#include <sstream>

#include "host/kxw-host/browser_classes.h"
#include "host/kxw-host/grid_rows.h"
#include "host/kxw-host/snapshot.h"
#include "host/kxw-host/window_input.h"

namespace kxwhost {
namespace {

constexpr UINT kTickMs = 30;
// How long a command waits for its target (an opening menu, the browser dialog) to appear.
constexpr DWORD kPatienceMs = 3000;
constexpr int kTreeId = 1001;
constexpr int kGridId = 1003;
constexpr int kStatusNotFound = 2;
constexpr int kStatusNotAvailable = 3;
constexpr int kStatusFailed = 1;
constexpr const char* kNotAvailable = "not available yet";

}  // namespace

ScriptPlayer* ScriptPlayer::current_ = nullptr;

ScriptPlayer::ScriptPlayer(std::vector<ScriptCommand> commands, ReplaySettings settings)
    : commands_(std::move(commands)), settings_(std::move(settings)) {}

ScriptPlayer::~ScriptPlayer() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (current_ == this) current_ = nullptr;
}

bool ScriptPlayer::Start() {
  current_ = this;
  hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
  timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
  return hook_ != nullptr && timer_ != 0;
}

void ScriptPlayer::FinishAfterBrowser() {
  browserReturned_ = true;
  MSG msg;
  while (!ended_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void CALLBACK ScriptPlayer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ != nullptr) current_->Tick();
}

LRESULT CALLBACK ScriptPlayer::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_SETFOCUS && current_ != nullptr && window != nullptr) current_->lastFocus_ = window;
  if (code == HCBT_ACTIVATE && current_ != nullptr && !current_->answers_.empty() &&
      IsMessageBox(window)) {
    current_->AnswerBox(window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ScriptPlayer::Tick() {
  // A command that runs a nested loop (a message box, a menu) must not be re-entered.
  if (busy_ || ended_) return;
  busy_ = true;
  // The keys posted by the last tick have been handled: let their modifiers go.
  if (modifiersHeld_) {
    SetKeyboardState(savedKeys_);
    modifiersHeld_ = false;
  }
  HWND colorDialog = picks_.empty() ? nullptr : FindColorDialog();
  if (colorDialog != nullptr) {
    AnswerColorDialog(colorDialog);
  } else if (HWND box = FindMessageBox()) {
    HandleMessageBox(box);
  } else {
    Advance();
  }
  busy_ = false;
}

void ScriptPlayer::HandleMessageBox(HWND box) {
  if (!answers_.empty()) {
    AnswerBox(box);
  } else if (next_ < commands_.size() && commands_[next_].kind == CommandKind::kAnswer) {
    Advance();
  } else {
    Fail(next_ < commands_.size() ? &commands_[next_] : nullptr, kStatusNotFound,
         "unexpected message box \"" + MessageBoxText(box) + "\"");
  }
}

bool ScriptPlayer::AnswerBox(HWND box) {
  const Answer answer = answers_.front();
  answers_.pop_front();
  HWND button = GetDlgItem(box, answer.code);
  if (button == nullptr) {
    Fail(answer.command, kStatusNotFound,
         "the message box \"" + MessageBoxText(box) + "\" has no such button");
  }
  std::printf("message box: %s\n", MessageBoxText(box).c_str());
  std::fflush(stdout);
  PressButton(button);
  return true;
}

void ScriptPlayer::AnswerColorDialog(HWND dialog) {
  const Pick pick = picks_.front();
  picks_.pop_front();
  for (int i = 0; i < 3; ++i) TypeColorField(dialog, i, pick.rgb[i]);
  std::printf("colour dialog: %d %d %d\n", pick.rgb[0], pick.rgb[1], pick.rgb[2]);
  std::fflush(stdout);
  PressButton(DialogOkButton(dialog));
}

void ScriptPlayer::Advance() {
  if (next_ >= commands_.size()) {
    EndScript();
    return;
  }
  const ScriptCommand& command = commands_[next_];
  const Outcome outcome = Run(command);
  if (outcome.step == Step::kDone) {
    ++next_;
    waitingSince_ = 0;
    return;
  }
  if (outcome.step == Step::kWait) return;
  if (outcome.step == Step::kRetry) {
    const DWORD now = GetTickCount();
    if (waitingSince_ == 0) waitingSince_ = now;
    if (now - waitingSince_ < kPatienceMs) return;
  }
  Fail(&command, outcome.status, outcome.problem);
}

void ScriptPlayer::EndScript() {
  HWND dialog = BrowserWindow();
  if (dialog == nullptr) {
    // Inside the browser call its dialog may still be on its way.
    ended_ = browserReturned_;
    return;
  }
  if (!settings_.endSnapshot.empty()) {
    std::string error;
    if (!SaveWindowSnapshot(dialog, settings_.endSnapshot, error)) {
      Fail(nullptr, kStatusFailed, error);
    }
    endSnapshotTaken_ = true;
  }
  ended_ = true;
  // As the close box does: the browser closes without sending anything.
  PostMessageA(dialog, WM_CLOSE, 0, 0);
}

ScriptPlayer::Outcome ScriptPlayer::NeedDialog(HWND& dialog) {
  dialog = BrowserWindow();
  if (dialog != nullptr) {
    dialogSeen_ = true;
    return {Step::kDone, 0, {}};
  }
  if (dialogSeen_) return {Step::kFail, kStatusNotFound, "the browser is not open"};
  // Until a browser dialog has been seen, the dialog is the part not built yet.
  return {browserReturned_ ? Step::kFail : Step::kRetry, kStatusNotAvailable, kNotAvailable};
}

ScriptPlayer::Outcome ScriptPlayer::NeedControl(HWND dialog, int id, HWND& control) {
  control = GetDlgItem(dialog, id);
  if (control != nullptr) return {Step::kDone, 0, {}};
  if (id == kTreeId || id == kGridId) return {Step::kFail, kStatusNotAvailable, kNotAvailable};
  return {Step::kFail, kStatusNotFound, "the browser has no control " + std::to_string(id)};
}

ScriptPlayer::Outcome ScriptPlayer::Run(const ScriptCommand& command) {
  switch (command.kind) {
    case CommandKind::kAnswer:
      answers_.push_back({command.code, &command});
      if (HWND box = FindMessageBox()) AnswerBox(box);
      return {Step::kDone, 0, {}};
    case CommandKind::kPickColor:
      picks_.push_back({{command.rgb[0], command.rgb[1], command.rgb[2]}, &command});
      if (HWND colorDialog = FindColorDialog()) AnswerColorDialog(colorDialog);
      return {Step::kDone, 0, {}};
    case CommandKind::kSnapshot:
      return Snapshot(command.text);
    case CommandKind::kMenu:
      return ChooseMenu(command);
    case CommandKind::kWaitFile:
      return WaitFile(command.text);
    default:
      break;
  }
  HWND dialog = nullptr;
  Outcome outcome = NeedDialog(dialog);
  if (outcome.step != Step::kDone) return outcome;
  HWND control = nullptr;
  const POINT point{command.x, command.y};
  switch (command.kind) {
    case CommandKind::kTreeSelect:
      outcome = NeedControl(dialog, kTreeId, control);
      if (outcome.step != Step::kDone) return outcome;
      for (const TreeItem& item : ReadTree(control)) {
        if (item.label == command.text && ClickTreeItem(control, item.item)) return outcome;
      }
      return {Step::kFail, kStatusNotFound, "no tree item labelled \"" + command.text + "\""};
    case CommandKind::kRow:
    case CommandKind::kSet:
    case CommandKind::kDumpGrid:
      return RunGridCommand(dialog, command);
    case CommandKind::kChoose:
    case CommandKind::kDumpList:
      return RunListCommand(dialog, command);
    case CommandKind::kClick:
      PostMouse(dialog, point, MouseAction::kClick);
      return outcome;
    case CommandKind::kDoubleClick:
      PostMouse(dialog, point, MouseAction::kDoubleClick);
      return outcome;
    case CommandKind::kRightClick:
      PostMouse(dialog, point, MouseAction::kRightClick);
      return outcome;
    case CommandKind::kKey:
      PressKey(KeyTarget(dialog), command.code);
      return outcome;
    case CommandKind::kType: {
      // One character a tick, each to the window that has the focus by then: the first one
      // typed on the grid opens an editor that takes the rest.
      if (typed_ >= command.text.size()) {
        typed_ = 0;
        return outcome;
      }
      HWND target = KeyTarget(dialog);
      // A dialog open over the browser takes the text: its focused field, else its first.
      if (HWND over = FindDialogOver(dialog); over != nullptr && !IsChild(over, target)) {
        HWND field = FindWindowExA(over, nullptr, "Edit", nullptr);
        target = field != nullptr ? field : over;
      }
      PostText(target, command.text.substr(typed_++, 1));
      waitingSince_ = 0;
      return {Step::kRetry, kStatusFailed, "typing stalled"};
    }
    case CommandKind::kButton:
      if (HWND over = FindDialogOver(dialog)) {
        control = GetDlgItem(over, command.code);
        if (control == nullptr) return {Step::kFail, kStatusNotFound, "the open dialog has no such button"};
      } else {
        outcome = NeedControl(dialog, command.code, control);
        if (outcome.step != Step::kDone) return outcome;
      }
      if (IsWindowEnabled(control)) {
        PressButton(control);
      } else {
        // A click on a disabled button does nothing; say so for the reader of the run.
        std::printf("%s: disabled\n", command.source.c_str());
        std::fflush(stdout);
      }
      return outcome;
    case CommandKind::kDumpTree:
      return DumpTree(dialog);
    case CommandKind::kDumpPlaces:
      return DumpPlaces(dialog);
    case CommandKind::kRepaint:
      RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return outcome;
    case CommandKind::kHostSelect:
    case CommandKind::kHostAdd:
    case CommandKind::kHostModify:
    case CommandKind::kHostRemove:
      return HostEdit(dialog, command);
    default:
      return {Step::kFail, kStatusNotFound, "unhandled command"};
  }
}

ScriptPlayer::Outcome ScriptPlayer::ChooseMenu(const ScriptCommand& command) {
  HWND menuWindow = FindOpenMenu();
  if (menuWindow == nullptr) return {Step::kRetry, kStatusNotFound, "no context menu is open"};
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
  const UINT state = menu != nullptr ? GetMenuState(menu, command.code, MF_BYCOMMAND) : ~0u;
  if (state == ~0u) {
    return {Step::kFail, kStatusNotFound,
            "the open menu has no command " + std::to_string(command.code)};
  }
  if (state & (MF_GRAYED | MF_DISABLED)) {
    // Choosing a disabled command does nothing and leaves the menu open.
    std::printf("%s: disabled\n", command.source.c_str());
    std::fflush(stdout);
    return {Step::kDone, 0, {}};
  }
  // What choosing an item does: the menu closes and its owner, the browser dialog,
  // receives the command.
  HWND owner = BrowserWindow();
  EndMenu();
  PostMessageA(owner != nullptr ? owner : GetActiveWindow(), WM_COMMAND,
               MAKEWPARAM(command.code, 0), 0);
  return {Step::kDone, 0, {}};
}

ScriptPlayer::Outcome ScriptPlayer::Snapshot(const std::string& path) {
  HWND dialog = BrowserWindow();
  std::string error;
  if (!SaveWindowSnapshot(dialog != nullptr ? dialog : settings_.pageWindow, path, error)) {
    return {Step::kFail, kStatusFailed, error};
  }
  return {Step::kDone, 0, {}};
}

ScriptPlayer::Outcome ScriptPlayer::DumpTree(HWND dialog) {
  HWND tree = nullptr;
  Outcome outcome = NeedControl(dialog, kTreeId, tree);
  if (outcome.step != Step::kDone) return outcome;
  // The tree's items carry no value text; the third column stays empty.
  for (const TreeItem& item : ReadTree(tree)) {
    std::printf("%d\t%s\t\n", item.depth, item.label.c_str());
  }
  std::fflush(stdout);
  return outcome;
}

ScriptPlayer::Outcome ScriptPlayer::WaitFile(const std::string& path) {
  // A driver outside sends real input meanwhile; the windows keep running on the ticks.
  constexpr DWORD kLongestWaitMs = 60000;
  const DWORD now = GetTickCount();
  if (fileWaitSince_ == 0) {
    fileWaitSince_ = now;
    std::printf("waiting %s\n", path.c_str());
    std::fflush(stdout);
  }
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    fileWaitSince_ = 0;
    return {Step::kDone, 0, {}};
  }
  if (now - fileWaitSince_ > kLongestWaitMs) return {Step::kFail, kStatusNotFound, "the file never came"};
  return {Step::kWait, 0, {}};
}

ScriptPlayer::Outcome ScriptPlayer::DumpPlaces(HWND dialog) {
  auto toScreen = [](HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
  };
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  // Snapshots hold the client area: its origin places them on the screen.
  const POINT client = toScreen(dialog, POINT{0, 0});
  std::printf("window %ld %ld %ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom, client.x,
              client.y);
  if (HWND grid = FindGrid(dialog, kGridId)) {
    const std::vector<GridRow> rows = ReadGridRows(grid);
    if (!rows.empty()) {
      const RECT& list = rows.front().list;
      const POINT topLeft = toScreen(grid, POINT{list.left, list.top});
      const POINT bottomRight = toScreen(grid, POINT{list.right, list.bottom});
      const POINT divider = toScreen(grid, POINT{rows.front().dividerX, list.top});
      std::printf("grid %ld %ld %ld %ld %ld\n", topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, divider.x);
    }
    for (const GridRow& row : rows) {
      // Rows scrolled out of the list cannot be pointed at.
      if (row.rect.top < row.list.top || row.rect.bottom > row.list.bottom) continue;
      POINT name = NamePoint(grid, dialog, row);
      POINT value = ValuePoint(grid, dialog, row);
      ClientToScreen(dialog, &name);
      ClientToScreen(dialog, &value);
      const POINT top = toScreen(grid, POINT{row.rect.left, row.rect.top});
      const POINT bottom = toScreen(grid, POINT{row.rect.left, row.rect.bottom});
      std::printf("row %s\t%ld %ld %ld %ld %ld %ld\n", row.name.c_str(), name.x, name.y, value.x, value.y, top.y,
                  bottom.y);
    }
  }
  if (HWND tree = GetDlgItem(dialog, kTreeId)) {
    for (const TreeItem& item : ReadTree(tree)) {
      RECT rect = {};
      std::memcpy(&rect, &item.item, sizeof item.item);  // the message takes the item in the rectangle
      if (!SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) continue;
      const POINT middle = toScreen(tree, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
      std::printf("tree %s\t%ld %ld\n", item.label.c_str(), middle.x, middle.y);
    }
  }
  static const struct {
    const char* name;
    int id;
  } kPlaceButtons[] = {{"OK", IDOK}, {"Cancel", IDCANCEL}, {"Apply", 4}};
  for (const auto& button : kPlaceButtons) {
    HWND control = GetDlgItem(dialog, button.id);
    RECT rect;
    if (control == nullptr || !GetWindowRect(control, &rect)) continue;
    std::printf("button %s\t%ld %ld\n", button.name, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  std::fflush(stdout);
  return {Step::kDone, 0, {}};
}

// Where a key typed now would go: the focus window. While another program has the
// activation for a moment the thread has no focus; the keys then go to the browser's control
// that had it last, not to the dialog, where Return would mean OK.
HWND ScriptPlayer::KeyTarget(HWND dialog) const {
  HWND focus = GetFocus();
  if (focus != nullptr) return focus;
  if (lastFocus_ != nullptr && IsWindowVisible(lastFocus_) && IsChild(dialog, lastFocus_)) {
    return lastFocus_;
  }
  return dialog;
}

HWND ScriptPlayer::BrowserWindow() const {
  if (HWND dialog = FindBrowserDialog()) return dialog;
  return settings_.viewWindow != nullptr && IsWindow(settings_.viewWindow) ? settings_.viewWindow : nullptr;
}

ScriptPlayer::Outcome ScriptPlayer::HostEdit(HWND dialog, const ScriptCommand& command) {
  HWND treeWindow = nullptr;
  Outcome outcome = NeedControl(dialog, kTreeId, treeWindow);
  if (outcome.step != Step::kDone) return outcome;
  std::string error;
  if (settings_.classes == nullptr || !settings_.classes->BindEditing(error)) {
    return {Step::kFail, kStatusNotAvailable, kNotAvailable};
  }
  // A host keeping its page in step reaches the open tree through its window.
  CTreeCtrlXML* tree = settings_.classes->TreeOf(treeWindow);
  if (tree == nullptr) return {Step::kFail, kStatusNotAvailable, kNotAvailable};
  std::string text;
  if (command.kind == CommandKind::kHostAdd || command.kind == CommandKind::kHostModify) {
    // A relative FILE lies beside the script.
    std::string path = command.text;
    const bool absolute = path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':');
    const size_t slash = settings_.scriptName.find_last_of("/\\");
    if (!absolute && slash != std::string::npos) path = settings_.scriptName.substr(0, slash + 1) + path;
    std::ifstream in(path, std::ios::binary);
    if (!in) return {Step::kFail, kStatusFailed, "cannot read " + path};
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
  }
  const bool result = settings_.classes->RunEditLine(tree, command, text);
  std::printf("%s: %s\n", command.source.c_str(), result ? "true" : "false");
  std::fflush(stdout);
  return outcome;
}

void ScriptPlayer::PressKey(HWND target, int code) {
  static const struct {
    int flag;
    int virtualKey;
  } kHeld[] = {{kKeyCtrl, VK_CONTROL}, {kKeyShift, VK_SHIFT}, {kKeyAlt, VK_MENU}};
  if ((code & ~kKeyCodeMask) != 0) {
    // Posted keys change no keyboard state; the thread's state says which modifiers are
    // down while the browser handles the key, until the next tick.
    GetKeyboardState(savedKeys_);
    BYTE state[256];
    std::memcpy(state, savedKeys_, sizeof state);
    for (const auto& held : kHeld) {
      if (code & held.flag) state[held.virtualKey] |= 0x80;
    }
    SetKeyboardState(state);
    modifiersHeld_ = true;
  }
  PostKey(target, static_cast<UINT>(code & kKeyCodeMask), (code & kKeyAlt) != 0);
}

ScriptPlayer::Outcome ScriptPlayer::RunGridCommand(HWND dialog, const ScriptCommand& command) {
  HWND grid = FindGrid(dialog, kGridId);
  if (grid == nullptr) return {Step::kFail, kStatusNotAvailable, kNotAvailable};
  if (command.kind == CommandKind::kDumpGrid) {
    for (const GridRow& row : ReadGridRows(grid)) {
      std::printf("%d\t%s\t%s\n", row.depth, row.name.c_str(), row.value.c_str());
    }
    std::fflush(stdout);
    return {Step::kDone, 0, {}};
  }
  const std::string& name = command.kind == CommandKind::kSet ? command.rowName : command.text;
  if (setEditing_) {
    // `set`, second step: the click has opened the row's editor; replace its text and accept.
    HWND edit = FocusedGridEdit(grid);
    if (edit == nullptr) {
      return {Step::kRetry, kStatusNotFound, "the grid row \"" + name + "\" opened no in-place editor"};
    }
    setEditing_ = false;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PostText(edit, command.text);
    PostKey(edit, VK_RETURN);
    return {Step::kDone, 0, {}};
  }
  GridRow row;
  if (!FindGridRow(grid, name, row)) {
    return {Step::kFail, kStatusNotFound, "no grid row named \"" + name + "\""};
  }
  if (command.kind == CommandKind::kRow) {
    PostMouse(dialog, NamePoint(grid, dialog, row), MouseAction::kClick);
    return {Step::kDone, 0, {}};
  }
  PostMouse(dialog, ValuePoint(grid, dialog, row), MouseAction::kClick);
  setEditing_ = true;
  return {Step::kRetry, kStatusNotFound, "the grid row \"" + name + "\" opened no in-place editor"};
}

ScriptPlayer::Outcome ScriptPlayer::RunListCommand(HWND dialog, const ScriptCommand& command) {
  HWND grid = FindGrid(dialog, kGridId);
  if (grid == nullptr) return {Step::kFail, kStatusNotAvailable, kNotAvailable};
  const std::string& name = command.kind == CommandKind::kChoose ? command.rowName : command.text;
  const Outcome notOpen{Step::kRetry, kStatusNotFound, "the grid row \"" + name + "\" opened no list"};
  if (!listOpening_) {
    GridRow row;
    if (!FindGridRow(grid, name, row)) {
      return {Step::kFail, kStatusNotFound, "no grid row named \"" + name + "\""};
    }
    // As a user opens it: a click on the row's drop-down button.
    PostMouse(dialog, ButtonPoint(grid, dialog, row), MouseAction::kClick);
    listOpening_ = true;
    return notOpen;
  }
  HWND combo = nullptr;
  HWND list = FindDroppedList(grid, combo);
  if (list == nullptr) return notOpen;
  listOpening_ = false;
  const std::vector<std::string> texts = ComboTexts(combo);
  // Escape closes the open list; it goes to the focus window, else to the list's box.
  const auto closeList = [combo] { PostKey(GetFocus() != nullptr ? GetFocus() : combo, VK_ESCAPE); };
  if (command.kind == CommandKind::kDumpList) {
    for (size_t i = 0; i < texts.size(); ++i) std::printf("%u\t%s\n", static_cast<unsigned>(i), texts[i].c_str());
    std::fflush(stdout);
    closeList();
    return {Step::kDone, 0, {}};
  }
  const auto it = std::find(texts.begin(), texts.end(), command.text);
  if (it == texts.end()) {
    closeList();
    return {Step::kFail, kStatusNotFound, "the list of \"" + name + "\" has no entry \"" + command.text + "\""};
  }
  // Scrolled into the list as the wheel would, then clicked.
  const int index = static_cast<int>(it - texts.begin());
  SendMessageA(list, LB_SETTOPINDEX, index, 0);
  RECT item = {};
  if (SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
    return {Step::kFail, kStatusNotFound, "the entry \"" + command.text + "\" cannot be shown"};
  }
  PostMouse(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2}, MouseAction::kClick);
  return {Step::kDone, 0, {}};
}

void ScriptPlayer::Fail(const ScriptCommand* command, int status, const std::string& problem) {
  std::string message = settings_.scriptName + ": ";
  if (command != nullptr) {
    message += "line " + std::to_string(command->line) + ": " + problem + ": " + command->source;
  } else {
    message += problem;
  }
  std::fflush(stdout);
  std::fprintf(stderr, "kxw-host: %s\n", message.c_str());
  std::fflush(stderr);
  if (settings_.beforeExit) settings_.beforeExit();
  ExitProcess(static_cast<UINT>(status));
}

}  // namespace kxwhost
