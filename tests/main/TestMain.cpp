#include <gtest/gtest.h>

#include <cstdlib>

#if defined(VC_TSAN_SUPPRESSIONS)
#include "TsanSuppressions.h"
// ThreadSanitizer asks for these before main runs; the reports shown to be false are listed with
// their reasons in tests/tsan.supp.
extern "C" const char* __tsan_default_suppressions() {
    return kTsanSuppressions;
}
#endif

// Every test program starts here, so the environment is the same whether CTest or a developer
// runs it: SDL draws and plays into nothing, and the media fixtures land in the build folder.
// A variable already set by the caller wins.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VC_FIXTURES_DIR", VC_DEFAULT_FIXTURES_DIR, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
