// A memory device context compatible with another one; puts back what was selected and deletes itself.
#pragma once
#include <windows.h>

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    virtual ~MemoryDC() {
        if (!dc) return;
        if (originalObject) SelectObject(dc, originalObject);
        DeleteDC(dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc; }

    // Selects a bitmap (or other object); the first object replaced is put back on destruction.
    void Select(HGDIOBJ object) {
        HGDIOBJ previous = SelectObject(dc, object);
        if (!originalObject) originalObject = previous;
    }

private:
    HDC dc;
    HGDIOBJ originalObject = nullptr;
};
