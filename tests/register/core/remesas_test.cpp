// The register and the remittances: a version-1 register with its rows brought up to date,
// the debtors and remittances of a job kept and read back, and the file closed to others.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "register/registro.h"
#include "register/registro_sql.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

class RemesasRegistroTest : public ::testing::Test {
  protected:
    std::string Ruta() const { return m_carpeta.Ruta() + "/registro.sqlite"; }

    std::vector<ReciboRegistrado> Trabajo(CRegistro& registro, std::int64_t nTrabajo) {
        std::vector<ReciboRegistrado> recibos;
        EXPECT_EQ(
            registro
                .RecorrerTrabajo(nTrabajo, [&](const ReciboRegistrado& r) { recibos.push_back(r); })
                .estado,
            EstadoRegistro::kCorrecto);
        return recibos;
    }

    CarpetaTemporal m_carpeta;
};

// A version-1 file, made by the first step alone, with one job of two receipts written in its
// own columns.
TEST_F(RemesasRegistroTest, AVersionOneRegisterKeepsItsRowsAndGainsTheDebtorColumns) {
    ASSERT_EQ(RegistroVersionUno(Ruta(), 2), 1);

    CRegistro registro(Ruta());
    ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto);
    const std::vector<ReciboRegistrado> antiguos = Trabajo(registro, 1);
    ASSERT_EQ(antiguos.size(), 2u);
    EXPECT_EQ(antiguos[1].recibo.sNumero, "v1 2");
    EXPECT_EQ(antiguos[1].recibo.sPagador3, "v1 2");
    EXPECT_EQ(antiguos[1].recibo.cuImporte.Valor(), 1250);
    EXPECT_EQ(antiguos[1].ajustes.sNombreMoneda, "Euro");
    EXPECT_EQ(antiguos[1].deudor, DatosDeudor{});
    EXPECT_FALSE(antiguos[1].remesa);
    EXPECT_EQ(antiguos[1].nTrabajo, 1);

    std::vector<ReciboRegistrado> nuevo = TrabajoDePrueba(3, 1);
    nuevo[0].deudor.sIban = "ES9121000418450200051332";
    ASSERT_EQ(
        registro.Registrar(nuevo, std::time(nullptr), RemesaRegistrada{"M1", "2027-01-04"}).estado,
        EstadoRegistro::kCorrecto);
    EXPECT_EQ(nuevo[0].nTrabajo, 2);
    EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 3);
    EXPECT_EQ(ComprobarIntegridad(Ruta()), "ok");
}

TEST_F(RemesasRegistroTest, AJobKeepsItsDebtorsAndEveryRemittanceWrittenForIt) {
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 3);
    trabajo[0].deudor = {"ES9121000418450200051332",
                         "CAIXESBB",
                         "M-1",
                         "2024-01-15",
                         "FRST",
                         "Bego\xF1"
                         "a Mu\xF1oz"};
    trabajo[2].deudor = {"ES7000491500010512345678", "", "M-3", "15/03/2023", "", ""};
    CRegistro registro(Ruta());
    ASSERT_EQ(
        registro.Registrar(trabajo, std::time(nullptr), RemesaRegistrada{"A", "2027-01-04"}).estado,
        EstadoRegistro::kCorrecto);
    ASSERT_TRUE(trabajo[0].remesa);
    EXPECT_FALSE(trabajo[1].remesa) << "a receipt without IBAN is not in the remittance";

    std::vector<ReciboRegistrado> leidos = Trabajo(registro, trabajo[0].nTrabajo);
    ASSERT_EQ(leidos.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(leidos[i], trabajo[i]) << i;
    }
    ASSERT_EQ(registro.AnotarRemesa(trabajo[0].nTrabajo, {"B", "2027-01-11"}).estado,
              EstadoRegistro::kCorrecto);
    leidos = Trabajo(registro, trabajo[0].nTrabajo);
    EXPECT_EQ(leidos[2].remesa, (RemesaRegistrada{"B", "2027-01-11"}));
    EXPECT_FALSE(leidos[1].remesa);
    EXPECT_EQ(registro.Leer(leidos[0].nId)->remesa, (RemesaRegistrada{"B", "2027-01-11"}));
    EXPECT_EQ(ContarFilas(Ruta(), "remesas"), 2) << "the first remittance stays recorded";

    // A message id is never used twice, and a job must exist.
    EXPECT_EQ(registro.AnotarRemesa(trabajo[0].nTrabajo, {"B", "2027-01-11"}).estado,
              EstadoRegistro::kFallo);
    EXPECT_EQ(registro.AnotarRemesa(99, {"C", "2027-01-11"}).estado, EstadoRegistro::kFallo);
    EXPECT_EQ(registro.AnotarRemesa(trabajo[0].nTrabajo, {"D", "11/01/2027"}).estado,
              EstadoRegistro::kFallo);
    EXPECT_TRUE(Trabajo(registro, 99).empty());
}

TEST_F(RemesasRegistroTest, TheFileIsReadableByItsOwnerOnly) {
    const mode_t mascara = umask(0);
    { CRegistro registro(Ruta()); }
    umask(mascara);
    struct stat st {};
    ASSERT_EQ(stat(Ruta().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // An older register that others could read is closed to them.
    ASSERT_EQ(chmod(Ruta().c_str(), 0644), 0);
    { CRegistro registro(Ruta()); }
    ASSERT_EQ(stat(Ruta().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
