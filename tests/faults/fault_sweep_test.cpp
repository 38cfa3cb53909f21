// What the component leaves behind when memory runs out, or the panel raises, in the middle
// of its work. For every failure point of a whole search of the bundled site and of a whole
// load of each page kind, one run fails there: the error must reach the caller as it was
// raised, the items added before it stay, every reference the component took is given back,
// the call-stack tracker is back to empty, and the heap holds what it held before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "host/dynamic_library.h"
#include "host/panel_objects.h"
#include "host/site_directory.h"
#include "module_fixture.h"
#include "platform/shared_library/uCallStackTracker.h"
#include "tests/faults/allocation_faults.h"
#include "tests/faults/heap_meter.h"

namespace {

// An item as the panel sees it, to compare a failed run with a whole one.
struct item_state {
  std::vector<std::string> calls;
  std::int32_t synced, kind, extra;
  std::string artist, album, title, first_source, second_source;
  GUID source_guid;
  std::optional<std::string> lyric;

  bool operator==(const item_state& other) const {
    return calls == other.calls && synced == other.synced && kind == other.kind &&
           extra == other.extra && artist == other.artist && album == other.album &&
           title == other.title && first_source == other.first_source &&
           second_source == other.second_source && source_guid == other.source_guid &&
           lyric == other.lyric;
  }
};

item_state state_of(const host::result_item& item) {
  return {item.calls,        item.synced,        item.kind,        item.extra,
          item.artist,       item.album,         item.title,       item.first_source,
          item.second_source, item.source_guid, item.lyric};
}

// One way of making a failure happen at point k of a run (0: nowhere).
struct fault_injector {
  const char* name;
  std::function<void(std::size_t point)> arm;
  // The failure points the run went through, the failing one included.
  std::function<std::size_t()> points_passed;
  // Whether `error` is the failure raised at `point`, exactly as it was raised.
  std::function<void(const std::exception_ptr& error, std::size_t point)> expect_raised;
};

// What one run of an operation gave.
struct run_outcome {
  bool returned = false;
  std::exception_ptr error;
  std::vector<item_state> items;
};

// An operation of the source that a sweep runs again and again.
struct operation {
  const char* name;
  std::function<run_outcome(lyric_source_base& source, host::call_faults& faults)> run;
};

void expect_panel_fault(const std::exception_ptr& error, std::size_t point) {
  try {
    std::rethrow_exception(error);
  } catch (const host::panel_fault& fault) {
    const std::string expected = "panel fault at call " + std::to_string(point) + " (";
    EXPECT_EQ(std::string(fault.what()).substr(0, expected.size()), expected);
  } catch (...) {
    ADD_FAILURE() << "not the panel's fault at call " << point;
  }
}

void expect_bad_allocation(const std::exception_ptr& error, std::size_t point) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc& failure) {
    EXPECT_STREQ(failure.what(), "bad allocation") << "allocation " << point;
  } catch (...) {
    ADD_FAILURE() << "not the string's bad allocation at allocation " << point;
  }
}

// The items of a failed run are those of the whole run up to the failure; the last one may
// have got only some of its calls.
void expect_prefix_of(const std::vector<item_state>& failed, const std::vector<item_state>& whole,
                      std::size_t point) {
  ASSERT_LE(failed.size(), whole.size()) << "point " << point;
  for (std::size_t index = 0; index + 1 < failed.size(); ++index) {
    EXPECT_TRUE(failed[index] == whole[index]) << "item " << index << ", point " << point;
  }
  if (failed.empty()) return;
  const std::vector<std::string>& calls = failed.back().calls;
  const std::vector<std::string>& all_calls = whole[failed.size() - 1].calls;
  ASSERT_LE(calls.size(), all_calls.size()) << "point " << point;
  EXPECT_TRUE(std::equal(calls.begin(), calls.end(), all_calls.begin())) << "point " << point;
}

class fault_sweep : public module_test {
 protected:
  fault_sweep() {
    void* library = host::open_library(MELODARA_MODULE_PATH);
    fail_allocations_ = reinterpret_cast<melodara_fail_allocations_t>(
        host::find_library_symbol(library, melodara_fail_allocations_name));
    allocations_numbered_ = reinterpret_cast<melodara_allocations_numbered_t>(
        host::find_library_symbol(library, melodara_allocations_numbered_name));
  }

  fault_injector allocations(bool from_then_on) {
    return {from_then_on ? "string allocations failing from k on" : "string allocation k failing once",
            [this, from_then_on](std::size_t point) { fail_allocations_(point, from_then_on ? 1 : 0); },
            [this] { return allocations_numbered_(); }, expect_bad_allocation};
  }

  fault_injector panel_calls() {
    return {"panel object call k raising", [this](std::size_t point) { faults_.fail_at(point); },
            [this] { return faults_.calls(); }, expect_panel_fault};
  }

