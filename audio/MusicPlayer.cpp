// The series of songs: opening, playing, closing, moving on at the end of each, wrapping after the last.
#include "audio/MusicPlayer.h"
#include "system/NumberText.h"
#include "system/GameFiles.h"
#include "settings/SettingsRecord.h"

std::wstring SongFileName(int songNumber) {
    if (songNumber < 1 || songNumber > LastSongNumber)
        return std::wstring();
    return L"song" + NumberText(songNumber) + L".mid";
}

MusicPlayer::MusicPlayer(MciCommand command)
    : SongNumber(0), MusicDevice(0), MusicSuppress(0), ProgramFolder(::ProgramFolder()), command(std::move(command)) {}

MusicPlayer::~MusicPlayer() { StopMusic(); }

void MusicPlayer::StopMusic() {
    // With no device open there is nothing to close, and the call would load the multimedia system for nothing.
    if (MusicDevice == 0)
        return;
    command(MusicDevice, MCI_CLOSE, 0, 0);
    MusicDevice = 0;
}

void MusicPlayer::StopAndIgnoreNotice() {
    if (MusicDevice == 0)
        return;
    StopMusic();
    MusicSuppress = 1;
}

void MusicPlayer::PlayNextSong(HWND window) {
    if (!Settings.Music)
        return;
    // A song still playing (a new game from the Options dialog) would otherwise go on beside the next.
    StopAndIgnoreNotice();
    ++SongNumber;
    const std::wstring fileName = SongFileName(SongNumber);
    const MCIERROR error = fileName.empty() ? MCIERR_FILE_NOT_FOUND
                                            : OpenAndPlaySong(window, LocateGameFile(fileName, ProgramFolder).c_str());
    if (error != 0 && SongNumber != 1) {
        SongNumber = 0;
        PlayNextSong(window);
    }
}

MCIERROR MusicPlayer::OpenAndPlaySong(HWND window, const wchar_t* fileName) {
    if (!Settings.Music)
        return 0;
    MCI_OPEN_PARMSW open = {};
    open.lpstrDeviceType = L"sequencer";
    open.lpstrElementName = fileName;
    MCIERROR error = command(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0)
        return error;
    MusicDevice = open.wDeviceID;

    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_SEQ_STATUS_PORT;
    error = command(MusicDevice, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status));
    if (error == 0) {
        MCI_PLAY_PARMS play = {};
        play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
        error = command(MusicDevice, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
    }
    if (error != 0)
        StopMusic();
    return error;
}

void MusicPlayer::OnNotify(HWND window, WPARAM status, LPARAM device) {
    // Closing a device makes the system send an "aborted" notice for it; a new play on the same device
    // sends "superseded". Neither is the end of a song, and nor is a notice from a device closed before.
    const bool songEnded = (status == MCI_NOTIFY_SUCCESSFUL || status == MCI_NOTIFY_FAILURE) &&
                           MusicDevice != 0 && static_cast<MCIDEVICEID>(device) == MusicDevice;
    if (songEnded && SongNumber != 0 && MusicSuppress == 0) {
        StopMusic();
        PlayNextSong(window);
    }
    MusicSuppress = 0;
}
