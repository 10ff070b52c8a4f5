#include "platform/qt/painter_device.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRawFont>
#include <QStaticText>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "platform/qt/text_1252.h"

namespace {

// What a bitmap device without a palette can do: copies, stretched copies, DIBs.
constexpr int kRasterCaps = 0x0001 | 0x0080 | 0x0800;

// Vertical centring of a single line (DT_VCENTER), which the program itself does not use.
constexpr unsigned kVerticalCenter = 0x04;

// Cell height of a font described with height 0.
constexpr int kDefaultCellPixels = 16;

// Distance between neighbouring hatch lines, measured along x and y, in logical units: 20 units
// are 2 mm under the renderer's 0.1 mm mapping, the 8-pixel pitch of a 96 dpi screen. The lines
// are an eighth of the pitch wide, never thinner than one device pixel.
constexpr double kHatchPitch = 20.0;
constexpr double kHatchLineWidth = kHatchPitch / 8.0;

// A hatch whose lines reach over more pixels than this (16 MB of picture) is drawn line by line
// each time.
constexpr qint64 kMaxHatchPicturePixels = qint64{4} * 1024 * 1024;

// Device coordinates are kept within this distance of the origin, far beyond any surface, so
// absurd logical coordinates cannot overflow.
constexpr double kDeviceLimit = 1 << 24;

// Whether a coordinate is a whole number of 64ths of a pixel, as text layouts keep positions.
bool HeldInFixedPoint(double value) {
    return std::abs(value) < kDeviceLimit && value * 64 == std::round(value * 64);
}

int ToDevice(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -kDeviceLimit, kDeviceLimit)));
}

const QColor kBackground(Qt::white);
const QColor kTextColor(Qt::black);

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// A font resolved for a device: the QFont and its measured cell.
struct ResolvedFont {
    ResolvedFont(const QFont& resolved, const QFontMetricsF& metrics)
        : font(resolved), ascent(metrics.ascent()), cellHeight(ascent + metrics.descent()) {}

    QFont font;
    double ascent = 0;
    double cellHeight = 0;

    // The width of a line of text in this font.
    double Advance(const QString& text, const QPaintDevice* device) const {
        Line& line = Kept(text);
        if (!line.advance) {
            line.advance = QFontMetricsF(font, device).horizontalAdvance(text);
        }
        return *line.advance;
    }

    // The line of text laid out in this font, ready to be drawn on an unscaled surface.
    const QStaticText& LaidOut(const QString& text) const {
        Line& line = Kept(text);
        if (!line.laidOut) {
            line.laidOut.emplace(text);
            line.laidOut->setTextFormat(Qt::PlainText);
            line.laidOut->prepare(QTransform(), font);
        }
        return *line.laidOut;
    }

    // The line of text (not empty) shaped in this font for any other surface (a document, a
    // scaled or rotated drawing): drawn at a baseline that fixed point (1/64 pixel) holds
    // exactly, it paints and writes what QPainter::drawText does there, without shaping the text
    // again. A layout keeps no pointer to the device it is made for.
    QTextLine Shaped(const QString& text, const QPaintDevice* device,
                     Qt::LayoutDirection direction) const {
        Line& line = Kept(text);
        if (!line.shaped || line.shaped->textOption().textDirection() != direction) {
            line.shaped.emplace(text, font, device);
            QTextOption option;
            option.setWrapMode(QTextOption::NoWrap);
            option.setTextDirection(direction);
            line.shaped->setTextOption(option);
            line.shaped->setCacheEnabled(true);
            line.shaped->beginLayout();
            line.shaped->createLine();
            line.shaped->endLayout();
        }
        return line.shaped->lineAt(0);
    }

  private:
    // What is kept of each line of text measured or drawn in this font: every repaint draws the
    // same texts, every receipt of a batch most of them, and measuring or drawing one lays it
    // out again each time.
    struct Line {
        std::optional<double> advance;
        std::optional<QStaticText> laidOut;
        std::optional<QTextLayout> shaped;
    };

    // Far more than the texts of a receipt; a form edited for a long while starts afresh.
    static constexpr std::size_t kMaxLines = 1024;

