#pragma once
// Looking at the main window from a test: child rectangles, client sizes,
// and drawing into a bitmap whose pixels can be read back.
#include <windows.h>

#include <functional>
#include <string>

// The child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
// Resizes `window` so that its client area is width x height.
void SetClientSize(HWND window, int width, int height);

// A 32-bit bitmap selected into a memory DC: owner drawing and control
// colours are handed this DC, and the test reads the pixels.
class Canvas {
   public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    RECT rect() const { return RECT{0, 0, width_, height_}; }
    COLORREF Pixel(int x, int y) const;
    // Pixels inside `area` for which `match` holds.
    int Count(const RECT& area, const std::function<bool(COLORREF)>& match) const;
    int CountColor(const RECT& area, COLORREF color) const;

   private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* bits_ = nullptr;
};

std::wstring WindowText(HWND window);