  // A whole search of the bundled site: two matching artists, every row of both pages.
  operation search() {
    return {"search of \"Milena \xC5\x98" "ezn\xC3\xAD\xC4\x8Dkov\xC3\xA1\", \"*\"",
            [](lyric_source_base& source, host::call_faults& faults) {
              run_outcome outcome;
              host::result_list list;
              list.set_faults(&faults);
              list.add_ref();  // the reference that Search consumes
              const lyric_search_request request{
                  nullptr, "Milena \xC5\x98" "ezn\xC3\xAD\xC4\x8Dkov\xC3\xA1", nullptr, "*"};
              try {
                outcome.returned = source.Search(&request, 0, &list);
              } catch (...) {
                outcome.error = std::current_exception();
              }
              EXPECT_EQ(list.releases(), 1);
              EXPECT_EQ(list.count(), 1);
              for (const auto& item : list.items()) outcome.items.push_back(state_of(*item));
              return outcome;
            }};
  }

  operation load(const char* address) {
    return {address, [address](lyric_source_base& source, host::call_faults& faults) {
              run_outcome outcome;
              host::result_item item(&faults);
              item.first_source = item.second_source = std::string(MELODARA_SITE_BASE_URL) + address;
              try {
                outcome.returned = source.LoadLyric(&item);
              } catch (...) {
                outcome.error = std::current_exception();
                EXPECT_FALSE(item.lyric.has_value()) << "a failed load handed text over";
              }
              outcome.items.push_back(state_of(item));
              return outcome;
            }};
  }

  // One run with a fresh host and source, failing at `point`, and the checks that hold
  // whatever the failure: references given back, call-stack tracker empty.
  run_outcome run_once(const operation& op, const fault_injector& injector, std::size_t point,
                       std::size_t& points_passed) {
    host::panel_host host(site_);
    host.set_faults(&faults_);
    service_ptr_t<lyric_source_base> source = new_source();
    host.add_ref();  // the reference that BindHost consumes
    source->BindHost(&host);
    const std::int32_t bound_count = host.count();
    faults_.fail_at(0);
    injector.arm(point);
    run_outcome outcome = op.run(*source, faults_);
    points_passed = injector.points_passed();
    injector.arm(0);
    faults_.fail_at(0);
    EXPECT_EQ(shared_stack_depth(), 0u) << op.name << ", point " << point;
    EXPECT_EQ(host.count(), bound_count) << op.name << ", point " << point;
    source.reset();
    EXPECT_EQ(host.count(), 1) << op.name << ", point " << point;
    return outcome;
  }

  // Fails the operation at every point in turn, until it runs whole; returns the points covered.
  std::size_t sweep(const operation& op, const fault_injector& injector) {
    std::size_t points_passed = 0;
    const run_outcome whole = run_once(op, injector, 0, points_passed);
    EXPECT_FALSE(whole.error) << op.name;
    EXPECT_TRUE(whole.returned) << op.name;
    std::size_t raised = 0;
    std::size_t point = 1;
    for (;; ++point) {
      shared_history_clear();
      const std::size_t heap_before = heap_meter::in_use();
      bool reached = false;
      {
        const run_outcome failed = run_once(op, injector, point, points_passed);
        reached = points_passed >= point;
        if (failed.error) {
          ++raised;
          EXPECT_TRUE(reached) << op.name << ": an error without a failure at point " << point;
          injector.expect_raised(failed.error, point);
          expect_prefix_of(failed.items, whole.items, point);
        } else {
          // Not reached, or a failure the component may absorb (a string that cannot shrink
          // keeps its larger buffer): the run must then be whole.
          EXPECT_EQ(failed.returned, whole.returned) << op.name << ", point " << point;
          EXPECT_TRUE(failed.items == whole.items) << op.name << ", point " << point;
        }
      }
      shared_history_clear();
      EXPECT_EQ(heap_meter::in_use(), heap_before) << op.name << ": leaked at point " << point;
      if (!reached || ::testing::Test::HasFailure()) break;
    }
    const std::size_t covered = point - 1;
    std::printf("[ sweep    ] %s, %s: %zu failure points, %zu raised, %zu absorbed\n", op.name,
                injector.name, covered, raised, covered - raised);
    RecordProperty(std::string(op.name) + " / " + injector.name, static_cast<int>(covered));
    return covered;
  }

  void sweep_every_operation(const fault_injector& injector) {
    for (const operation& op : {search(), load("/texty-pisni/milena-reznickova-pod-lipou"),
                                load("/karaoke/milena-reznickova-pod-lipou")}) {
      EXPECT_GT(sweep(op, injector), 0u) << op.name;
    }
  }

  host::page_source site_ =
      host::pages_from_site_directory(MELODARA_SITE_DIR, MELODARA_SITE_BASE_URL);
  host::call_faults faults_;
  melodara_fail_allocations_t fail_allocations_ = nullptr;
  melodara_allocations_numbered_t allocations_numbered_ = nullptr;
};

TEST_F(fault_sweep, EveryStringAllocationMayFailOnce) { sweep_every_operation(allocations(false)); }

TEST_F(fault_sweep, StringAllocationsMayFailFromAnyPointOn) {
  sweep_every_operation(allocations(true));
}

TEST_F(fault_sweep, EveryPanelObjectCallMayRaise) { sweep_every_operation(panel_calls()); }

}  // namespace
