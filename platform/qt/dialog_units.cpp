#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <cmath>

namespace {

int Scale(int units, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    // The average width over the 52 Latin letters, rounded as the classic dialog manager does.
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = std::max(1, (letters / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    // Edges are mapped, not sizes, so controls that touch in the template touch on screen.
    const int left = Scale(x, baseX_, 4);
    const int top = Scale(y, baseY_, 8);
    return QRect(left, top, Scale(x + cx, baseX_, 4) - left, Scale(y + cy, baseY_, 8) - top);
}

QSize DialogUnits::ToPixels(int cx, int cy) const {
    return QSize(Scale(cx, baseX_, 4), Scale(cy, baseY_, 8));
}
