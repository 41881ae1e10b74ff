// The series of songs on a scripted multimedia system: order and wrapping, failures, and which notices
// start the next song.
#include <gtest/gtest.h>
#include "support/WideText.h"
#include "audio/MusicPlayer.h"
#include "support/GameTestEnvironment.h"
#include "support/ScriptedMci.h"

namespace {
HWND const Window = reinterpret_cast<HWND>(0x1234);

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { Settings.Music = 1; }
    // The notice the system sends when the song that is playing now comes to its end.
    void EndTheSong(MusicPlayer& player) { player.OnNotify(Window, MCI_NOTIFY_SUCCESSFUL, player.MusicDevice); }
    ScopedSettings restore;
};

TEST_F(MusicPlayerTest, SongsFollowOneAnotherAndWrapAfterTheLastFile) {
    EXPECT_EQ(L"song999.mid", SongFileName(LastSongNumber));
    EXPECT_EQ(L"", SongFileName(LastSongNumber + 1));
    const struct {
        int files;
        std::vector<int> played;
        int startAfter;
    } cases[] = {{2, {1, 2, 1, 2, 1}, 0}, {8, {1, 2, 3, 4, 5, 6, 7, 8, 1, 2}, 0}, {1, {1, 1, 1}, 0},
                 {1000, {1, 2}, LastSongNumber}};  // song numbers end at 999
    for (const auto& c : cases) {
        ScriptedMci mci(c.files);
        MusicPlayer player(mci.Command());
        player.SongNumber = c.startAfter;
        player.PlayNextSong(Window);
        while (mci.opened.size() < c.played.size()) EndTheSong(player);
        EXPECT_EQ(c.played, mci.OpenedNumbers()) << c.files << " files";
        EXPECT_EQ(1u, mci.openDevices.size());
        EXPECT_EQ(Window, mci.notified);
    }
}

TEST_F(MusicPlayerTest, WithoutSongsOrMusicNothingOpens) {
    ScriptedMci mci(0);
    MusicPlayer player(mci.Command());
    player.PlayNextSong(Window);
    player.PlayNextSong(Window);
    EXPECT_EQ(1, player.SongNumber);  // song 1 is missing too: the series waits there
    EXPECT_EQ(0u, player.MusicDevice);

    ScriptedMci songs(3);
    MusicPlayer silent(songs.Command());
    Settings.Music = 0;
    silent.PlayNextSong(Window);
    EXPECT_EQ(0u, silent.OpenAndPlaySong(Window, L"song1.mid"));
    EXPECT_TRUE(songs.opened.empty());
    EXPECT_EQ(0, silent.SongNumber);

    // Music switched off with no song open sends no command at all.
    int commands = 0;
    MusicPlayer idle([&](MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR) {
        ++commands;
        return MCIERROR(0);
    });
    idle.StopMusic();
    EXPECT_EQ(0, commands);
}

TEST_F(MusicPlayerTest, ASongThatCannotPlayIsClosedAndTheSeriesStartsAgain) {
    ScriptedMci mci(3);
    mci.statusErrors["song2.mid"] = MCIERR_SEQ_PORT_INUSE;
    mci.playErrors["song3.mid"] = MCIERR_SEQ_NOMIDIPRESENT;
    MusicPlayer player(mci.Command());
    player.PlayNextSong(Window);
    EndTheSong(player);  // song 2 fails its status: back to song 1
    EXPECT_EQ((std::vector<int>{1, 2, 1}), mci.OpenedNumbers());
    EXPECT_EQ(1, player.SongNumber);
    player.SongNumber = 2;
    EndTheSong(player);  // song 3 fails to play: back to song 1
    EXPECT_EQ((std::vector<int>{1, 2, 1, 3, 1}), mci.OpenedNumbers());
    EXPECT_EQ(1u, mci.openDevices.size());
    EXPECT_EQ(MCIERR_SEQ_NOMIDIPRESENT, player.OpenAndPlaySong(Window, L"song3.mid"));
    EXPECT_EQ(0u, player.MusicDevice);
}