    Line& Kept(const QString& text) const {
        if (lines_.size() >= kMaxLines && !lines_.contains(text)) {
            lines_.clear();
        }
        return lines_[text];
    }

    mutable std::unordered_map<QString, Line> lines_;
};

QFont BaseFont(const std::string& face) {
    QFont font;
    if (!face.empty()) {
        font.setFamily(FromCp1252(face));
    }
    bool fixedPitch =
        face.find("Courier") != std::string::npos || face.find("Mono") != std::string::npos;
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::Serif);
    font.setKerning(false);
    return font;
}

double CellOf(const QFont& font, QPaintDevice* device) {
    QFontMetricsF metrics(font, device);
    return metrics.ascent() + metrics.descent();
}

// The pixel size whose ascent + descent comes closest to the wanted cell, the smaller one on a
// tie, found from the face's proportions and corrected by measuring the neighbours (hinting may
// round the metrics). The search walks from the estimate towards the wanted cell and stops where
// the error grows: the cell never shrinks as the size grows. The sizes tried are measured on
// copies of one font engine at other sizes, which give the same metrics as fonts resolved for
// those sizes without matching the face through fontconfig again for each.
int PixelSizeForCell(const QFont& base, int cellPixels, QPaintDevice* device) {
    QFont font = base;
    font.setPixelSize(1000);
    QRawFont face = QRawFont::fromFont(font);
    auto cellAt = [&](int size) {
        if (!face.isValid()) {
            font.setPixelSize(size);
            return CellOf(font, device);
        }
        face.setPixelSize(size);
        return face.ascent() + face.descent();
    };
    const double cellPerPixel = cellAt(1000) / 1000.0;
    if (cellPerPixel <= 0) {
        return std::max(1, cellPixels);
    }
    const int estimate = std::max(1, static_cast<int>(std::lround(cellPixels / cellPerPixel)));
    const int lowest = std::max(1, estimate - 2), highest = estimate + 2;
    const double shortfall = cellPixels - cellAt(estimate);
    int best = estimate;
    double bestError = std::abs(shortfall);
    auto walk = [&](int step) {
        for (int size = estimate + step; size >= lowest && size <= highest; size += step) {
            double error = std::abs(cellAt(size) - cellPixels);
            if (error > bestError) {
                return;
            }
            if (error < bestError || step < 0) {
                best = size;
                bestError = error;
            }
        }
    };
    if (shortfall > 0) {
        walk(1);
        if (best == estimate) {
            walk(-1);  // a smaller size with the same cell
        }
    } else {
        walk(-1);
    }
    return best;
}

// Fonts are created on every drawing; each face, cell and resolution is resolved and measured
// once.
const ResolvedFont& ResolveFont(const std::string& face, int cellPixels, QPaintDevice* device) {
    static std::map<std::tuple<std::string, int, int>, ResolvedFont> resolved;
    auto key = std::make_tuple(face, cellPixels, device->logicalDpiY());
    auto found = resolved.find(key);
    if (found == resolved.end()) {
        QFont font = BaseFont(face);
        font.setPixelSize(PixelSizeForCell(font, cellPixels, device));
        found = resolved.try_emplace(key, font, QFontMetricsF(font, device)).first;
    }
    return found->second;
}

// The lines of a text drawn without DT_SINGLELINE: broken at CR LF, CR or LF, never wrapped.
QStringList LinesOf(const QString& text, unsigned format) {
    if (format & DT_SINGLELINE) {
        QString line = text;
        line.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        return {line};
    }
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normalised.split(QLatin1Char('\n'));
}

// The pixels of row y of the part of the bitmap given in pixels.
const std::uint32_t* SourceRow(const Bitmap& source, const QRect& part, int y) {
    return source.pixels.data() +
           static_cast<std::size_t>(part.y() + y) * static_cast<std::size_t>(source.width) +
           static_cast<std::size_t>(part.x());
}

QRgb Opaque(std::uint32_t pixel) {
    return 0xFF000000u | pixel;
}

