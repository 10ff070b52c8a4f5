// A receipt-sized page drawn through the device: 9 rectangles, 35 texts and 17 glyph cells of
// 22 x 39 pixels from a 1-bit sheet.
//   bench_draw image [REPAINTS] [PNG]  median time of one repaint of a 96 dpi image
//   bench_draw pdf FILE                 one A4 page written as a PDF (time the whole process)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/painter_device.h"
#include "platform/qt/qt_devices.h"

namespace {

// A glyph sheet of 40 x 9 cells, each with a black bar at a place of its own.
Bitmap GlyphSheet() {
    Bitmap sheet;
    sheet.width = 22 * 40;
    sheet.height = 39 * 9;
    sheet.bitsPerPixel = 1;
    sheet.colorsUsed = 2;
    sheet.colorTable = {0x000000, 0xFFFFFF};
    sheet.pixels.assign(std::size_t(sheet.width) * sheet.height, 0xFFFFFF);
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; x += 22) {
            sheet.pixels[std::size_t(y) * sheet.width + x + (y % 39) % 20] = 0x000000;
        }
    }
    return sheet;
}

void DrawTexts(Device& dc) {
    const LogFont small{"Times New Roman", 30, 0}, medium{"Times New Roman", 40, 0};
    LogFont old = dc.SelectFont(small);
    const Rect labels[] = {{410, 55, 740, 80},    {760, 55, 1540, 80},    {1560, 55, 1940, 80},
                           {410, 140, 1190, 165}, {1210, 140, 1940, 165}, {410, 475, 1940, 500}};
    for (const Rect& r : labels) {
        dc.DrawText("N\xFAmero de recibo", r, 0);
    }
    dc.SelectFont(medium);
    dc.DrawText("2024/0001", {410, 85, 730, 130}, 2);
    dc.DrawText("Madrid", {760, 85, 1540, 130}, 1);
    dc.DrawText("12 de marzo de 2024", {410, 170, 1190, 215}, 1);
    dc.DrawText("12 de abril de 2024", {1210, 170, 1940, 215}, 1);
    for (int i = 0; i < 6; ++i) {
        int top = 225 + 40 * i;
        dc.DrawText("Cuota mensual de la comunidad & gastos", {420, top, 1640, top + 40}, 0);
        dc.DrawText("1.234,56", {1650, top, 1930, top + 40}, 2);
    }
    dc.DrawText("Calle Mayor 1, 28013 Madrid", {420, 505, 1940, 550}, 0);
    for (int i = 0; i < 4; ++i) {
        dc.DrawText("Pagador: Jos\xE9 P\xE9rez", {420, 585 + 40 * i, 1190, 625 + 40 * i}, 0);
        dc.DrawText(
            "Cobrador: Mar\xED"
            "a L\xF3pez",
            {1220, 585 + 40 * i, 1940, 625 + 40 * i}, 0);
    }
    dc.SelectFont({"Times New Roman", 35, 900});
    for (int i = 0; i < 3; ++i) {
        dc.DrawText("Texto libre vertical", {100 + 80 * i, 40, 250 + 80 * i, 770}, 0x29);
    }
    dc.SelectFont(old);
}

void DrawPage(Device& dc, const Bitmap& sheet) {
    dc.SetMapModeAnisotropic();
    dc.SetWindowExt(dc.GetDeviceCaps(HORZSIZE) * 10, dc.GetDeviceCaps(VERTSIZE) * 10);
    dc.SetViewportExt(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    Pen pen = dc.SelectPen({1, RGB(200, 200, 200)});
    Brush brush = dc.SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(200, 255, 255)});
    int mode = dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(50, 20, 1989, 879);
    dc.SelectPen(pen);
    dc.SelectBrush(brush);
    const Rect boxes[] = {{400, 50, 750, 135},   {750, 50, 1550, 135},   {1550, 50, 1950, 135},
                          {400, 135, 1200, 220}, {1200, 135, 1950, 220}, {400, 220, 1950, 470},
                          {400, 470, 1950, 555}, {400, 580, 1200, 800}};
    for (const Rect& r : boxes) {
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
    }
    DrawTexts(dc);
    for (int j = 0; j < 17; ++j) {
        int c = j < 7 ? '#' : '0' + j;
        dc.BitBlt(1560 + 22 * j, 85, 22, 39, sheet, 22 * ((c + 9) % 40), 39 * ((c + 9) / 40));
    }
    dc.SetBkMode(mode);
}

int RepaintImage(int repaints, const char* png) {
    const Bitmap sheet = GlyphSheet();
    const QSizeF mm(210, 99);
    QImage image(qRound(mm.width() / 25.4 * 96), qRound(mm.height() / 25.4 * 96),
                 QImage::Format_RGB32);
    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        QElapsedTimer timer;
        timer.start();
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterDevice device(painter, image.size(), mm);
        DrawPage(device, sheet);
        painter.end();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("image 96 dpi %dx%d: median %.3f ms per repaint, fastest %.3f, slowest %.3f (%d)\n",
                image.width(), image.height(), times[times.size() / 2], times.front(), times.back(),
                repaints);
    if (png != nullptr) {
        image.save(png);
    }
    return 0;
}

int WritePdf(const char* path) {
    auto device = CreatePdfDevice(path);
    if (device->StartDoc("Imprimiento Recibo") <= 0 || device->StartPage() <= 0) {
        return 1;
    }
    DrawPage(*device, GlyphSheet());
    return device->EndPage() > 0 && device->EndDoc() > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string mode = argc > 1 ? argv[1] : "image";
    if (mode == "pdf" && argc > 2) {
        return WritePdf(argv[2]);
    }
    if (mode == "image") {
        return RepaintImage(argc > 2 ? std::max(1, std::atoi(argv[2])) : 300,
                            argc > 3 ? argv[3] : nullptr);
    }
    std::fprintf(stderr, "usage: bench_draw image [REPAINTS] [PNG] | bench_draw pdf FILE\n");
    return 2;
}
