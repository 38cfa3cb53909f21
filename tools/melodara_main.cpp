// `melodara`: looks up lyrics on the Melodara site through the component module, acting as
// the player's lyrics panel.
#include <cstdio>
#include <exception>

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/exit_status.h"
#include "tools/one_line.h"

int main(int argc, char** argv) {
  const lookup::parsed_command_line parsed = lookup::parse_command_line(argc, argv);
  if (!parsed.run) return parsed.exit_status;
  try {
    return lookup::run_command(*parsed.run);
  } catch (const lookup::usage_error& error) {
    std::fprintf(stderr, "melodara: %s (see melodara --help)\n", lookup::one_line(error.what()).c_str());
    return lookup::kUsageError;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "melodara: %s\n", lookup::one_line(error.what()).c_str());
    return lookup::kFailure;
  }
}
