#pragma once
// A property that a fuzz input broke: say which and crash, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                      \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__,      \
                   #condition);                                                      \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)
