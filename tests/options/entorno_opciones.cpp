#include "tests/options/entorno_opciones.h"

#include <QDate>
#include <QIcon>
#include <QImage>
#include <QPushButton>

#include "lang/idiomas.h"
#include "platform/qt/dialog_controls.h"
#include "settings/ficherostxt.h"
#include "tests/support/ui.h"

void GuardarMoneda(const Moneda& m) {
    const char* const sSeccion = "Aplicacion Recibos";
    EscribirValor(sSeccion, "monetary name", m.sNombre);
    EscribirValor(sSeccion, "monetary symbol", m.sSimbolo);
    EscribirValorEntero(sSeccion, "Number of fractional digits", m.nDecimales);
    EscribirValor(sSeccion, "decimal separator", m.sDecimal);
    EscribirValor(sSeccion, "saparator between groups", m.sMiles);
    EscribirValorEntero(sSeccion, "Sizes of each group", 3);
    EscribirValorEntero(sSeccion, "Positive currency mode", m.nPositivo);
    EscribirValorEntero(sSeccion, "Negative currency mode", m.nNegativo);
    EscribirValorEntero(sSeccion, "Relleno", m.nRelleno);
    EscribirValorEntero(sSeccion, "GetProfileString ok", 1);
}

OpcionesTest::OpcionesTest() {
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 1);
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
