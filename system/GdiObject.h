// Owns a GDI object (bitmap, brush, pen, font) and deletes it when it goes out of scope.
#pragma once
#include <windows.h>
#include <utility>

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle(handle) {}
    virtual ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) { Reset(); handle = std::exchange(other.handle, nullptr); }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle; }
    operator Handle() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    // Gives up ownership: the caller deletes the object.
    Handle Release() { return std::exchange(handle, nullptr); }
    void Reset(Handle replacement = nullptr) {
        if (handle) DeleteObject(handle);
        handle = replacement;
    }

private:
    Handle handle = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
