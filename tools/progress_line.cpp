#include "tools/progress_line.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace lookup {
namespace {

// Redrawing for every chunk of a fast download would cost more than the download itself.
constexpr std::chrono::milliseconds kRedrawPause{100};

// Back to the line's start and wipe it.
constexpr char kWipe[] = "\r\033[K";

// The page's path and query: which page it is, without the host that every page shares.
std::string page_of(const std::string& address) {
  const std::size_t scheme_end = address.find("://");
  const std::size_t path = address.find('/', scheme_end == std::string::npos ? 0 : scheme_end + 3);
  return path == std::string::npos ? address : address.substr(path);
}

// `text` cut to fit `columns` characters of UTF-8, so that the line never wraps (a wrapped
// line could not be wiped by returning to its start).
std::string fitted(const std::string& text, std::size_t columns) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > columns) return text.substr(0, i);
  }
  return text;
}

std::size_t terminal_columns(std::FILE* terminal) {
  winsize size{};
  if (::ioctl(::fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 1) return size.ws_col - 1u;
  return 79;
}

}  // namespace

progress_line::progress_line(std::FILE* terminal) : terminal_(terminal) {}

void progress_line::page_started(const std::string& address) {
  page_ = page_of(address);
  bytes_ = 0;
  draw();
}

void progress_line::page_received(std::size_t bytes) {
  bytes_ = bytes;
  if (std::chrono::steady_clock::now() - drawn_at_ >= kRedrawPause) draw();
}

void progress_line::page_finished() {
  std::fputs(kWipe, terminal_);
  std::fflush(terminal_);
}

void progress_line::draw() {
  const std::string status = "downloading " + page_ + "  " + short_size(bytes_);
  std::fputs(kWipe, terminal_);
  std::fputs(fitted(status, terminal_columns(terminal_)).c_str(), terminal_);
  std::fflush(terminal_);
  drawn_at_ = std::chrono::steady_clock::now();
}

std::string short_size(std::size_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " B";
  char text[32];
  const double kilobytes = static_cast<double>(bytes) / 1024;
  if (kilobytes < 1024) {
    std::snprintf(text, sizeof(text), "%.1f kB", kilobytes);
  } else {
    std::snprintf(text, sizeof(text), "%.1f MB", kilobytes / 1024);
  }
  return text;
}

}  // namespace lookup
