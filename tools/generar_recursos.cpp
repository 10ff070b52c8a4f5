// Generates the program's bitmaps and icons into res/bitmaps and res/icons.
//
//   cmake -S . -B build-tools -DBRX_TOOLS=ON && cmake --build build-tools --target brx_resgen
//   build-tools/tools/brx_resgen <repository root>
//
// The output depends only on the installed fonts (Liberation Mono, DejaVu Sans, DejaVu Sans
// Mono), so running it again gives the same files.

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "app_icon.h"
#include "bmp_writer.h"
#include "button_images.h"
#include "glyph_sheet.h"
#include "palettes.h"
#include "sign_buttons.h"

namespace {

constexpr int kGlyphSheetId = 147;
constexpr int kSheetColours = 2;

bool WriteGlyphSheet(const QString& folder) {
    const BmpFormat format{1, MonochromeTable(), kSheetColours};
    return WriteBmp(QDir(folder).filePath(QString("%1.bmp").arg(kGlyphSheetId)), DrawGlyphSheet(),
                    format);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString bitmaps = root.filePath("res/bitmaps");
    const QString icons = root.filePath("res/icons");
    if (!QDir().mkpath(bitmaps) || !QDir().mkpath(icons)) {
        std::fprintf(stderr, "cannot create the output folders under %s\n", argv[1]);
        return 1;
    }
    const bool written = WriteGlyphSheet(bitmaps) && WriteSignButtons(bitmaps) &&
                         WriteButtonImages(bitmaps) && WriteIcons(icons);
    if (!written) {
        std::fprintf(stderr, "writing the resources under %s failed\n", argv[1]);
        return 1;
    }
    return 0;
}
