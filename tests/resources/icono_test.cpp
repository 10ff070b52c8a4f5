// The application icon: one PNG per size the desktop themes use, each of its own size and of
// the same design, and an SVG of that design.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QXmlStreamReader>

#include "archivo_bmp.h"

namespace {

constexpr int kTamanos[] = {16, 32, 48, 64, 128, 256};
constexpr int kMayor = 256;

QImage Icono(int nTamano) {
    return QImage(RutaRecurso(QString("icons/%1.png").arg(nTamano)))
        .convertToFormat(QImage::Format_ARGB32);
}

// The share of the icon's area for which `cuenta` holds, pixels weighted by their opacity.
template <typename Cuenta>
double Proporcion(const QImage& icono, Cuenta cuenta) {
    double suma = 0;
    for (int y = 0; y < icono.height(); ++y) {
        for (int x = 0; x < icono.width(); ++x) {
            const QRgb p = icono.pixel(x, y);
            suma += cuenta(p) ? qAlpha(p) / 255.0 : 0.0;
        }
    }
    return suma / (icono.width() * icono.height());
}

bool Cubierto(QRgb) {
    return true;
}

// The euro sign's green, antialiased edges included.
bool Verde(QRgb p) {
    return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 20;
}

class IconoPorTamano : public ::testing::TestWithParam<int> {};

TEST_P(IconoPorTamano, TieneLosPixelesDeSuNombre) {
    const int n = GetParam();
    const QImage icono = Icono(n);
    ASSERT_FALSE(icono.isNull()) << n;
    EXPECT_EQ(icono.size(), QSize(n, n));
    EXPECT_TRUE(QImage(RutaRecurso(QString("icons/%1.png").arg(n))).hasAlphaChannel());
}

// Drawn anew at each size, the picture still covers the same share of its square, and the
// euro sign the same share of it, as at the largest size.
TEST_P(IconoPorTamano, EsElMismoDibujoQueElMayor) {
    const int n = GetParam();
    const QImage icono = Icono(n);
    const QImage mayor = Icono(kMayor);
    EXPECT_NEAR(Proporcion(icono, Cubierto), Proporcion(mayor, Cubierto), 0.08) << n;
    EXPECT_NEAR(Proporcion(icono, Verde), Proporcion(mayor, Verde), 0.05) << n;
    EXPECT_GT(Proporcion(icono, Verde), 0.05) << n;
}

INSTANTIATE_TEST_SUITE_P(Todos, IconoPorTamano, ::testing::ValuesIn(kTamanos),
                         [](const auto& fila) { return std::to_string(fila.param) + "px"; });

struct Svg {
    QString viewBox;
    QStringList rellenos;  // the fill of each path with one
    int caminos = 0;
    bool bienFormado = false;
};

Svg LeerSvg() {
    QFile fichero(RutaRecurso("icons/brixamo.svg"));
    Svg svg;
    if (!fichero.open(QIODevice::ReadOnly)) {
        return svg;
    }
    QXmlStreamReader xml(&fichero);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto atributos = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            svg.viewBox = atributos.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("path")) {
            svg.caminos += atributos.value("d").isEmpty() ? 0 : 1;
            if (atributos.value("fill") != QLatin1String("none")) {
                svg.rellenos << atributos.value("fill").toString();
            }
        }
    }
    svg.bienFormado = !xml.hasError();
    return svg;
}

bool TieneElColor(const QImage& icono, const QColor& color) {
    for (int y = 0; y < icono.height(); ++y) {
        for (int x = 0; x < icono.width(); ++x) {
            if (icono.pixel(x, y) == color.rgba()) {
                return true;
            }
        }
    }
    return false;
}

// The scalable icon is the 256-pixel one's design: the same square and the same paints.
TEST(IconoEscalable, EsElDibujoDeLosPng) {
    const Svg svg = LeerSvg();
    ASSERT_TRUE(svg.bienFormado);
    EXPECT_EQ(svg.viewBox, "0 0 256 256");
    EXPECT_EQ(svg.caminos, 3);
    ASSERT_EQ(svg.rellenos.size(), 2);
    const QImage mayor = Icono(kMayor);
    for (const QString& relleno : svg.rellenos) {
        EXPECT_TRUE(TieneElColor(mayor, QColor(relleno))) << relleno.toStdString();
    }
}

}  // namespace
