#include "button_images.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <vector>

#include "bmp_writer.h"
#include "fonts.h"
#include "frame.h"
#include "palettes.h"

namespace {

const QColor kFace(240, 240, 240);
const QColor kOutline(40, 40, 40);
const QColor kDarkBlue(0, 0, 128);

using Drawing = std::function<void(QPainter&)>;

struct Picture {
    int id;
    QSize size;
    int bitsPerPixel;
    QColor background;
    Drawing draw;
};

void DrawFloppy(QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(25, 3);
    body.lineTo(29, 7);
    body.lineTo(29, 29);
    body.lineTo(3, 29);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(30, 60, 150));
    p.drawPath(body);
    p.setBrush(QColor(200, 200, 205));  // metal shutter
    p.drawRect(QRectF(9, 3, 13, 9));
    p.setBrush(QColor(30, 60, 150));
    p.drawRect(QRectF(17, 5, 3, 5));
    p.setBrush(Qt::white);  // label
    p.drawRect(QRectF(7, 16, 18, 13));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(10, 20.5), QPointF(22, 20.5));
    p.drawLine(QPointF(10, 24.5), QPointF(22, 24.5));
}

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);  // paper going in
    p.drawRect(QRectF(9.5, 3.5, 13, 10));
    p.setBrush(QColor(150, 150, 160));  // body
    p.drawRoundedRect(QRectF(2.5, 12.5, 27, 12), 2, 2);
    p.setBrush(QColor(90, 90, 100));  // slot
    p.drawRect(QRectF(7.5, 20.5, 17, 2));
    p.setBrush(Qt::white);  // printed sheet
    p.drawRect(QRectF(8.5, 21.5, 15, 8));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(11, 24.5), QPointF(21, 24.5));
    p.drawLine(QPointF(11, 27.5), QPointF(18, 27.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0));  // power light
    p.drawEllipse(QPointF(25.5, 16.5), 1.5, 1.5);
}

void DrawRedCross(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 0, 0));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(23, 23));
    p.drawLine(QPointF(23, 9), QPointF(9, 23));
}

void DrawFolderBack(QPainter& p) {
    QPainterPath back;
    back.moveTo(2.5, 8.5);
    back.lineTo(11.5, 8.5);
    back.lineTo(14.5, 11.5);
    back.lineTo(26.5, 11.5);
    back.lineTo(26.5, 27.5);
    back.lineTo(2.5, 27.5);
    back.closeSubpath();
    p.setPen(QPen(QColor(140, 100, 0), 1));
    p.setBrush(QColor(220, 170, 40));
    p.drawPath(back);
}

void DrawFolderFront(QPainter& p) {
    QPainterPath front;
    front.moveTo(7.5, 15.5);
    front.lineTo(30.5, 15.5);
    front.lineTo(26.5, 27.5);
    front.lineTo(2.5, 27.5);
    front.closeSubpath();
    p.setPen(QPen(QColor(140, 100, 0), 1));
    p.setBrush(QColor(250, 210, 80));
    p.drawPath(front);
}

void DrawOpenFolder(QPainter& p) {
    DrawFolderBack(p);
    DrawFolderFront(p);
}

// An open folder with a sheet coming out of it and an arrow lifting it.
void DrawOpeningFolder(QPainter& p) {
    DrawFolderBack(p);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 6.5, 13, 14));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(11, 10.5), QPointF(19, 10.5));
    p.drawLine(QPointF(11, 13.5), QPointF(19, 13.5));
    DrawFolderFront(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 0));
    const QPointF arrow[] = {{24, 1},    {30, 7},   {26.5, 7}, {26.5, 12},
                             {21.5, 12}, {21.5, 7}, {18, 7}};
    p.drawPolygon(arrow, 7);
}

void DrawMagnifier(QPainter& p) {
    p.setPen(QPen(QColor(100, 60, 20), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(kOutline, 2.5));
    p.setBrush(QColor(190, 225, 250));
    p.drawEllipse(QPointF(12.5, 12.5), 9, 9);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 7, 11, 11), 100 * 16, 70 * 16);
}

void DrawPencil(QPainter& p) {
    p.translate(16, 16);
    p.rotate(-45);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(245, 190, 30));  // body
    p.drawRect(QRectF(-9, -3.5, 18, 7));
    p.setBrush(QColor(240, 150, 170));  // eraser end
    p.drawRect(QRectF(-14, -3.5, 5, 7));
    p.setBrush(QColor(235, 205, 160));  // sharpened wood
    const QPointF wood[] = {{9, -3.5}, {15, 0}, {9, 3.5}};
    p.drawPolygon(wood, 3);
    p.setBrush(kOutline);  // lead
    const QPointF lead[] = {{13, -1.2}, {15, 0}, {13, 1.2}};
    p.drawPolygon(lead, 3);
}

