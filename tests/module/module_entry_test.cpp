// The module as the player meets it: the export, the client object, the factory list, the
// version record and the configuration streams.
#include <cstring>
#include <regex>
#include <vector>

#include "component/componentversion.h"
#include "host/dynamic_library.h"
#include "host/panel_objects.h"
#include "host/streams.h"
#include "module_fixture.h"
#include "source/search_requirements.h"

namespace {

// {6E34F110-2814-4936-B88A-9AB391FE148C}: the component's own search requirements class.
constexpr GUID kCustomSearchRequirements = {
    0x6e34f110, 0x2814, 0x4936, {0xb8, 0x8a, 0x9a, 0xb3, 0x91, 0xfe, 0x14, 0x8c}};

// A service of the test's own, to see what the component does with a holder's old target.
class old_target : public host::counted<service_base> {};

service_ptr_t<componentversion> version_record(const host::loaded_module& module) {
  service_ptr_t<service_base> made = module.create(componentversion::class_guid);
  return service_ptr_t<componentversion>::adopt(static_cast<componentversion*>(made.detach()));
}

}  // namespace

TEST_F(module_test, ExportReturnsTheSameClientEveryTime) {
  host::service_registry other;
  component_client* again = module.entry_point()(&other, nullptr);
  EXPECT_EQ(again, &module.client());
  EXPECT_EQ(module.client().client_version(), 77);
  EXPECT_FALSE(module.client().is_debug_build());
  module.client().set_services_ready(true);
  module.client().set_services_ready(false);
}

TEST_F(module_test, FactoryListHoldsSourceRequirementsAndVersionInThatOrder) {
  const std::vector<service_factory_base*> records = module.factories();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(*records[0]->class_guid, lyric_source_base::class_guid);
  EXPECT_EQ(*records[1]->class_guid, kCustomSearchRequirements);
  EXPECT_EQ(*records[2]->class_guid, componentversion::class_guid);

  // The player reads the records as raw words: table, next, GUID pointer; the version record's
  // single object lies in the fourth word.
  for (std::size_t i = 0; i < records.size(); ++i) {
    void* words[3];
    std::memcpy(words, records[i], sizeof(words));
    EXPECT_EQ(words[1], i + 1 < records.size() ? records[i + 1] : nullptr);
    EXPECT_EQ(words[2], records[i]->class_guid);
  }
  service_ptr_t<service_base> single;
  records[2]->create_instance(single);
  EXPECT_EQ(static_cast<void*>(single.get()), reinterpret_cast<void**>(records[2]) + 3);
}

TEST_F(module_test, CountedFactoriesHandOutDistinctObjectsAndTheVersionFactoryOne) {
  for (const GUID& guid : {lyric_source_base::class_guid, kCustomSearchRequirements}) {
    service_ptr_t<service_base> a = module.create(guid);
    service_ptr_t<service_base> b = module.create(guid);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(count_of(*a), 1);
    EXPECT_EQ(count_of(*b), 1);
  }
  EXPECT_EQ(module.create(componentversion::class_guid).get(),
            module.create(componentversion::class_guid).get());
}

TEST_F(module_test, CreateInstanceReleasesTheOldTargetOnceAfterCountingTheNewOne) {
  for (service_factory_base* record : module.factories()) {
    old_target old;
    service_ptr_t<service_base> out;
    out.copy(&old);
    ASSERT_EQ(old.count(), 2);
    record->create_instance(out);
    EXPECT_EQ(old.releases(), 1);
    EXPECT_EQ(old.count(), 1);
    EXPECT_NE(static_cast<service_base*>(&old), out.get());
  }
}

TEST_F(module_test, QueryAnswersOnlyTheFactoryClassGuid) {
  struct case_t {
    GUID factory;
    GUID refused;
  };
  for (const case_t& c : {case_t{lyric_source_base::class_guid, componentversion::class_guid},
                          case_t{kCustomSearchRequirements, search_requirements::class_guid},
                          case_t{componentversion::class_guid, lyric_source_base::class_guid}}) {
    service_ptr_t<service_base> object = module.create(c.factory);
    const bool counted = c.factory != componentversion::class_guid;
    old_target old;
    service_ptr_t<service_base> out;
    out.copy(&old);

    EXPECT_FALSE(object->query(out, c.refused));
    EXPECT_EQ(out.get(), &old);
    if (counted) {
      EXPECT_EQ(count_of(*object), 1);
    }

    EXPECT_TRUE(object->query(out, c.factory));
    EXPECT_EQ(out.get(), object.get());
    EXPECT_EQ(old.releases(), 1);
    if (counted) {
      EXPECT_EQ(count_of(*object), 2);
    }
  }
}

