// The tool as a person or a script runs it against the bundled offline site: what each
// command prints, writes and exits with.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "expected_lyrics.h"
#include "scratch_directory.h"
#include "tool_process.h"

namespace {

using expected::kArtist;
using expected::kTitle;
using json = nlohmann::json;

std::string address_of(const std::string& path) { return expected::kSiteBase + path; }

struct lyric_case {
  const char* what;
  std::vector<std::string> arguments;
  const char* lyric;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const lyric_case& one, std::ostream* out) { *out << one.what; }

class bundled_site_lyrics : public ::testing::TestWithParam<lyric_case> {};

}  // namespace

TEST(bundled_site, SearchPrintsTheResultsAsATable) {
  const tool_run run = run_tool({"search", kArtist, kTitle});
  EXPECT_EQ(run.exit_code, 0) << how_it_ended(run) << run.err;
  EXPECT_EQ(run.out, expected::kSearchTable);
  EXPECT_EQ(run.err, "");
}

TEST_P(bundled_site_lyrics, PrintsTheLyricExactlyAsTheComponentHandedItOver) {
  const tool_run run = run_tool(GetParam().arguments);
  EXPECT_EQ(run.exit_code, 0) << how_it_ended(run) << run.err;
  EXPECT_EQ(run.out, GetParam().lyric);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    commands, bundled_site_lyrics,
    ::testing::Values(
        lyric_case{"KaraokeWhereThereIsOne", {"get", kArtist, kTitle}, expected::kKaraoke},
        lyric_case{"PlainAsksForText", {"get", kArtist, kTitle, "--plain"}, expected::kText},
        lyric_case{"PickCountsWithinTheKind", {"get", kArtist, kTitle, "--synced", "--pick", "2"},
                   expected::kCarolKaraoke},
        lyric_case{"PickAmongText", {"get", kArtist, kTitle, "--plain", "--pick", "3"}, expected::kDemoText},
        lyric_case{"TextWhereThereIsNoKaraoke", {"get", expected::kBluesArtist, expected::kBluesTitle},
                   expected::kBluesText},
        lyric_case{"OptionsBeforeTheCommand", {"--quiet", "get", "--plain", kArtist, kTitle}, expected::kText},
        lyric_case{"LoadAFullAddress", {"load", address_of("/texty-pisni/milena-reznickova-pod-lipou")},
                   expected::kText},
        lyric_case{"LoadAPathOfTheSite", {"load", "/karaoke/milena-reznickova-pod-lipou", "--synced"},
                   expected::kKaraoke}),
    [](const ::testing::TestParamInfo<lyric_case>& param) { return std::string(param.param.what); });

