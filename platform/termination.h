// Turns the run-time's termination signals into the player's structured exception, so that
// the player's crash handling sees them instead of a silent exit.
#pragma once

#include <cstdint>

namespace platform {

// The code of the structured exception raised for a termination signal.
inline constexpr std::uint32_t kTerminationExceptionCode = 0x6F8E1DC8u;

// Installs the handler for the termination signals and clears the abort-behaviour flags
// where the run-time has them. Called once, while the client object is built.
void install_termination_handler() noexcept;

}  // namespace platform
