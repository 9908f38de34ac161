// One whole browser session on the 10,000-object page, as a person waits for it: the host
// library serves the page, InitPropertyBrowser opens the real dialog, and Cancel is
// pressed as soon as the dialog is idle. Reported against TinyXML parsing the same text
// in the same run:
//   open_ms   from the call until the dialog's message loop is first idle;
//   close_ms  from Cancel until InitPropertyBrowser returns;
//   parse_ms  TinyXML's Parse of the description text (best of three);
// and, each measured in a fresh child process so that freed heap does not hide growth:
//   added_MB  the peak working set during the call, above the working set before it;
//   doc_MB    what TinyXML's document of the same text adds to the working set.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include "bench/bench_probe.h"
#include "host/page_generator.h"
#include "sdk/pgobj_api.h"
#include "host/pgobj_host.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double WorkingSetMB() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize / (1024.0 * 1024.0);
}

// The highest working set seen while it lives, sampled every millisecond.
class PeakSampler {
public:
  PeakSampler() : m_peak(WorkingSetMB()), m_thread([this] { Sample(); }) {}
  ~PeakSampler() { Stop(); }
  double Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    return m_peak = std::max(m_peak.load(), WorkingSetMB());
  }

private:
  void Sample() {
    while (!m_stop) {
      m_peak = std::max(m_peak.load(), WorkingSetMB());
      ::Sleep(1);
    }
  }
  std::atomic<double> m_peak;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// The host's side: pgobj.dll serving the generated page for a page window.
class HostPage {
public:
  HostPage() {
    m_pgobj = ::LoadLibraryA("pgobj.dll");
    m_page = ::CreateWindowA("STATIC", "page", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto open = Named<PgOpenPageTextFn>("PgOpenPageText");
    const std::string text =
        pg::GeneratePage({.objects = 10000, .attributesPerObject = 30, .depth = 4, .seed = 11});
    m_objects = open ? open(m_page, text.c_str()) : -1;
  }
  ~HostPage() {
    if (auto close = Named<PgClosePageFn>("PgClosePage")) close(m_page);
    ::DestroyWindow(m_page);
  }
  bool IsOpen() const { return m_objects > 0; }
  HWND Window() const { return m_page; }

  // The description as the browser receives it, joined from the library's pieces.
  std::string Description() const {
    auto count = Named<pgobj::GetPageChunkCountFn>(MAKEINTRESOURCEA(pgobj::kGetPageChunkCount));
    auto chunks = Named<pgobj::GetPageDescriptionChunksFn>(MAKEINTRESOURCEA(pgobj::kGetPageDescriptionChunks));
    if (!count || !chunks) return {};
    std::vector<char*> pieces(std::max(count(m_page) + 2, pgobj::kMaxPieces), nullptr);
    chunks(m_page, pieces.data());
    std::string text;
    for (char* piece : pieces) {
      if (piece) text += piece;
      std::free(piece);
    }
    return text;
  }

private:
  template <typename Fn>
  Fn Named(const char* name) const {
    return m_pgobj ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(m_pgobj, name))) : nullptr;
  }

  HMODULE m_pgobj = nullptr;
  HWND m_page = nullptr;
  int m_objects = -1;
};

using InitPropertyBrowserFn = int(__stdcall*)(HWND page, UINT selectHandle, const char* selectName);

InitPropertyBrowserFn LoadBrowser() {
  HMODULE module = ::LoadLibraryA("NexelPropBrowser.dll");
  return module ? reinterpret_cast<InitPropertyBrowserFn>(
                      reinterpret_cast<void*>(::GetProcAddress(module, "InitPropertyBrowser")))
                : nullptr;
}

// Presses Cancel from inside the modal loop the first time it has nothing else to do: a
// thread timer's message is only made when the queue holds no other message or paint.
struct CancelWhenIdle {
  static inline Clock::time_point idleAt, cancelledAt;
  static inline bool cancelled = false;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dlg = ::FindWindowA("#32770", "Property Browser");
    if (!dlg || !::IsWindowVisible(dlg)) return;
    ::KillTimer(nullptr, id);
    idleAt = Clock::now();
    cancelled = true;
    cancelledAt = Clock::now();
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  static void Arm() {
    cancelled = false;
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
  }
};

struct SessionTimes {
  double openMs = -1;
  double closeMs = -1;
};

SessionTimes RunSession(InitPropertyBrowserFn init, HWND page) {
  CancelWhenIdle::Arm();
  const Clock::time_point start = Clock::now();
  init(page, 0, nullptr);
  const Clock::time_point end = Clock::now();
  SessionTimes times;
  if (!CancelWhenIdle::cancelled) return times;
  times.openMs = Ms(CancelWhenIdle::idleAt - start);
  times.closeMs = Ms(end - CancelWhenIdle::cancelledAt);
  return times;
}

double ProbeBrowserAdded() {
  HostPage host;
  InitPropertyBrowserFn init = LoadBrowser();
  if (!host.IsOpen() || !init) return -1;
  const double before = WorkingSetMB();
  PeakSampler sampler;
  if (RunSession(init, host.Window()).openMs < 0) return -1;
  return sampler.Stop() - before;
}

double ProbeTinyXmlDocument() {
  HostPage host;
  if (!host.IsOpen()) return -1;
  const std::string text = host.Description();
  const double before = WorkingSetMB();
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  benchmark::DoNotOptimize(doc.FirstChild());
  return WorkingSetMB() - before;
}

const bool kProbes = npbbench::RegisterProbe("browser-added", ProbeBrowserAdded) &&
                     npbbench::RegisterProbe("tinyxml-document", ProbeTinyXmlDocument);

void BM_BrowserSession_OpenAndCancel(benchmark::State& state) {
  HostPage host;
  InitPropertyBrowserFn init = LoadBrowser();
  if (!host.IsOpen() || !init) {
    state.SkipWithError("pgobj.dll or NexelPropBrowser.dll not found beside the bench");
    return;
  }
  const std::string text = host.Description();
  double parseMs = 1e30;
  for (int i = 0; i < 3; ++i) {
    auto* doc = new TiXmlDocument;
    const Clock::time_point start = Clock::now();
    doc->Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    parseMs = std::min(parseMs, Ms(Clock::now() - start));
    delete doc;
  }
  SessionTimes best{1e30, 1e30};
  for (auto _ : state) {
    const SessionTimes times = RunSession(init, host.Window());
    if (times.openMs < 0) {
      state.SkipWithError("the dialog never went idle");
      return;
    }
    best.openMs = std::min(best.openMs, times.openMs);
    best.closeMs = std::min(best.closeMs, times.closeMs);
  }
  const double addedMB = npbbench::RunProbeInChild("browser-added");
  const double docMB = npbbench::RunProbeInChild("tinyxml-document");
  state.counters["parse_ms"] = parseMs;
  state.counters["open_ms"] = best.openMs;
  state.counters["close_ms"] = best.closeMs;
  state.counters["open/parse"] = best.openMs / parseMs;
  state.counters["close/parse"] = best.closeMs / parseMs;
  state.counters["added_MB"] = addedMB;
  state.counters["doc_MB"] = docMB;
  state.counters["added/doc"] = docMB > 0 ? addedMB / docMB : 0;
}

}  // namespace

BENCHMARK(BM_BrowserSession_OpenAndCancel)->Unit(benchmark::kMillisecond)->Iterations(2);
