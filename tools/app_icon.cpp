#include "app_icon.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "fonts.h"

namespace {

constexpr qreal kDesignSize = 256.0;

// A sheet of paper with a torn lower edge, drawn in a 256 x 256 design space.
QPainterPath Receipt() {
    QPainterPath paper;
    paper.moveTo(40, 12);
    paper.lineTo(216, 12);
    paper.lineTo(216, 228);
    const int teeth = 8;
    const qreal step = (216.0 - 40.0) / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal right = 216.0 - i * step;
        paper.lineTo(right - step / 2, 244);
        paper.lineTo(right - step, 228);
    }
    paper.closeSubpath();
    return paper;
}

void DrawIcon(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 80), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(252, 252, 248));
    p.drawPath(Receipt());
    p.setPen(QPen(QColor(150, 150, 160), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(68, 46), QPointF(188, 46));
    p.drawLine(QPointF(68, 76), QPointF(150, 76));
    const QRawFont face = RequireFace("DejaVu Sans", 150, QFont::Bold);
    qreal advance = 0;
    const QPainterPath euro = GlyphOutline(face, 0x20AC, &advance);
    const QRectF bounds = euro.boundingRect();
    const qreal scale = 120.0 / bounds.height();
    p.translate(128, 160);
    p.scale(scale, scale);
    p.translate(-bounds.center());
    p.fillPath(euro, QColor(0, 120, 60));
}

QImage Render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesignSize, size / kDesignSize);
    DrawIcon(painter);
    return image;
}

}  // namespace

bool WriteIcons(const QString& folder) {
    const QDir dir(folder);
    return Render(32).save(dir.filePath("128.png"), "PNG") &&
           Render(256).save(dir.filePath("brixamo.png"), "PNG");
}
