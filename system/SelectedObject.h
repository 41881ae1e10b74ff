// Selects a GDI object into a device context and selects the previous one back on scope exit.
#pragma once
#include <windows.h>

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    virtual ~SelectedObject() { if (previous && previous != HGDI_ERROR) SelectObject(dc, previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    bool Succeeded() const { return previous && previous != HGDI_ERROR; }

private:
    HDC dc;
    HGDIOBJ previous;
};
