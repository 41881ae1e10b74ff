// bench_driver [launches] [few games] [many games]: measures the game and prints one Markdown table.
// bench_driver --density-rows [launches] [games] [MB]: only what the display's density changes (the first draw
// of a card, the tick, the private bytes after the games), each row named with the density; MB, the private
// bytes after as many games at 96 dpi, is what the private bytes here are held to (with the images and 1 MB).
// Exit code 0 when every measurement could be made (misses of targets included), 1 otherwise.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "BenchTable.h"
#include "GameBench.h"
#include "InProcessBench.h"
#include "system/DisplayScale.h"

namespace {
int Argument(int argc, char** argv, int index, int fallback) {
    return index < argc ? std::atoi(argv[index]) : fallback;
}
}  // namespace

int DensityRows(int argc, char** argv) {
    const int launches = Argument(argc, argv, 2, 11);
    const int games = Argument(argc, argv, 3, 10);
    BenchTable table;
    table.nameSuffix = " at " + std::to_string(DisplayScale::SystemDpi()) + " dpi";
    InProcessBench inProcess(launches);
    inProcess.MeasureCardLibrary(table);
    inProcess.MeasureTick(table);
    GameBench game(launches, games, games);
    if (argc > 4) game.CompareGamesWith(std::atof(argv[4]));
    game.MeasureGames(table);
    std::fputs(table.Markdown().c_str(), stdout);
    return table.Failures() == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--density-rows") return DensityRows(argc, argv);
    const int launches = Argument(argc, argv, 1, 11);
    const int fewGames = Argument(argc, argv, 2, 10);
    const int manyGames = Argument(argc, argv, 3, 100);
    if (launches < 1 || fewGames < 1 || manyGames < fewGames) {
        std::fprintf(stderr, "usage: bench_driver [launches] [few games] [many games >= few]\n");
        return 2;
    }
    BenchTable table;
    GameBench game(launches, fewGames, manyGames);
    game.MeasureStartup(table);
    InProcessBench inProcess(launches);
    inProcess.MeasureCardLibrary(table);
    inProcess.MeasureTick(table);
    game.MeasureKeyToScreen(table);
    inProcess.MeasureCollapse(table);
    game.MeasureGames(table);
    game.MeasureSizes(table);
    std::fputs(table.Markdown().c_str(), stdout);
    return table.Failures() == 0 ? 0 : 1;
}
