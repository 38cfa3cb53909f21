// The one-line status that tells a person at a terminal which page is downloading and how
// much of it has arrived. It is drawn over itself and wiped when the page is done, so that
// nothing of it stays between the lines that the command prints.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "host/http_fetcher.h"

namespace lookup {

class progress_line : public host::download_observer {
 public:
  // Draws on `terminal`, which the caller has found to be a terminal.
  explicit progress_line(std::FILE* terminal);

  void page_started(const std::string& address) override;
  void page_received(std::size_t bytes) override;
  void page_finished() override;

 private:
  void draw();

  std::FILE* terminal_;
  std::string page_;
  std::size_t bytes_ = 0;
  std::chrono::steady_clock::time_point drawn_at_;
};

// "812 B", "12.4 kB", "63.9 MB": a byte count short enough for a status line.
[[nodiscard]] std::string short_size(std::size_t bytes);

}  // namespace lookup