TEST(bundled_site, NothingFoundExitsWithOneAndSaysWhatWasMissing) {
  struct missing {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::vector<missing> cases = {
      {{"search", "Ondřej Žlutý", "Cokoli"}, "nothing found for \"Ondřej Žlutý\" \"Cokoli\""},
      {{"get", "Ondřej Žlutý", "Cokoli"}, "nothing found for \"Ondřej Žlutý\" \"Cokoli\""},
      {{"search", "Nikdo Neznámý", "Nic"}, "nothing found for \"Nikdo Neznámý\" \"Nic\""},
      {{"get", expected::kBluesArtist, expected::kBluesTitle, "--synced"},
       "no karaoke results for \"Červený Řetěz\" \"Čtvrteční blues\""},
      {{"get", kArtist, kTitle, "--pick", "3"},
       "only 2 karaoke results for \"Milena Řezníčková\" \"Pod lípou\", no number 3"},
      {{"load", "/texty-pisni/milena-reznickova-nic"},
       "no lyric at https://www.melodara.com/texty-pisni/milena-reznickova-nic"},
  };
  for (const missing& one : cases) {
    const tool_run run = run_tool(one.arguments);
    EXPECT_EQ(run.exit_code, 1) << one.message << ": " << how_it_ended(run) << run.err;
    EXPECT_EQ(run.out, "") << one.message;
    EXPECT_EQ(run.err, "melodara: " + one.message + "\n");
  }
}

TEST(bundled_site, OutputFileHoldsTheLyricWithTrackTagsForKaraoke) {
  const scratch_directory scratch;
  const tool_run karaoke = run_tool({"get", kArtist, kTitle, "-o", scratch.file("pod-lipou.lrc")});
  EXPECT_EQ(karaoke.exit_code, 0) << how_it_ended(karaoke) << karaoke.err;
  EXPECT_EQ(karaoke.out, "");
  EXPECT_EQ(scratch_directory::read(scratch.file("pod-lipou.lrc")),
            std::string("[ar:Milena Řezníčková]\r\n[al:Řeka v nás]\r\n[ti:Pod lípou]\r\n") + expected::kKaraoke);

  // The karaoke-only row has no title: no [ti:] line rather than an empty one.
  const tool_run untitled = run_tool({"get", kArtist, kTitle, "--synced", "--pick", "2", "-o", scratch.file("koleda.lrc")});
  EXPECT_EQ(untitled.exit_code, 0) << how_it_ended(untitled) << untitled.err;
  EXPECT_EQ(scratch_directory::read(scratch.file("koleda.lrc")),
            std::string("[ar:Milena Řezníčková]\r\n[al:Noční vlak]\r\n") + expected::kCarolKaraoke);

  const std::string text_file = scratch.file("pod-lipou.txt");
  scratch_directory::write(text_file, "an older, longer file that the new lyric replaces entirely");
  const tool_run text = run_tool({"get", kArtist, kTitle, "--plain", "--output", text_file});
  EXPECT_EQ(text.exit_code, 0) << how_it_ended(text) << text.err;
  EXPECT_EQ(scratch_directory::read(text_file), expected::kText);

  EXPECT_EQ(scratch.entries(), (std::set<std::string>{"koleda.lrc", "pod-lipou.lrc", "pod-lipou.txt"}));
}

TEST(bundled_site, OutputFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
  const scratch_directory scratch;
  const std::string nowhere = scratch.file("missing-directory/pod-lipou.txt");
  const tool_run run = run_tool({"get", kArtist, kTitle, "-o", nowhere});
  EXPECT_EQ(run.exit_code, 3) << how_it_ended(run);
  EXPECT_EQ(run.err, "melodara: cannot write " + nowhere + ": No such file or directory\n");
  EXPECT_TRUE(scratch.entries().empty());
}

TEST(bundled_site, JsonCarriesTheResultsAndTheLyric) {
  const tool_run search = run_tool({"search", kArtist, kTitle, "--json"});
  ASSERT_EQ(search.exit_code, 0) << how_it_ended(search) << search.err;
  const json results = json::parse(search.out);
  EXPECT_EQ(results["artist"], kArtist);
  EXPECT_EQ(results["title"], kTitle);
  ASSERT_EQ(results["results"].size(), 5u);
  EXPECT_EQ(results["results"][3], (json{{"number", 4},
                                         {"kind", "karaoke"},
                                         {"artist", kArtist},
                                         {"album", "Noční vlak"},
                                         {"title", ""},
                                         {"address", address_of("/karaoke/milena-reznickova-vanocni-koleda")}}));

  const tool_run get = run_tool({"--json", "get", kArtist, kTitle});
  ASSERT_EQ(get.exit_code, 0) << how_it_ended(get) << get.err;
  const json got = json::parse(get.out);
  EXPECT_EQ(got["results"], results["results"]);
  EXPECT_EQ(got["lyric"]["number"], 2);
  EXPECT_EQ(got["lyric"]["kind"], "karaoke");
  EXPECT_EQ(got["lyric"]["text"], expected::kKaraoke);

  const tool_run load = run_tool({"load", "/texty-pisni/milena-reznickova-pod-lipou", "--json"});
  ASSERT_EQ(load.exit_code, 0) << how_it_ended(load) << load.err;
  const json loaded = json::parse(load.out);
  EXPECT_EQ(loaded["address"], address_of("/texty-pisni/milena-reznickova-pod-lipou"));
  EXPECT_EQ(loaded["lyric"]["kind"], "text");
  EXPECT_EQ(loaded["lyric"]["text"], expected::kText);
  EXPECT_FALSE(loaded["lyric"].contains("number"));

  const tool_run nothing = run_tool({"get", "Ondřej Žlutý", "Cokoli", "--json"});
  EXPECT_EQ(nothing.exit_code, 1) << how_it_ended(nothing);
  const json none = json::parse(nothing.out);
  EXPECT_TRUE(none["results"].empty());
  EXPECT_TRUE(none["lyric"].is_null());
}

TEST(bundled_site, UsageErrorsExitWithTwoInOneLine) {
  const std::vector<std::vector<std::string>> misuses = {
      {},
      {"fetch", kArtist, kTitle},
      {"get", kArtist},
      {"get", kArtist, kTitle, "--synced", "--plain"},
      {"get", kArtist, kTitle, "--pick", "0"},
      {"search", kArtist, kTitle, "--timeout", "-1"},
      {"search", kArtist, kTitle, "--site", "http://127.0.0.1:8080/mirror"},
      {"search", kArtist, kTitle, "--site", "pages", "--online"},
  };
  for (const auto& arguments : misuses) {
    const tool_run run = run_tool(arguments);
    const std::string shown = arguments.empty() ? "(no arguments)" : arguments.front();
    EXPECT_EQ(run.exit_code, 2) << shown << ": " << how_it_ended(run) << run.err;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_EQ(run.err.rfind("melodara: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_NE(run.err.find("(see melodara --help)"), std::string::npos) << run.err;
  }
}

TEST(bundled_site, VersionPrintsTheComponentsOwnRecord) {
  const tool_run run = run_tool({"--version"});
  EXPECT_EQ(run.exit_code, 0) << how_it_ended(run) << run.err;
  EXPECT_EQ(run.out.rfind("File name: foo_lyricsource_melodara.so\n"
                          "Name:      Lyric Source - Melodara\n"
                          "Version:   1.0\n"
                          "About:\n"
                          "foo_lyricsource_melodara 1.0\n",
                          0),
            0u)
      << run.out;

  const tool_run as_json = run_tool({"--version", "--json"});
  EXPECT_EQ(json::parse(as_json.out)["version"], "1.0");

  const tool_run help = run_tool({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  for (const char* word : {"search", "get", "load", "--json", "--site", "--online", "Exit status"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
}

TEST(bundled_site, SiteOrModuleThatCannotBeUsedExitsWithThree) {
  const tool_run no_site = run_tool({"search", kArtist, kTitle, "--site", "/nonexistent/site"});
  EXPECT_EQ(no_site.exit_code, 3) << how_it_ended(no_site);
  EXPECT_EQ(no_site.err, "melodara: cannot read /nonexistent/site/index.tsv\n");

  const tool_run no_module = run_tool({"search", kArtist, kTitle, "--module", "/nonexistent/module.so"});
  EXPECT_EQ(no_module.exit_code, 3) << how_it_ended(no_module);
  EXPECT_EQ(no_module.err.rfind("melodara: /nonexistent/module.so: cannot open shared object file", 0), 0u)
      << no_module.err;
}

TEST(bundled_site, APageTheComponentCannotReadIsNamedInTheError) {
  // A copy of the site whose artist page lacks the song tables that the scan walks.
  const scratch_directory site;
  scratch_directory::write(site.file("index.tsv"),
                           "/search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1\tsearch.html\n"
                           "/interpreti/milena-reznickova\tartist.html\n");
  scratch_directory::write(site.file("search.html"),
                           scratch_directory::read(std::string(MELODARA_SITE_DIR) + "/pages/search/milena-reznickova.html"));
  scratch_directory::write(site.file("artist.html"), "<html><body><h1>Údržba</h1></body></html>");

  const tool_run run = run_tool({"search", kArtist, kTitle, "--site", site.file("")});
  EXPECT_EQ(run.exit_code, 3) << how_it_ended(run) << run.err;
  EXPECT_EQ(run.err, "melodara: https://www.melodara.com/interpreti/milena-reznickova: the page is not laid out as "
                     "the site's pages are (invalid string position)\n");
}