TEST_F(MusicPlayerTest, OnlyTheEndOfTheSongPlayingNowStartsTheNext) {
    const struct {
        WPARAM status;
        int device;  // 0 the open song's device, 1 the closed one before it, 2 one never opened here, 3 none
        bool next;
    } cases[] = {
        {MCI_NOTIFY_SUCCESSFUL, 0, true},  {MCI_NOTIFY_FAILURE, 0, true},     {MCI_NOTIFY_ABORTED, 0, false},
        {MCI_NOTIFY_SUPERSEDED, 0, false}, {MCI_NOTIFY_SUCCESSFUL, 1, false}, {MCI_NOTIFY_FAILURE, 1, false},
        {MCI_NOTIFY_SUCCESSFUL, 2, false}, {MCI_NOTIFY_SUCCESSFUL, 3, false},
    };
    for (const auto& c : cases) {
        ScriptedMci mci(3);
        MusicPlayer player(mci.Command());
        player.PlayNextSong(Window);
        const MCIDEVICEID closed = player.MusicDevice;
        EndTheSong(player);
        const MCIDEVICEID devices[] = {player.MusicDevice, closed, 99, 0};
        player.OnNotify(Window, c.status, devices[c.device]);
        EXPECT_EQ(c.next ? 3u : 2u, mci.opened.size()) << "status " << c.status << ", device " << c.device;
        EXPECT_EQ(1u, mci.openDevices.size());
    }
}

TEST_F(MusicPlayerTest, OnlyAClosedSongSilencesTheNextNotice) {
    ScriptedMci mci(3);
    MusicPlayer player(mci.Command());
    player.StopAndIgnoreNotice();  // a game over with no song playing
    EXPECT_EQ(0, player.MusicSuppress);
    player.PlayNextSong(Window);
    EndTheSong(player);
    EXPECT_EQ(2, player.SongNumber);

    player.StopAndIgnoreNotice();  // a game over while song 2 plays
    EXPECT_EQ(1, player.MusicSuppress);
    EXPECT_TRUE(mci.openDevices.empty());
    player.OnNotify(Window, MCI_NOTIFY_ABORTED, 0);
    EXPECT_EQ(0, player.MusicSuppress);
    player.PlayNextSong(Window);  // the next game
    EndTheSong(player);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 1}), mci.OpenedNumbers());
}

TEST_F(MusicPlayerTest, TheNextSongClosesOneStillPlayingAndTheLastIsClosedAtTheEnd) {
    ScriptedMci mci(3);
    {
        MusicPlayer player(mci.Command());
        player.PlayNextSong(Window);
        player.PlayNextSong(Window);  // a new game from the Options dialog, with song 1 still playing
        EXPECT_EQ(1u, mci.openDevices.size());
        player.OnNotify(Window, MCI_NOTIFY_ABORTED, 11);
        EndTheSong(player);
        EXPECT_EQ((std::vector<int>{1, 2, 3}), mci.OpenedNumbers());
    }
    EXPECT_TRUE(mci.openDevices.empty());
}
TEST_F(MusicPlayerTest, ASongMissingFromTheCurrentFolderIsOpenedBesideTheProgram) {
    char previous[MAX_PATH], temp[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    GetTempPathA(sizeof temp, temp);
    const std::string here = std::string(temp) + "zarnock-here", program = std::string(temp) + "zarnock-program\\";
    CreateDirectoryA(here.c_str(), nullptr);
    CreateDirectoryA(program.c_str(), nullptr);
    CloseHandle(CreateFileA((program + "song1.mid").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SetCurrentDirectoryA(here.c_str());
    ScriptedMci mci(2);
    MusicPlayer player(mci.Command());
    player.ProgramFolder = Wide(program);
    player.PlayNextSong(Window);
    EndTheSong(player);  // song 2 is in neither folder: the system is asked for it by its name
    SetCurrentDirectoryA(previous);
    DeleteFileA((program + "song1.mid").c_str());
    RemoveDirectoryA(program.c_str());
    RemoveDirectoryA(here.c_str());
    EXPECT_EQ((std::vector<std::string>{program + "song1.mid", "song2.mid"}), mci.opened);
}
}  // namespace
