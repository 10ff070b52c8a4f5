#include "tests/output/entorno_salida.h"

#include <cmath>
#include <sstream>

#include "money/globalcurrency.h"

CGlobalCurrency Importe(double dValor) {
    CGlobalCurrency cu;
    cu.SetValor(std::llround(dValor * 10000));
    return cu;
}

ReciboData ReciboCompleto() {
    ReciboData r;
    r.sDNumero = "Numero";
    r.sDLocalidad = "Localidad";
    r.sDImporte = "Importe";
    r.sDFecha = "Fecha";
    r.sDVencimiento = "Vencimiento";
    r.sDDomicilio = "Domicilio";
    r.sNumero = "A-0017";
    r.sLocalidad = "Vigo";
    r.sFecha = "09/12/2026";
    r.sVencimiento = "31/12/2026";
    r.sConcepto1 = "Cuota de diciembre";
    r.sConcepto2 = "Sin importe";
    r.sConcepto3 = "Derrama";
    r.sConcepto5 = "Obras del portal";
    r.sConcepto6 = "Descuento";
    r.cuI1 = Importe(10);
    r.cuI3 = Importe(2.5);
    r.cuI5 = Importe(1234.5);
    r.cuI6 = Importe(-1.25);
    r.cuImporte = Importe(10 + 2.5 + 1234.5 - 1.25);
    r.sDomicilio = "Rua do Principe 3, 36202 Vigo";
    r.sDPagador = "Pagador";
    r.sPagador1 = "Maria Lopez";
    r.sPagador2 = "Calle Mayor 1";
    r.sPagador3 = "Lugo";
    r.sDCobrador = "Cobrador";
    r.sCobrador1 = "Comunidad";
    r.sCobrador2 = "Rua Nova 2";
    r.sCobrador3 = "Vigo";
    return r;
}

namespace {

std::string Rectangulo(const Rect& r) {
    std::ostringstream s;
    s << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]";
    return s.str();
}

std::string Color(COLORREF c) {
    std::ostringstream s;
    s << "rgb(" << GetRValue(c) << "," << GetGValue(c) << "," << GetBValue(c) << ")";
    return s.str();
}

std::string Lapiz(const Pen& p) {
    return "pen " + std::to_string(p.width) + " " + Color(p.color);
}

std::string Brocha(const Brush& b) {
    return std::string("brush ") + (b.style == BrushStyle::Solid ? "solid " : "hatch ") +
           Color(b.color);
}

std::string Fuente(const LogFont& f) {
    return f.face + "/" + std::to_string(f.height) + "/" + std::to_string(f.escapement);
}

std::string Describir(const RecordedCall& c) {
    switch (c.kind) {
        case CallKind::SetMapModeAnisotropic:
            return "anisotropic";
        case CallKind::SetWindowExt:
            return "window " + Rectangulo(c.rect);
        case CallKind::SetViewportExt:
            return "viewport " + Rectangulo(c.rect);
        case CallKind::SelectPen:
            return Lapiz(c.pen);
        case CallKind::SelectBrush:
            return Brocha(c.brush);
        case CallKind::SelectFont:
            return "font " + Fuente(c.font);
        case CallKind::SetBkMode:
            return "bkmode " + std::to_string(c.mode);
        case CallKind::Rectangle:
            return "rectangle " + Rectangulo(c.rect) + " " + Lapiz(c.pen) + " " + Brocha(c.brush);
        case CallKind::DrawText:
            return "text '" + c.text + "' " + Rectangulo(c.rect) + " format " +
                   std::to_string(c.format) + " " + Fuente(c.font) + " bk" +
                   std::to_string(c.bkMode);
        case CallKind::BitBlt:
            return "bitblt " + Rectangulo(c.rect) + " from " + Rectangulo(c.source) + " of " +
                   std::to_string(c.bitmapWidth) + "x" + std::to_string(c.bitmapHeight);
        case CallKind::StartDoc:
            return "startdoc '" + c.text + "'";
        case CallKind::StartPage:
            return "startpage";
        case CallKind::EndPage:
            return "endpage";
        case CallKind::EndDoc:
            return "enddoc";
    }
    return "unknown call";
}

}  // namespace

std::vector<std::string> Descritas(const std::vector<RecordedCall>& calls) {
    std::vector<std::string> lineas;
    for (const RecordedCall& c : calls) {
        lineas.push_back(Describir(c));
    }
    return lineas;
}

const AjustesMoneda kDolares{"", "$", 2, ".", ",", 3, 0, 0, '#'};

SalidaTest::SalidaTest() {
    CGlobalCurrency::SetSeparadorDecimal(",");
    CGlobalCurrency::SetSeparadorMiles("'");
    CGlobalCurrency::SetDecimales(0);
    CGlobalCurrency::SetModoPositivo(3);
    CGlobalCurrency::SetModoNegativo(8);
    CGlobalCurrency::SetSimbolo("EUR");
    CGlobalCurrency::SetRelleno('X');
}
