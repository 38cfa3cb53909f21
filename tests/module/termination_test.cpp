// The termination handler that the module installs when it is loaded.
#include <csignal>
#include <cstdlib>

#include "module_fixture.h"

TEST(termination, AbortBecomesTheStructuredExceptionWithTheSignalNumber) {
  EXPECT_EXIT(
      {
        host::service_registry registry;
        host::loaded_module module(MELODARA_MODULE_PATH, registry);
        std::abort();
      },
      ::testing::ExitedWithCode(200),
      "^structured exception 0x6F8E1DC8 \\(non-continuable\\), argument " + std::to_string(SIGABRT) + "\n$");
}

TEST(termination, TerminateSignalTakesTheSamePath) {
  EXPECT_EXIT(
      {
        host::service_registry registry;
        host::loaded_module module(MELODARA_MODULE_PATH, registry);
        std::raise(SIGTERM);
      },
      ::testing::ExitedWithCode(200), "argument " + std::to_string(SIGTERM) + "\n");
}
