#include "site_server.h"

#include "self_signed_certificate.h"

#include <signal.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr std::size_t kHugeBytes = std::size_t{80} * 1024 * 1024;
// Bodies that the server library must send as they are: it compresses every text/* body
// for clients that accept it, which would encode an encoded body twice and would make the
// 80 MB page cost seconds of compression.
constexpr char kUntouchedType[] = "application/octet-stream";
constexpr char kHtmlType[] = "text/html; charset=utf-8";

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string gzip(const std::string& data) {
  z_stream stream{};
  constexpr int kGzipWindow = 15 + 16;  // 16 asks zlib for a gzip header and trailer
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::string packed(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  const int result = deflate(&stream, Z_FINISH);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw std::runtime_error("deflate failed");
  packed.resize(stream.total_out);
  return packed;
}

// A text page as big as the limit and more: one lyric element of repeated lines.
const std::string& huge_page() {
  static const std::string page = [] {
    const std::string head = "<p class=\"text\">";
    const std::string line = "Tahle píseň nemá konce,<br />\n";
    std::string text = head;
    text.reserve(kHugeBytes);
    while (text.size() + line.size() < kHugeBytes) text += line;
    text.append(kHugeBytes - text.size(), ' ');
    return text;
  }();
  return page;
}

std::unique_ptr<httplib::Server> make_server(const self_signed_certificate* tls) {
  if (tls == nullptr) return std::make_unique<httplib::Server>();
  return std::make_unique<httplib::SSLServer>(tls->certificate(), tls->key());
}

}  // namespace

site_server::site_server(const std::string& site_directory, const self_signed_certificate* tls)
    : server_(make_server(tls)), tls_(tls != nullptr) {
  // A client that gives up on the huge page closes its end while the server still writes.
  ::signal(SIGPIPE, SIG_IGN);
  std::istringstream index(read_file(site_directory + "/index.tsv"));
  for (std::string line; std::getline(index, line);) {
    const auto tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    files_.emplace(line.substr(0, tab), site_directory + "/" + line.substr(tab + 1));
  }
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    answer(request, response);
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("the test server found no free port");
  listener_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

site_server::~site_server() {
  stopping_ = true;
  server_->stop();
  listener_.join();
}

std::string site_server::base() const {
  return (tls_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_);
}

std::vector<served_request> site_server::requests() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::size_t site_server::hits(const std::string& target) const {
  const std::vector<served_request> served = requests();
  return static_cast<std::size_t>(std::count_if(served.begin(), served.end(),
                                                [&](const served_request& request) { return request.target == target; }));
}

std::string site_server::page(const std::string& target) const { return read_file(files_.at(target)); }

void site_server::answer(const httplib::Request& request, httplib::Response& response) {
  const std::string& target = request.target;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back({target, request.get_header_value("User-Agent"), request.get_header_value("Accept-Encoding")});
  }
  using namespace test_pages;
  if (target == kRedirectSameHost) {
    response.set_redirect(kTextPage, 302);
  } else if (target == kRedirectOtherHost) {
    response.set_redirect("http://localhost:" + std::to_string(port_) + kTextPage, 302);
  } else if (target == kRedirectLoop) {
    response.set_redirect(kRedirectLoop, 301);
  } else if (target == kGzip) {
    response.set_header("Content-Encoding", "gzip");
    response.set_content(gzip(page(kKaraokePage)), kUntouchedType);
  } else if (target == kSlow) {
    for (int waited = 0; waited < 100 && !stopping_; ++waited) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    response.set_content(page(kTextPage), kHtmlType);
  } else if (target == kUnavailable || (target == kFlaky && hits(kFlaky) == 1)) {
    response.status = 503;
    response.set_content("<h1>Služba není dostupná</h1>", kHtmlType);
  } else if (target == kFlaky) {
    response.set_content(page(kTextPage), kHtmlType);
  } else if (target == kWithNul) {
    std::string text = page(kTextPage);
    text.insert(text.find("</p>") + 4, 1, '\0');
    response.set_content(text, kUntouchedType);
  } else if (target == kHuge) {
    response.set_content_provider(kHugeBytes, kUntouchedType,
                                  [](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                    return sink.write(huge_page().data() + offset, std::min<std::size_t>(length, 1 << 20));
                                  });
  } else if (files_.count(target) != 0) {
    response.set_content(page(target), kHtmlType);
  } else {
    response.status = 404;
    response.set_content("<h1>Stránka nenalezena</h1>", kHtmlType);
  }
}
