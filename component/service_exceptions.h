// The registry's errors for a service that must exist exactly once.
#pragma once

#include <exception>

class exception_service_not_found : public std::exception {
 public:
  const char* what() const noexcept override { return "Service not found"; }
};

class exception_service_duplicated : public std::exception {
 public:
  const char* what() const noexcept override { return "Service duplicated"; }
};