void DrawEraser(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    const QPointF top[] = {{4.5, 18.5}, {16.5, 6.5}, {28.5, 12.5}, {16.5, 24.5}};
    p.setBrush(QColor(245, 150, 170));
    p.drawPolygon(top, 4);
    const QPointF side[] = {{4.5, 18.5}, {16.5, 24.5}, {16.5, 28.5}, {4.5, 22.5}};
    p.setBrush(QColor(200, 100, 120));
    p.drawPolygon(side, 4);
    const QPointF end[] = {{16.5, 24.5}, {28.5, 12.5}, {28.5, 16.5}, {16.5, 28.5}};
    p.setBrush(QColor(60, 90, 190));
    p.drawPolygon(end, 4);
    const QPointF band[] = {{10.5, 12.5}, {16.5, 6.5}, {22.5, 9.5}, {16.5, 15.5}};
    p.setBrush(QColor(80, 120, 220));
    p.drawPolygon(band, 4);
}

void DrawQuestionMark(QPainter& p) {
    p.setPen(QPen(QColor(0, 40, 140), 1));
    p.setBrush(QColor(30, 90, 210));
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    const QRawFont face = RequireFace("DejaVu Sans", 26, QFont::Bold);
    qreal advance = 0;
    const QPainterPath mark = GlyphOutline(face, '?', &advance);
    const QRectF bounds = mark.boundingRect();
    p.translate(QPointF(16, 16) - bounds.center());
    p.fillPath(mark, Qt::white);
}

void DrawCalendarArrow(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkBlue);
    const QPointF triangle[] = {{2.5, 3.5}, {11.5, 3.5}, {7, 9}};
    p.drawPolygon(triangle, 3);
}

// A diagonal cross-hatch of one-pixel black lines every 8 pixels, as the receipt's hatch brush.
void DrawCrossHatch(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((x + y) % 8 == 0 || (x - y + 64) % 8 == 0) {
                image.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
}

void DrawRedFrame(QPainter& p) {
    DrawFrame(p, p.viewport().size(), 2, QColor(255, 0, 0));
}

QImage Render(const Picture& picture) {
    QImage image(picture.size, QImage::Format_RGB32);
    image.fill(picture.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.draw(painter);
    return image;
}

QImage HatchPattern(bool framed) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawCrossHatch(image);
    if (framed) {
        QPainter painter(&image);
        DrawRedFrame(painter);
    }
    return image;
}

std::vector<Picture> Pictures() {
    const QSize icon(32, 32);
    const QColor grey(128, 128, 128);
    return {
        {209, icon, 24, kFace, DrawFloppy},
        {210, icon, 8, kFace, DrawPrinter},
        {211, icon, 8, kFace, DrawRedCross},
        {222, icon, 24, kFace, DrawOpeningFolder},
        {1122, QSize(14, 12), 24, Qt::white, DrawCalendarArrow},
        {227, icon, 24, kFace, DrawOpenFolder},
        {228, icon, 24, kFace, DrawMagnifier},
        {229, icon, 24, kFace, DrawEraser},
        {230, icon, 24, kFace, DrawPencil},
        {231, icon, 8, kFace, DrawRedCross},
        {234, icon, 24, kFace, DrawQuestionMark},
        {218, icon, 24, grey, [](QPainter&) {}},
        {221, icon, 24, grey, DrawRedFrame},
    };
}

BmpFormat FormatFor(int bitsPerPixel) {
    if (bitsPerPixel == 8) {
        return {8, Cube256Table(), 0};
    }
    return {24, {}, 0};
}

}  // namespace

bool WriteButtonImages(const QString& folder) {
    const QDir dir(folder);
    for (const Picture& picture : Pictures()) {
        if (!WriteBmp(dir.filePath(QString("%1.bmp").arg(picture.id)), Render(picture),
                      FormatFor(picture.bitsPerPixel))) {
            return false;
        }
    }
    return WriteBmp(dir.filePath("219.bmp"), HatchPattern(false), FormatFor(24)) &&
           WriteBmp(dir.filePath("220.bmp"), HatchPattern(true), FormatFor(24));
}
