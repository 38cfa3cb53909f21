// Opens the built module as the player does, with a registry of the test's own that holds the
// module's factories, and reaches the module only through its export and tables.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/host_string.h"
#include "host/module.h"
#include "host/registry.h"
#include "source/lyric_source_base.h"

class module_test : public ::testing::Test {
 protected:
  module_test() { registry.add_factories(module.client().service_list()); }

  // A new lyric source from the module's factory, count 1.
  service_ptr_t<lyric_source_base> new_source() {
    service_ptr_t<service_base> made = module.create(lyric_source_base::class_guid);
    return service_ptr_t<lyric_source_base>::adopt(static_cast<lyric_source_base*>(made.detach()));
  }

  // The count of `object` as add_ref and release report it, leaving it unchanged.
  static std::int32_t count_of(service_base& object) {
    object.add_ref();
    return object.release();
  }

  host::service_registry registry;
  host::loaded_module module{MELODARA_MODULE_PATH, registry};
};
