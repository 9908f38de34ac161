// Work a benchmark runs in a fresh child process of the bench program, so that what it
// measures of the process's memory is not skewed by what earlier runs left in the heap.
#pragma once
#include <string>

namespace npbbench {

using ProbeFn = double (*)();

// Makes `run` available to the child started as `npb_bench.exe --probe=NAME`.
bool RegisterProbe(const char* name, ProbeFn run);

// In a child started with --probe=NAME: runs that probe, prints its result and returns
// true (the caller then exits). False when the arguments name no probe.
bool RunProbeFromArguments(int argc, char** argv);

// Runs the probe in a child process and returns what it printed; a negative value when
// the child could not be run or failed.
double RunProbeInChild(const std::string& name);

}  // namespace npbbench
