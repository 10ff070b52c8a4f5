// One repaint of the preview window: the stored receipt drawn by the renderer on a 96 dpi
// image the size of a maximised client area, settings and logo read anew each time as every
// paint does. Prints the median and the fastest and slowest repaint.
//   bench_repintado [REPAINTS] [PNG]   (BRIXAMO_HOME names the settings folder)
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/plataforma_app.h"
#include "output/apariencia_recibo.h"
#include "output/dibujarrecibo.h"
#include "output/recibo_guardado.h"
#include "platform/qt/painter_device.h"

namespace {

constexpr double kMmPorPixel = 25.4 / 96.0;
const QSize kCliente(1920, 1000);

double Repintar(const ReciboGuardado& guardado, QImage& imagen) {
    QElapsedTimer reloj;
    reloj.start();
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    PainterDevice dc(painter, kCliente,
                     QSizeF(kCliente.width() * kMmPorPixel, kCliente.height() * kMmPorPixel));
    DibujarRecibo(guardado.recibo, AparienciaEnVigor(), guardado.ajustesMoneda, dc);
    painter.end();
    return static_cast<double>(reloj.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int nRepintados = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    CPlataformaApp plataforma(argc, argv);
    const ReciboGuardado guardado = LeerReciboGuardado();
    QImage imagen(kCliente, QImage::Format_RGB32);
    Repintar(guardado, imagen);  // fonts and the glyph sheet loaded once, as by the first paint
    std::vector<double> tiempos;
    tiempos.reserve(nRepintados);
    for (int i = 0; i < nRepintados; ++i) {
        tiempos.push_back(Repintar(guardado, imagen));
    }
    std::sort(tiempos.begin(), tiempos.end());
    std::printf("preview repaint %dx%d at 96 dpi: median %.3f ms, min %.3f ms, max %.3f ms (%d)\n",
                kCliente.width(), kCliente.height(), tiempos[tiempos.size() / 2], tiempos.front(),
                tiempos.back(), nRepintados);
    if (argc > 2) {
        imagen.save(QString::fromLocal8Bit(argv[2]));
    }
    return 0;
}
