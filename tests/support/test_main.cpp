#include <gtest/gtest.h>
#include "support/crash_guard.h"

int main(int argc, char** argv) {
  InstallCrashGuard();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
