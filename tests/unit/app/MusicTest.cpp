// The music in the running program: end-of-song notices through the real message queue, a game over, the
// Music box of the Options dialog, and a folder without songs.
#include <cstdio>
#include <string>
#include "MainWindowFixture.h"
#include "support/ScriptedMci.h"

namespace {
// A folder of its own as the current directory, holding the song files a test writes.
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
    }

    void TearDown() override {
        MainWindowFixture::TearDown();  // closing the window closes the song
        TheApp.music.SetCommand(mciSendCommandW);
        TheApp.music.SongNumber = 0;
        TheApp.music.MusicSuppress = 0;
        for (int i = 1; i <= 3; ++i)
            DeleteFileW(SongFileName(i).c_str());
        SetCurrentDirectoryA(previousFolder);
        RemoveDirectoryA(folder.c_str());
    }

    // A valid one-track MIDI file: one note of about forty seconds, so no test outlasts it.
    static void WriteSong(int number) {
        static const unsigned char song[] = {
            'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
            'M', 'T', 'r', 'k', 0, 0, 0, 13,
            0x00, 0x90, 60, 100,        // note on
            0xBF, 0x7F, 0x80, 60, 0,    // note off 8191 ticks later
            0x00, 0xFF, 0x2F, 0,        // end of track
        };
        FILE* file = _wfopen(SongFileName(number).c_str(), L"wb");
        ASSERT_NE(nullptr, file);
        std::fwrite(song, 1, sizeof song, file);
        std::fclose(file);
    }

    // Dispatches messages until none has come for a while: the multimedia system posts its notices from
    // threads of its own. Stops after a few thousand, so that endless churn ends the test instead of hanging it.
    static int PumpMessages() {
        MSG message;
        int dispatched = 0;
        DWORD quietSince = timeGetTime();
        while (timeGetTime() - quietSince < 300 && dispatched < 3000) {
            if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(5);
                continue;
            }
            DispatchMessageA(&message);
            quietSince = timeGetTime();
            ++dispatched;
        }
        return dispatched;
    }

    void PostNotice(WPARAM status, MCIDEVICEID device) { PostMessageA(window, MM_MCINOTIFY, status, device); }

    // Runs the Options dialog, clicking its Music box, and confirms it.
    void ToggleMusicInOptions(MessageBoxAnswerer::AnswerFunction more = nullptr) {
        MessageBoxAnswerer answerer([&](const SeenDialog& seen) {
            if (seen.caption != "Options") return more ? more(seen) : IDOK;
            PostMessageA(seen.window, WM_COMMAND, MAKEWPARAM(IDC_MUSIC, BN_CLICKED), 0);
            return IDOK;
        });
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_OPTIONS, 0), 0);
        shown += static_cast<int>(answerer.Seen().size());
    }

    char previousFolder[MAX_PATH] = {};
    std::string folder;
    int shown = 0;
};

TEST_F(MusicTest, NoticesThatDoNotEndThePlayingSongStartNothing) {
    WriteSong(1);
    WriteSong(2);
    WriteSong(3);
    int opens = 0;
    TheApp.music.SetCommand([&](MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
        opens += message == MCI_OPEN;
        return mciSendCommandW(device, message, flags, parameters);
    });
    TheApp.music.PlayNextSong(window);
    const MCIDEVICEID first = TheApp.music.MusicDevice;
    ASSERT_NE(0u, first) << "the sequencer cannot open a song here";
    PostNotice(MCI_NOTIFY_ABORTED, first);
    PostNotice(MCI_NOTIFY_SUPERSEDED, first);
    PostNotice(MCI_NOTIFY_SUCCESSFUL, first + 100);
    PumpMessages();
    EXPECT_EQ(1, opens);

    TheApp.music.PlayNextSong(window);  // song 2 in place of song 1: the system sends its own aborted notice
    ASSERT_NE(0u, TheApp.music.MusicDevice);
    if (TheApp.music.MusicDevice != first) PostNotice(MCI_NOTIFY_SUCCESSFUL, first);
    PostNotice(MCI_NOTIFY_FAILURE, 0);
    PumpMessages();
    EXPECT_EQ(2, opens);
    EXPECT_EQ(2, TheApp.music.SongNumber);

    PostNotice(MCI_NOTIFY_SUCCESSFUL, TheApp.music.MusicDevice);  // the end of song 2
    PumpMessages();
    EXPECT_EQ(3, opens);
    EXPECT_EQ(3, TheApp.music.SongNumber);
}

TEST_F(MusicTest, MusicOnInOptionsStartsTheNextSongAndOffClosesIt) {
    ScriptedMci mci(3);
    TheApp.music.SetCommand(mci.Command());
    Settings.Music = 0;
    StartGame();
    TheApp.GameOver(window, NoRoomForCard);  // nothing was playing: the next notice is not to be ignored
    TheApp.GameIsOver = 1;
    StartGame();
    ToggleMusicInOptions();
    EXPECT_EQ(1, Settings.Music);
    EXPECT_EQ((std::vector<int>{1}), mci.OpenedNumbers());
    EXPECT_EQ(window, mci.notified);
    PostNotice(MCI_NOTIFY_SUCCESSFUL, TheApp.music.MusicDevice);
    PumpMessages();
    EXPECT_EQ((std::vector<int>{1, 2}), mci.OpenedNumbers());

    ToggleMusicInOptions();
    EXPECT_EQ(0, Settings.Music);
    EXPECT_TRUE(mci.openDevices.empty());
    EXPECT_EQ(0u, TheApp.music.MusicDevice);
    EXPECT_EQ(2, TheApp.music.SongNumber);
    EXPECT_EQ(0, TheApp.music.MusicSuppress);
}

TEST_F(MusicTest, WithoutSongFilesMusicOnShowsNothing) {
    ScriptedMci mci(0);  // the real system would find the songs beside this test program
    TheApp.music.SetCommand(mci.Command());
    Settings.Music = 0;
    StartGame();
    ToggleMusicInOptions([](const SeenDialog&) { return IDOK; });
    EXPECT_EQ(1, Settings.Music);
    EXPECT_EQ(1, shown);  // the Options dialog alone
    EXPECT_EQ(0u, TheApp.music.MusicDevice);
    EXPECT_EQ(1, TheApp.music.SongNumber);
    EXPECT_FALSE(TheApp.IsPaused());
}
}  // namespace
