// The field table against the form's layout: controls, keys and record members.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "form/campos.h"

namespace {

using IdClave = std::pair<int, std::string>;

TEST(Campos, StoredFieldsInSaveOrder) {
    const std::vector<IdClave> esperado = {
        {1020, "IDC_EDIT_NUMERO"},      {1005, "IDC_EDIT_CONCEPTO_1"},
        {1006, "IDC_EDIT_CONCEPTO_2"},  {1007, "IDC_EDIT_CONCEPTO_3"},
        {1008, "IDC_EDIT_CONCEPTO_4"},  {1009, "IDC_EDIT_CONCEPTO_5"},
        {1010, "IDC_EDIT_CONCEPTO_6"},  {1026, "IDC_EDIT_LOCALIDAD"},
        {1028, "IDC_EDIT_VENCIMIENTO"}, {1034, "IDC_EDIT_PAGADOR_1"},
        {1035, "IDC_EDIT_PAGADOR_2"},   {1036, "IDC_EDIT_PAGADOR_3"},
        {1038, "IDC_EDIT_COBRADOR_1"},  {1039, "IDC_EDIT_COBRADOR_2"},
        {1040, "IDC_EDIT_COBRADOR_3"},  {1031, "IDC_EDIT_DOMICILIO"},
        {1029, "IDC_EDIT_FECHA"},       {1013, "IDC_EDIT_IMPORTE_1"},
        {1014, "IDC_EDIT_IMPORTE_2"},   {1015, "IDC_EDIT_IMPORTE_3"},
        {1016, "IDC_EDIT_IMPORTE_4"},   {1017, "IDC_EDIT_IMPORTE_5"},
        {1018, "IDC_EDIT_IMPORTE_6"}};
    std::vector<IdClave> tabla;
    for (const auto& c : kCamposRecibo) {
        tabla.emplace_back(c.nControl, c.sClave);
    }
    EXPECT_EQ(tabla, esperado);
}

TEST(Campos, LabelsInLanguageTableOrder) {
    const std::vector<IdClave> esperado = {
        {1019, "IDC_EDIT_DEF_NUMERO"},      {1021, "IDC_EDIT_DEF_LOCALIDAD"},
        {1027, "IDC_EDIT_DEF_IMPORTE"},     {1023, "IDC_EDIT_DEF_FECHA"},
        {1030, "IDC_EDIT_DEF_VENCIMIENTO"}, {1012, "IDC_EDIT_DEF_IMPORTES"},
        {1004, "IDC_EDIT_DEF_CONCEPTOS"},   {1032, "IDC_EDIT_DEF_PAGADOR"},
        {1037, "IDC_EDIT_DEF_COBRADOR"},    {1025, "IDC_EDIT_DEF_DOMICILIO"}};
    std::vector<IdClave> tabla;
    for (const auto& c : kEtiquetas) {
        tabla.emplace_back(c.nControl, c.sClave);
    }
    EXPECT_EQ(tabla, esperado);
}

TEST(Campos, NoControlOrKeyTwice) {
    std::set<int> controles;
    std::set<std::string> claves;
    for (const auto& c : kCamposRecibo) {
        EXPECT_TRUE(controles.insert(c.nControl).second) << c.nControl;
        EXPECT_TRUE(claves.insert(c.sClave).second) << c.sClave;
    }
    for (const auto& c : kEtiquetas) {
        EXPECT_TRUE(controles.insert(c.nControl).second) << c.nControl;
        EXPECT_TRUE(claves.insert(c.sClave).second) << c.sClave;
    }
    EXPECT_FALSE(controles.contains(1022));  // the total is never stored
}

// A record whose every text holds its member's name and every amount its line number.
ReciboData RegistroNombrado() {
    ReciboData r;
    r.sDNumero = "sDNumero";
    r.sDLocalidad = "sDLocalidad";
    r.sDImporte = "sDImporte";
    r.sDFecha = "sDFecha";
    r.sDVencimiento = "sDVencimiento";
    r.sDDomicilio = "sDDomicilio";
    r.sNumero = "sNumero";
    r.sLocalidad = "sLocalidad";
    r.sFecha = "sFecha";
    r.sVencimiento = "sVencimiento";
    r.sConcepto1 = "sConcepto1";
    r.sConcepto2 = "sConcepto2";
    r.sConcepto3 = "sConcepto3";
    r.sConcepto4 = "sConcepto4";
    r.sConcepto5 = "sConcepto5";
    r.sConcepto6 = "sConcepto6";
    r.sDomicilio = "sDomicilio";
    r.sDPagador = "sDPagador";
    r.sPagador1 = "sPagador1";
    r.sPagador2 = "sPagador2";
    r.sPagador3 = "sPagador3";
    r.sDCobrador = "sDCobrador";
    r.sCobrador1 = "sCobrador1";
    r.sCobrador2 = "sCobrador2";
    r.sCobrador3 = "sCobrador3";
    CGlobalCurrency* importes[] = {&r.cuI1, &r.cuI2, &r.cuI3, &r.cuI4, &r.cuI5, &r.cuI6};
    for (int k = 0; k < 6; ++k) {
        importes[k]->SetValor(k + 1);
    }
    return r;
}

TEST(Campos, TextMembersInRecordOrderWithTheirControls) {
    const std::vector<IdClave> esperado = {
        {1019, "sDNumero"},      {1021, "sDLocalidad"},  {1027, "sDImporte"},  {1023, "sDFecha"},
        {1030, "sDVencimiento"}, {1025, "sDDomicilio"},  {1020, "sNumero"},    {1026, "sLocalidad"},
        {1029, "sFecha"},        {1028, "sVencimiento"}, {1005, "sConcepto1"}, {1006, "sConcepto2"},
        {1007, "sConcepto3"},    {1008, "sConcepto4"},   {1009, "sConcepto5"}, {1010, "sConcepto6"},
        {1031, "sDomicilio"},    {1032, "sDPagador"},    {1034, "sPagador1"},  {1035, "sPagador2"},
        {1036, "sPagador3"},     {1037, "sDCobrador"},   {1038, "sCobrador1"}, {1039, "sCobrador2"},
        {1040, "sCobrador3"}};
    const ReciboData r = RegistroNombrado();
    std::vector<IdClave> tabla;
    for (const auto& c : kTextosRecibo) {
        tabla.emplace_back(c.nControl, r.*c.pMiembro);
    }
    EXPECT_EQ(tabla, esperado);
}

TEST(Campos, AmountMembersFollowTheirLines) {
    const ReciboData r = RegistroNombrado();
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(kImportesRecibo[k].nControl, 1013 + k);
        EXPECT_EQ((r.*kImportesRecibo[k].pMiembro).Valor(), k + 1);
    }
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
    const ReciboData r = RegistroNombrado();
    ReciboData copia;
    copia = r;
    EXPECT_EQ(copia, r);
    EXPECT_NE(copia, vacio);
}

}  // namespace
