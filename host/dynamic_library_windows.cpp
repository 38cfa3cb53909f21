#include <windows.h>

#include <stdexcept>
#include <string>

#include "host/dynamic_library.h"

namespace host {
namespace {

std::wstring wide_from_utf8(const std::string& text) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  if (size <= 0) throw std::runtime_error(text + ": not a UTF-8 path");
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), size);
  wide.pop_back();  // the terminator that the count included
  return wide;
}

std::string system_message(DWORD error) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length != 0 ? std::string(text, length) : "error " + std::to_string(error);
  ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

}  // namespace

void* open_library(const std::string& path) {
  const HMODULE library = ::LoadLibraryW(wide_from_utf8(path).c_str());
  if (library == nullptr) throw std::runtime_error(path + ": " + system_message(::GetLastError()));
  return library;
}

void* find_library_symbol(void* library, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace host
