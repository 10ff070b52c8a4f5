// One receipt, labels included, as it goes from the form to the printer and the preview.
#pragma once

#include <string>

#include "money/globalcurrency.h"

struct ReciboData {
    std::string sDNumero;
    std::string sDLocalidad;
    std::string sDImporte;
    std::string sDFecha;
    std::string sDVencimiento;
    std::string sDDomicilio;
    std::string sNumero;
    std::string sLocalidad;
    CGlobalCurrency cuImporte;
    std::string sFecha;
    std::string sVencimiento;
    std::string sConcepto1;
    CGlobalCurrency cuI1;
    std::string sConcepto2;
    CGlobalCurrency cuI2;
    std::string sConcepto3;
    CGlobalCurrency cuI3;
    std::string sConcepto4;
    CGlobalCurrency cuI4;
    std::string sConcepto5;
    CGlobalCurrency cuI5;
    std::string sConcepto6;
    CGlobalCurrency cuI6;
    std::string sDomicilio;
    std::string sDPagador;
    std::string sPagador1;
    std::string sPagador2;
    std::string sPagador3;
    std::string sDCobrador;
    std::string sCobrador1;
    std::string sCobrador2;
    std::string sCobrador3;

    friend bool operator==(const ReciboData&, const ReciboData&) = default;
};
