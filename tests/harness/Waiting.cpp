// Polling waits that keep the driver's message queue moving.
#include "Waiting.h"
#include <chrono>

namespace {
void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (NowMs() >= deadline) return false;
        Sleep(pollMs);
    }
}

void PumpFor(DWORD ms) {
    const double deadline = NowMs() + ms;
    while (NowMs() < deadline) {
        PumpMessages();
        Sleep(5);
    }
    PumpMessages();
}
