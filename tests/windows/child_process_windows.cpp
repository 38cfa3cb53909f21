#include <windows.h>

#include <cstdio>
#include <string>

#include "child_process.h"

namespace wine_checks {
namespace {

constexpr DWORD kTerminationCode = 0x6F8E1DC8;

LONG CALLBACK exit_with_argument(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
  std::printf("child: exception 0x%08lX, flags %lu, %lu argument(s)\n", record.ExceptionCode,
              record.ExceptionFlags, record.NumberParameters);
  std::fflush(stdout);
  const bool expected = record.ExceptionCode == kTerminationCode &&
                        (record.ExceptionFlags & EXCEPTION_NONCONTINUABLE) != 0 && record.NumberParameters == 1;
  ::TerminateProcess(::GetCurrentProcess(),
                     expected ? static_cast<UINT>(record.ExceptionInformation[0]) : kWrongException);
  return EXCEPTION_CONTINUE_SEARCH;
}

std::wstring wide(const std::string& text) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), size);
  result.pop_back();
  return result;
}

std::wstring own_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

unsigned long run_this_program(const std::string& arguments) {
  std::wstring command = L"\"" + own_path() + L"\" " + wide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION child{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
    return ~0ul;
  }
  ::WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = ~DWORD{0};
  ::GetExitCodeProcess(child.hProcess, &status);
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  return status;
}

void exit_on_first_exception() { ::AddVectoredExceptionHandler(1, exit_with_argument); }

}  // namespace wine_checks