// The opaque copy of the part of the bitmap given in pixels, as the drawing code expects from
// a DIB section: every pixel 0xFFRRGGBB.
QImage OpaqueImage(const Bitmap& source, const QRect& part) {
    QImage image(part.size(), QImage::Format_RGB32);
    for (int y = 0; y < part.height(); ++y) {
        const std::uint32_t* row = SourceRow(source, part, y);
        std::transform(row, row + part.width(), reinterpret_cast<QRgb*>(image.scanLine(y)), Opaque);
    }
    return image;
}

// Whether the image is still the opaque copy of that part of the bitmap.
bool IsCopyOf(const QImage& image, const Bitmap& source, const QRect& part) {
    if (image.size() != part.size()) {
        return false;
    }
    for (int y = 0; y < part.height(); ++y) {
        const std::uint32_t* row = SourceRow(source, part, y);
        if (!std::equal(row, row + part.width(),
                        reinterpret_cast<const QRgb*>(image.constScanLine(y)),
                        [](std::uint32_t pixel, QRgb copied) { return Opaque(pixel) == copied; })) {
            return false;
        }
    }
    return true;
}

// The copies of bitmap parts drawn on one device. The same part drawn again is the same QImage,
// which a PDF embeds once however often it is placed (the glyphs of an amount, a logo on every
// page). A copy of a bitmap given by reference is reused only while its pixels still match the
// bitmap's, so a bitmap changed, or freed and another made at its address, is never drawn from
// a stale copy. A shared bitmap never changes: its copy is reused while that very bitmap lives,
// without comparing its pixels again.
class CopyCache {
  public:
    const QImage& Copy(const Bitmap& source, const QRect& part) {
        Copied& found = Find(source, part);
        if (!IsCopyOf(found.image, source, part)) {
            found = Copied{OpaqueImage(source, part), {}};
        }
        return found.image;
    }

    // A copy made by reference whose pixels still match is taken over by the shared bitmap.
    const QImage& Copy(const BitmapPtr& source, const QRect& part) {
        Copied& found = Find(*source, part);
        if (found.shared.lock() != source) {
            if (!IsCopyOf(found.image, *source, part)) {
                found.image = OpaqueImage(*source, part);
            }
            found.shared = source;
        }
        return found.image;
    }

  private:
    struct Copied {
        QImage image;
        std::weak_ptr<const Bitmap> shared;  // the shared bitmap it is a copy of, if any
    };

    // The entry of that part of the bitmap at that address, empty when new.
    Copied& Find(const Bitmap& source, const QRect& part) {
        const Key key{&source, part.x(), part.y(), part.width(), part.height()};
        if (copies_.size() >= kMaxCopies && !copies_.contains(key)) {
            copies_.clear();
        }
        return copies_[key];
    }

    // Far more than the distinct glyph cells and logos of a page.
    static constexpr std::size_t kMaxCopies = 256;
    using Key = std::tuple<const Bitmap*, int, int, int, int>;
    std::map<Key, Copied> copies_;
};

// A raster surface drawn without scaling (an image, a window at one device pixel per pixel),
// moved by whole pixels at most: what was drawn on it can be kept as pixels and drawn again
// with the same result. Documents keep vectors instead.
bool UnscaledRaster(const QPainter& painter) {
    const QTransform& transform = painter.deviceTransform();
    return painter.paintEngine()->type() == QPaintEngine::Raster &&
           transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::round(transform.dx()) &&
           transform.dy() == std::round(transform.dy());
}

// A 45-degree cross-hatch of lines anchored at the device origin, clipped to the area; the
// gaps are filled with the background colour when it is opaque.
struct Hatch {
    QSize surface;
    QRect area;
    double pitch = 0;
    double width = 0;
    QColor colour;
    bool opaque = false;

    friend bool operator==(const Hatch&, const Hatch&) = default;

