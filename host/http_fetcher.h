// Fetching one page over HTTP or HTTPS, with the limits that keep a lookup from hanging or
// filling memory: timeouts, a bounded number of redirects that stay on the page's own host,
// one retry after a server error, and a cap on the page size.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace host {

struct http_limits {
  // Time allowed for opening the connection, and for the whole page: every request that
  // it takes, redirects and the retry included.
  std::chrono::milliseconds connect_timeout{10'000};
  std::chrono::milliseconds total_timeout{30'000};
  std::size_t max_redirects = 5;
  // A page beyond this many bytes (as received, after decompression) is abandoned.
  std::size_t max_page_bytes = std::size_t{64} * 1024 * 1024;
};

// A page that could not be had. The message names the address and the cause, in one line:
// "http://127.0.0.1:8080/x: Failed to connect to 127.0.0.1 port 8080 ...: Couldn't connect".
class download_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Told about each page while it arrives, to show a person that something is happening.
// Its calls come from inside the transfer, so they must not raise.
class download_observer {
 public:
  virtual void page_started(const std::string& address) = 0;
  // `bytes` is the count received so far for the page.
  virtual void page_received(std::size_t bytes) = 0;
  // Called once per started page, whether it arrived or failed.
  virtual void page_finished() = 0;

 protected:
  ~download_observer() = default;
};

class http_fetcher {
 public:
  // `observer` may be null; when given it must outlive the fetcher.
  explicit http_fetcher(http_limits limits, download_observer* observer = nullptr);
  ~http_fetcher();
  http_fetcher(const http_fetcher&) = delete;
  http_fetcher& operator=(const http_fetcher&) = delete;

  // The body of the page at `address` (an http or https address), fetched with `user_agent`,
  // decompressed when the server compressed it; nothing when the server answers 404.
  // Redirects to another host, or to a scheme other than http and https, are refused. A 5xx
  // answer is asked again once. Raises download_error for every other failure.
  [[nodiscard]] std::optional<std::string> fetch(const std::string& address, const std::string& user_agent);

 private:
  struct easy_handle;
  struct response;
  response request_once(const std::string& address, const std::string& user_agent,
                        std::chrono::steady_clock::time_point deadline);
  response request_with_retry(const std::string& address, const std::string& user_agent,
                              std::chrono::steady_clock::time_point deadline);

  http_limits limits_;
  download_observer* observer_;
  // One handle for every page, so that consecutive pages reuse the connection.
  std::unique_ptr<easy_handle> handle_;
};

}  // namespace host
