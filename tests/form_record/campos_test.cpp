// The field table against the form's layout: controls, keys and record members.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "form/campos.h"
#include "res/ids/identificadores.h"

namespace {

using IdClave = std::pair<int, std::string>;

// The table's (control, key) pairs, all of the form's section, with the keys' common "IDC_EDIT_"
// prefix taken off.
template <typename Tabla>
std::vector<IdClave> SinPrefijo(const Tabla& tabla) {
    std::vector<IdClave> v;
    for (const auto& c : tabla) {
        const std::string sClave = c.ajuste.sClave;
        v.emplace_back(c.nControl, sClave.substr(std::string("IDC_EDIT_").size()));
        EXPECT_EQ(sClave.rfind("IDC_EDIT_", 0), 0u) << sClave;
        EXPECT_STREQ(c.ajuste.sSeccion, ajustes::kSeccionConceptos) << sClave;
    }
    return v;
}

TEST(Campos, StoredFieldsInSaveOrderAndLabelsInLanguageTableOrder) {
    // clang-format off
    EXPECT_EQ(SinPrefijo(kCamposRecibo), (std::vector<IdClave>{
        {IDC_EDIT_NUMERO, "NUMERO"}, {IDC_EDIT_CONCEPTO_1, "CONCEPTO_1"},
        {IDC_EDIT_CONCEPTO_2, "CONCEPTO_2"}, {IDC_EDIT_CONCEPTO_3, "CONCEPTO_3"},
        {IDC_EDIT_CONCEPTO_4, "CONCEPTO_4"}, {IDC_EDIT_CONCEPTO_5, "CONCEPTO_5"},
        {IDC_EDIT_CONCEPTO_6, "CONCEPTO_6"}, {IDC_EDIT_LOCALIDAD, "LOCALIDAD"},
        {IDC_EDIT_VENCIMIENTO, "VENCIMIENTO"}, {IDC_EDIT_PAGADOR_1, "PAGADOR_1"},
        {IDC_EDIT_PAGADOR_2, "PAGADOR_2"}, {IDC_EDIT_PAGADOR_3, "PAGADOR_3"},
        {IDC_EDIT_COBRADOR_1, "COBRADOR_1"}, {IDC_EDIT_COBRADOR_2, "COBRADOR_2"},
        {IDC_EDIT_COBRADOR_3, "COBRADOR_3"}, {IDC_EDIT_DOMICILIO, "DOMICILIO"},
        {IDC_EDIT_FECHA, "FECHA"}, {IDC_EDIT_IMPORTE_1, "IMPORTE_1"},
        {IDC_EDIT_IMPORTE_2, "IMPORTE_2"}, {IDC_EDIT_IMPORTE_3, "IMPORTE_3"},
        {IDC_EDIT_IMPORTE_4, "IMPORTE_4"}, {IDC_EDIT_IMPORTE_5, "IMPORTE_5"},
        {IDC_EDIT_IMPORTE_6, "IMPORTE_6"}}));
    EXPECT_EQ(SinPrefijo(kEtiquetas), (std::vector<IdClave>{
        {IDC_EDIT_DEF_NUMERO, "DEF_NUMERO"}, {IDC_EDIT_DEF_LOCALIDAD, "DEF_LOCALIDAD"},
        {IDC_EDIT_DEF_IMPORTE, "DEF_IMPORTE"}, {IDC_EDIT_DEF_FECHA, "DEF_FECHA"},
        {IDC_EDIT_DEF_VENCIMIENTO, "DEF_VENCIMIENTO"}, {IDC_EDIT_IMPORTES, "DEF_IMPORTES"},
        {IDC_EDIT_CONCEPTOS, "DEF_CONCEPTOS"}, {IDC_EDIT_DEF_PAGADOR, "DEF_PAGADOR"},
        {IDC_EDIT_DEF_COBRADOR, "DEF_COBRADOR"}, {IDC_EDIT_DEF_DOMICILIO, "DEF_DOMICILIO"}}));
    // clang-format on
}

// Each member filled through the table with its control's number: the members, read in
// record order, show which control each one was paired with.
TEST(Campos, RecordMembersInRecordOrderWithTheirControls) {
    ReciboData r;
    std::vector<std::string> controles;
    for (const auto& c : kTextosRecibo) {
        r.*c.pMiembro = std::to_string(c.nControl);
        controles.push_back(r.*c.pMiembro);
    }
    for (const auto& c : kImportesRecibo) {
        (r.*c.pMiembro).SetValor(c.nControl);
        controles.push_back(std::to_string(c.nControl));
    }
    const auto I = [](const CGlobalCurrency& cu) { return std::to_string(cu.Valor()); };
    // clang-format off
    const std::vector<std::string> miembros = {
        r.sDNumero, r.sDLocalidad, r.sDImporte, r.sDFecha, r.sDVencimiento, r.sDDomicilio,
        r.sNumero, r.sLocalidad, r.sFecha, r.sVencimiento, r.sConcepto1, r.sConcepto2,
        r.sConcepto3, r.sConcepto4, r.sConcepto5, r.sConcepto6, r.sDomicilio, r.sDPagador,
        r.sPagador1, r.sPagador2, r.sPagador3, r.sDCobrador, r.sCobrador1, r.sCobrador2,
        r.sCobrador3, I(r.cuI1), I(r.cuI2), I(r.cuI3), I(r.cuI4), I(r.cuI5), I(r.cuI6)};
    // clang-format on
    std::vector<std::string> esperado;
    for (const int id : {IDC_EDIT_DEF_NUMERO,   IDC_EDIT_DEF_LOCALIDAD,   IDC_EDIT_DEF_IMPORTE,
                         IDC_EDIT_DEF_FECHA,    IDC_EDIT_DEF_VENCIMIENTO, IDC_EDIT_DEF_DOMICILIO,
                         IDC_EDIT_NUMERO,       IDC_EDIT_LOCALIDAD,       IDC_EDIT_FECHA,
                         IDC_EDIT_VENCIMIENTO,  IDC_EDIT_CONCEPTO_1,      IDC_EDIT_CONCEPTO_2,
                         IDC_EDIT_CONCEPTO_3,   IDC_EDIT_CONCEPTO_4,      IDC_EDIT_CONCEPTO_5,
                         IDC_EDIT_CONCEPTO_6,   IDC_EDIT_DOMICILIO,       IDC_EDIT_DEF_PAGADOR,
                         IDC_EDIT_PAGADOR_1,    IDC_EDIT_PAGADOR_2,       IDC_EDIT_PAGADOR_3,
                         IDC_EDIT_DEF_COBRADOR, IDC_EDIT_COBRADOR_1,      IDC_EDIT_COBRADOR_2,
                         IDC_EDIT_COBRADOR_3,   IDC_EDIT_IMPORTE_1,       IDC_EDIT_IMPORTE_2,
                         IDC_EDIT_IMPORTE_3,    IDC_EDIT_IMPORTE_4,       IDC_EDIT_IMPORTE_5,
                         IDC_EDIT_IMPORTE_6}) {
        esperado.push_back(std::to_string(id));
    }
    EXPECT_EQ(controles, esperado);
    EXPECT_EQ(miembros, esperado);
    EXPECT_TRUE(r.cuImporte.EsCero());  // the total has no control of its own
}

TEST(Recibo, NewRecordIsEmptyAndCopiesWhole) {
    const ReciboData vacio;
    for (const auto& c : kTextosRecibo) {
        EXPECT_EQ(vacio.*c.pMiembro, "");
    }
    for (const auto& c : kImportesRecibo) {
        EXPECT_TRUE((vacio.*c.pMiembro).EsCero());
    }
    EXPECT_TRUE(vacio.cuImporte.EsCero());
    ReciboData r;
    r.sCobrador3 = "x";
    r.cuI6.SetValor(1);
    ReciboData copia;
    copia = r;
    EXPECT_EQ(copia, r);
    EXPECT_NE(copia, vacio);
}

}  // namespace
