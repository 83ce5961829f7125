#pragma once
// A failed check names its line, so a crash report says which promise broke.
#include <cstdio>
#include <cstdlib>

#define Require(ok) RequireAt((ok), __LINE__)

inline void RequireAt(bool ok, int line)
{
    if (ok)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
