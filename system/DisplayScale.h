// The display's dots per inch, read from the system, and lengths scaled to it from their size at 96 dpi.
#pragma once
#include <windows.h>

class DisplayScale {
public:
    static const int BaseDpi = 96;

    explicit DisplayScale(int dpi = BaseDpi);
    virtual ~DisplayScale() = default;

    // The system's dots per inch: GetDpiForSystem where the system has it (Windows 10 and later), else
    // LOGPIXELSX of the screen; BaseDpi when neither answers.
    static int SystemDpi();
    // The dots per inch of the screen that `window` is on: GetDpiForWindow where the system has it
    // (Windows 10 and later), else SystemDpi().
    static int WindowDpi(HWND window);

    int Dpi() const { return dpi; }
    // A length at 96 dpi, times dpi / 96, rounded to the nearest pixel (halves away from zero).
    int Scale(int length) const;
    // A length at the density of `from`, at this density: times dpi / from's dpi, rounded as Scale does and
    // kept within the range of int.
    int ScaleFrom(int length, const DisplayScale& from) const;

private:
    int dpi;
};
