// The driver's entry point: the end-to-end tests, or with --play-for-screenshot the moves for the screenshot.
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
