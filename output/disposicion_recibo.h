// Where everything of a receipt lies, as data: rectangles in logical units of 0.1 mm from the
// device's origin (the receipt's own origin is (50, 20)), fonts and text formats.
#pragma once

#include <array>
#include <string>

#include "form/recibodata.h"
#include "platform/gdi_types.h"

namespace disposicion {

// The outer frame, 193.9 mm x 85.9 mm.
inline constexpr Rect kMarco{50, 20, 1989, 879};

// The boxes, in drawing order: number, place, amount, issue date, due date, concepts, address,
// payer.
inline constexpr std::array<Rect, 8> kCajas{{
    {400, 50, 750, 135},
    {750, 50, 1550, 135},
    {1550, 50, 1950, 135},
    {400, 135, 1200, 220},
    {1200, 135, 1950, 220},
    {400, 220, 1950, 470},
    {400, 470, 1950, 555},
    {400, 580, 1200, 800},
}};

inline constexpr Pen kPenMarco{1, RGB(200, 200, 200)};

inline constexpr const char* kCaraLetra = "Times New Roman";
inline constexpr int kAltoPequena = 30;
inline constexpr int kAltoMediana = 40;
inline constexpr int kAltoGrande = 60;
inline constexpr int kAltoVertical = 35;
inline constexpr int kEscapeVertical = 900;

inline constexpr unsigned kFormatoVertical = DT_SINGLELINE | DT_CENTER | DT_BOTTOM;

// A text of the record drawn in a rectangle with a format.
struct TextoFijo {
    std::string ReciboData::*pTexto;
    Rect rect;
    unsigned formato;
};

// The six box labels, small font.
inline constexpr std::array<TextoFijo, 6> kEtiquetasCajas{{
    {&ReciboData::sDNumero, {410, 55, 740, 80}, DT_LEFT},
    {&ReciboData::sDLocalidad, {760, 55, 1540, 80}, DT_LEFT},
    {&ReciboData::sDImporte, {1560, 55, 1940, 80}, DT_LEFT},
    {&ReciboData::sDFecha, {410, 140, 1190, 165}, DT_LEFT},
    {&ReciboData::sDVencimiento, {1210, 140, 1940, 165}, DT_LEFT},
    {&ReciboData::sDDomicilio, {410, 475, 1940, 500}, DT_LEFT},
}};

// Number and place, medium font, drawn before the total.
inline constexpr std::array<TextoFijo, 2> kTextosCabecera{{
    {&ReciboData::sNumero, {410, 85, 730, 130}, DT_RIGHT},
    {&ReciboData::sLocalidad, {760, 85, 1540, 130}, DT_CENTER},
}};

// The two dates, medium font, drawn after the total.
inline constexpr std::array<TextoFijo, 2> kTextosFechas{{
    {&ReciboData::sFecha, {410, 170, 1190, 215}, DT_CENTER},
    {&ReciboData::sVencimiento, {1210, 170, 1940, 215}, DT_CENTER},
}};

// The total: as glyph cells from this point (standard sign), or as text in this rectangle.
inline constexpr int kImporteX = 1560;
inline constexpr int kImporteY = 85;
inline constexpr Rect kRectImporte{1560, 75, 1940, 130};
inline constexpr std::size_t kLargoImporte = 16;  // characters of the total as text, fill included
inline constexpr std::size_t kLargoRelleno = 25;

// The six concept lines: concept text on the left, its amount on the right, 40 units apart.
struct LineaConcepto {
    std::string ReciboData::*pConcepto;
    CGlobalCurrency ReciboData::*pImporte;
};
inline constexpr std::array<LineaConcepto, 6> kLineasConcepto{{
    {&ReciboData::sConcepto1, &ReciboData::cuI1},
    {&ReciboData::sConcepto2, &ReciboData::cuI2},
    {&ReciboData::sConcepto3, &ReciboData::cuI3},
    {&ReciboData::sConcepto4, &ReciboData::cuI4},
    {&ReciboData::sConcepto5, &ReciboData::cuI5},
    {&ReciboData::sConcepto6, &ReciboData::cuI6},
}};
inline constexpr int kPrimeraLineaY = 225;
inline constexpr int kPasoLinea = 40;
inline constexpr int kAltoLinea = 40;  // each line's rectangle: one medium cell
inline constexpr int kConceptoIzquierda = 420;
inline constexpr int kConceptoDerecha = 1640;
inline constexpr int kImporteLineaIzquierda = 1650;
inline constexpr int kImporteLineaDerecha = 1930;

// The total in words, when the look asks for it. The six lines
// fill the concepts box, which has no room for a seventh line of 40 units: with the words the
// six lines close up to 35 units apart (their ink still clear of each other), and the words
// follow across both columns, on a cell of 36 units whose ink, descenders included, stays
// between the sixth line's descenders and the box's bottom edge.
inline constexpr const char* kPrefijoImporteEnLetra = "Son: ";
inline constexpr int kPrimeraLineaConLetraY = 221;
inline constexpr int kPasoLineaConLetra = 35;
inline constexpr int kAltoImporteEnLetra = 36;
inline constexpr Rect kRectImporteEnLetra{kConceptoIzquierda, 432, kImporteLineaDerecha, 469};
// The face advances about 0.39 of the cell height per character of number words: a text too
// long for the line takes a smaller cell, down to 18 units (what the longest total needs);
// beyond that the line is clipped at its right end.
inline constexpr int kAvancePorCientoDeAlto = 39;
inline constexpr int kAltoMinimoImporteEnLetra = 18;

// Address, payer block and collector block, medium font.
inline constexpr std::array<TextoFijo, 9> kTextosPie{{
    {&ReciboData::sDomicilio, {420, 505, 1940, 550}, DT_LEFT},
    {&ReciboData::sDPagador, {420, 585, 1190, 625}, DT_LEFT},
    {&ReciboData::sPagador1, {420, 625, 1190, 665}, DT_LEFT},
    {&ReciboData::sPagador2, {420, 665, 1190, 705}, DT_LEFT},
    {&ReciboData::sPagador3, {420, 705, 1190, 745}, DT_LEFT},
    {&ReciboData::sDCobrador, {1220, 585, 1940, 625}, DT_LEFT},
    {&ReciboData::sCobrador1, {1220, 625, 1940, 665}, DT_LEFT},
    {&ReciboData::sCobrador2, {1220, 665, 1940, 705}, DT_LEFT},
    {&ReciboData::sCobrador3, {1220, 705, 1940, 745}, DT_LEFT},
}};

// Free texts and logo.
inline constexpr int kLogoX = 70;
inline constexpr int kLogoY = 50;
inline constexpr int kLogoAnchoMaximo = 300;  // pixels, one per logical unit
inline constexpr int kLogoAltoMaximo = 750;

// The columns of the three free texts, left to right.
inline constexpr std::array<Rect, 3> kColumnasTextosLibres{{
    {100, 40, 250, 770},
    {180, 40, 330, 770},
    {260, 40, 410, 770},
}};

}  // namespace disposicion
