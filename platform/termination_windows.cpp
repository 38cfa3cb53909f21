// The run-time's termination signals become the player's structured exception, which its crash
// handling reports like any other fault instead of letting the process vanish.
#include <windows.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <initializer_list>

#include "platform/termination.h"

namespace platform {
namespace {

extern "C" void __cdecl raise_termination_exception(int signal_number) {
  const ULONG_PTR argument = static_cast<ULONG_PTR>(signal_number);
  ::RaiseException(kTerminationExceptionCode, EXCEPTION_NONCONTINUABLE, 1, &argument);
}

#if defined(_MSC_VER) || defined(_UCRT)
// These run-times always have it.
void clear_abort_behavior() noexcept { _set_abort_behavior(0, UINT_MAX); }
#else
// MinGW's default run-time is the system's msvcrt.dll, whose import library declares
// _set_abort_behavior although only some versions of the DLL export it: ask the loaded one.
void clear_abort_behavior() noexcept {
  using set_abort_behavior_t = unsigned int(__cdecl*)(unsigned int flags, unsigned int mask);
  HMODULE crt = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&std::signal), &crt)) {
    return;
  }
  const FARPROC found = ::GetProcAddress(crt, "_set_abort_behavior");
  if (found == nullptr) return;
  reinterpret_cast<set_abort_behavior_t>(reinterpret_cast<void (*)()>(found))(0, UINT_MAX);
}
#endif

}  // namespace

void install_termination_handler() noexcept {
  for (const int signal_number : {SIGINT, SIGTERM, SIGBREAK, SIGABRT}) {
    std::signal(signal_number, raise_termination_exception);
  }
  clear_abort_behavior();
}

}  // namespace platform
