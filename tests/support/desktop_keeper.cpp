// Keeps the Wine desktop of a test run open. Wine ends the desktop process a second after
// the last program on the desktop ends; the next program with a window then starts it again
// and hands it its own error output, which the desktop process holds open for as long as it
// lives. A caller that reads that output to its end (CTest) then waits for the desktop, not
// for the test. scripts/wine-run starts this once per server, away from any caller's pipes;
// `wine-run --stop` ends it with the server.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  Sleep(INFINITE);
  return 0;
}
