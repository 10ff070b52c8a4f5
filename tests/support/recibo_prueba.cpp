#include "tests/support/recibo_prueba.h"

#include <cmath>

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
