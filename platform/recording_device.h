// A device that draws nothing and keeps every call, with its arguments in logical units and the
// pen, brush, font and background mode in force, so tests can check what the drawing code did.
#pragma once

#include <string>
#include <vector>

#include "platform/device.h"

// The surface a recording device reports through GetDeviceCaps.
struct DeviceSurface {
    int widthMm = 210;  // A4 at 96 pixels per inch
    int heightMm = 297;
    int widthPx = 794;
    int heightPx = 1123;
    bool palette = false;  // RASTERCAPS includes RC_PALETTE
    int offsetXPx = 0;     // PHYSICALOFFSETX and PHYSICALOFFSETY
    int offsetYPx = 0;
    int sheetHeightPx = 0;  // PHYSICALHEIGHT; 0: the surface is the whole sheet
};

enum class CallKind {
    SetMapModeAnisotropic,
    SetWindowExt,
    SetViewportExt,
    SetViewportOrg,
    SelectPen,
    SelectBrush,
    SelectFont,
    SetBkMode,
    Rectangle,
    DrawText,
    BitBlt,
    StartDoc,
    StartPage,
    EndPage,
    EndDoc,
};

struct RecordedCall {
    CallKind kind = CallKind::Rectangle;
    // Rectangle and DrawText: the rectangle; BitBlt: the destination (x, y, x + w, y + h);
    // SetWindowExt and SetViewportExt: (0, 0, cx, cy); SetViewportOrg: (0, 0, x, y).
    Rect rect;
    std::string text;     // DrawText: the text; StartDoc: the document name
    unsigned format = 0;  // DrawText
    int mode = 0;         // SetBkMode: the mode asked for
    // BitBlt: the source bitmap's size and depth, and the source rectangle (sx, sy, sx + w,
    // sy + h) in its pixels.
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    int bitmapBits = 0;
    Rect source;
    // The state after the call: for a selection, what it made current.
    Pen pen;
    Brush brush;
    LogFont font;
    int bkMode = OPAQUE;
};

class RecordingDevice : public PrintDevice {
  public:
    explicit RecordingDevice(DeviceSurface surface = {});

    int GetDeviceCaps(int index) const override;
    void SetMapModeAnisotropic() override;
    void SetWindowExt(int cx, int cy) override;
    void SetViewportExt(int cx, int cy) override;
    void SetViewportOrg(int x, int y) override;
    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    LogFont SelectFont(const LogFont& font) override;
    int GetBkMode() const override;
    int SetBkMode(int mode) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void DrawText(const std::string& text, const Rect& rect, unsigned format) override;
    void BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) override;
    int StartDoc(const std::string& documentName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

    // What StartDoc returns (1 unless a test makes it fail with 0).
    void SetStartDocResult(int result) { startDocResult_ = result; }

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    std::vector<RecordedCall> CallsOf(CallKind kind) const;
    void Clear() { calls_.clear(); }

    // The state now, as a fresh device starts: black pen of one device pixel, white solid
    // brush, no font, opaque background, no mapping.
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const LogFont& CurrentFont() const { return font_; }
    bool Anisotropic() const { return anisotropic_; }
    Rect WindowExt() const { return {0, 0, windowCx_, windowCy_}; }
    Rect ViewportExt() const { return {0, 0, viewportCx_, viewportCy_}; }
    Rect ViewportOrg() const { return {0, 0, viewportX_, viewportY_}; }

  private:
    RecordedCall& Record(CallKind kind);

    DeviceSurface surface_;
    int startDocResult_ = 1;
    std::vector<RecordedCall> calls_;
    Pen pen_;
    Brush brush_;
    LogFont font_;
    int bkMode_ = OPAQUE;
    bool anisotropic_ = false;
    int windowCx_ = 1;
    int windowCy_ = 1;
    int viewportCx_ = 1;
    int viewportCy_ = 1;
    int viewportX_ = 0;
    int viewportY_ = 0;
};
