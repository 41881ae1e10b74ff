// The real game's music under Wine, seen in its multimedia trace: song 1 at the start, the next song at
// every new game, and song 1 again after the last file. Wine here has no MIDI output, so nothing is heard.
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>
#include "GameSession.h"
#include "Waiting.h"

namespace {
// The songs the game opened, in order, as the trace of its multimedia calls (WINEDEBUG=+mci) shows them:
// a file name, then the open's success. A missing file (the one after the last song) is tried but not opened.
std::vector<int> OpenedSongs(const std::string& traceFile) {
    static const std::regex asked(R"(MCI_Open lpstrElementName=L"song(\d+)\.mid")");
    static const std::regex opened(R"(MCI_Open wDevID=.* dwRet=0$)");
    std::ifstream trace(traceFile);
    std::vector<int> songs;
    std::string line;
    std::smatch match;
    int pending = 0;
    while (std::getline(trace, line)) {
        if (std::regex_search(line, match, asked))
            pending = std::stoi(match[1]);
        else if (pending != 0 && std::regex_search(line, opened))
            songs.push_back(pending), pending = 0;
    }
    return songs;
}

// The number of song files beside the game, counted from song1.mid up to the first missing one.
int SongsBesideTheGame() {
    int count = 0;
    while (GetFileAttributesA((GameSession::BinFolder() + "\\song" + std::to_string(count + 1) + ".mid").c_str()) !=
           INVALID_FILE_ATTRIBUTES)
        ++count;
    return count;
}

// Starts the game with its multimedia calls traced into the driver's error output.
bool StartTraced(GameSession& game) {
    char previous[256] = {};
    const DWORD length = GetEnvironmentVariableA("WINEDEBUG", previous, sizeof previous);
    SetEnvironmentVariableA("WINEDEBUG", "+mci");
    const bool started = game.Start();
    SetEnvironmentVariableA("WINEDEBUG", length > 0 && length < sizeof previous ? previous : nullptr);
    return started;
}
}  // namespace

TEST(MusicTraceTest, SongOneStartsAndEachNewGameOpensTheNextUntilTheSeriesWraps) {
    // Set by the e2e_music test, which sends the driver's error output, and with it the game's, to this file.
    const char* traceFile = std::getenv("ZARNOCK_MCI_TRACE");
    if (traceFile == nullptr) GTEST_SKIP() << "runs as the e2e_music test, which collects the trace";
    const int songs = SongsBesideTheGame();
    ASSERT_GE(songs, 8);

    GameSession game;
    game.UseQuietSettings();
    game.Registry().SetDword("Music", 1);
    ASSERT_TRUE(StartTraced(game));
    std::vector<int> expected = {1};
    ASSERT_TRUE(WaitUntil([&] { return OpenedSongs(traceFile) == expected; }, 5000)) << "song 1 at the start";
    for (int newGame = 1; newGame <= songs; ++newGame) {
        game.Window().PostKey(VK_F2);
        DialogSeen question;
        ASSERT_TRUE(game.Dialogs().WaitFor("New Game", 3000, question));
        DialogWatcher::Press(question, IDYES);
        expected.push_back(newGame % songs + 1);
        ASSERT_TRUE(WaitUntil([&] { return OpenedSongs(traceFile) == expected; }, 5000))
            << "after new game " << newGame << " the trace shows " << testing::PrintToString(OpenedSongs(traceFile));
    }
}
