// The tool against a mirror of the site on 127.0.0.1: the offline site served over HTTP,
// and pages that misbehave as real servers and networks do. Each must end in the lyric or
// in a clear error with the right exit status, within its time, and leave no partial file.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "expected_lyrics.h"
#include "scratch_directory.h"
#include "self_signed_certificate.h"
#include "site_server.h"
#include "tool_process.h"

namespace {

using expected::kArtist;
using expected::kTitle;

// A port on 127.0.0.1 that nothing listens on: bound to learn a free number, then let go.
int closed_port() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(probe);
  return ntohs(address.sin_port);
}

class http_site : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = std::make_unique<site_server>(MELODARA_SITE_DIR); }
  static void TearDownTestSuite() { server.reset(); }

  // The tool with pages from the mirror, and no proxy between it and 127.0.0.1.
  static tool_run run_against_mirror(std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--site", server->base()});
    return run_tool(arguments);
  }

  static std::unique_ptr<site_server> server;
};
std::unique_ptr<site_server> http_site::server;

// One page of the mirror loaded with `load ... -o FILE` over a file that is already there:
// what the file then holds, or the error that left it as it was.
struct page_case {
  const char* what;
  std::string path;
  std::vector<std::string> extra;
  int exit_code;
  std::string file;        // the whole new file on success
  std::string error_part;  // a part of the one-line error otherwise ("{base}" for the mirror)
  std::size_t requests;    // how many requests the path got
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const page_case& one, std::ostream* out) { *out << one.what; }

constexpr char kOldFile[] = "the file from an earlier run";

std::string with_base(std::string text, const std::string& base) {
  const std::string marker = "{base}";
  for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
    text.replace(at, marker.size(), base);
  }
  return text;
}

class http_pages : public http_site, public ::testing::WithParamInterface<page_case> {};

}  // namespace

TEST_F(http_site, SearchAndGetThroughTheMirrorGiveWhatTheOfflineSiteGives) {
  const std::string search_page = "/search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1";
  const std::size_t searched_before = server->hits(search_page);
  const tool_run search = run_against_mirror({"search", kArtist, kTitle});
  EXPECT_EQ(search.exit_code, 0) << how_it_ended(search) << search.err;
  EXPECT_EQ(search.out, expected::kSearchTable);
  EXPECT_EQ(search.err, "");

  const tool_run get = run_against_mirror({"get", kArtist, kTitle});
  EXPECT_EQ(get.exit_code, 0) << how_it_ended(get) << get.err;
  EXPECT_EQ(get.out, expected::kKaraoke);

  // The query keeps the component's own encoding on its way to the mirror, and every
  // request carries the component's user agent and accepts compression.
  EXPECT_EQ(server->hits(search_page), searched_before + 2);
  for (const served_request& request : server->requests()) {
    EXPECT_EQ(request.user_agent, "Mozilla Firefox") << request.target;
    EXPECT_NE(request.accept_encoding.find("gzip"), std::string::npos) << request.target;
  }
}

