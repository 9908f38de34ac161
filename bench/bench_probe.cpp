#include "bench/bench_probe.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace npbbench {
namespace {

constexpr char kFlag[] = "--probe=";

std::map<std::string, ProbeFn>& Probes() {
  static std::map<std::string, ProbeFn> probes;
  return probes;
}

}  // namespace

bool RegisterProbe(const char* name, ProbeFn run) {
  Probes()[name] = run;
  return true;
}

bool RunProbeFromArguments(int argc, char** argv) {
  if (argc != 2 || std::strncmp(argv[1], kFlag, sizeof kFlag - 1) != 0) return false;
  const auto probe = Probes().find(argv[1] + sizeof kFlag - 1);
  std::printf("%.3f\n", probe == Probes().end() ? -1.0 : probe->second());
  std::fflush(stdout);
  return true;
}

double RunProbeInChild(const std::string& name) {
  char program[MAX_PATH] = {};
  if (!::GetModuleFileNameA(nullptr, program, MAX_PATH)) return -1;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return -1;
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  std::string command = std::string("\"") + program + "\" " + kFlag + name;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  const BOOL started =
      ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  ::CloseHandle(writeEnd);
  std::string out;
  if (started) {
    char chunk[256];
    DWORD got = 0;
    while (::ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) out.append(chunk, got);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
  }
  ::CloseHandle(readEnd);
  return started && !out.empty() ? std::atof(out.c_str()) : -1;
}

}  // namespace npbbench
