#include "fonts.h"

#include <QFont>

#include <cstdio>
#include <cstdlib>

QRawFont RequireFace(const QString& family, qreal pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::NoFontMerging);
    QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid() || face.familyName() != family) {
        std::fprintf(stderr, "the font \"%s\" is not installed\n", qPrintable(family));
        std::exit(1);
    }
    face.setPixelSize(pixelSize);
    return face;
}

QPainterPath GlyphOutline(const QRawFont& face, char32_t codePoint, qreal* advance) {
    *advance = 0;
    if (!face.supportsCharacter(static_cast<uint>(codePoint))) {
        return {};
    }
    const char32_t text[1] = {codePoint};
    const QList<quint32> glyphs = face.glyphIndexesForString(QString::fromUcs4(text, 1));
    if (glyphs.size() != 1 || glyphs[0] == 0) {
        return {};
    }
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
    *advance = advances[0].x();
    return face.pathForGlyph(glyphs[0]);
}
