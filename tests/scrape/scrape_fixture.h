// A lyric source from the built module, bound to a panel host that serves the test's pages,
// and what the panel sees of a search or a load. Every search and every load made through
// this fixture is also checked for what must hold for all of them: the references and
// call-stack scopes they leave behind, and the calls they make on each result item.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/panel_objects.h"
#include "item_view.h"
#include "platform/shared_library/uCallStackTracker.h"
#include "tests/module/module_fixture.h"

namespace scrape {

// The source GUID that the component stamps on every item, fixed forever.
constexpr GUID kSourceGuid = {
    0x78eed2f8, 0x3c92, 0x4998, {0x8c, 0xbd, 0x7a, 0x1a, 0x01, 0xd4, 0xbf, 0x06}};

// What every lyric text puts between its body and the page's author text.
inline const std::string kCreditsSeparator = "\r\n---\r\n";

// A result list that notes how many call-stack scopes were still open at each release: the
// search must have closed its own before it lets go of the list.
class scope_watching_list : public host::result_list {
 public:
  std::int32_t release() override {
    open_scopes_at_release.push_back(shared_stack_depth());
    return result_list::release();
  }
  std::vector<std::size_t> open_scopes_at_release;
};

// A search page that lists the given entries ("<li>...</li>" pieces) as its artists.
inline std::string search_page_listing(const std::string& entries) {
  return "<html><body><div id=\"left_column\"><ul class='artist'>\n" + entries +
         "\n</ul></div></body></html>";
}

// Names the instances of a table-driven test after the `name` of each case.
struct case_name {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& param_info) const {
    return param_info.param.name;
  }
};

class scrape_test : public module_test {
 protected:
  // Binds a host that serves `pages` to the source, once per test, the way the panel does:
  // the source gets the argument's reference and takes one of its own.
  void serve(host::page_source pages) {
    host_ = std::make_unique<host::panel_host>(std::move(pages));
    host_->add_ref();
    source->BindHost(host_.get());
  }

  // Serves `pages`, each given by the part of its address after the site's base address.
  void serve_site(std::vector<std::pair<std::string, std::string>> pages) {
    for (auto& page : pages) page.first = site(page.first);
    serve(host::pages_from_map(std::move(pages)));
  }

  // Runs Search as the panel does, handing over the list with a reference of the panel's own.
  // Also when Search raises, it must release that reference exactly once, after closing its
  // call-stack scope.
  bool search(const std::string& artist, const std::string& title) {
    const list_handed_over handed_over(list);
    const lyric_search_request request{nullptr, artist.c_str(), nullptr, title.c_str()};
    return source->Search(&request, 0xBAD, &list);
  }

  // The items of the list, in order. Every item must have been told, in this order, its
  // synced flag, its info, its source (the same address twice, the source GUID and 3) and
  // the extra value 0, and nothing else.
  std::vector<item_view> items() const {
    std::vector<item_view> views;
    for (const auto& item : list.items()) {
      EXPECT_EQ(item->calls, (std::vector<std::string>{"SetSynced", "SetInfo", "SetSource", "SetExtra"}));
      EXPECT_EQ(item->first_source, item->second_source);
      EXPECT_EQ(item->source_guid, kSourceGuid);
      EXPECT_EQ(item->kind, 3);
      EXPECT_EQ(item->extra, 0);
      views.push_back({item->synced, item->artist, item->album, item->title, item->second_source});
    }
    return views;
  }

  // The full addresses downloaded so far, in order; every download must name the browser
  // that the site serves its ordinary pages to.
  std::vector<std::string> downloads() const {
    std::vector<std::string> addresses;
    for (const host::download_record& download : host_->downloads()) {
      EXPECT_EQ(download.user_agent, "Mozilla Firefox");
      addresses.push_back(download.address);
    }
    return addresses;
  }

  // Loads the lyric of an item that stores `address` as its page, and gives the text the
  // item received, if any. The item is asked for its source, the page is downloaded once,
  // and the text is handed over only on success; no call-stack scope is opened.
  std::optional<std::string> load(const std::string& address) {
    host::result_item item;
    item.first_source = "not the page: the first stored text is never read";
    item.second_source = address;
    const std::size_t downloads_before = host_->downloads().size();
    shared_history_clear();
    const bool loaded = source->LoadLyric(&item);
    EXPECT_EQ(shared_history_size(), 0u);
    EXPECT_EQ(loaded, item.lyric.has_value());
    EXPECT_EQ(item.calls, (loaded ? std::vector<std::string>{"GetSource", "SetLyricText"}
                                  : std::vector<std::string>{"GetSource"}));
    const std::vector<std::string> addresses = downloads();
    EXPECT_EQ(addresses.size(), downloads_before + 1);
    if (!addresses.empty()) {
      EXPECT_EQ(addresses.back(), address);
    }
    return item.lyric;
  }

  // First, so that it outlives the source that holds a reference to it.
  std::unique_ptr<host::panel_host> host_;
  service_ptr_t<lyric_source_base> source = new_source();
  scope_watching_list list;

 private:
  // The panel's side of handing a list to Search: a reference going in, exactly one release
  // coming back, with no call-stack scope left open by then.
  class list_handed_over {
   public:
    explicit list_handed_over(scope_watching_list& handed) : list_(handed), releases_(handed.releases()) {
      list_.add_ref();
    }
    ~list_handed_over() {
      EXPECT_EQ(list_.releases(), releases_ + 1);
      EXPECT_EQ(list_.count(), 1);
      EXPECT_EQ(list_.open_scopes_at_release.size(), static_cast<std::size_t>(list_.releases()));
      if (!list_.open_scopes_at_release.empty()) {
        EXPECT_EQ(list_.open_scopes_at_release.back(), 0u);
      }
      EXPECT_EQ(shared_stack_depth(), 0u);
    }
    list_handed_over(const list_handed_over&) = delete;
    list_handed_over& operator=(const list_handed_over&) = delete;

   private:
    scope_watching_list& list_;
    int releases_;
  };
};

}  // namespace scrape
