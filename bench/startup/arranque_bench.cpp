// The program's start-up measured: the same start as `brixamo`, and once the form has been
// painted and the event loop has nothing left to do, the form is closed with its close box.
// Prints the time from entering main to that moment; run it under /usr/bin/time -v for the
// process's whole wall time and peak memory (bench/startup/medir.sh).
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <set>

#include "app/plataforma_app.h"
#include "app/reciboapp.h"

namespace {

// Remembers the windows that have been painted.
class VigilaPintado : public QObject {
  public:
    std::set<const QWidget*> pintadas;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && objeto->isWidgetType()) {
            pintadas.insert(static_cast<QWidget*>(objeto)->window());
        }
        return QObject::eventFilter(objeto, evento);
    }
};

QWidget* VentanaVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    CPlataformaApp plataforma(argc, argv);
    VigilaPintado pintado;
    qApp->installEventFilter(&pintado);
    double dMs = 0;
    // A zero timer runs whenever the loop is idle: once the form has been painted, it closes
    // it.
    QTimer inactivo;
    inactivo.setInterval(0);
    QObject::connect(&inactivo, &QTimer::timeout, [&] {
        QWidget* ventana = VentanaVisible();
        if (ventana != nullptr && pintado.pintadas.contains(ventana)) {
            dMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
                    .count();
            inactivo.stop();
            ventana->close();
        }
    });
    inactivo.start();
    CReciboApp().InitInstance();
    std::printf("form shown and idle after %.1f ms (from main)\n", dMs);
    return 0;
}
