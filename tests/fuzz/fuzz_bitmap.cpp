// Arbitrary bytes as a logo file, loaded the way the program loads one: BMP layouts decoded by
// our own code, the others (and PNG and JPEG) by the toolkit's readers and then converted.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "platform/bmp_decoding.h"
#include "platform/qt/image_loading.h"
#include "tests/fuzz/comprobar.h"

namespace {

// Headers may announce up to 10000 x 10000 pixels from a few bytes of run-length codes; past
// this many the run is the same code over a larger buffer, only slower.
constexpr std::int64_t kMaxFuzzedPixels = 1 << 20;

std::string g_ruta;

bool TooLarge(std::span<const std::uint8_t> bytes) {
    const auto header = ReadBmpHeader(bytes);
    return header && std::int64_t{header->width} * header->height > kMaxFuzzedPixels;
}

// A run-length coded bitmap holds only colours of its table, and black for indexes beyond it.
bool OnlyTableColours(const Bitmap& bitmap) {
    return std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(), [&](std::uint32_t pixel) {
        return pixel == 0 || std::find(bitmap.colorTable.begin(), bitmap.colorTable.end(), pixel) !=
                                 bitmap.colorTable.end();
    });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's warnings about each broken file would bury the fuzzer's own report (libpng still
    // prints its errors itself).
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication application(*argc, *argv);
    static QTemporaryDir carpeta;
    Comprobar(carpeta.isValid(), "temporary folder");
    g_ruta = carpeta.filePath("logo").toStdString();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (TooLarge(bytes)) {
        return -1;  // not added to the corpus
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichero(std::fopen(g_ruta.c_str(), "wb"),
                                                            &std::fclose);
    Comprobar(fichero && std::fwrite(data, 1, size, fichero.get()) == size, "file written");
    fichero.reset();

    const BitmapPtr bitmap = LoadBitmapFromFile(g_ruta);
    if (!bitmap) {
        return 0;
    }
    Comprobar(bitmap->width > 0 && bitmap->height > 0, "a bitmap has pixels");
    Comprobar(bitmap->pixels.size() == std::size_t(bitmap->width) * std::size_t(bitmap->height),
              "one pixel per place");
    Comprobar(std::all_of(bitmap->pixels.begin(), bitmap->pixels.end(),
                          [](std::uint32_t pixel) { return pixel <= 0xFFFFFFu; }),
              "opaque pixels");
    Comprobar(bitmap->colorTable.size() <= 256, "a colour table of at most 256 colours");
    const auto header = ReadBmpHeader(bytes);
    if (header && (header->compression == 1 || header->compression == 2)) {
        Comprobar(OnlyTableColours(*bitmap), "run-length codes give table colours only");
    }
    return 0;
}