    void Draw(QPainter& painter) const {
        if (opaque) {
            painter.fillRect(area, kBackground);
        }
        painter.setPen(width < 1.0 ? QPen(colour, 0)
                                   : QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.setClipRect(area, Qt::IntersectClip);
        QRectF bounds = QRectF(area).adjusted(-width, -width, width, width);
        QVector<QLineF> lines;
        // Lines x - y = k * pitch (falling to the right) and x + y = k * pitch (rising).
        double first = std::floor((bounds.left() - bounds.bottom()) / pitch) * pitch;
        for (double k = first; k <= bounds.right() - bounds.top(); k += pitch) {
            lines.append(
                QLineF(bounds.top() + k, bounds.top(), bounds.bottom() + k, bounds.bottom()));
        }
        first = std::floor((bounds.left() + bounds.top()) / pitch) * pitch;
        for (double k = first; k <= bounds.right() + bounds.bottom(); k += pitch) {
            lines.append(
                QLineF(k - bounds.top(), bounds.top(), k - bounds.bottom(), bounds.bottom()));
        }
        painter.drawLines(lines);
    }
};

// The part of the surface a hatch's lines reach: from the origin to past the area's far corner
// by the area's height, the run of a 45-degree line across it.
QSize HatchReach(const Hatch& hatch) {
    const int margin = static_cast<int>(std::ceil(2 * hatch.width)) + 2;
    return hatch.surface.boundedTo(
        QSize(hatch.area.right() + hatch.area.height() + margin, hatch.area.bottom() + margin));
}

// The hatch drawn on a transparent picture of the part of the surface its lines reach, with
// the lines at the very coordinates they have on the surface: the surface's edges cut them in
// the same places, so the picture holds the pixels the lines give there. The last one made is
// kept.
const QImage& HatchPicture(const Hatch& hatch) {
    thread_local Hatch t_hatch;
    thread_local QImage t_picture;
    if (t_picture.isNull() || !(t_hatch == hatch)) {
        t_picture = QImage(HatchReach(hatch), QImage::Format_ARGB32_Premultiplied);
        t_picture.fill(Qt::transparent);
        QPainter painter(&t_picture);
        hatch.Draw(painter);
        t_hatch = hatch;
    }
    return t_picture;
}

}  // namespace

struct PainterDevice::State {
    QPainter* painter = nullptr;
    QSize pixels;
    QSizeF millimetres;
    QPoint offset;
    int sheetHeight = 0;
    QPoint viewportOrg;
    bool anisotropic = false;
    int windowCx = 1;
    int windowCy = 1;
    int viewportCx = 1;
    int viewportCy = 1;
    Pen pen;
    Brush brush;
    LogFont font;
    int bkMode = OPAQUE;
    CopyCache copies;

    bool Drawable() const { return painter != nullptr && painter->isActive(); }
    double ScaleX() const { return anisotropic ? double(viewportCx) / windowCx : 1.0; }
    double ScaleY() const { return anisotropic ? double(viewportCy) / windowCy : 1.0; }
    int DeviceX(double x) const { return ToDevice(x * ScaleX()); }
    int DeviceY(double y) const { return ToDevice(y * ScaleY()); }

    // The device pixels a logical rectangle covers, right and bottom exclusive, normalised.
    QRect DeviceRect(double left, double top, double right, double bottom) const {
        int x0 = DeviceX(left), x1 = DeviceX(right), y0 = DeviceY(top), y1 = DeviceY(bottom);
        return QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                     QPoint(std::max(x0, x1) - 1, std::max(y0, y1) - 1));
    }

    QPen OutlinePen() const {
        if (pen.width == 0) {
            return QPen(ToQColor(pen.color), 0);
        }
        double width = std::max(1.0, pen.width * std::abs(ScaleX()));
        QPen result(ToQColor(pen.color), width);
        result.setJoinStyle(Qt::MiterJoin);
        return result;
    }

    // The current font for this device: a height of 0 asks for the default cell.
    const ResolvedFont& Font() const {
        double cell = font.height == 0 ? kDefaultCellPixels : std::abs(font.height * ScaleY());
        return ResolveFont(font.face, std::max(1, ToDevice(cell)), painter->device());
    }

    // A copy of a bitmap: the part of the bitmap copied, in its pixels, and where it lands, in
    // device pixels.
    struct Placement {
        QRect part;
        QRect target;
    };
    std::optional<Placement> Place(int x, int y, int w, int h, const Bitmap& source, int sx,
                                   int sy) const;
    void DrawCopy(const QRect& target, const QImage& copy) const;

    void FillHatch(const QRect& area) const;
    void DrawLine(const QString& line, const ResolvedFont& resolved, QPointF cellTopLeft,
                  double degrees) const;
    void DrawLines(const QString& text, const ResolvedFont& resolved, const QRectF& box,
                   unsigned format) const;
    void DrawRotated(const QString& text, const ResolvedFont& resolved, const QRectF& box,
                     double degrees) const;
};

