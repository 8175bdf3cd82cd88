// The fuzz targets' assertion: unlike assert it stays on in any build, and
// it names the broken property so a crash report reads on its own.
#pragma once

#include <cstdio>
#include <cstdlib>

#define CHECK(condition)                                                                    \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
