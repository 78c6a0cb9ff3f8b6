#include <gtest/gtest.h>

#include <cstdlib>

// Every test program starts here, so the environment is the same whether CTest or a developer
// runs it: SDL draws and plays into nothing, and the media fixtures land in the build folder.
// A variable already set by the caller wins.
int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VC_FIXTURES_DIR", VC_DEFAULT_FIXTURES_DIR, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