TEST_P(http_pages, EndInTheLyricOrInAClearErrorAndNeverInAPartialFile) {
  const page_case& page = GetParam();
  const scratch_directory scratch;
  const std::string file = scratch.file("lyric.txt");
  scratch_directory::write(file, kOldFile);
  const std::string address = server->base() + page.path;
  std::vector<std::string> arguments{"load", address, "-o", file};
  arguments.insert(arguments.end(), page.extra.begin(), page.extra.end());

  const tool_run run = run_against_mirror(arguments);

  EXPECT_EQ(run.exit_code, page.exit_code) << how_it_ended(run) << " after " << run.took.count() << " ms: " << run.err;
  EXPECT_LT(run.took.count(), 10'000);
  EXPECT_EQ(run.out, "");
  if (page.exit_code == 0) {
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(scratch_directory::read(file), page.file);
  } else {
    EXPECT_EQ(run.err.rfind("melodara: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_NE(run.err.find(with_base(page.error_part, server->base())), std::string::npos) << run.err;
    EXPECT_EQ(scratch_directory::read(file), kOldFile);
  }
  EXPECT_EQ(scratch.entries(), std::set<std::string>{"lyric.txt"});
  EXPECT_EQ(server->hits(page.path), page.requests);
}

INSTANTIATE_TEST_SUITE_P(
    cases, http_pages,
    ::testing::Values(
        page_case{"Missing", "/texty-pisni/milena-reznickova-nic", {}, 1, "",
                  "no lyric at {base}/texty-pisni/milena-reznickova-nic", 1},
        page_case{"RedirectOnTheSameHost", test_pages::kRedirectSameHost, {}, 0, expected::kText, "", 1},
        page_case{"RedirectToAnotherHost", test_pages::kRedirectOtherHost, {}, 3, "",
                  "{base}/texty-pisni/redirect-other-host: redirected to http://localhost:",
                  1},
        page_case{"RedirectLoop", test_pages::kRedirectLoop, {}, 3, "",
                  "{base}/texty-pisni/redirect-loop: more than 5 redirects", 6},
        page_case{"Gzip", test_pages::kGzip, {"--synced"}, 0, expected::kKaraoke, "", 1},
        page_case{"SlowerThanTheTimeout", test_pages::kSlow, {"--timeout", "0.5"}, 3, "",
                  "{base}/texty-pisni/slow: Operation timed out after", 1},
        page_case{"ServerErrorTwice", test_pages::kUnavailable, {}, 3, "",
                  "{base}/texty-pisni/unavailable: server error (HTTP 503, then HTTP 503 when asked again)", 2},
        page_case{"ServerErrorOnce", test_pages::kFlaky, {}, 0, expected::kText, "", 2},
        page_case{"NulByteEndsThePage", test_pages::kWithNul, {}, 0,
                  std::string(expected::kTextBody) + expected::kCreditsSeparator, "", 1},
        page_case{"LargerThan64MB", test_pages::kHuge, {}, 3, "",
                  "{base}/texty-pisni/huge: the page is larger than 64 MB", 1}),
    [](const ::testing::TestParamInfo<page_case>& param) { return std::string(param.param.what); });

TEST_F(http_site, AddressOffTheSiteIsRefusedAndNeverFetched) {
  const std::size_t before = server->requests().size();
  for (const std::string& address : {"http://localhost:" + std::to_string(server->port()) + test_pages::kTextPage,
                                    std::string("https://elsewhere.example/texty-pisni/x"),
                                    std::string("ftp://www.melodara.com/texty-pisni/x")}) {
    const tool_run run = run_against_mirror({"load", address});
    EXPECT_EQ(run.exit_code, 3) << address << ": " << how_it_ended(run);
    EXPECT_EQ(run.err, "melodara: refused to fetch " + address +
                           ": not an address of https://www.melodara.com or its mirror " + server->base() + "\n");
  }
  EXPECT_EQ(server->requests().size(), before);
}

TEST_F(http_site, RefusedConnectionIsADownloadError) {
  const std::string mirror = "http://127.0.0.1:" + std::to_string(closed_port());
  const tool_run run = run_tool({"get", kArtist, kTitle, "--site", mirror});
  EXPECT_EQ(run.exit_code, 3) << how_it_ended(run);
  EXPECT_EQ(run.err.rfind("melodara: " + mirror + "/search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1: ", 0), 0u)
      << run.err;
  EXPECT_NE(run.err.find("Couldn't connect to server"), std::string::npos) << run.err;
}

TEST_F(http_site, ProgressLineShowsOnATerminalAndIsWipedWhenDone) {
  const std::vector<std::string> arguments{"get", kArtist, kTitle, "--site", server->base()};
  run_setup on_terminal;
  on_terminal.stderr_on_terminal = true;

  const tool_run shown = run_tool(arguments, on_terminal);
  EXPECT_EQ(shown.exit_code, 0) << how_it_ended(shown) << shown.err;
  EXPECT_EQ(shown.out, expected::kKaraoke);
  EXPECT_NE(shown.err.find("\r\033[Kdownloading /search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1  0 B"),
            std::string::npos)
      << shown.err;
  EXPECT_NE(shown.err.find("\r\033[Kdownloading /karaoke/milena-reznickova-pod-lipou"), std::string::npos);
  const std::string wipe = "\r\033[K";
  EXPECT_EQ(shown.err.substr(shown.err.size() - wipe.size()), wipe) << shown.err;

  auto quiet = arguments;
  quiet.push_back("--quiet");
  const tool_run silent = run_tool(quiet, on_terminal);
  EXPECT_EQ(silent.exit_code, 0) << how_it_ended(silent);
  EXPECT_EQ(silent.err, "");
}

TEST(https_site, CertificateThatNoAuthoritySignedIsRefused) {
  const self_signed_certificate certificate;
  const site_server server(MELODARA_SITE_DIR, &certificate);
  const tool_run run = run_tool({"get", kArtist, kTitle, "--site", server.base()});
  EXPECT_EQ(run.exit_code, 3) << how_it_ended(run);
  EXPECT_EQ(run.err.rfind("melodara: " + server.base() + "/search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1: SSL certificate problem: ", 0), 0u)
      << run.err;
  EXPECT_TRUE(server.requests().empty());
}
