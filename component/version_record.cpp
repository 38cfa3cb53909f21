#include "component/version_record.h"

#include "component/module_state.h"

namespace melodara {
namespace {

template <std::size_t N>
void set_constant(pfc::string_base& out, const char (&text)[N]) {
  out.set_text(text, N - 1);
}

constexpr char kComponentName[] = "Lyric Source - Melodara";
constexpr char kComponentVersion[] = MELODARA_VERSION;
// The build stamp comes from the compiler; SOURCE_DATE_EPOCH makes it reproducible.
constexpr char kAboutMessage[] =
    "foo_lyricsource_melodara " MELODARA_VERSION "\n"
    "Lyrics source support for website " MELODARA_SITE_HOST " with synced and unsynced lyrics.\n"
    "\n"
    "Made by the foo_lyricsource_melodara project for the foobar2000 lyrics panel.\n"
    "Pages are fetched only through the panel; the component keeps no settings.\n"
    "Build Date: " __DATE__ " " __TIME__ "\n";

}  // namespace

void componentversion_myimpl::get_file_name(pfc::string_base& out) {
  const pfc::string8& name = module_file_name();
  out.set_text(name.get_text(), name.text_length());
}

void componentversion_myimpl::get_component_name(pfc::string_base& out) {
  set_constant(out, kComponentName);
}

void componentversion_myimpl::get_component_version(pfc::string_base& out) {
  set_constant(out, kComponentVersion);
}

void componentversion_myimpl::get_about_message(pfc::string_base& out) {
  set_constant(out, kAboutMessage);
}

}  // namespace melodara
