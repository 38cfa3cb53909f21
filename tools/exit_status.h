// What the command's exit status tells a script, and the error that ends a run as misuse.
#pragma once

#include <stdexcept>

namespace lookup {

enum exit_status : int {
  kFound = 0,         // a result or a lyric was found and shown
  kNothingFound = 1,  // the site answered, but had nothing that fits
  kUsageError = 2,    // the command line was wrong
  kFailure = 3,       // a page could not be downloaded, the site or module was unusable
};

// The command line asks for something that cannot be done as written.
class usage_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lookup
