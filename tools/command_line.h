// What a run of `melodara` was asked to do, as read from its command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace lookup {

enum class command { version, search, get, load };

// Which results `get` chooses from.
enum class wanted_kind { karaoke_if_any, karaoke, text };

struct options {
  command what = command::version;
  std::string artist;
  std::string title;
  std::string address;         // for `load`
  wanted_kind kind = wanted_kind::karaoke_if_any;
  std::size_t pick = 1;        // the 1-based number among the results of that kind
  std::optional<std::string> output_file;
  bool json = false;
  bool quiet = false;
  std::optional<std::string> module_path;
  // Where pages come from: empty for the bundled site, else a directory or a mirror's
  // http(s) base address; `online` for the site itself.
  std::string site;
  bool online = false;
  double connect_timeout_seconds = 10;
  double timeout_seconds = 30;
};

// The outcome of reading the command line: the options to run with, or the exit status
// of a run that ended there (help printed: 0; a usage error, reported on stderr: 2).
struct parsed_command_line {
  std::optional<options> run;
  int exit_status = 0;
};

[[nodiscard]] parsed_command_line parse_command_line(int argc, char** argv);

}  // namespace lookup