TEST_F(module_test, QueryIntoAHolderOfTheSameObjectKeepsItAlive) {
  service_ptr_t<service_base> only = module.create(lyric_source_base::class_guid);
  EXPECT_TRUE(only->query(only, lyric_source_base::class_guid));
  EXPECT_EQ(count_of(*only), 1);
}

TEST_F(module_test, VersionTextsReplaceWhatTheStringHeld) {
  service_ptr_t<componentversion> version = version_record(module);
  host::text_string text("previous content that must go");
  version->get_component_name(text);
  EXPECT_EQ(text.str(), "Lyric Source - Melodara");
  version->get_component_version(text);
  EXPECT_EQ(text.str(), "1.0");
  version->get_file_name(text);
  EXPECT_EQ(text.str(), "foo_lyricsource_melodara.so");

  version->get_about_message(text);
  static const std::regex about(
      "foo_lyricsource_melodara 1\\.0\n"
      "Lyrics source support for website www\\.melodara\\.com with synced and unsynced lyrics\\.\n"
      "\n"
      "([^\n]+\n){1,2}"
      "Build Date: (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4} "
      "[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\n");
  EXPECT_TRUE(std::regex_match(text.str(), about)) << text.str();
}

TEST_F(module_test, SetModulePathReplacesTheFileName) {
  service_ptr_t<componentversion> version = version_record(module);
  host::text_string name;
  module.client().set_module_path("C:\\player\\components\\foo_lyricsource_melodara.dll",
                                  "foo_lyricsource_melodara.dll");
  version->get_file_name(name);
  EXPECT_EQ(name.str(), "foo_lyricsource_melodara.dll");
  module.client().set_module_path("", "");
  version->get_file_name(name);
  EXPECT_EQ(name.str(), "");
}

TEST(module_before_path, FileNameIsEmptyUntilThePlayerHandsItOver) {
  EXPECT_EXIT(
      {
        host::service_registry registry;
        auto entry = reinterpret_cast<foobar2000_get_interface_t>(host::find_library_symbol(
            host::open_library(MELODARA_MODULE_PATH), foobar2000_get_interface_name));
        component_client* client = entry(&registry, nullptr);
        service_ptr_t<service_base> made;
        client->service_list()->next->next->create_instance(made);
        host::text_string name("stale");
        static_cast<componentversion*>(made.get())->get_file_name(name);
        std::exit(name.str().empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

namespace {

std::vector<unsigned char> record(unsigned char tag, std::vector<unsigned char> data) {
  std::vector<unsigned char> bytes(16, tag);
  const auto size = static_cast<std::uint32_t>(data.size());
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(size >> shift));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

}  // namespace

TEST_F(module_test, LoadConfigSkipsEveryRecordAndStopsAtAShortGuid) {
  std::vector<unsigned char> two = record(1, {9, 9, 9});
  const std::vector<unsigned char> second = record(2, {});
  two.insert(two.end(), second.begin(), second.end());
  struct case_t {
    const char* name;
    std::vector<unsigned char> stream;
    std::vector<std::string> calls;
  };
  const case_t cases[] = {
      {"empty", {}, {"read 16 -> 0"}},
      {"two records", two,
       {"read 16 -> 16", "read_exact 4", "skip_exact 3", "read 16 -> 16", "read_exact 4",
        "skip_exact 0", "read 16 -> 0"}},
      {"cut ten bytes into a guid", std::vector<unsigned char>(10, 7), {"read 16 -> 10"}},
  };
  for (const case_t& c : cases) {
    host::memory_reader reader(c.stream);
    host::no_abort abort;
    module.client().load_config(&reader, abort);
    EXPECT_EQ(reader.calls(), c.calls) << c.name;
  }
}

TEST_F(module_test, LoadConfigLetsTheStreamsErrorsThrough) {
  host::no_abort abort;
  host::memory_reader failing(record(1, {1, 2}));
  failing.fail_next_read_exact();
  EXPECT_THROW(module.client().load_config(&failing, abort), host::stream_error);

  std::vector<unsigned char> cut = record(1, {1, 2, 3});
  cut.pop_back();
  host::memory_reader short_data(cut);
  try {
    module.client().load_config(&short_data, abort);
    FAIL() << "a record cut short must raise the stream's error";
  } catch (const host::stream_error& error) {
    EXPECT_STREQ(error.what(), "unexpected end of stream");
  }
}

TEST_F(module_test, StoreConfigWritesNothing) {
  host::memory_writer writer;
  host::no_abort abort;
  module.client().store_config(&writer, abort);
  EXPECT_TRUE(writer.written().empty());
}
