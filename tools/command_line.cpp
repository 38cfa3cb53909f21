#include "tools/command_line.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <string>

#include "tools/exit_status.h"
#include "tools/one_line.h"

namespace lookup {
namespace {

constexpr char kDescription[] =
    "Looks up lyrics on the Melodara site through the foo_lyricsource_melodara component, "
    "loaded and driven as the player's lyrics panel drives it.";
constexpr char kFooter[] =
    "Pages come from the bundled offline site unless --site or --online says otherwise.\n"
    "Exit status: 0 found, 1 nothing found, 2 usage error, 3 download or site error.";

// Seconds as a person writes them ("10", "0.5"), above zero and at most a day.
const CLI::Validator kSeconds(
    [](std::string& text) -> std::string {
      std::size_t used = 0;
      double seconds = 0;
      try {
        seconds = std::stod(text, &used);
      } catch (const std::exception&) {
        used = 0;
      }
      if (used != text.size() || !(seconds > 0 && seconds <= 86400)) {
        return "expected seconds above 0 and at most 86400, got " + text;
      }
      return {};
    },
    "");

// A result number as the table counts them, from 1.
const CLI::Validator kResultNumber(
    [](std::string& text) -> std::string {
      if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
          text.find_first_not_of('0') == std::string::npos) {
        return "expected a result number from 1 on, got " + text;
      }
      return {};
    },
    "");

void add_page_options(CLI::App& app, options& chosen) {
  CLI::Option* site = app.add_option("--site", chosen.site,
                                     "Another copy of the site: a directory laid out as the bundled one, or "
                                     "a mirror's base address (http://HOST:PORT) that serves the site's paths");
  site->type_name("DIR|URL");
  CLI::Option* online = app.add_flag("--online", chosen.online, "Fetch pages from the site itself, over HTTPS");
  site->excludes(online);
  app.add_option("--module", chosen.module_path, "The component module to load")->type_name("FILE");
  app.add_option("--connect-timeout", chosen.connect_timeout_seconds, "Seconds allowed to connect (default 10)")
      ->check(kSeconds)
      ->type_name("SECONDS");
  app.add_option("--timeout", chosen.timeout_seconds, "Seconds allowed for each page (default 30)")
      ->check(kSeconds)
      ->type_name("SECONDS");
}

void add_output_options(CLI::App& command, options& chosen) {
  command.add_option("-o,--output", chosen.output_file,
                     "Write the lyric to FILE instead of printing it (karaoke with [ar:], [al:], [ti:] tags)")
      ->type_name("FILE");
}

}  // namespace

parsed_command_line parse_command_line(int argc, char** argv) {
  options chosen;
  CLI::App app(kDescription, "melodara");
  app.footer(kFooter);
  bool version = false;
  app.add_flag("--version", version, "Print the component's version record");
  app.add_flag("--json", chosen.json, "Print the results and the lyric as JSON");
  app.add_flag("-q,--quiet", chosen.quiet, "No progress line while pages download");
  add_page_options(app, chosen);

  CLI::App* search = app.add_subcommand("search", "List what the site has for a track");
  search->add_option("ARTIST", chosen.artist, "The track's artist")->required();
  search->add_option("TITLE", chosen.title, "The track's title")->required();

  CLI::App* get = app.add_subcommand("get", "Load one result for a track and print its lyric");
  get->add_option("ARTIST", chosen.artist, "The track's artist")->required();
  get->add_option("TITLE", chosen.title, "The track's title")->required();
  bool synced = false;
  bool plain = false;
  CLI::Option* synced_flag = get->add_flag("--synced", synced, "Only karaoke (timed) results");
  CLI::Option* plain_flag = get->add_flag("--plain", plain, "Only text results");
  synced_flag->excludes(plain_flag);
  get->add_option("--pick", chosen.pick, "Take the Nth result of the kind asked (default 1)")
      ->check(kResultNumber)
      ->type_name("N");
  add_output_options(*get, chosen);

  CLI::App* load = app.add_subcommand("load", "Load the lyric at one result address");
  load->add_option("ADDRESS", chosen.address, "A result's address, or its path on the site")->required();
  bool load_synced = false;
  load->add_flag("--synced", load_synced, "The address is a karaoke (timed) result");
  add_output_options(*load, chosen);

  for (CLI::App* command : {search, get, load}) command->fallthrough();
  app.require_subcommand(0, 1);

  parsed_command_line parsed;
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    parsed.exit_status = app.exit(help);
    return parsed;
  } catch (const CLI::ParseError& error) {
    std::fprintf(stderr, "melodara: %s (see melodara --help)\n", one_line(error.what()).c_str());
    parsed.exit_status = kUsageError;
    return parsed;
  }

  if (version) {
    chosen.what = command::version;
  } else if (search->parsed()) {
    chosen.what = command::search;
  } else if (get->parsed()) {
    chosen.what = command::get;
    if (synced) chosen.kind = wanted_kind::karaoke;
    if (plain) chosen.kind = wanted_kind::text;
  } else if (load->parsed()) {
    chosen.what = command::load;
    chosen.kind = load_synced ? wanted_kind::karaoke : wanted_kind::text;
  } else {
    std::fprintf(stderr, "melodara: name a command: search, get or load (see melodara --help)\n");
    parsed.exit_status = kUsageError;
    return parsed;
  }
  parsed.run = std::move(chosen);
  return parsed;
}

}  // namespace lookup
