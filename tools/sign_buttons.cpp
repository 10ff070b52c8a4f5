#include "sign_buttons.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <array>

#include "bmp_writer.h"
#include "fonts.h"
#include "frame.h"
#include "palettes.h"

namespace {

constexpr int kWidth = 22;
constexpr int kHeight = 39;
constexpr int kFrame = 2;
// The box the sign is fitted into, inside the frame of the highlighted picture.
constexpr qreal kBoxWidth = 16.5;
constexpr qreal kBoxHeight = 27.0;
constexpr qreal kFacePixelSize = 64.0;

struct SignButton {
    int normalId;
    int highlightedId;
    char32_t sign;  // 0: no sign
    QRgb colour;
    int bitsPerPixel;
};

constexpr QRgb kInk = 0xFF000000u;
constexpr QRgb kGreenInk = 0xFF008000u;

constexpr std::array<SignButton, 23> kButtons = {{
    {175, 182, '$', kGreenInk, 8}, {157, 177, 0x00A2, kInk, 4}, {155, 178, 0x20A1, kInk, 4},
    {172, 179, 0x20A2, kInk, 4},   {165, 180, 0x20AB, kInk, 4}, {158, 181, '$', kInk, 4},
    {168, 183, 0x20AF, kInk, 4},   {148, 184, 0x20AC, kInk, 4}, {154, 185, 0x00A4, kInk, 4},
    {153, 186, '#', kInk, 24},     {173, 187, 0x0192, kInk, 4}, {162, 188, 0x20A3, kInk, 4},
    {164, 189, 0x20AD, kInk, 4},   {161, 190, 0x00A3, kInk, 4}, {163, 191, 0x20A5, kInk, 4},
    {167, 192, 0x20A6, kInk, 4},   {159, 193, 0x20B1, kInk, 4}, {169, 194, 0x20B0, kInk, 4},
    {160, 195, 0x20AA, kInk, 4},   {170, 196, 0x20AE, kInk, 4}, {166, 197, 0x20A9, kInk, 4},
    {156, 198, 0x00A5, kInk, 4},   {176, 199, 0, kInk, 4},
}};

// The sign scaled to fill the box (keeping its proportions), centred in the picture.
void DrawSign(QPainter& painter, const QRawFont& face, const SignButton& button) {
    qreal advance = 0;
    const QPainterPath outline = GlyphOutline(face, button.sign, &advance);
    if (outline.isEmpty()) {
        return;
    }
    const QRectF bounds = outline.boundingRect();
    const qreal scale = std::min(kBoxWidth / bounds.width(), kBoxHeight / bounds.height());
    painter.save();
    painter.translate(kWidth / 2.0, kHeight / 2.0);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.fillPath(outline, QColor::fromRgb(button.colour));
    painter.restore();
}

QImage Picture(const QRawFont& face, const SignButton& button, bool highlighted) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (button.sign != 0) {
        DrawSign(painter, face, button);
    }
    if (highlighted) {
        DrawFrame(painter, image.size(), kFrame, Qt::red);
    }
    return image;
}

BmpFormat FormatFor(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 4:
            return {4, Vga16Table(), 0};
        case 8:
            return {8, Cube256Table(), 0};
        default:
            return {24, {}, 0};
    }
}

}  // namespace

bool WriteSignButtons(const QString& folder) {
    const QRawFont face = RequireFace("DejaVu Sans", kFacePixelSize, QFont::Bold);
    const QDir dir(folder);
    for (const SignButton& button : kButtons) {
        const BmpFormat format = FormatFor(button.bitsPerPixel);
        const bool written = WriteBmp(dir.filePath(QString("%1.bmp").arg(button.normalId)),
                                      Picture(face, button, false), format) &&
                             WriteBmp(dir.filePath(QString("%1.bmp").arg(button.highlightedId)),
                                      Picture(face, button, true), format);
        if (!written) {
            return false;
        }
    }
    return true;
}
