#include "app_icon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cmath>

#include "fonts.h"

namespace {

constexpr qreal kDesignSize = 256.0;
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// The strokes' widths in design units, and the fewest whole pixels each keeps at small sizes
// so that the outline and the rules do not fade into grey.
constexpr qreal kOutlineWidth = 8;
constexpr qreal kRuleWidth = 12;
constexpr qreal kFewestPixels = 1;

const QColor kOutline(70, 70, 80);
const QColor kPaper(252, 252, 248);
const QColor kRule(150, 150, 160);
const QColor kEuro(0, 120, 60);

// The design in a 256 x 256 space: a sheet of paper with a torn lower edge, two rules of text
// and a large euro sign.
struct Shapes {
    QPolygonF paper;
    QLineF rules[2];
    QPainterPath euro;
};

QPolygonF Paper() {
    QPolygonF paper;
    paper << QPointF(40, 12) << QPointF(216, 12) << QPointF(216, 228);
    const int teeth = 8;
    const qreal step = (216.0 - 40.0) / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal right = 216.0 - i * step;
        paper << QPointF(right - step / 2, 244) << QPointF(right - step, 228);
    }
    return paper;
}

// The euro sign of DejaVu Sans Bold, 120 units high, centred on (128, 160).
QPainterPath Euro() {
    const QRawFont face = RequireFace("DejaVu Sans", 150, QFont::Bold);
    qreal advance = 0;
    const QPainterPath euro = GlyphOutline(face, 0x20AC, &advance);
    const QRectF bounds = euro.boundingRect();
    const qreal scale = 120.0 / bounds.height();
    QTransform place;
    place.translate(128, 160);
    place.scale(scale, scale);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(euro);
}

const Shapes& Design() {
    static const Shapes shapes{Paper(), {QLineF(68, 46, 188, 46), QLineF(68, 76, 150, 76)}, Euro()};
    return shapes;
}

// A stroke's width at `scale` pixels per design unit, in whole pixels.
qreal PixelWidth(qreal designWidth, qreal scale) {
    return std::max(kFewestPixels, std::round(designWidth * scale));
}

// A design coordinate moved onto the pixel grid, so that a stroke of `width` whole pixels
// covers whole pixels: on pixel centres for odd widths, on pixel edges for even ones.
qreal Snap(qreal v, qreal scale, qreal width) {
    const qreal offset = std::fmod(width, 2.0) == 1.0 ? 0.5 : 0.0;
    return std::floor(v * scale) + offset;
}

QPointF Snap(QPointF p, qreal scale, qreal width) {
    return {Snap(p.x(), scale, width), Snap(p.y(), scale, width)};
}

QImage Render(int size) {
    const Shapes& design = Design();
    const qreal scale = size / kDesignSize;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal outline = PixelWidth(kOutlineWidth, scale);
    QPolygonF paper;
    for (const QPointF& corner : design.paper) {
        paper << Snap(corner, scale, outline);
    }
    p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    p.drawPolygon(paper);

    const qreal rule = PixelWidth(kRuleWidth, scale);
    p.setPen(QPen(kRule, rule, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& line : design.rules) {
        p.drawLine(Snap(line.p1(), scale, rule), Snap(line.p2(), scale, rule));
    }

    p.fillPath(QTransform::fromScale(scale, scale).map(design.euro), kEuro);
    return image;
}

QString Number(qreal v) {
    QString text = QString::number(v, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString Point(QPointF p) {
    return Number(p.x()) + QLatin1Char(' ') + Number(p.y());
}

// SVG path data of a path of moves, lines and cubic curves, as QPainterPath keeps them.
QString PathData(const QPainterPath& path) {
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            parts << QLatin1Char('M') + Point(e);
        } else if (e.isLineTo()) {
            parts << QLatin1Char('L') + Point(e);
        } else if (e.isCurveTo()) {
            parts << QLatin1Char('C') + Point(e) + QLatin1Char(' ') + Point(path.elementAt(i + 1)) +
                         QLatin1Char(' ') + Point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return parts.join(QLatin1Char(' '));
}

QString PolygonData(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    return PathData(path) + QLatin1String(" Z");
}

QString RulesData(const QLineF (&rules)[2]) {
    QStringList parts;
    for (const QLineF& line : rules) {
        parts << QLatin1Char('M') + Point(line.p1()) + QLatin1String(" L") + Point(line.p2());
    }
    return parts.join(QLatin1Char(' '));
}

bool WriteSvg(const QString& file) {
    const Shapes& design = Design();
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream svg(&out);
    const QString fillRule = design.euro.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\""
        << " viewBox=\"0 0 256 256\">\n"
        << "  <path d=\"" << PolygonData(design.paper) << "\" fill=\"" << kPaper.name()
        << "\" stroke=\"" << kOutline.name() << "\" stroke-width=\"" << Number(kOutlineWidth)
        << "\" stroke-linejoin=\"round\"/>\n"
        << "  <path d=\"" << RulesData(design.rules) << "\" fill=\"none\" stroke=\"" << kRule.name()
        << "\" stroke-width=\"" << Number(kRuleWidth) << "\" stroke-linecap=\"round\"/>\n"
        << "  <path d=\"" << PathData(design.euro) << "\" fill=\"" << kEuro.name()
        << "\" fill-rule=\"" << fillRule << "\"/>\n"
        << "</svg>\n";
    svg.flush();
    return out.error() == QFileDevice::NoError;
}

}  // namespace

bool WriteIcons(const QString& folder) {
    const QDir dir(folder);
    for (const int size : kSizes) {
        if (!Render(size).save(dir.filePath(QString("%1.png").arg(size)), "PNG")) {
            return false;
        }
    }
    return WriteSvg(dir.filePath("brixamo.svg"));
}
