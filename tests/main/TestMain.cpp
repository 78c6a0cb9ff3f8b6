#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__SANITIZE_THREAD__)
// The media libraries are not built for ThreadSanitizer: the codecs' own threads hand frames to
// each other through atomics it cannot see, so their memory work would read as races. What the
// libraries do inside themselves is left out; races in our code around them are still reported.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libavcodec.so.59\n"
           "called_from_lib:libavutil.so.57\n"
           "called_from_lib:libswscale.so.6\n"
           "called_from_lib:libavfilter.so.8\n";
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
