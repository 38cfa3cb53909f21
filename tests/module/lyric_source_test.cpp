// The lyric source as the panel uses it: identity, references it takes and gives back, the
// call-stack labels it leaves, and its action.
#include <string>
#include <vector>

#include "component/service_exceptions.h"
#include "host/panel_objects.h"
#include "module_fixture.h"
#include "platform/shared_library/uCallStackTracker.h"

namespace {

constexpr GUID kSourceGuid = {
    0x78eed2f8, 0x3c92, 0x4998, {0x8c, 0xbd, 0x7a, 0x1a, 0x01, 0xd4, 0xbf, 0x06}};

class any_service : public host::counted<service_base> {};

std::vector<std::string> history() {
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < shared_history_size(); ++i) labels.emplace_back(shared_history_label(i));
  return labels;
}

// Hands the host over the way the panel does: with one reference of its own.
void bind(lyric_source_base& source, host::panel_host* target) {
  if (target != nullptr) target->add_ref();
  source.BindHost(target);
}

}  // namespace

TEST_F(module_test, SourceNamesItselfWithItsFixedGuid) {
  service_ptr_t<lyric_source_base> first = new_source();
  service_ptr_t<lyric_source_base> second = new_source();
  host::text_string name("old name");
  first->GetSourceName(name);
  EXPECT_EQ(name.str(), "Online DB: Melodara");
  EXPECT_EQ(first->GetSourceGuid(), kSourceGuid);
  EXPECT_EQ(first->GetSourceGuid(), second->GetSourceGuid());
  EXPECT_TRUE(first->HasAction());
}

TEST_F(module_test, PrepareSearchReleasesItsServiceInsideItsScope) {
  service_ptr_t<lyric_source_base> source = new_source();
  any_service service;
  service.add_ref();
  shared_history_clear();
  EXPECT_TRUE(source->PrepareSearch(1, &service, 3));
  EXPECT_EQ(service.count(), 1);
  EXPECT_EQ(service.releases(), 1);
  EXPECT_TRUE(source->PrepareSearch(0, nullptr, 0));
  EXPECT_EQ(history(), (std::vector<std::string>{"my_lyrics_source::PrepareSearch",
                                                 "my_lyrics_source::PrepareSearch"}));
  EXPECT_EQ(shared_stack_depth(), 0u);
}

TEST_F(module_test, BindHostHoldsExactlyOneReference) {
  host::panel_host first(host::pages_from_map({}));
  host::panel_host second(host::pages_from_map({}));
  {
    service_ptr_t<lyric_source_base> source = new_source();
    bind(*source, &first);
    EXPECT_EQ(first.add_refs(), 2);  // the panel's for the argument, the source's own
    EXPECT_EQ(first.releases(), 1);  // the argument's
    EXPECT_EQ(first.count(), 2);

    bind(*source, &first);  // the same host again: the old binding and the argument go
    EXPECT_EQ(first.releases(), 3);
    EXPECT_EQ(first.count(), 2);

    bind(*source, &second);
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(second.count(), 2);
    EXPECT_EQ(second.releases(), 1);

    source->BindHost(nullptr);
    EXPECT_EQ(second.count(), 1);

    bind(*source, &second);
    EXPECT_EQ(second.count(), 2);
  }
  EXPECT_EQ(second.count(), 1);  // destroying the source released its binding
  EXPECT_EQ(first.count(), 1);
}

TEST_F(module_test, SearchAndLoadWithoutAHostFindNothingAndDownloadNothing) {
  service_ptr_t<lyric_source_base> source = new_source();
  host::result_list list;
  list.add_ref();
  const lyric_search_request request{nullptr, "Artist", nullptr, "Title"};
  shared_history_clear();
  EXPECT_FALSE(source->Search(&request, 0, &list));
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(history(), std::vector<std::string>{"my_lyrics_source::Search"});
  EXPECT_EQ(shared_stack_depth(), 0u);

  host::result_item item;
  EXPECT_FALSE(source->LoadLyric(&item));
  EXPECT_TRUE(item.calls.empty());
}

TEST_F(module_test, RunActionNeedsExactlyOneActionService) {
  service_ptr_t<lyric_source_base> source = new_source();
  EXPECT_THROW(
      {
        try {
          source->RunAction(5);
        } catch (const exception_service_not_found& error) {
          EXPECT_STREQ(error.what(), "Service not found");
          throw;
        }
      },
      exception_service_not_found);

  host::recording_action action;
  registry.add(action_service::class_guid, [&action](service_ptr_t<service_base>& out) { out.copy(&action); });
  source->RunAction(0xDEADBEEF);
  EXPECT_EQ(action.values, std::vector<std::uint32_t>{0xDEADBEEF});
  EXPECT_EQ(action.count(), 1);
  EXPECT_EQ(action.releases(), 1);

  host::recording_action second;
  registry.add(action_service::class_guid, [&second](service_ptr_t<service_base>& out) { out.copy(&second); });
  EXPECT_THROW(
      {
        try {
          source->RunAction(7);
        } catch (const exception_service_duplicated& error) {
          EXPECT_STREQ(error.what(), "Service duplicated");
          throw;
        }
      },
      exception_service_duplicated);
  EXPECT_EQ(action.values.size(), 1u);
  EXPECT_TRUE(second.values.empty());
  EXPECT_EQ(action.add_refs() + second.add_refs(), 1);
}
