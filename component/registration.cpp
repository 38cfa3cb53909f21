// The module's statics, in one translation unit so that their order is fixed: the three
// factory records link themselves in front of the list (so the player meets them in the
// reverse order), then the client object is built.
#include "component/component_client.h"
#include "component/factory_list.h"
#include "component/module_state.h"
#include "component/version_record.h"
#include "platform/module_export.h"
#include "source/custom_search_requirements.h"
#include "source/my_lyrics_source.h"
#include "source/source_factory.h"

namespace {

using version_factory = service_factory_single_t<melodara::componentversion_myimpl>;
static_assert(sizeof(version_factory) ==
                  sizeof(service_factory_base) + sizeof(service_impl_single_t<melodara::componentversion_myimpl>),
              "the version record lies directly after the factory's three words");

version_factory g_version_factory;
service_factory_t<custom_search_requirements> g_search_requirements_factory;
source_factory<my_lyrics_source> g_source_factory;
melodara::my_component_client g_client;

}  // namespace

extern "C" MELODARA_MODULE_EXPORT component_client* foobar2000_get_interface(player_api* api,
                                                                             void* /*instance*/) {
  melodara::registered_player_api = api;
  return &g_client;
}
