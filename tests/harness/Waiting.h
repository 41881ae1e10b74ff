// Waiting for a condition while the driver's own windows keep receiving their messages.
#pragma once
#include <windows.h>
#include <functional>

// Polls `condition` every `pollMs` until it holds (true) or `timeoutMs` have passed (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 15);
// Lets `ms` milliseconds pass, handling the driver's messages meanwhile.
void PumpFor(DWORD ms);
// Milliseconds since an arbitrary start, with a resolution of 1 ms or better.
double NowMs();