// A raster surface without scaling takes a hatch as a picture of it, drawn once and kept while
// the same hatch is asked for again: the preview repaints the same hatched frame at every paint,
// and its lines were a quarter of a repaint. Other surfaces (documents, scaled windows) get the
// lines themselves.
void PainterDevice::State::FillHatch(const QRect& area) const {
    if (area.isEmpty()) {
        return;
    }
    const Hatch hatch{.surface = pixels,
                      .area = area,
                      .pitch = std::max(2.0, kHatchPitch * std::abs(ScaleX())),
                      .width = kHatchLineWidth * std::abs(ScaleX()),
                      .colour = ToQColor(brush.color),
                      .opaque = bkMode == OPAQUE};
    const bool keepsPictures =
        UnscaledRaster(*painter) && QRect(QPoint(0, 0), pixels).contains(area);
    const QSize reach = HatchReach(hatch);
    if (keepsPictures && qint64(reach.width()) * reach.height() <= kMaxHatchPicturePixels) {
        painter->drawImage(area, HatchPicture(hatch), area);
    } else {
        hatch.Draw(*painter);
    }
}

// One line of text whose character cell starts at the given device point and runs at the given
// angle (counter-clockwise); in the opaque mode its cell is filled with the background first.
void PainterDevice::State::DrawLine(const QString& line, const ResolvedFont& resolved,
                                    QPointF cellTopLeft, double degrees) const {
    const bool rotated = degrees != 0;
    if (rotated) {
        painter->save();
        painter->translate(cellTopLeft);
        painter->rotate(-degrees);
        cellTopLeft = QPointF(0, 0);
    }
    if (bkMode == OPAQUE) {
        double advance = resolved.Advance(line, painter->device());
        painter->fillRect(QRectF(cellTopLeft, QSizeF(advance, resolved.cellHeight)), kBackground);
    }
    const QPointF baseline = cellTopLeft + QPointF(0, resolved.ascent);
    if (!rotated && UnscaledRaster(*painter)) {
        painter->drawStaticText(cellTopLeft, resolved.LaidOut(line));
    } else if (!line.isEmpty() && HeldInFixedPoint(baseline.y())) {
        const QTextLine shaped =
            resolved.Shaped(line, painter->device(), painter->layoutDirection());
        shaped.draw(painter, baseline - QPointF(0, shaped.ascent()));
    } else {
        painter->drawText(baseline, line);
    }
    if (rotated) {
        painter->restore();
    }
}

PainterDevice::PainterDevice() : state_(std::make_unique<State>()) {}

PainterDevice::PainterDevice(QPainter& painter, QSize pixels, QSizeF millimetres)
    : PainterDevice() {
    Attach(painter, pixels, millimetres);
}

PainterDevice::~PainterDevice() = default;

void PainterDevice::Attach(QPainter& painter, QSize pixels, QSizeF millimetres, QPoint offset,
                           int sheetHeight) {
    state_->painter = &painter;
    state_->pixels = pixels;
    state_->millimetres = millimetres;
    state_->offset = offset;
    state_->sheetHeight = sheetHeight > 0 ? sheetHeight : pixels.height();
}

