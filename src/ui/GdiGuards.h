#pragma once
// Scope guards for GDI handles: whatever a function creates, selects or
// borrows is given back when the function leaves, on every path. Copying is
// deleted so that no handle can be released twice.
#include <windows.h>

// Owns a GDI object (brush, font, pen, bitmap) and deletes it. Declare it
// before any SelectGuard that selects it, so the selection is undone first.
template <typename Handle>
class GdiObject {
   public:
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

   private:
    Handle handle_;
};

// Selects an object into a device context and puts the previous one back.
// A null object selects nothing.
class SelectGuard {
   public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

   private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Text colour, background mode and the other settings of a device context
// that is not ours (an owner-draw DC belongs to the control) are restored.
class DcStateGuard {
   public:
    explicit DcStateGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~DcStateGuard() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    DcStateGuard(const DcStateGuard&) = delete;
    DcStateGuard& operator=(const DcStateGuard&) = delete;

   private:
    HDC dc_;
    int saved_;
};

// A window's (or, for a null window, the screen's) device context, released
// at the end of the scope.
class WindowDC {
   public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

   private:
    HWND window_;
    HDC dc_;
};
