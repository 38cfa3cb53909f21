// Marks the module's one exported function; every other symbol stays hidden.
#pragma once

#ifdef _WIN32
#define MELODARA_MODULE_EXPORT __declspec(dllexport)
#else
#define MELODARA_MODULE_EXPORT __attribute__((visibility("default")))
#endif
