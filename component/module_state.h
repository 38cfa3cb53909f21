// What the module keeps for its whole life besides the factory list.
#pragma once

#include "component/client.h"
#include "component/pfc_string8.h"

namespace melodara {

// The player's registry, set by the export; null until then.
inline player_api* registered_player_api = nullptr;

// The module's file name as the player handed it over; empty until then.
pfc::string8& module_file_name() noexcept;

}  // namespace melodara
