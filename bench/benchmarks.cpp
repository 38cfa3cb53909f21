// The component's speed on the large pages of the bundled site and on adversarial texts, with
// beside each, in the same run: the literal reference walk where there is one, what Gumbo and
// libxml2 take to parse the same page and make the same cut, and memchr and memcpy over the
// same bytes, the practical limit. Benchmarks are named "CASE|WHO"; run_benchmarks.py prints
// them as a table with the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/fixtures.h"
#include "bench/html_parsers.h"
#include "component/pfc_string8.h"
#include "component/service_impl.h"
#include "scrape/artist_page.h"
#include "source/my_lyrics_source.h"
#include "tests/text/replace_reference.h"
#include "text/text_helpers.h"
#include "text/url_encode.h"

namespace {

namespace ref = melodara::reference;
using bench::SitePage;

constexpr std::size_t kMiB = 1u << 20;
const std::string kBase = MELODARA_SITE_BASE_URL;
const char kArtist[] = "Kapela H\xC5\x99" "eb\xC3\xAD\xC4\x8D" "ek";
// A song of the first album, with its live take.
const char kTitle[] = "Zimn\xC3\xAD son\xC3\xA1ta v Kol\xC3\xADn\xC4\x9B";

const std::string& ArtistPage() { return SitePage("pages/artist/kapela-hrebicek.html"); }
const std::string& SearchPage() { return SitePage("pages/search/kapela-hrebicek.html"); }
const std::string& TextPage() { return SitePage("pages/text/kapela-hrebicek-dlouha-balada.html"); }
const std::string& KaraokePage() { return SitePage("pages/karaoke/kapela-hrebicek-dlouha-balada.html"); }

void Register(const std::string& name, std::size_t bytes, std::function<void(benchmark::State&)> body) {
  benchmark::RegisterBenchmark(name.c_str(), [bytes, body](benchmark::State& state) {
    body(state);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  })->Unit(benchmark::kMicrosecond);
}

// memchr for a byte that is not there and memcpy, over `bytes`: the practical limit.
void RegisterLimits(const std::string& name, std::size_t bytes) {
  Register(name + "|memchr", bytes, [bytes](benchmark::State& state) {
    const std::string text(bytes, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(std::memchr(text.data(), '\x01', text.size()));
  });
  Register(name + "|memcpy", bytes, [bytes](benchmark::State& state) {
    const std::string text(bytes, 'a');
    std::string copy(bytes, 'b');
    for (auto _ : state) {
      std::memcpy(copy.data(), text.data(), bytes);
      benchmark::ClobberMemory();
    }
  });
}

// Search through the source's own table, every download served from memory.
void RegisterSearch(const std::string& name, const std::string& search_page, const std::string& artist_page,
                    const char* artist, const char* title) {
  Register(name + "|component", search_page.size() + artist_page.size(), [&, artist, title](benchmark::State& state) {
    bench::memory_host host(search_page, artist_page);
    auto* source = new service_impl_t<my_lyrics_source>;
    lyric_source_base& table = *source;
    table.add_ref();
    host.add_ref();
    table.BindHost(&host);
    const lyric_search_request request{nullptr, artist, nullptr, title};
    std::size_t items = 0;
    for (auto _ : state) {
      bench::counting_list list;
      list.add_ref();
      benchmark::DoNotOptimize(table.Search(&request, 0, &list));
      items = list.items;
    }
    state.counters["items"] = static_cast<double>(items);
    table.release();
  });
}

void RegisterParsersOnArtistPage(const std::string& name, const std::string& page, const char* title) {
  Register(name + "|gumbo", page.size(), [&page, title](benchmark::State& state) {
    std::size_t items = 0;
    for (auto _ : state) benchmark::DoNotOptimize(items = bench::GumboArtistItems(page, title));
    state.counters["items"] = static_cast<double>(items);
  });
  Register(name + "|libxml2", page.size(), [&page, title](benchmark::State& state) {
    std::size_t items = 0;
    for (auto _ : state) benchmark::DoNotOptimize(items = bench::Libxml2ArtistItems(page, title));
    state.counters["items"] = static_cast<double>(items);
  });
}

void RegisterLoad(const std::string& name, const std::string& page, const std::string& path,
                  std::string (*gumbo)(const std::string&), std::string (*libxml2)(const std::string&)) {
  Register(name + "|component", page.size(), [&page, path](benchmark::State& state) {
    bench::memory_host host(page, page);
    auto* source = new service_impl_t<my_lyrics_source>;
    lyric_source_base& table = *source;
    table.add_ref();
    host.add_ref();
    table.BindHost(&host);
    bench::address_item item(kBase + path);
    for (auto _ : state) benchmark::DoNotOptimize(table.LoadLyric(&item));
    state.counters["lyric_bytes"] = static_cast<double>(item.lyric_length);
    table.release();
  });
  if (gumbo != nullptr) {
    Register(name + "|gumbo", page.size(), [&page, gumbo](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(gumbo(page));
    });
    Register(name + "|libxml2", page.size(), [&page, libxml2](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(libxml2(page));
    });
  }
  RegisterLimits(name, page.size());
}

// A helper that changes its text in place runs on a fresh copy each time, restored untimed.
void RegisterReplace(const std::string& name, std::string input, std::string search, std::string replacement,
                     bool rescan, bool with_reference) {
  const std::size_t bytes = input.size();
  auto shared_input = std::make_shared<const std::string>(std::move(input));
  Register(name + "|component", bytes, [=](benchmark::State& state) {
    std::string text;
    for (auto _ : state) {
      state.PauseTiming();
      text = *shared_input;
      state.ResumeTiming();
      melodara::ReplaceAll(text, search, replacement, rescan);
      benchmark::DoNotOptimize(text.data());
    }
  });
  if (with_reference) {
    Register(name + "|reference", bytes, [=](benchmark::State& state) {
      std::string text;
      for (auto _ : state) {
        state.PauseTiming();
        text = *shared_input;
        state.ResumeTiming();
        ref::ReplaceAllWalk(text, search, replacement, rescan);
        benchmark::DoNotOptimize(text.data());
      }
    });
  }
  RegisterLimits(name, bytes);
}

// A helper that reads its text and gives a new one (or a view).
template <typename Component, typename Reference>
void RegisterReader(const std::string& name, std::string input, Component component, Reference reference,
                    bool with_reference = true) {
  const std::size_t bytes = input.size();
  auto shared_input = std::make_shared<const std::string>(std::move(input));
  Register(name + "|component", bytes, [=](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(component(*shared_input));
  });
  if (with_reference) {
    Register(name + "|reference", bytes, [=](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(reference(*shared_input));
    });
  }
  RegisterLimits(name, bytes);
}

std::string LyricElement() {
  return std::string(melodara::ExtractBetween(TextPage(), 0, {"<p class=\"text\">", "</p>"}));
}

void RegisterPages() {
  RegisterSearch("Search: 50 KB search page + 300 KB artist page, one title (2 items)", SearchPage(), ArtistPage(),
                 kArtist, kTitle);
  RegisterParsersOnArtistPage("Search: 50 KB search page + 300 KB artist page, one title (2 items)", ArtistPage(),
                              kTitle);
  RegisterLimits("Search: 50 KB search page + 300 KB artist page, one title (2 items)",
                 SearchPage().size() + ArtistPage().size());

  RegisterSearch("Search: 50 KB search page + 300 KB artist page, every title (694 items)", SearchPage(),
                 ArtistPage(), kArtist, "*");
  RegisterParsersOnArtistPage("Search: 50 KB search page + 300 KB artist page, every title (694 items)",
                              ArtistPage(), "*");
  RegisterLimits("Search: 50 KB search page + 300 KB artist page, every title (694 items)",
                 SearchPage().size() + ArtistPage().size());

  RegisterSearch("Search: 50 KB search page, no matching artist", SearchPage(), ArtistPage(), "Nobody", "*");
  RegisterLimits("Search: 50 KB search page, no matching artist", SearchPage().size());

  static const std::string large_artist = bench::ArtistPageOfSize(10 * kMiB);
  static const std::string one_entry = "<ul class='artist'><li><a href=\"/interpreti/x\">X</a></li></ul>";
  RegisterSearch("Search: 10 MB artist page of song rows, every title", one_entry, large_artist, "X", "*");
  RegisterParsersOnArtistPage("Search: 10 MB artist page of song rows, every title", large_artist, "*");
  RegisterLimits("Search: 10 MB artist page of song rows, every title", large_artist.size());

  RegisterLoad("LoadLyric: 30 KB text page", TextPage(), "/texty-pisni/kapela-hrebicek-stary-most-na-vysocine",
               bench::GumboTextLyric, bench::Libxml2TextLyric);
  RegisterLoad("LoadLyric: karaoke page of 400 lines", KaraokePage(), "/karaoke/kapela-hrebicek-stary-most-na-vysocine",
               bench::GumboKaraokeLyric, bench::Libxml2KaraokeLyric);
  static const std::string breaks_page =
      "<p class=\"text\">" + bench::Repeated("<br />", 10 * kMiB) + "</p><div class=\"authors\">A</div>";
  RegisterLoad("LoadLyric: 10 MB lyric of line-break tags", breaks_page, "/texty-pisni/x", nullptr, nullptr);
  static const std::string blanks_page =
      "<p class=\"text\">La</p><div class=\"authors\">A" + bench::Repeated(" ", 10 * kMiB) + "B</div>";
  RegisterLoad("LoadLyric: 10 MB authors of blanks", blanks_page, "/texty-pisni/x", nullptr, nullptr);
}

void RegisterHelpers() {
  RegisterReader(
      "ExtractBetween: 30 KB text page, lyric element", TextPage(),
      [](const std::string& page) { return melodara::ExtractBetween(page, 0, {"<p class=\"text\">", "</p>"}); },
      [](const std::string& page) { return ref::ExtractBetweenWalk(page, 0, {"<p class=\"text\">", "</p>"}); });
  RegisterReader(
      "StripTags: 30 KB text page", TextPage(), [](const std::string& text) { return melodara::StripTags(text); },
      [](const std::string& text) { return ref::StripTagsWalk(text); });
  RegisterReplace("ReplaceAll: 30 KB lyric element, \"<br />\" removed with rescan", LyricElement(), "<br />", "",
                  true, true);
  RegisterReader(
      "UrlEncode: artist name", std::string(kArtist),
      [](const std::string& text) {
        pfc::string8 out;
        melodara::UrlEncode(out, text.c_str());
        return out.text_length();
      },
      [](const std::string& text) { return ref::UrlEncodeWalk(text.c_str()); });
  benchmark::RegisterBenchmark("FormatHex: one byte|component", [](benchmark::State& state) {
    char buffer[17];
    std::uint64_t value = 0;
    for (auto _ : state) benchmark::DoNotOptimize(melodara::FormatHex(++value & 0xFF, buffer));
  });

  // Adversarial texts at 5 MB and 10 MB: twice the input must take about twice the time.
  for (const std::size_t size : {5 * kMiB, 10 * kMiB}) {
    const std::string mb = " " + std::to_string(size / kMiB) + " MB";
    RegisterReader(
        "ExtractBetween: \"<\" repeated, link markers," + mb, bench::Repeated("<", size),
        [](const std::string& text) { return melodara::ExtractBetween(text, 0, {"<a href=\"", "\""}); },
        [](const std::string& text) { return ref::ExtractBetweenWalk(text, 0, {"<a href=\"", "\""}); });
    RegisterReader(
        "TrimWhitespace: blanks only," + mb, std::string(size, ' '),
        [](const std::string& text) { return melodara::TrimWhitespace(text); },
        [](const std::string& text) { return ref::TrimWhitespaceWalk(text); });
    RegisterReader(
        "StripTags: \"<b>x</b>\" repeated," + mb, bench::Repeated("<b>x</b>", size),
        [](const std::string& text) { return melodara::StripTags(text); },
        [](const std::string& text) { return ref::StripTagsWalk(text); });
    RegisterReader(
        "UrlEncode: UTF-8 text," + mb, bench::Repeated("P\xC5\x99\xC3\xAD li\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88 ", size),
        [](const std::string& text) {
          pfc::string8 out;
          melodara::UrlEncode(out, text.c_str());
          return out.text_length();
        },
        [](const std::string& text) { return ref::UrlEncodeWalk(text.c_str()); });
    // The reference replace walk moves the rest of the text at every occurrence: not run here.
    RegisterReplace("ReplaceAll: lyric text, \"<br />\" removed with rescan," + mb,
                    bench::Repeated(LyricElement(), size), "<br />", "", true, false);
    RegisterReplace("ReplaceAll: blanks collapsed with rescan," + mb, std::string(size, ' '), "  ", " ", true, false);
    RegisterReplace("ReplaceAll: \"\\n\" runs to CR LF with rescan," + mb, std::string(size, '\n'), "\n\n", "\r\n",
                    true, false);
    RegisterReplace("ReplaceAll: \"<br />\" repeated, removed without rescan," + mb, bench::Repeated("<br />", size),
                    "<br />", "", false, false);
    RegisterReplace("ReplaceAll: \"a\" repeated, to \"ab\" without rescan," + mb, std::string(size, 'a'), "a", "ab",
                    false, false);
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterPages();
  RegisterHelpers();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
