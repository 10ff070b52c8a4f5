// The drawing device every receipt, sample and preview is drawn on. Coordinates are logical
// units under the device's mapping; the origin is the surface's top-left corner.
#pragma once

#include <string>

#include "platform/bitmap.h"
#include "platform/gdi_types.h"

class Device {
  public:
    virtual ~Device() = default;

    virtual int GetDeviceCaps(int index) const = 0;

    // Anisotropic mapping: a logical extent maps linearly onto a device extent, origins (0, 0).
    // Until both extents are set, one logical unit is one device pixel.
    virtual void SetMapModeAnisotropic() = 0;
    virtual void SetWindowExt(int cx, int cy) = 0;
    virtual void SetViewportExt(int cx, int cy) = 0;
    // The device point where the logical origin lands, in pixels of the surface: what is drawn
    // from then on moves by (x, y) pixels, hatches and clipping with it, under any mapping.
    // Every device starts at (0, 0).
    virtual void SetViewportOrg(int x, int y) = 0;

    // Selection hands back what was current, so the caller can restore it.
    virtual Pen SelectPen(const Pen& pen) = 0;
    virtual Brush SelectBrush(const Brush& brush) = 0;
    virtual LogFont SelectFont(const LogFont& font) = 0;

    virtual int GetBkMode() const = 0;
    virtual int SetBkMode(int mode) = 0;  // returns the previous mode

    // Outline with the current pen, interior with the current brush; the right and bottom
    // edges are exclusive as in GDI.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;

    // Draws the text literally (no mnemonic prefix) inside the rectangle, clipped to it, never
    // wrapped; format is a combination of the DT_ values. Text is Windows-1252.
    virtual void DrawText(const std::string& text, const Rect& rect, unsigned format) = 0;

    // Plain copy (SRCCOPY) of the source rectangle (sx, sy, w, h pixels) of the bitmap into the
    // logical rectangle (x, y, w, h), stretched by the mapping. Always opaque.
    virtual void BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) = 0;

    // The same copy from a shared bitmap, which none of its owners changes once it is shared: a
    // device may keep what it made of the bitmap while the bitmap lives, without reading its
    // pixels again at every copy (a logo or a glyph sheet drawn on every receipt of a batch).
    // A null bitmap draws nothing.
    virtual void BitBltShared(int x, int y, int w, int h, const BitmapPtr& source, int sx, int sy) {
        if (source) {
            BitBlt(x, y, w, h, *source, sx, sy);
        }
    }
};

// A printer page or document: a device with the print-job operations.
class PrintDevice : public Device {
  public:
    // Each returns a value > 0 on success, like the platform's document calls.
    virtual int StartDoc(const std::string& documentName) = 0;
    virtual int StartPage() = 0;
    virtual int EndPage() = 0;
    virtual int EndDoc() = 0;
};
