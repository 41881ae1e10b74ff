// The series of songs: advancing, wrapping to the first song, and the end-of-song notice.
#include <cstdio>
#include <string>
#include "MainWindowFixture.h"

namespace {
// A folder of its own as the current directory, holding the given number of song files.
class MusicTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        GetCurrentDirectoryA(sizeof previousFolder, previousFolder);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "zarnock-songs";
        CreateDirectoryA(folder.c_str(), nullptr);
        SetCurrentDirectoryA(folder.c_str());
        Settings.Music = 1;
        TheApp.SongNumber = 0;
        TheApp.MusicDevice = 0;
    }

    void TearDown() override {
        TheApp.StopMusic();
        Settings.Music = 0;
        for (int i = 1; i <= 3; ++i)
            DeleteFileA(SongName(i).c_str());
        SetCurrentDirectoryA(previousFolder);
        RemoveDirectoryA(folder.c_str());
        TheApp.SongNumber = 0;
        MainWindowFixture::TearDown();
    }

    static std::string SongName(int number) { return "song" + std::to_string(number) + ".mid"; }

    // A short valid one-track MIDI file: one note.
    static void WriteSong(int number) {
        static const unsigned char song[] = {
            'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
            'M', 'T', 'r', 'k', 0, 0, 0, 12,
            0x00, 0x90, 60, 100,  // note on
            0x60, 0x80, 60, 0,    // note off a quarter later
            0x00, 0xFF, 0x2F, 0,  // end of track
        };
        FILE* file = std::fopen(SongName(number).c_str(), "wb");
        ASSERT_NE(nullptr, file);
        std::fwrite(song, 1, sizeof song, file);
        std::fclose(file);
    }

    char previousFolder[MAX_PATH] = {};
    std::string folder;
};

TEST_F(MusicTest, WithoutSongFilesNothingPlaysAndTheSeriesStaysAtTheFirstSong) {
    TheApp.PlayNextSong(window);
    EXPECT_EQ(1, TheApp.SongNumber);
    EXPECT_EQ(0u, TheApp.MusicDevice);
    TheApp.PlayNextSong(window);
    EXPECT_EQ(1, TheApp.SongNumber);
    EXPECT_EQ(0u, TheApp.MusicDevice);
}

TEST_F(MusicTest, MusicOffLeavesTheSeriesAlone) {
    Settings.Music = 0;
    TheApp.SongNumber = 4;
    TheApp.PlayNextSong(window);
    EXPECT_EQ(4, TheApp.SongNumber);
    EXPECT_EQ(0u, TheApp.OpenAndPlaySong(window, "song1.mid"));
    EXPECT_EQ(0u, TheApp.MusicDevice);
}

TEST_F(MusicTest, TheLastSongNumberWrapsToTheFirst) {
    TheApp.SongNumber = 999;
    TheApp.PlayNextSong(window);
    EXPECT_EQ(1, TheApp.SongNumber);
}

TEST_F(MusicTest, SongsPlayInTurnAndWrapAfterTheLastFile) {
    WriteSong(1);
    WriteSong(2);
    if (TheApp.OpenAndPlaySong(window, "song1.mid") != 0)
        GTEST_SKIP() << "the sequencer cannot play here";
    TheApp.StopMusic();
    const int expected[] = {1, 2, 1, 2, 1};
    for (int song : expected) {
        TheApp.StopMusic();
        TheApp.PlayNextSong(window);
        EXPECT_EQ(song, TheApp.SongNumber);
        EXPECT_NE(0u, TheApp.MusicDevice);
    }
}

TEST_F(MusicTest, EndOfSongStartsTheNextUnlessSuppressed) {
    WriteSong(1);
    WriteSong(2);
    TheApp.PlayNextSong(window);
    if (TheApp.MusicDevice == 0)
        GTEST_SKIP() << "the sequencer cannot play here";
    TheApp.MusicSuppress = 1;
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_ABORTED, TheApp.MusicDevice);
    EXPECT_EQ(1, TheApp.SongNumber);
    EXPECT_EQ(0, TheApp.MusicSuppress);
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, TheApp.MusicDevice);
    EXPECT_EQ(2, TheApp.SongNumber);
    EXPECT_NE(0u, TheApp.MusicDevice);
}

// The number of sequencer devices open in this process.
DWORD OpenSequencers() {
    DWORD count = 0;
    MCI_SYSINFO_PARMSA info = {};
    info.lpstrReturn = reinterpret_cast<char*>(&count);
    info.dwRetSize = sizeof count;
    info.wDeviceType = MCI_DEVTYPE_SEQUENCER;
    mciSendCommandA(0, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN, reinterpret_cast<DWORD_PTR>(&info));
    return count;
}

TEST_F(MusicTest, NextSongWhileOneIsStillOpenClosesItWithoutSkippingASong) {
    WriteSong(1);
    WriteSong(2);
    WriteSong(3);
    TheApp.PlayNextSong(window);
    if (TheApp.MusicDevice == 0)
        GTEST_SKIP() << "the sequencer cannot play here";
    TheApp.PlayNextSong(window);  // as a new game from the options does, with the song still open
    EXPECT_EQ(2, TheApp.SongNumber);
    EXPECT_NE(0u, TheApp.MusicDevice);
    EXPECT_EQ(1u, OpenSequencers());
    // The closed song's notice does not move the series on.
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 0);
    EXPECT_EQ(2, TheApp.SongNumber);
    EXPECT_EQ(0, TheApp.MusicSuppress);
}

TEST_F(MusicTest, NoticeBeforeAnySongDoesNothing) {
    WriteSong(1);
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    EXPECT_EQ(0, TheApp.SongNumber);
    EXPECT_EQ(0u, TheApp.MusicDevice);
}

TEST_F(MusicTest, GameOverStopsTheMusicButKeepsTheSongNumber) {
    WriteSong(1);
    StartGame();
    TheApp.PlayNextSong(window);
    TheApp.GameOver(window, 0);
    EXPECT_EQ(0u, TheApp.MusicDevice);
    // The closing notice may arrive during the play-again question; it must not start the next song.
    EXPECT_EQ(1, TheApp.SongNumber);
}
}  // namespace
