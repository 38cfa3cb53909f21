// The DLL as the player's loader meets it: a 32-bit Intel image that exports one plain C name
// and needs nothing but system DLLs, so that it loads with no MinGW run-time beside it and
// without the player's shared.dll being linked.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "checks.h"
#include "host/dynamic_library.h"
#include "image_checks.h"

namespace wine_checks {
namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string joined(const std::set<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
  return text;
}

}  // namespace

void check_image(const std::string& module_path) {
  const auto* base = static_cast<const unsigned char*>(host::open_library(module_path));
  const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos.e_lfanew);
  CHECK_EQ(nt.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  CHECK_EQ(nt.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  CHECK((nt.FileHeader.Characteristics & IMAGE_FILE_DLL) != 0);

  const IMAGE_DATA_DIRECTORY& export_entry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto& exports = *reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + export_entry.VirtualAddress);
  const auto* name_offsets = reinterpret_cast<const DWORD*>(base + exports.AddressOfNames);
  std::set<std::string> exported;
  for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
    exported.insert(reinterpret_cast<const char*>(base + name_offsets[i]));
  }
  CHECK_EQ(joined(exported), "foobar2000_get_interface");
  CHECK_EQ(exports.NumberOfFunctions, 1u);

  const IMAGE_DATA_DIRECTORY& import_entry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  std::set<std::string> imported, unexpected;
  for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + import_entry.VirtualAddress);
       entry->Name != 0; ++entry) {
    imported.insert(lower(reinterpret_cast<const char*>(base + entry->Name)));
  }
  for (const std::string& name : imported) {
    if (name != "kernel32.dll" && name != "msvcrt.dll" && name != "user32.dll") unexpected.insert(name);
  }
  CHECK(imported.count("kernel32.dll") == 1);
  CHECK_EQ(joined(unexpected), "");
}

}  // namespace wine_checks
