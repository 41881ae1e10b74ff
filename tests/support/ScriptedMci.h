// A scripted multimedia system for the music: which song files open, the device ids it hands out, the
// errors of status and play, and a record of what was opened and closed.
#pragma once
#include <windows.h>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "audio/MusicPlayer.h"

class ScriptedMci {
public:
    // Song files song1.mid .. songN.mid open, in whatever folder they are asked for; nothing else does.
    explicit ScriptedMci(int songFiles);
    virtual ~ScriptedMci() = default;

    // The command to hand to a MusicPlayer; it refers to this script, which must outlive the player.
    MciCommand Command();

    std::map<std::string, MCIERROR> statusErrors, playErrors;  // by file name without its folder
    MCIDEVICEID nextDevice = 11;

    std::vector<std::string> opened;  // file names as asked for, in the order they were opened
    std::set<MCIDEVICEID> openDevices;
    HWND notified = nullptr;          // the callback window of the last play

    // The song numbers opened so far ("song3.mid" gives 3).
    std::vector<int> OpenedNumbers() const;

private:
    static std::string FileNameOf(const std::string& path);
    MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);

    std::set<std::string> files;
    std::map<MCIDEVICEID, std::string> fileOf;
};
