// The driver's entry point: runs the end-to-end tests, or with --play-for-screenshot plays a few moves
// and holds the game on screen while scripts/screenshot.sh takes its picture.
#include <gtest/gtest.h>
#include <cstring>
#include "ScreenshotPlay.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--play-for-screenshot") == 0) {
        ScreenshotPlay play(argv[2]);
        return play.Run();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
