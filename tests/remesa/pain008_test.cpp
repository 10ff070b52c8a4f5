// The remittance file as the writer makes it: valid against the pain.008.001.02 schema, its
// totals adding up, one payment block per sequence in order, the creditor where Spanish banks
// look for it; and the creditor's settings and their checks.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "remesa/acreedor.h"
#include "remesa/pain008.h"
#include "tests/remesa/validar_xsd.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"

namespace {

std::string Leer(const std::string& sRuta) {
    std::ifstream f(sRuta, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

Acreedor AcreedorDePrueba() {
    return {"Comunidad Calle Mayor 5", "es58 000 12345678z", "ES80 0182 2370 4402 0123 4567", ""};
}

Adeudo AdeudoDePrueba(const std::string& sId, std::int64_t nCentimos, Secuencia secuencia) {
    return {sId,       nCentimos,        "ES9121000418450200051332", "", "M-" + sId, "2024-01-15",
            secuencia, "Titular " + sId, "Recibo " + sId + ": Cuota"};
}

class Pain008Test : public ::testing::Test {
  protected:
    std::string Escribir(const std::vector<Adeudo>& adeudos, const Acreedor& acreedor) {
        SumaRemesa suma;
        for (const Adeudo& a : adeudos) {
            suma.Anadir(a);
        }
        const CabeceraRemesa cabecera{"BRX20261210120000ABCDEF01", "2026-12-10T12:00:00",
                                      "2026-12-20", acreedor};
        EXPECT_TRUE(EscribirRemesa(Ruta(), cabecera, suma.Resumen(), [&](const auto& visitar) {
            for (const Adeudo& a : adeudos) {
                visitar(a);
            }
        }));
        EXPECT_EQ(ErroresXsd(Ruta()), "");
        return Leer(Ruta());
    }
    std::string Ruta() const { return m_carpeta.Ruta() + "/remesa.xml"; }

    CarpetaTemporal m_carpeta;
};

TEST_F(Pain008Test, GroupsTheDebitsBySequenceWithTheirTotals) {
    const std::string s = Escribir(
        {AdeudoDePrueba("1", 2500, Secuencia::kRcur), AdeudoDePrueba("2", 1, Secuencia::kFrst),
         AdeudoDePrueba("3", 99999999999, Secuencia::kRcur),
         AdeudoDePrueba("4", 700, Secuencia::kFnal)},
        AcreedorDePrueba());
    EXPECT_EQ(Elemento(s, "GrpHdr/NbOfTxs"), "4");
    EXPECT_EQ(Elemento(s, "GrpHdr/CtrlSum"), "1000000032.00");
    EXPECT_EQ(Elemento(s, "MsgId"), "BRX20261210120000ABCDEF01");
    EXPECT_EQ(Elemento(s, "CreDtTm"), "2026-12-10T12:00:00");
    EXPECT_EQ(Elemento(s, "InitgPty/Nm"), "Comunidad Calle Mayor 5");
    EXPECT_EQ(Elemento(s, "InitgPty/Id/OrgId/Othr/Id"), "ES5800012345678Z");
    ASSERT_EQ(Cuantos(s, "PmtInf"), 3u);
    const char* kOrden[][4] = {{"FRST", "1", "0.01", "2"},
                               {"RCUR", "2", "1000000024.99", "1"},
                               {"FNAL", "1", "7.00", "4"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Elemento(s, "SeqTp", i), kOrden[i][0]);
        EXPECT_EQ(Elemento(s, "PmtInfId", i),
                  std::string("BRX20261210120000ABCDEF01-") + kOrden[i][0]);
    }
    // Each block's count and sum follow its id: the n-th NbOfTxs after the group's.
    EXPECT_EQ(Elemento(s, "NbOfTxs", 1), "1");
    EXPECT_EQ(Elemento(s, "CtrlSum", 1), "0.01");
    EXPECT_EQ(Elemento(s, "NbOfTxs", 2), "2");
    EXPECT_EQ(Elemento(s, "CtrlSum", 2), "1000000024.99");
    EXPECT_EQ(Elemento(s, "NbOfTxs", 3), "1");
    EXPECT_EQ(Elemento(s, "CtrlSum", 3), "7.00");
    EXPECT_EQ(Elemento(s, "EndToEndId", 0), "2");
    EXPECT_EQ(Elemento(s, "EndToEndId", 1), "1");
    EXPECT_EQ(Elemento(s, "EndToEndId", 2), "3");
    EXPECT_EQ(Elemento(s, "EndToEndId", 3), "4");
    EXPECT_NE(s.find("<InstdAmt Ccy=\"EUR\">999999999.99</InstdAmt>"), std::string::npos);
    EXPECT_EQ(Cuantos(s, "ReqdColltnDt"), 3u);
    EXPECT_EQ(Elemento(s, "ReqdColltnDt"), "2026-12-20");
    EXPECT_EQ(Elemento(s, "CdtrAcct/Id/IBAN"), "ES8001822370440201234567");
    EXPECT_EQ(Elemento(s, "CdtrSchmeId/Id/PrvtId/Othr/Id"), "ES5800012345678Z");
    EXPECT_EQ(Elemento(s, "SchmeNm/Prtry"), "SEPA");
    EXPECT_EQ(Elemento(s, "ChrgBr"), "SLEV");
    EXPECT_EQ(Elemento(s, "LclInstrm/Cd"), "CORE");
    EXPECT_EQ(Elemento(s, "SvcLvl/Cd"), "SEPA");
    EXPECT_EQ(Elemento(s, "PmtMtd"), "DD");
}

// A bank given by its BIC is named by it; without one, the schema still wants the agent, as
// "NOTPROVIDED".
TEST_F(Pain008Test, AgentsByTheirBicOrNotProvided) {
    Adeudo conBic = AdeudoDePrueba("1", 100, Secuencia::kOoff);
    conBic.sBic = "CAIXESBBXXX";
    Acreedor acreedor = AcreedorDePrueba();
    acreedor.sBic = "bsch esmm";
    const std::string s = Escribir({conBic, AdeudoDePrueba("2", 100, Secuencia::kOoff)}, acreedor);
    EXPECT_EQ(Elemento(s, "CdtrAgt/FinInstnId/BIC"), "BSCHESMM");
    EXPECT_EQ(Elemento(s, "DbtrAgt/FinInstnId/BIC"), "CAIXESBBXXX");
    EXPECT_EQ(Cuantos(s, "DbtrAgt"), 2u);
    EXPECT_EQ(Elemento(s, "DbtrAgt/FinInstnId/Othr/Id", 1), "NOTPROVIDED");
    EXPECT_EQ(Cuantos(s, "BIC"), 2u);
    EXPECT_EQ(Elemento(s, "MndtRltdInf/MndtId"), "M-1");
    EXPECT_EQ(Elemento(s, "DtOfSgntr"), "2024-01-15");
    EXPECT_EQ(Elemento(s, "Dbtr/Nm"), "Titular 1");
    EXPECT_EQ(Elemento(s, "DbtrAcct/Id/IBAN"), "ES9121000418450200051332");
    EXPECT_EQ(Elemento(s, "RmtInf/Ustrd"), "Recibo 1: Cuota");
}

TEST_F(Pain008Test, TheCreditorsNameIsReducedToo) {
    Acreedor acreedor = AcreedorDePrueba();
    acreedor.sNombre =
        "Comunidad Pe\xF1"
        "a & C\xED"
        "a";
    const std::string s = Escribir({AdeudoDePrueba("1", 100, Secuencia::kRcur)}, acreedor);
    EXPECT_EQ(Elemento(s, "InitgPty/Nm"), "Comunidad Pena Cia");
    EXPECT_EQ(Elemento(s, "Cdtr/Nm"), "Comunidad Pena Cia");
}

TEST_F(Pain008Test, AFileThatCannotBeWrittenIsAFailure) {
    SumaRemesa suma;
    suma.Anadir(AdeudoDePrueba("1", 100, Secuencia::kRcur));
    EXPECT_FALSE(EscribirRemesa(m_carpeta.Ruta() + "/no/such/folder/remesa.xml",
                                {"M", "2026-12-10T12:00:00", "2026-12-20", AcreedorDePrueba()},
                                suma.Resumen(), [](const auto&) {}));
}

TEST(MsgIdTest, IsUniqueAndFitsItsField) {
    const std::string a = NuevoMsgId(0), b = NuevoMsgId(0);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.size(), 25u);
    EXPECT_TRUE(a.starts_with("BRX"));
    EXPECT_EQ(MomentoIso(0).size(), 19u);
}

struct CampoMalo : Fila {
    const AjusteTexto* ajuste;
    std::string sValor;
    std::string sMensaje;  // "" for none
};

const CampoMalo kCampos[] = {
    {"NameMissing", &ajustes::kAcreedorNombre, " ", "falta"},
    {"NameOf70", &ajustes::kAcreedorNombre, std::string(70, 'n'), ""},
    {"NameOf71", &ajustes::kAcreedorNombre, std::string(71, 'n'), "tiene más de 70 caracteres"},
    {"IdentifierMissing", &ajustes::kAcreedorIdentificador, "", "falta"},
    {"IdentifierWrong", &ajustes::kAcreedorIdentificador, "ES5900012345678Z",
     "los dígitos de control no cuadran"},
    {"IbanMissing", &ajustes::kAcreedorIban, "", "falta"},
    {"IbanWrong", &ajustes::kAcreedorIban, "ES8101822370440201234567",
     "los dígitos de control no cuadran"},
    {"BicMayBeEmpty", &ajustes::kAcreedorBic, "", ""},
    {"BicWrong", &ajustes::kAcreedorBic, "BSCH", "un BIC tiene 8 u 11 caracteres"},
};

class CampoAcreedorTest : public ::testing::TestWithParam<CampoMalo> {};

TEST_P(CampoAcreedorTest, SaysWhatIsWrong) {
    EXPECT_EQ(ErrorCampoAcreedor(*GetParam().ajuste, GetParam().sValor).value_or(""),
              GetParam().sMensaje);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CampoAcreedorTest, ::testing::ValuesIn(kCampos),
                         ::testing::PrintToStringParamName());

TEST(AcreedorTest, IsKeptInItsSettingsAndItsFaultNamesTheSetting) {
    CarpetaTemporal carpeta;
    EXPECT_EQ(ErrorAcreedor(LeerAcreedor()).value_or(""), "Acreedor / Nombre: falta");
    Acreedor acreedor = AcreedorDePrueba();
    acreedor.sIban = "ES00";
    GuardarAcreedor(acreedor);
    EXPECT_EQ(ajustes::kAcreedorIban.Leer(), "ES00");
    EXPECT_EQ(ErrorAcreedor(LeerAcreedor()).value_or(""), "Acreedor / IBAN: es demasiado corto");
    acreedor.sIban = "ES80 0182 2370 4402 0123 4567";
    GuardarAcreedor(acreedor);
    EXPECT_EQ(ErrorAcreedor(LeerAcreedor()), std::nullopt);
    EXPECT_EQ(LeerAcreedor().sNombre, "Comunidad Calle Mayor 5");
}

}  // namespace