int PainterDevice::GetDeviceCaps(int index) const {
    switch (index) {
        case HORZSIZE:
            return static_cast<int>(std::lround(state_->millimetres.width()));
        case VERTSIZE:
            return static_cast<int>(std::lround(state_->millimetres.height()));
        case HORZRES:
            return state_->pixels.width();
        case VERTRES:
            return state_->pixels.height();
        case RASTERCAPS:
            return kRasterCaps;
        case PHYSICALOFFSETX:
            return state_->offset.x();
        case PHYSICALOFFSETY:
            return state_->offset.y();
        case PHYSICALHEIGHT:
            return state_->sheetHeight;
        default:
            return 0;
    }
}

void PainterDevice::SetMapModeAnisotropic() {
    state_->anisotropic = true;
}

// Zero extents are refused, as the platform's mapping calls refuse them.
void PainterDevice::SetWindowExt(int cx, int cy) {
    if (cx != 0 && cy != 0) {
        state_->windowCx = cx;
        state_->windowCy = cy;
    }
}

void PainterDevice::SetViewportExt(int cx, int cy) {
    if (cx != 0 && cy != 0) {
        state_->viewportCx = cx;
        state_->viewportCy = cy;
    }
}

// The painter moves by whole pixels: what is drawn at the new origin is pixel for pixel what
// was drawn at the old one. Only the change is applied, so a transform the painter already has
// stays under it; an unchanged origin leaves the painter untouched.
void PainterDevice::SetViewportOrg(int x, int y) {
    const QPoint origin(x, y);
    if (!state_->Drawable() || origin == state_->viewportOrg) {
        return;
    }
    const QPoint step = origin - state_->viewportOrg;
    state_->painter->translate(step.x(), step.y());
    state_->viewportOrg = origin;
}

Pen PainterDevice::SelectPen(const Pen& pen) {
    return std::exchange(state_->pen, pen);
}

Brush PainterDevice::SelectBrush(const Brush& brush) {
    return std::exchange(state_->brush, brush);
}

LogFont PainterDevice::SelectFont(const LogFont& font) {
    return std::exchange(state_->font, font);
}

int PainterDevice::GetBkMode() const {
    return state_->bkMode;
}

int PainterDevice::SetBkMode(int mode) {
    int previous = state_->bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE) {
        state_->bkMode = mode;
    }
    return previous;
}

// The interior covers the device pixels of [left, right) x [top, bottom); the outline is
// centred on the outermost pixel row and column of that area, so a one-pixel pen draws exactly
// on them.
void PainterDevice::Rectangle(int left, int top, int right, int bottom) {
    if (!state_->Drawable()) {
        return;
    }
    QRect area = state_->DeviceRect(left, top, right, bottom);
    if (area.isEmpty()) {
        return;
    }
    QPainter& painter = *state_->painter;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (state_->brush.style == BrushStyle::Solid) {
        painter.fillRect(area, ToQColor(state_->brush.color));
    } else {
        // Lines off the surface are not drawn: a huge rectangle costs no more than the surface.
        state_->FillHatch(area.intersected(QRect(QPoint(0, 0), state_->pixels)));
    }
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(state_->OutlinePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

// Unrotated text is placed as the platform's draw-text places it: each line's cell from the
// top (or at the bottom, or centred, for a single line), aligned left, centred or right.
void PainterDevice::State::DrawLines(const QString& text, const ResolvedFont& resolved,
                                     const QRectF& box, unsigned format) const {
    double top = box.top();
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM) {
            top = box.bottom() - resolved.cellHeight;
        } else if (format & kVerticalCenter) {
            top = box.center().y() - resolved.cellHeight / 2.0;
        }
    }
    for (const QString& line : LinesOf(text, format)) {
        double advance = resolved.Advance(line, painter->device());
        double x = box.left();
        if (format & DT_CENTER) {
            x = box.center().x() - advance / 2.0;
        } else if (format & DT_RIGHT) {
            x = box.right() - advance;
        }
        DrawLine(line, resolved, QPointF(x, top), 0);
        top += resolved.cellHeight;
    }
}

