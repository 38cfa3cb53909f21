// Runs the built `melodara` as a separate process, the way a person or a script would, and
// collects what it printed and how it ended. A run that outlives its time limit is killed
// and reported as hung, so that a hang fails its test instead of stalling the suite.
#pragma once

#include <chrono>
#include <string>
#include <vector>

struct tool_run {
  int exit_code = -1;  // -1 when the process did not exit by itself
  int signal = 0;      // the signal that ended it, if one did
  bool hung = false;
  std::string out;
  std::string err;
  std::chrono::milliseconds took{0};
};

struct run_setup {
  // Gives the tool a terminal for its stderr (a pseudo-terminal that the test reads).
  bool stderr_on_terminal = false;
  std::chrono::seconds limit{30};
};

// Runs the tool with `arguments` (after the program name), no standard input, and the
// test's environment, in which no proxy stands between the tool and 127.0.0.1.
tool_run run_tool(const std::vector<std::string>& arguments, const run_setup& setup = {});

// "exit 0", "exit 3", "signal 11", "hung": for failure messages.
std::string how_it_ended(const tool_run& run);
