#include "tests/options/entorno_opciones.h"

#include <QDate>
#include <QIcon>
#include <QImage>
#include <QPushButton>

#include "lang/idiomas.h"
#include "platform/qt/dialog_controls.h"
#include "settings/esquema.h"
#include "tests/support/ui.h"

OpcionesTest::OpcionesTest() {
    ajustes::kIdioma.Escribir(1);
    g_nIdioma = 1;
}

Date HoyDelSistema() {
    const QDate hoy = QDate::currentDate();
    return Date{hoy.year(), hoy.month(), hoy.day()};
}

bool MuestraImagen(const CDialog& dlg, int id, int nBitmap) {
    const auto* boton = qobject_cast<const QPushButton*>(ui::Control(dlg, id));
    const BitmapPtr esperada = Servicios().LoadResourceBitmap(nBitmap);
    if (boton == nullptr || esperada == nullptr || boton->icon().isNull()) {
        return false;
    }
    const QImage mostrada = boton->icon()
                                .pixmap(QSize(esperada->width, esperada->height))
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    return mostrada == ToQImage(*esperada);
}
