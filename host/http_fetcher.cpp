#include "host/http_fetcher.h"

#include <curl/curl.h>

#include <thread>

#include "host/site_address.h"

namespace host {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A server error is asked again after this pause, which gives a briefly overloaded server
// a moment without making a person wait noticeably.
constexpr milliseconds kRetryPause{250};

void initialise_curl_once() {
  static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (initialised != CURLE_OK) throw download_error(std::string("cannot start libcurl: ") + curl_easy_strerror(initialised));
}

bool is_redirect(long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Where a transfer's bytes go: into one buffer of the fetcher's own, so that the page
// reaches the caller's string in a single call at the end.
struct page_sink {
  std::string body;
  std::size_t limit = 0;
  bool too_large = false;
  download_observer* observer = nullptr;
};

std::size_t collect_body(char* data, std::size_t size, std::size_t count, void* sink_address) {
  auto& sink = *static_cast<page_sink*>(sink_address);
  const std::size_t bytes = size * count;
  if (bytes > sink.limit - sink.body.size()) {
    sink.too_large = true;
    return 0;  // anything but `bytes` makes libcurl abandon the transfer
  }
  sink.body.append(data, bytes);
  if (sink.observer != nullptr) sink.observer->page_received(sink.body.size());
  return bytes;
}

std::string megabytes(std::size_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }

// Reports the end of a page on every way out of `fetch`.
class page_scope {
 public:
  page_scope(download_observer* observer, const std::string& address) : observer_(observer) {
    if (observer_ != nullptr) observer_->page_started(address);
  }
  ~page_scope() {
    if (observer_ != nullptr) observer_->page_finished();
  }
  page_scope(const page_scope&) = delete;
  page_scope& operator=(const page_scope&) = delete;

 private:
  download_observer* observer_;
};

}  // namespace

struct http_fetcher::easy_handle {
  CURL* curl = curl_easy_init();
  ~easy_handle() { curl_easy_cleanup(curl); }
};

struct http_fetcher::response {
  long status = 0;
  std::string body;
  std::string location;  // the absolute target of a redirect; empty otherwise
};

http_fetcher::http_fetcher(http_limits limits, download_observer* observer)
    : limits_(limits), observer_(observer) {
  initialise_curl_once();
  handle_ = std::make_unique<easy_handle>();
  if (handle_->curl == nullptr) throw download_error("cannot start a libcurl transfer");
}

http_fetcher::~http_fetcher() = default;

std::optional<std::string> http_fetcher::fetch(const std::string& address, const std::string& user_agent) {
  const std::optional<web_origin> home = origin_of(address);
  if (!home) throw download_error(address + ": not an http or https address");
  const page_scope scope(observer_, address);
  const steady_clock::time_point deadline = steady_clock::now() + limits_.total_timeout;
  std::string current = address;
  for (std::size_t redirects = 0;; ++redirects) {
    response answer = request_with_retry(current, user_agent, deadline);
    if (answer.status == 404) return std::nullopt;
    if (answer.status >= 200 && answer.status < 300) return std::move(answer.body);
    const std::string status = std::to_string(answer.status);
    if (!is_redirect(answer.status)) throw download_error(current + ": the server answered with HTTP status " + status);
    if (answer.location.empty()) throw download_error(current + ": redirect (HTTP " + status + ") without a target");
    if (redirects == limits_.max_redirects) {
      throw download_error(address + ": more than " + std::to_string(limits_.max_redirects) + " redirects");
    }
    const std::optional<web_origin> target = origin_of(answer.location);
    if (!target) {
      throw download_error(current + ": redirected to " + answer.location + ", which is not an http or https address");
    }
    if (target->host != home->host) {
      throw download_error(current + ": redirected to " + answer.location + ", off the site's host " + home->host);
    }
    current = answer.location;
  }
}

http_fetcher::response http_fetcher::request_with_retry(const std::string& address, const std::string& user_agent,
                                                        steady_clock::time_point deadline) {
  response first = request_once(address, user_agent, deadline);
  if (first.status < 500 || first.status > 599) return first;
  std::this_thread::sleep_for(kRetryPause);
  response second = request_once(address, user_agent, deadline);
  if (second.status < 500 || second.status > 599) return second;
  throw download_error(address + ": server error (HTTP " + std::to_string(first.status) + ", then HTTP " +
                       std::to_string(second.status) + " when asked again)");
}

http_fetcher::response http_fetcher::request_once(const std::string& address, const std::string& user_agent,
                                                  steady_clock::time_point deadline) {
  const auto remaining = std::chrono::duration_cast<milliseconds>(deadline - steady_clock::now());
  if (remaining.count() <= 0) {
    throw download_error(address + ": no answer within the time allowed for the page (" +
                         std::to_string(limits_.total_timeout.count()) + " ms)");
  }
  CURL* curl = handle_->curl;
  curl_easy_reset(curl);
  page_sink sink;
  sink.limit = limits_.max_page_bytes;
  sink.observer = observer_;
  char error[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, user_agent.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  // Redirects are followed here rather than by libcurl, which could not hold them to the host.
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");  // every encoding this libcurl decodes
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connect_timeout.count()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(remaining.count()));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect_body);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
  if (sink.too_large) throw download_error(address + ": the page is larger than " + megabytes(sink.limit));
  if (result != CURLE_OK) {
    throw download_error(address + ": " + (error[0] != '\0' ? error : curl_easy_strerror(result)));
  }
  response answer;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
  char* location = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location != nullptr) {
    answer.location = location;
  }
  answer.body = std::move(sink.body);
  return answer;
}

}  // namespace host
