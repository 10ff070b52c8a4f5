#include "platform/recording_device.h"

#include <algorithm>
#include <iterator>
#include <utility>

RecordingDevice::RecordingDevice(DeviceSurface surface) : surface_(surface) {}

int RecordingDevice::GetDeviceCaps(int index) const {
    switch (index) {
        case HORZSIZE:
            return surface_.widthMm;
        case VERTSIZE:
            return surface_.heightMm;
        case HORZRES:
            return surface_.widthPx;
        case VERTRES:
            return surface_.heightPx;
        case PHYSICALHEIGHT:
            return surface_.sheetHeightPx > 0 ? surface_.sheetHeightPx : surface_.heightPx;
        case RASTERCAPS:
            return surface_.palette ? RC_PALETTE : 0;
        case PHYSICALOFFSETX:
            return surface_.offsetXPx;
        case PHYSICALOFFSETY:
            return surface_.offsetYPx;
        default:
            return 0;
    }
}

RecordedCall& RecordingDevice::Record(CallKind kind) {
    RecordedCall& call = calls_.emplace_back();
    call.kind = kind;
    call.pen = pen_;
    call.brush = brush_;
    call.font = font_;
    call.bkMode = bkMode_;
    return call;
}

void RecordingDevice::SetMapModeAnisotropic() {
    anisotropic_ = true;
    Record(CallKind::SetMapModeAnisotropic);
}

void RecordingDevice::SetWindowExt(int cx, int cy) {
    windowCx_ = cx;
    windowCy_ = cy;
    Record(CallKind::SetWindowExt).rect = {0, 0, cx, cy};
}

void RecordingDevice::SetViewportExt(int cx, int cy) {
    viewportCx_ = cx;
    viewportCy_ = cy;
    Record(CallKind::SetViewportExt).rect = {0, 0, cx, cy};
}

void RecordingDevice::SetViewportOrg(int x, int y) {
    viewportX_ = x;
    viewportY_ = y;
    Record(CallKind::SetViewportOrg).rect = {0, 0, x, y};
}

Pen RecordingDevice::SelectPen(const Pen& pen) {
    Pen previous = std::exchange(pen_, pen);
    Record(CallKind::SelectPen);
    return previous;
}

Brush RecordingDevice::SelectBrush(const Brush& brush) {
    Brush previous = std::exchange(brush_, brush);
    Record(CallKind::SelectBrush);
    return previous;
}

LogFont RecordingDevice::SelectFont(const LogFont& font) {
    LogFont previous = std::exchange(font_, font);
    Record(CallKind::SelectFont);
    return previous;
}

int RecordingDevice::GetBkMode() const {
    return bkMode_;
}

int RecordingDevice::SetBkMode(int mode) {
    int previous = bkMode_;
    if (mode == TRANSPARENT || mode == OPAQUE) {
        bkMode_ = mode;
    }
    Record(CallKind::SetBkMode).mode = mode;
    return previous;
}

void RecordingDevice::Rectangle(int left, int top, int right, int bottom) {
    Record(CallKind::Rectangle).rect = {left, top, right, bottom};
}

void RecordingDevice::DrawText(const std::string& text, const Rect& rect, unsigned format) {
    RecordedCall& call = Record(CallKind::DrawText);
    call.text = text;
    call.rect = rect;
    call.format = format;
}

void RecordingDevice::BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) {
    RecordedCall& call = Record(CallKind::BitBlt);
    call.rect = {x, y, x + w, y + h};
    call.bitmapWidth = source.width;
    call.bitmapHeight = source.height;
    call.bitmapBits = source.bitsPerPixel;
    call.source = {sx, sy, sx + w, sy + h};
}

int RecordingDevice::StartDoc(const std::string& documentName) {
    Record(CallKind::StartDoc).text = documentName;
    return startDocResult_;
}

int RecordingDevice::StartPage() {
    Record(CallKind::StartPage);
    return 1;
}

int RecordingDevice::EndPage() {
    Record(CallKind::EndPage);
    return 1;
}

int RecordingDevice::EndDoc() {
    Record(CallKind::EndDoc);
    return 1;
}

std::vector<RecordedCall> RecordingDevice::CallsOf(CallKind kind) const {
    std::vector<RecordedCall> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const RecordedCall& call) { return call.kind == kind; });
    return found;
}
