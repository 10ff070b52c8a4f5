// The faces the generator draws with, resolved from the installed fonts.
#pragma once

#include <QPainterPath>
#include <QRawFont>

// The face `family` at `pixelSize` and `weight`; exits the generator with a message when the
// system does not have exactly that family (the output would not be reproducible).
QRawFont RequireFace(const QString& family, qreal pixelSize, QFont::Weight weight);

// The outline of `codePoint` in `face` with its origin on the baseline at (0, 0), and its
// advance; an empty path when the face has no glyph for it.
QPainterPath GlyphOutline(const QRawFont& face, char32_t codePoint, qreal* advance);
