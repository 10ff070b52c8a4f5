// Dialog units: template rectangles are measured in quarters of the dialog font's average
// character width and eighths of its height, so the layout follows the desktop's font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    QRect ToPixels(int x, int y, int cx, int cy) const;
    QSize ToPixels(int cx, int cy) const;
    double PixelsPerUnitX() const { return baseX_ / 4.0; }

  private:
    int baseX_;  // average character width in pixels
    int baseY_;  // character height in pixels
};
