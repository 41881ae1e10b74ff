// The series of songs, played one after another through the multimedia command interface.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <functional>
#include <string>
#include "system/LateImports.h"

// The multimedia command call the music makes (mciSendCommand); tests put a script in its place.
using MciCommand = std::function<MCIERROR(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters)>;

const int LastSongNumber = 999;

// The file of a song: "song7.mid" for 7; empty for a number past LastSongNumber.
std::wstring SongFileName(int songNumber);

class MusicPlayer {
public:
    explicit MusicPlayer(MciCommand command = LateMciSendCommandW);
    // Closes a device still open, so that no song outlives the program.
    virtual ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Closes the music device, if one is open; the song number stays.
    void StopMusic();
    // Closes the song that is playing, if one is, and lets the notice its closing sends start nothing.
    void StopAndIgnoreNotice();
    // Moves on to the next song and plays it, wrapping to song 1 after the last file; `window` hears its end.
    void PlayNextSong(HWND window);
    // Opens and plays one file: 0, or the multimedia error code with no device left open.
    MCIERROR OpenAndPlaySong(HWND window, const wchar_t* fileName);
    // A notice (MM_MCINOTIFY) with its status and the device it comes from: only the end of the song
    // that is playing now, successful or failed, starts the next one.
    void OnNotify(HWND window, WPARAM status, LPARAM device);

    void SetCommand(MciCommand replacement) { command = std::move(replacement); }

    int SongNumber;            // 0 before the first song, else the number of the last song asked for
    MCIDEVICEID MusicDevice;   // the open sequencer, 0 when none
    int MusicSuppress;         // the next notice must not start another song
    std::wstring ProgramFolder; // where a song missing from the current folder is looked for

private:
    MciCommand command;
};
