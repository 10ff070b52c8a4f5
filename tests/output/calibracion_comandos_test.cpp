// The calibration from the command line: --calibrate stores and clears a queue's correction,
// refusing what no printer needs; --calibration-page writes the page to measure.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"
#include "tests/support/programa.h"

namespace {

class CalibrarTest : public LineaComandosTest {
  protected:
    std::string Fichero() const { return BytesDe(m_carpeta.Ruta() + "/calibracion.inf"); }
};

TEST_F(CalibrarTest, StoresKeepsWhatIsLeftOutAndResets) {
    const Salida guardada = Brixamo("--calibrate Oficina --offset=-3,1.5 --scale=102.04,99.5");
    EXPECT_EQ(guardada.nEstado, 0) << guardada.sErrores;
    EXPECT_EQ(guardada.sSalida, "Oficina: offset -3.0,1.5 mm, scale 102.04,99.50 %\n");
    EXPECT_EQ(Fichero(), "Oficina\t-30\t15\t10204\t9950\n");
    EXPECT_EQ(Brixamo("--calibrate=Almacen --offset 0.04,-0.06").nEstado, 0);
    EXPECT_EQ(Brixamo("--calibrate Oficina --scale=100,100").nEstado, 0);
    EXPECT_EQ(Fichero(), "Almacen\t0\t-1\t10000\t10000\nOficina\t-30\t15\t10000\t10000\n");
    EXPECT_EQ(Brixamo("--calibrate Oficina --reset").nEstado, 0);
    EXPECT_EQ(Fichero(), "Almacen\t0\t-1\t10000\t10000\n");
    // Nothing of it reached the settings file.
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), "");
}

struct FilaRechazo : Fila {
    const char* sArgumentos;
    const char* sMensaje;
};

const FilaRechazo kRechazos[] = {
    {"OneNumber", "--calibrate Oficina --offset=3", "--offset takes two numbers"},
    {"Words", "--calibrate Oficina --offset=a,b", "--offset takes two numbers"},
    {"DecimalComma", "--calibrate Oficina --scale=99,5,100", "--scale takes two percentages"},
    {"Infinite", "--calibrate Oficina --scale=inf,100", "--scale takes two percentages"},
    {"OffsetTooFar", "--calibrate Oficina --offset=60,0", "at most 50 mm"},
    {"ScaleTooSmall", "--calibrate Oficina --scale=50,100", "from 80 % to 125 %"},
    {"ScaleHuge", "--calibrate Oficina --scale=1e300,100", "--scale takes two percentages"},
    {"BadName", "--calibrate 'Dos palabras' --reset", "cannot be a printer name"},
    {"NoName", "--calibrate= --reset", "--calibrate needs a printer name"},
    {"NothingToDo", "--calibrate Oficina", "--calibrate needs --offset or --scale"},
    {"ResetAndOffset", "--calibrate Oficina --reset --offset=1,1", "or else --reset"},
    {"OffsetAlone", "--offset=1,1", "--offset needs --calibrate"},
    {"ResetAlone", "--reset", "--reset needs --calibrate"},
    {"WithPdf", "--calibrate Oficina --reset --pdf a.pdf", "--calibrate goes only with"},
    {"PageAlone", "--calibration-page", "--calibration-page needs --pdf or --print"},
    {"PageAndBatch", "--calibration-page --batch a.csv --pdf a.pdf",
     "--calibration-page and --batch"},
    {"PageAndReprint", "--calibration-page --reprint 1 --pdf a.pdf",
     "--calibration-page and --reprint"},
};

class RechazoTest : public CalibrarTest, public ::testing::WithParamInterface<FilaRechazo> {};

TEST_P(RechazoTest, IsAUsageErrorAndStoresNothing) {
    ASSERT_EQ(Brixamo("--calibrate Oficina --offset=1,2 --scale=101,99").nEstado, 0);
    const std::string sAntes = Fichero();
    const Salida salida = Brixamo(GetParam().sArgumentos);
    EXPECT_EQ(salida.nEstado, 2);
    EXPECT_NE(salida.sErrores.find(GetParam().sMensaje), std::string::npos) << salida.sErrores;
    EXPECT_NE(salida.sErrores.find("Try 'brixamo --help'"), std::string::npos);
    EXPECT_EQ(Fichero(), sAntes);
}

INSTANTIATE_TEST_SUITE_P(Rechazos, RechazoTest, ::testing::ValuesIn(kRechazos),
                         ::testing::PrintToStringParamName());

// The page's rulers are true millimetres on the PDF: each centimetre's number stands just right
// of its tick, 10 mm after the one before.
TEST_F(CalibrarTest, CalibrationPagePdfHasItsRulersInMillimetres) {
    const std::string sPdf = m_carpeta.Ruta() + "/calibracion.pdf";
    ASSERT_EQ(Brixamo("--calibration-page --pdf '" + sPdf + "'").nEstado, 0);
    const Salida info = Ejecutar("pdfinfo '" + sPdf + "'");
    EXPECT_TRUE(std::regex_search(info.sSalida, std::regex("Pages: +1\n"))) << info.sSalida;
    EXPECT_NE(info.sSalida.find("Calibrando impresora"), std::string::npos) << info.sSalida;
    const std::vector<Palabra> palabras =
        Palabras(Ejecutar("pdftotext -bbox '" + sPdf + "' -").sSalida);
    ASSERT_TRUE(Buscar(palabras, "calibraci\xC3\xB3n").has_value());
    ASSERT_TRUE(Buscar(palabras, "a 5,0 mm del borde izquierdo").has_value());
    // Numbers 1..10 along the top (y about 4.5 to 7.5 mm) and down the left (x about 10.5 mm).
    int nArriba = 0, nIzquierda = 0;
    for (const Palabra& p : palabras) {
        const bool bNumero = p.sTexto.find_first_not_of("0123456789") == std::string::npos;
        if (!bNumero) {
            continue;
        }
        const int n = std::stoi(p.sTexto);
        if (p.y0 > 4 && p.y1 < 8.5 && p.x0 > 6) {
            EXPECT_NEAR(p.x0, 5.0 + 10 * n + 0.5, 0.3) << p.sTexto;
            ++nArriba;
        } else if (p.x0 > 10 && p.x0 < 11) {
            EXPECT_NEAR(p.y1, 2.0 + 10 * n, 0.6) << p.sTexto;
            ++nIzquierda;
        }
    }
    EXPECT_EQ(nArriba, 10);
    EXPECT_EQ(nIzquierda, 10);
}

TEST_F(CalibrarTest, CalibrationPageOnAMissingPrinterFails) {
    const Salida salida = Brixamo("--calibration-page --print brixamo-no-such-queue");
    EXPECT_EQ(salida.nEstado, 1);
    EXPECT_NE(salida.sErrores.find("no printer named 'brixamo-no-such-queue'"), std::string::npos);
}

}  // namespace
