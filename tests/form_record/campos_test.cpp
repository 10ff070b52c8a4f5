// The field table against the form's layout: controls, keys and record members.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "form/campos.h"

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
        {1020, "NUMERO"}, {1005, "CONCEPTO_1"}, {1006, "CONCEPTO_2"}, {1007, "CONCEPTO_3"},
        {1008, "CONCEPTO_4"}, {1009, "CONCEPTO_5"}, {1010, "CONCEPTO_6"}, {1026, "LOCALIDAD"},
        {1028, "VENCIMIENTO"}, {1034, "PAGADOR_1"}, {1035, "PAGADOR_2"}, {1036, "PAGADOR_3"},
        {1038, "COBRADOR_1"}, {1039, "COBRADOR_2"}, {1040, "COBRADOR_3"}, {1031, "DOMICILIO"},
        {1029, "FECHA"}, {1013, "IMPORTE_1"}, {1014, "IMPORTE_2"}, {1015, "IMPORTE_3"},
        {1016, "IMPORTE_4"}, {1017, "IMPORTE_5"}, {1018, "IMPORTE_6"}}));
    EXPECT_EQ(SinPrefijo(kEtiquetas), (std::vector<IdClave>{
        {1019, "DEF_NUMERO"}, {1021, "DEF_LOCALIDAD"}, {1027, "DEF_IMPORTE"}, {1023, "DEF_FECHA"},
        {1030, "DEF_VENCIMIENTO"}, {1012, "DEF_IMPORTES"}, {1004, "DEF_CONCEPTOS"},
        {1032, "DEF_PAGADOR"}, {1037, "DEF_COBRADOR"}, {1025, "DEF_DOMICILIO"}}));
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
    const std::vector<std::string> esperado = {
        "1019", "1021", "1027", "1023", "1030", "1025", "1020", "1026", "1029", "1028", "1005",
        "1006", "1007", "1008", "1009", "1010", "1031", "1032", "1034", "1035", "1036", "1037",
        "1038", "1039", "1040", "1013", "1014", "1015", "1016", "1017", "1018"};
    // clang-format on
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
