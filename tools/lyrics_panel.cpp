#include "tools/lyrics_panel.h"

#include <stdexcept>

#include "component/componentversion.h"
#include "host/host_string.h"

namespace lookup {
namespace {

// The panel's number for a source whose results are fetched from the web, which it passes
// with every stored address.
constexpr std::int32_t kWebSourceKind = 3;

}  // namespace

lyrics_panel::lyrics_panel(const std::string& module_path)
    : module_file_(host::file_name_of(module_path)), module_(module_path, registry_) {
  registry_.add_factories(module_.client().service_list());
  service_ptr_t<service_base> made = create_service(lyric_source_base::class_guid, "lyric source");
  source_ = service_ptr_t<lyric_source_base>::adopt(static_cast<lyric_source_base*>(made.detach()));
}

service_ptr_t<service_base> lyrics_panel::create_service(const GUID& class_guid, const char* what) {
  const player_api::class_handle handle = registry_.find_service_class(class_guid);
  if (registry_.count_services(handle) == 0) {
    throw std::runtime_error(module_file_ + " offers no " + what);
  }
  service_ptr_t<service_base> made;
  registry_.create_service(made, handle, 0);
  if (!made) throw std::runtime_error(module_file_ + " did not create its " + what);
  return made;
}

version_record lyrics_panel::version() {
  const service_ptr_t<service_base> made = create_service(componentversion::class_guid, "version record");
  auto& record = static_cast<componentversion&>(*made);
  host::text_string text;
  version_record read;
  record.get_file_name(text);
  read.file_name = text.str();
  record.get_component_name(text);
  read.name = text.str();
  record.get_component_version(text);
  read.version = text.str();
  record.get_about_message(text);
  read.about = text.str();
  return read;
}

void lyrics_panel::bind(lyric_source_host& page_host) {
  page_host.add_ref();  // the reference that travels with the argument
  source_->BindHost(&page_host);
}

std::unique_ptr<host::result_list> lyrics_panel::search(const std::string& artist, const std::string& title) {
  source_->PrepareSearch(0, nullptr, 0);
  auto results = std::make_unique<host::result_list>();
  const lyric_search_request request{nullptr, artist.c_str(), nullptr, title.c_str()};
  results->add_ref();  // consumed by Search
  source_->Search(&request, 0, results.get());
  return results;
}

std::unique_ptr<host::result_item> lyrics_panel::item_for(const std::string& address, bool synced) {
  auto item = std::make_unique<host::result_item>();
  item->SetSynced(synced ? 1 : 0);
  item->SetInfo("", "", "");
  item->SetSource(address.c_str(), address.c_str(), source_->GetSourceGuid(), kWebSourceKind);
  item->SetExtra(0);
  return item;
}

bool lyrics_panel::load(host::result_item& item) { return source_->LoadLyric(&item); }

}  // namespace lookup
