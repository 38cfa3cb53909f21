// A factory record of the component's service list. The player reads its three words
// directly and calls the one operation of its table.
#pragma once

#include "component/service.h"

class service_factory_base {
 public:
  // Stores a new reference to an instance of the service in the caller's holder `out`,
  // releasing what `out` held after the new one is counted. Raises pfc::exception_bad_alloc
  // when no instance can be built; `out` then keeps its old target.
  virtual void create_instance(service_ptr_t<service_base>& out) = 0;

  // The next record of the module's list; null at the end. Word 1.
  service_factory_base* next;
  // The class GUID under which this factory offers its instances. Word 2.
  const GUID* class_guid;

 protected:
  service_factory_base(service_factory_base* next_record, const GUID& guid) noexcept
      : next(next_record), class_guid(&guid) {}
  ~service_factory_base() = default;
};
static_assert(sizeof(service_factory_base) == 3 * sizeof(void*),
              "the player reads a factory record as three machine words");
