// What each command does once the command line is read.
#pragma once

#include "tools/command_line.h"

namespace lookup {

// Runs the command and returns its exit status: kFound, or kNothingFound after saying on
// stderr what was missing. Raises usage_error for options that cannot work together with
// what was found, and std::exception for downloads, pages, files or a module that fail.
int run_command(const options& chosen);

}  // namespace lookup
