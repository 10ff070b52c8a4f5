#include "tests/output/entorno_salida.h"

#include <sstream>

#include "tests/support/moneda_prueba.h"

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
        case CallKind::SetViewportOrg:
            return "origin " + Rectangulo(c.rect);
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
    lineas.reserve(calls.size());
    for (const RecordedCall& c : calls) {
        lineas.push_back(Describir(c));
    }
    return lineas;
}

const AjustesMoneda kDolares = Ajustes(MonedaDePrueba{});

SalidaTest::SalidaTest() {
    AplicarMoneda({.sDecimal = ",",
                   .sMiles = "'",
                   .nDecimales = 0,
                   .nPositivo = 3,
                   .nNegativo = 8,
                   .sSimbolo = "EUR",
                   .nRelleno = 'X',
                   .sNombre = "Euro"});
}
