// The red frame that marks a highlighted or selected picture.
#pragma once

#include <QPainter>

// Fills a frame `thickness` pixels wide along the edges of a picture of `size`.
inline void DrawFrame(QPainter& painter, const QSize& size, int thickness, const QColor& colour) {
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(0, 0, w, thickness, colour);
    painter.fillRect(0, h - thickness, w, thickness, colour);
    painter.fillRect(0, 0, thickness, h, colour);
    painter.fillRect(w - thickness, 0, thickness, h, colour);
}
