#include "tools/commands.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "tools/exit_status.h"
#include "tools/install_paths.h"
#include "tools/json_report.h"
#include "tools/lookup_host.h"
#include "tools/lyric_file.h"
#include "tools/lyrics_panel.h"
#include "tools/one_line.h"
#include "tools/progress_line.h"
#include "tools/result_choice.h"
#include "tools/result_table.h"

namespace lookup {
namespace {

void say(const std::string& message) { std::fprintf(stderr, "melodara: %s\n", one_line(message).c_str()); }

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The lyric exactly as the component handed it over; at a terminal, a line end after it
// where it has none, so that the shell's prompt starts on a line of its own.
void print_lyric(const std::string& lyric) {
  print(lyric);
  if (::isatty(STDOUT_FILENO) && !lyric.empty() && lyric.back() != '\n') print("\n");
}

std::string track_of(const options& chosen) { return "\"" + chosen.artist + "\" \"" + chosen.title + "\""; }

const char* kind_word(wanted_kind kind) { return kind == wanted_kind::karaoke ? "karaoke" : "text"; }

int run_version(lyrics_panel& panel, const options& chosen) {
  const version_record record = panel.version();
  if (chosen.json) {
    print(json_text({{"file_name", record.file_name},
                     {"name", record.name},
                     {"version", record.version},
                     {"about", record.about}}));
  } else {
    print("File name: " + record.file_name + "\nName:      " + record.name + "\nVersion:   " + record.version +
          "\nAbout:\n" + record.about);
    if (record.about.empty() || record.about.back() != '\n') print("\n");
  }
  return kFound;
}

int run_search(lyrics_panel& panel, const options& chosen) {
  const auto results = panel.search(chosen.artist, chosen.title);
  if (chosen.json) {
    print(json_text({{"artist", chosen.artist}, {"title", chosen.title}, {"results", results_json(*results)}}));
  } else if (!results->items().empty()) {
    print(results_table(*results));
  }
  if (results->items().empty()) {
    say("nothing found for " + track_of(chosen));
    return kNothingFound;
  }
  return kFound;
}

// Prints or writes the loaded lyric of `item`; `report` is the command's JSON so far.
int deliver_lyric(const host::result_item& item, std::optional<std::size_t> number, const options& chosen,
                  json report) {
  if (chosen.output_file) write_whole_file(*chosen.output_file, lyric_file_content(item));
  if (chosen.json) {
    report["lyric"] = lyric_json(item, number);
    if (chosen.output_file) report["file"] = *chosen.output_file;
    print(json_text(report));
  } else if (!chosen.output_file) {
    print_lyric(*item.lyric);
  }
  return kFound;
}

// Reports that nothing could be loaded: the JSON so far with a null lyric, and `why`.
int report_no_lyric(const options& chosen, json report, const std::string& why) {
  if (chosen.json) print(json_text(report));
  say(why);
  return kNothingFound;
}

// Why `get` has no result of `kind` to load.
std::string why_none_picked(const host::result_list& results, wanted_kind kind, const options& chosen) {
  if (results.items().empty()) return "nothing found for " + track_of(chosen);
  const std::size_t available = count_of_kind(results, kind);
  if (available == 0) return std::string("no ") + kind_word(kind) + " results for " + track_of(chosen);
  return "only " + std::to_string(available) + " " + kind_word(kind) + (available == 1 ? " result" : " results") +
         " for " + track_of(chosen) + ", no number " + std::to_string(chosen.pick);
}

bool load_into(lyrics_panel& panel, host::result_item& item) { return panel.load(item) && item.lyric.has_value(); }

int run_get(lyrics_panel& panel, const options& chosen) {
  const auto results = panel.search(chosen.artist, chosen.title);
  json report = {{"artist", chosen.artist}, {"title", chosen.title}, {"results", results_json(*results)},
                 {"lyric", nullptr}};
  const wanted_kind kind = settled_kind(*results, chosen.kind);
  const std::optional<chosen_result> choice = pick_result(*results, kind, chosen.pick);
  if (!choice) return report_no_lyric(chosen, report, why_none_picked(*results, kind, chosen));
  if (!load_into(panel, *choice->item)) {
    return report_no_lyric(chosen, report, "no lyric at " + choice->item->second_source);
  }
  return deliver_lyric(*choice->item, choice->number, chosen, report);
}

int run_load(lyrics_panel& panel, const options& chosen) {
  // A path alone is taken as a page of the site, as the search table's addresses are.
  const std::string address = chosen.address.rfind('/', 0) == 0 ? kSiteBaseUrl + chosen.address : chosen.address;
  const auto item = panel.item_for(address, chosen.kind == wanted_kind::karaoke);
  json report = {{"address", address}, {"lyric", nullptr}};
  if (!load_into(panel, *item)) return report_no_lyric(chosen, report, "no lyric at " + address);
  return deliver_lyric(*item, std::nullopt, chosen, report);
}

}  // namespace

int run_command(const options& chosen) {
  const std::string module_path = chosen.module_path.value_or(default_module_path());
  if (chosen.what == command::version) {
    lyrics_panel panel(module_path);
    return run_version(panel, chosen);
  }
  std::optional<progress_line> progress;
  if (!chosen.quiet && ::isatty(STDERR_FILENO)) progress.emplace(stderr);
  lookup_host pages(chosen, progress ? &*progress : nullptr);
  lyrics_panel panel(module_path);  // after `pages`, so that the source lets go of it first
  panel.bind(pages);
  try {
    if (chosen.what == command::search) return run_search(panel, chosen);
    if (chosen.what == command::get) return run_get(panel, chosen);
    return run_load(panel, chosen);
  } catch (const std::out_of_range& error) {
    // The component's word for a page that lacks a marker it cannot do without.
    throw std::runtime_error(pages.last_address() + ": the page is not laid out as the site's pages are (" +
                             error.what() + ")");
  }
}

}  // namespace lookup
