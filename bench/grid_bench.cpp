// The property grid with 1k, 10k and 100k rows (groups of 100): expanding and collapsing all,
// selecting the last row (which scrolls it into view), and one paint scrolled to the bottom,
// where every row above the list is one a naive walk would visit.
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/window_class.h"
#include "framework/wnd.h"
#include "grid/property_grid_ctrl.h"

namespace {

constexpr int kRowsPerGroup = 100;

// A grid filled with groups of value rows, in a shown popup so that it really paints.
class FilledGrid {
public:
  explicit FilledGrid(int nRows) {
    AfxRegisterClass("NpbGridBenchOwner");
    m_owner.CreateEx(0, "NpbGridBenchOwner", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 620), nullptr, 0);
    m_grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 400, 600), &m_owner, 1);
    for (int g = 0; g < nRows / kRowsPerGroup; ++g) {
      auto* pGroup = new CPropertyGridProperty(CString("Group"), static_cast<DWORD_PTR>(g));
      for (int i = 0; i < kRowsPerGroup; ++i) {
        CString strName;
        strName.Format("Attribute %d", i);
        pGroup->AddSubItem(new CPropertyGridProperty(strName, COleVariant(i), nullptr, 1000 + i));
      }
      m_grid.AddProperty(pGroup, FALSE, FALSE);
    }
    m_grid.EnableDescriptionArea(TRUE);
    m_grid.AdjustLayout();
  }

  CPropertyGridCtrl& Grid() { return m_grid; }
  CPropertyGridProperty* LastRow() {
    CPropertyGridProperty* pLast = m_grid.GetProperty(m_grid.GetPropertyCount() - 1);
    return pLast->GetSubItem(pLast->GetSubItemsCount() - 1);
  }
  void PaintNow() { m_grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

private:
  CWnd m_owner;
  CPropertyGridCtrl m_grid;
};

FilledGrid& GridOf(int nRows) {
  // One grid per size for the whole run: building 100k rows is not what is measured.
  static std::unique_ptr<FilledGrid> s_grid;
  static int s_nRows = 0;
  if (nRows != s_nRows) {
    s_grid.reset();
    s_grid = std::make_unique<FilledGrid>(nRows);
    s_nRows = nRows;
  }
  return *s_grid;
}

void BM_Grid_ExpandAll(benchmark::State& state) {
  FilledGrid& w = GridOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    w.Grid().ExpandAll(FALSE);
    state.ResumeTiming();
    w.Grid().ExpandAll(TRUE);
  }
  state.SetComplexityN(state.range(0));
}

void BM_Grid_CollapseAll(benchmark::State& state) {
  FilledGrid& w = GridOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    w.Grid().ExpandAll(TRUE);
    state.ResumeTiming();
    w.Grid().ExpandAll(FALSE);
  }
  state.SetComplexityN(state.range(0));
}

void BM_Grid_SelectLastRow(benchmark::State& state) {
  FilledGrid& w = GridOf(static_cast<int>(state.range(0)));
  w.Grid().ExpandAll(TRUE);
  for (auto _ : state) {
    state.PauseTiming();
    w.Grid().SetCurSel(w.Grid().GetProperty(0));
    w.Grid().EnsureVisible(w.Grid().GetProperty(0));
    state.ResumeTiming();
    w.Grid().SetCurSel(w.LastRow());
    w.Grid().EnsureVisible(w.LastRow());
  }
  state.counters["offset"] = w.Grid().GetScrollOffset();
  state.SetComplexityN(state.range(0));
}

void BM_Grid_PaintAtBottom(benchmark::State& state) {
  FilledGrid& w = GridOf(static_cast<int>(state.range(0)));
  w.Grid().ExpandAll(TRUE);
  w.Grid().SetCurSel(w.LastRow());
  w.Grid().EnsureVisible(w.LastRow());
  for (auto _ : state) w.PaintNow();
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_Grid_ExpandAll)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Grid_CollapseAll)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Grid_SelectLastRow)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Grid_PaintAtBottom)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
