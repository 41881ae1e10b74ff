// The scripted multimedia system.
#include "support/ScriptedMci.h"
#include <mmsystem.h>
#include "support/WideText.h"

ScriptedMci::ScriptedMci(int songFiles) {
    for (int i = 1; i <= songFiles; ++i)
        files.insert(Narrow(SongFileName(i)));
}

std::string ScriptedMci::FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

MciCommand ScriptedMci::Command() {
    return [this](MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
        return Send(device, message, flags, parameters);
    };
}

std::vector<int> ScriptedMci::OpenedNumbers() const {
    std::vector<int> numbers;
    for (const std::string& name : opened)
        numbers.push_back(std::stoi(FileNameOf(name).substr(4)));
    return numbers;
}

MCIERROR ScriptedMci::Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
    if (message == MCI_OPEN) {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSW*>(parameters);
        const std::string name = Narrow(open->lpstrElementName);
        if (flags != (MCI_OPEN_TYPE | MCI_OPEN_ELEMENT) || Narrow(open->lpstrDeviceType) != "sequencer" ||
            !files.count(FileNameOf(name)))
            return MCIERR_FILE_NOT_FOUND;
        open->wDeviceID = nextDevice++;
        opened.push_back(name);
        openDevices.insert(open->wDeviceID);
        fileOf[open->wDeviceID] = FileNameOf(name);
        return 0;
    }
    if (!openDevices.count(device))
        return MCIERR_INVALID_DEVICE_ID;
    const std::string& name = fileOf[device];
    switch (message) {
    case MCI_STATUS:
        return statusErrors.count(name) ? statusErrors[name] : 0;
    case MCI_PLAY:
        if (flags != MCI_NOTIFY)
            return MCIERR_UNRECOGNIZED_COMMAND;
        notified = reinterpret_cast<HWND>(reinterpret_cast<MCI_PLAY_PARMS*>(parameters)->dwCallback);
        return playErrors.count(name) ? playErrors[name] : 0;
    case MCI_CLOSE:
        openDevices.erase(device);
        return 0;
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}
