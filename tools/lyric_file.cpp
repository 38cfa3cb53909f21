#include "tools/lyric_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace lookup {
namespace {

[[noreturn]] void throw_write_error(const std::string& path, int error) {
  throw std::runtime_error("cannot write " + path + ": " + std::strerror(error));
}

// The permission bits that a file created the usual way would get.
mode_t ordinary_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// Writes all of `content` to `fd`; the errno of the first failure, 0 on success.
int write_all(int fd, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t step = ::write(fd, content.data() + written, content.size() - written);
    if (step < 0 && errno == EINTR) continue;
    if (step < 0) return errno;
    written += static_cast<std::size_t>(step);
  }
  return 0;
}

}  // namespace

std::string_view line_end_of(std::string_view text) {
  const std::size_t line_feed = text.find('\n');
  if (line_feed != std::string_view::npos && (line_feed == 0 || text[line_feed - 1] != '\r')) return "\n";
  return "\r\n";
}

std::string lyric_file_content(const host::result_item& item) {
  const std::string& lyric = *item.lyric;
  if (item.synced != 1) return lyric;
  const std::string_view end = line_end_of(lyric);
  std::string content;
  const std::pair<const char*, const std::string*> tags[] = {
      {"ar", &item.artist}, {"al", &item.album}, {"ti", &item.title}};
  for (const auto& [tag, value] : tags) {
    if (!value->empty()) content.append("[").append(tag).append(":").append(*value).append("]").append(end);
  }
  return content + lyric;
}

void write_whole_file(const std::string& path, const std::string& content) {
  std::vector<char> temporary(path.begin(), path.end());
  const char suffix[] = ".partXXXXXX";
  temporary.insert(temporary.end(), suffix, suffix + sizeof(suffix));
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw_write_error(path, errno);
  int error = ::fchmod(fd, ordinary_file_mode()) == 0 ? write_all(fd, content) : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.data(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.data());
    throw_write_error(path, error);
  }
}

}  // namespace lookup
