// Measurements of the real zarnock.exe from outside: start-up against the yardstick game, memory, key to
// screen, and memory after games played by a bot that posts keys and answers the end-of-game questions.
#pragma once
#include <windows.h>
#include <string>
#include "BenchTable.h"

struct MemoryFigures {
    double privateMb = 0;
    double workingSetMb = 0;
};

class GameBench {
public:
    // `launches`: start-ups of each program; `fewGames` and `manyGames`: the two points of the memory check.
    GameBench(int launches, int fewGames, int manyGames);
    virtual ~GameBench() = default;

    void MeasureStartup(BenchTable& table);
    void MeasureKeyToScreen(BenchTable& table) const;
    void MeasureGames(BenchTable& table) const;
    // Private bytes after the few games are then held to this figure (of a run at 96 dpi, in MB) plus the
    // card images of the display's density and 1 MB, instead of the fixed limit.
    void CompareGamesWith(double privateMbAt96Dpi) { referencePrivateMb = privateMbAt96Dpi; }
    void MeasureSizes(BenchTable& table) const;

    static std::string BinFolder();
    // The 32-bit winemine: system32 of a 32-bit prefix, syswow64 of a 64-bit one.
    static std::string YardstickPath();

private:
    int launches;
    int fewGames;
    int manyGames;
    double yardstickWorkingSetMb = 0;
    double referencePrivateMb = 0;  // none: the fixed limit holds
};
