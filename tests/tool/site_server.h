// A web server on 127.0.0.1 for the tool's tests: it serves the bundled offline site at the
// site's own paths, as a mirror would, and a few pages that misbehave in the ways a real
// server or network can. It listens on a free port from construction to destruction.
#pragma once

#include <httplib.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The misbehaving pages, by path. Text pages lie under /texty-pisni/ and karaoke pages
// under /karaoke/, since the component tells the kinds apart by the address.
namespace test_pages {
inline constexpr char kRedirectSameHost[] = "/texty-pisni/redirect-same-host";      // -> the text page below
inline constexpr char kRedirectOtherHost[] = "/texty-pisni/redirect-other-host";    // -> the same page on "localhost"
inline constexpr char kRedirectLoop[] = "/texty-pisni/redirect-loop";              // -> itself, forever
inline constexpr char kGzip[] = "/karaoke/gzip";                                    // the karaoke page below, gzip-encoded
inline constexpr char kSlow[] = "/texty-pisni/slow";                                // answers after 5 s
inline constexpr char kUnavailable[] = "/texty-pisni/unavailable";                  // always 503
inline constexpr char kFlaky[] = "/texty-pisni/flaky";                              // 503 once, then the text page
inline constexpr char kWithNul[] = "/texty-pisni/with-nul";                         // a NUL byte after the lyric
inline constexpr char kHuge[] = "/texty-pisni/huge";                                // 80 MB
// The real pages that the misbehaving ones stand for.
inline constexpr char kTextPage[] = "/texty-pisni/milena-reznickova-pod-lipou";
inline constexpr char kKaraokePage[] = "/karaoke/milena-reznickova-pod-lipou";
}  // namespace test_pages

struct served_request {
  std::string target;  // path and query as sent
  std::string user_agent;
  std::string accept_encoding;
};

class self_signed_certificate;

class site_server {
 public:
  // Plain HTTP; with `tls`, HTTPS with that certificate (which must outlive the server).
  explicit site_server(const std::string& site_directory, const self_signed_certificate* tls = nullptr);
  ~site_server();
  site_server(const site_server&) = delete;
  site_server& operator=(const site_server&) = delete;

  int port() const noexcept { return port_; }
  // "http://127.0.0.1:PORT", or https for a TLS server
  std::string base() const;
  std::vector<served_request> requests() const;
  // How many requests asked for `target`.
  std::size_t hits(const std::string& target) const;

 private:
  void answer(const httplib::Request& request, httplib::Response& response);
  std::string page(const std::string& target) const;

  std::map<std::string, std::string> files_;  // target -> file of the offline site
  std::unique_ptr<httplib::Server> server_;
  bool tls_ = false;
  int port_ = -1;
  std::thread listener_;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<served_request> requests_;
};
