#include <benchmark/benchmark.h>

#include "support/crash_guard.h"

int main(int argc, char** argv) {
  InstallCrashGuard();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
