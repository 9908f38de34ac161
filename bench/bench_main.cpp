#include <benchmark/benchmark.h>

#include "bench/bench_probe.h"
#include "support/crash_guard.h"

int main(int argc, char** argv) {
  InstallCrashGuard();
  if (npbbench::RunProbeFromArguments(argc, argv)) return 0;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
