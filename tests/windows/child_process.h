// What the termination check needs of the system, apart from the module's headers: the
// system's headers name some of the same types.
#pragma once

#include <string>

namespace wine_checks {

// Exit statuses of the abort child other than the exception's argument.
inline constexpr unsigned kWrongException = 101;
inline constexpr unsigned kScopeFailed = 103;

// Runs this program again with `arguments` (already quoted as needed) and waits for it; gives
// its exit status, or ~0u when it cannot be started.
unsigned long run_this_program(const std::string& arguments);

// From now on the first structured exception, caught by a vectored handler before any frame
// sees it, ends the process: with the exception's one argument as the exit status when it is
// the termination exception (code 0x6F8E1DC8, non-continuable, one argument), with
// kWrongException otherwise.
void exit_on_first_exception();

}  // namespace wine_checks
