// The module as the player meets it: the export, the client object, the factory records read
// as raw 32-bit words, the version texts, reference counts and queries, the stored records.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "checks.h"
#include "guid_text.h"
#include "component/componentversion.h"
#include "host/host_string.h"
#include "host/streams.h"
#include "runner.h"
#include "source/lyric_source_base.h"

namespace wine_checks {
namespace {

// {6E34F110-2814-4936-B88A-9AB391FE148C}: the component's own search requirements class.
constexpr GUID kCustomSearchRequirements = {
    0x6e34f110, 0x2814, 0x4936, {0xb8, 0x8a, 0x9a, 0xb3, 0x91, 0xfe, 0x14, 0x8c}};

std::int32_t count_of(service_base& object) {
  object.add_ref();
  return object.release();
}

std::uint32_t address_word(const void* address) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
}

void check_client(const context& run) {
  host::service_registry other;
  CHECK(run.module.entry_point()(&other, nullptr) == &run.module.client());
  run.module.entry_point()(&run.registry, nullptr);
  CHECK_EQ(run.module.client().client_version(), 77);
  CHECK(!run.module.client().is_debug_build());
}

void check_factory_records(const context& run) {
  const std::vector<service_factory_base*> records = run.module.factories();
  CHECK_EQ(records.size(), 3u);
  if (records.size() != 3) return;
  CHECK_EQ(*records[0]->class_guid, lyric_source_base::class_guid);
  CHECK_EQ(*records[1]->class_guid, kCustomSearchRequirements);
  CHECK_EQ(*records[2]->class_guid, componentversion::class_guid);
  // The player reads each record as three 32-bit words: table, next record, class GUID.
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::uint32_t words[3];
    std::memcpy(words, records[i], sizeof(words));
    CHECK_EQ(words[1], i + 1 < records.size() ? address_word(records[i + 1]) : 0u);
    CHECK_EQ(words[2], address_word(records[i]->class_guid));
  }
  // The version record's one object lies in the fourth word, and it is not counted.
  service_ptr_t<service_base> single;
  records[2]->create_instance(single);
  CHECK_EQ(address_word(single.get()), address_word(records[2]) + 12u);
  CHECK_EQ(single->add_ref(), 1);
  CHECK_EQ(single->release(), 1);
}

void check_version_texts(const context& run) {
  service_ptr_t<service_base> made = run.module.create(componentversion::class_guid);
  auto* version = static_cast<componentversion*>(made.get());
  host::text_string text("previous content");
  version->get_component_name(text);
  CHECK_EQ(text.str(), "Lyric Source - Melodara");
  version->get_component_version(text);
  CHECK_EQ(text.str(), "1.0");
  version->get_file_name(text);
  CHECK_EQ(text.str(), "foo_lyricsource_melodara.dll");
  version->get_about_message(text);
  CHECK_EQ(text.str().substr(0, 29), "foo_lyricsource_melodara 1.0\n");
  CHECK(text.str().find("\nBuild Date: ") != std::string::npos);
}

void check_counts_and_queries(const context& run) {
  for (const GUID& guid : {lyric_source_base::class_guid, kCustomSearchRequirements}) {
    service_ptr_t<service_base> first = run.module.create(guid);
    service_ptr_t<service_base> second = run.module.create(guid);
    CHECK(first.get() != second.get());
    CHECK_EQ(count_of(*first), 1);
    CHECK_EQ(first->add_ref(), 2);
    CHECK_EQ(first->release(), 1);

    service_ptr_t<service_base> out;
    CHECK(!first->query(out, componentversion::class_guid));
    CHECK(out.get() == nullptr);
    CHECK(first->query(out, guid));
    CHECK(out.get() == first.get());
    CHECK_EQ(count_of(*first), 2);
  }
}

std::vector<unsigned char> record(unsigned char tag, std::vector<unsigned char> data) {
  std::vector<unsigned char> bytes(16, tag);
  const auto size = static_cast<std::uint32_t>(data.size());
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(size >> shift));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "; ";
  return text;
}

// The module calls back into the player's stream, a 64-bit count among the arguments.
void check_stored_records(const context& run) {
  std::vector<unsigned char> stream = record(1, {9, 9, 9});
  const std::vector<unsigned char> second = record(2, {});
  stream.insert(stream.end(), second.begin(), second.end());
  host::memory_reader reader(stream);
  host::no_abort abort;
  run.module.client().load_config(&reader, abort);
  CHECK_EQ(joined(reader.calls()),
           "read 16 -> 16; read_exact 4; skip_exact 3; read 16 -> 16; read_exact 4; skip_exact 0; read 16 -> 0; ");
  host::memory_writer writer;
  run.module.client().store_config(&writer, abort);
  CHECK(writer.written().empty());
}

}  // namespace

void check_entry(const context& run) {
  check_client(run);
  check_factory_records(run);
  check_version_texts(run);
  check_counts_and_queries(run);
  check_stored_records(run);
}

}  // namespace wine_checks
