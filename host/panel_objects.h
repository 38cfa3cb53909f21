// The lyrics panel's objects as the component sees them: a host object whose downloads come
// from a pluggable page source, and result lists and items that record every call made on them.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/counted.h"
#include "source/panel.h"

namespace host {

// Gives the page at an address, or nothing when there is none (the download then leaves its
// output empty). May raise; the error reaches the component's caller unchanged.
using page_source = std::function<std::optional<std::string>(const std::string& address)>;

// A page source over a fixed map from address to page.
page_source pages_from_map(std::vector<std::pair<std::string, std::string>> pages);

// The error the panel's objects raise when a test makes them fail on purpose.
class panel_fault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Makes the panel's objects fail on purpose, to see what the component does when the panel
// raises in the middle of its work. Every call made on a host, list or item that shares the
// plan is numbered from 1; the call numbered `fail_at` raises panel_fault("panel fault at call
// N (Operation)") before doing anything, and the calls after it work again.
class call_faults {
 public:
  // Restarts the numbering; 0 makes no call fail.
  void fail_at(std::size_t call) noexcept {
    failing_call_ = call;
    calls_ = 0;
  }
  // The calls numbered since the last fail_at, the failing one included.
  std::size_t calls() const noexcept { return calls_; }
  // Numbers one call of `operation`; raises when it is the failing one.
  void count(const char* operation);

 private:
  std::size_t failing_call_ = 0;
  std::size_t calls_ = 0;
};

struct download_record {
  std::string user_agent;
  std::string address;
};

class panel_host : public counted<lyric_source_host> {
 public:
  explicit panel_host(page_source pages) : pages_(std::move(pages)) {}
  virtual ~panel_host() = default;

  void reserved_slot_3() override {}
  void reserved_slot_4() override {}
  bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) override;

  const std::vector<download_record>& downloads() const noexcept { return downloads_; }
  // Numbers every DownloadPage in `faults` (null: none), which must outlive the host's use.
  void set_faults(call_faults* faults) noexcept { faults_ = faults; }

 private:
  page_source pages_;
  std::vector<download_record> downloads_;
  call_faults* faults_ = nullptr;
};

class result_item : public lyric_result_item {
 public:
  result_item() = default;
  // An item whose every operation is numbered in `faults` (null: none).
  explicit result_item(call_faults* faults) noexcept : faults_(faults) {}
  result_item(const result_item&) = delete;
  result_item& operator=(const result_item&) = delete;
  virtual ~result_item() = default;

  void SetInfo(const char* artist, const char* album, const char* title) override;
  void SetSource(const char* first, const char* second, GUID source, std::int32_t kind) override;
  void SetSynced(std::int32_t synced) override;
  void SetLyricText(const char* text) override;
  void SetExtra(std::int32_t extra) override;
  void reserved_slot_5() override;
  void GetSource(pfc::string_base& first, pfc::string_base& second) override;

  // The operations called on this item, by name, in order.
  std::vector<std::string> calls;
  std::int32_t synced = -1;
  std::string artist, album, title;
  std::string first_source, second_source;
  GUID source_guid{};
  std::int32_t kind = -1;
  std::int32_t extra = -1;
  std::optional<std::string> lyric;

 private:
  void count(const char* operation);

  call_faults* faults_ = nullptr;
};

class result_list : public counted<lyric_result_list> {
 public:
  virtual ~result_list() = default;

  lyric_result_item* NewItem() override;

  // The items handed out, in order; they stay valid as long as the list.
  const std::deque<std::unique_ptr<result_item>>& items() const noexcept { return items_; }
  // Numbers every NewItem, and every operation of the items made after it, in `faults`.
  void set_faults(call_faults* faults) noexcept { faults_ = faults; }

 private:
  std::deque<std::unique_ptr<result_item>> items_;
  call_faults* faults_ = nullptr;
};

// An action service that remembers the values it was run with.
class recording_action : public counted<action_service> {
 public:
  virtual ~recording_action() = default;
  bool run(std::uint32_t value) override {
    values.push_back(value);
    return true;
  }
  std::vector<std::uint32_t> values;
};

}  // namespace host