// A rotated line is centred across the rectangle and starts at the edge it reads from (a line
// at 90 degrees starts at the bottom), so a line longer than the rectangle is cut at its end.
void PainterDevice::State::DrawRotated(const QString& text, const ResolvedFont& resolved,
                                       const QRectF& box, double degrees) const {
    double radians = degrees * std::numbers::pi / 180.0;
    double cos = std::cos(radians), sin = std::sin(radians);
    double along = box.width() * std::abs(cos) + box.height() * std::abs(sin);
    // The start of the cell in the line's own frame, whose origin is the rectangle's centre.
    QPointF start(-along / 2.0, -resolved.cellHeight / 2.0);
    QPointF cellTopLeft = box.center() + QPointF(start.x() * cos + start.y() * sin,
                                                 -start.x() * sin + start.y() * cos);
    DrawLine(LinesOf(text, DT_SINGLELINE).front(), resolved, cellTopLeft, degrees);
}

void PainterDevice::DrawText(const std::string& text, const Rect& rect, unsigned format) {
    if (!state_->Drawable() || text.empty()) {
        return;
    }
    QRect area = state_->DeviceRect(rect.left, rect.top, rect.right, rect.bottom);
    if (area.isEmpty()) {
        return;
    }
    QPainter& painter = *state_->painter;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const ResolvedFont& font = state_->Font();
    painter.setFont(font.font);
    painter.setPen(kTextColor);
    QRectF box(area.left(), area.top(), area.width(), area.height());
    double degrees = (state_->font.escapement % 3600) / 10.0;
    if (degrees != 0) {
        state_->DrawRotated(FromCp1252(text), font, box, degrees);
    } else {
        state_->DrawLines(FromCp1252(text), font, box, format);
    }
    painter.restore();
}

// The source rectangle is cut to the bitmap; what remains lands on the logical rectangle it
// corresponds to, one source pixel per logical unit, stretched by the mapping.
std::optional<PainterDevice::State::Placement> PainterDevice::State::Place(int x, int y, int w,
                                                                           int h,
                                                                           const Bitmap& source,
                                                                           int sx, int sy) const {
    if (!Drawable() || w <= 0 || h <= 0) {
        return std::nullopt;
    }
    if (source.width <= 0 || source.height <= 0 ||
        source.pixels.size() < static_cast<std::size_t>(source.width) * source.height) {
        return std::nullopt;
    }
    // In 64 bits: a source rectangle may reach past the largest int.
    qint64 x0 = std::max<qint64>(sx, 0), x1 = std::min<qint64>(qint64(sx) + w, source.width);
    qint64 y0 = std::max<qint64>(sy, 0), y1 = std::min<qint64>(qint64(sy) + h, source.height);
    if (x0 >= x1 || y0 >= y1) {
        return std::nullopt;
    }
    QRect part(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
    double left = double(x) + double(x0 - sx), top = double(y) + double(y0 - sy);
    QRect target = DeviceRect(left, top, left + part.width(), top + part.height());
    if (target.isEmpty()) {
        return std::nullopt;
    }
    return Placement{part, target};
}

void PainterDevice::State::DrawCopy(const QRect& target, const QImage& copy) const {
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Every bitmap is kept exact: a PDF or a printer would otherwise get a full-colour one as a
    // JPEG, altering the logo's own pixels and greying the edges of glyphs.
    painter->setRenderHint(QPainter::LosslessImageRendering, true);
    painter->drawImage(QRectF(target), copy);
    painter->restore();
}

void PainterDevice::BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) {
    if (const auto placed = state_->Place(x, y, w, h, source, sx, sy)) {
        state_->DrawCopy(placed->target, state_->copies.Copy(source, placed->part));
    }
}

void PainterDevice::BitBltShared(int x, int y, int w, int h, const BitmapPtr& source, int sx,
                                 int sy) {
    if (!source) {
        return;
    }
    if (const auto placed = state_->Place(x, y, w, h, *source, sx, sy)) {
        state_->DrawCopy(placed->target, state_->copies.Copy(source, placed->part));
    }
}

int PainterDevice::StartDoc(const std::string&) {
    return 1;
}
int PainterDevice::StartPage() {
    return 1;
}
int PainterDevice::EndPage() {
    return 1;
}
int PainterDevice::EndDoc() {
    return 1;
}
