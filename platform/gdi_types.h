// Plain drawing types shared by every device: rectangles, colours, pens, brushes and fonts.
// Values follow the classic GDI conventions the drawing code is written in.
#pragma once

#include <cstdint>
#include <string>

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR, the layout the colour chooser and the receipt settings use.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Device capability indexes for Device::GetDeviceCaps.
enum DeviceCap : int {
    HORZSIZE = 4,          // width of the drawing surface in whole millimetres
    VERTSIZE = 6,          // height in whole millimetres
    HORZRES = 8,           // width in pixels
    VERTRES = 10,          // height in pixels
    RASTERCAPS = 38,       // raster capabilities; includes RC_PALETTE on palette devices
    PHYSICALHEIGHT = 111,  // height of the whole sheet in pixels; the surface is its printable
                           // part
    // Where the drawing surface starts on a printed sheet, in pixels from its left and top
    // edges: the printer's unprintable margins (0 on every other device).
    PHYSICALOFFSETX = 112,
    PHYSICALOFFSETY = 113,
};
constexpr int RC_PALETTE = 0x0100;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawText format flags used by the program.
constexpr unsigned DT_LEFT = 0x00;
constexpr unsigned DT_CENTER = 0x01;
constexpr unsigned DT_RIGHT = 0x02;
constexpr unsigned DT_BOTTOM = 0x08;
constexpr unsigned DT_SINGLELINE = 0x20;

// A pen: width in logical units; width 0 is one device pixel (a fresh device's pen).
struct Pen {
    int width = 0;
    COLORREF color = RGB(0, 0, 0);
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, DiagonalCrossHatch };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    COLORREF color = RGB(255, 255, 255);
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A font description: face, cell height in logical units (internal leading included) and
// escapement in tenths of a degree (900 reads upward).
struct LogFont {
    std::string face;
    int height = 0;
    int escapement = 0;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};
