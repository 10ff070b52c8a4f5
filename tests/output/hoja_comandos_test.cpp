// The built program's sheets: --per-sheet, --cut-marks and --copies on --pdf, --batch and
// --reprint, checked in the PDF with poppler (word places, rendered pixels) and qpdf (the
// viewer preference, the file's soundness); the register counting each receipt once.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "settings/esquema.h"
#include "tests/support/fila.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"

namespace {

constexpr const char* kSeis =
    "PAGADOR_1;IMPORTE_1\nVecino1;1\nVecino2;2\nVecino3;3\nVecino4;4\nVecino5;5\nVecino6;6\n";

// Receipts 99 mm or 148.5 mm apart, as pdftotext measures them to a hundredth of a point.
constexpr double kToleranciaMm = 0.05;

class HojaComandosTest : public LineaComandosTest {
  protected:
    HojaComandosTest() {
        GuardarIdiomaYMoneda({});
        ajustes::kNumero.Escribir("1");
        PonerBytes(Ruta("seis.csv"), kSeis);
    }

    std::string Ruta(const std::string& sNombre) const { return m_carpeta.Ruta() + "/" + sNombre; }

    // The program run with the arguments; it must succeed.
    void Correr(const std::string& sArgumentos) {
        const Salida salida = Brixamo(sArgumentos);
        ASSERT_EQ(salida.nEstado, 0) << sArgumentos << "\n" << salida.sErrores;
    }

    int Paginas(const std::string& sPdf) {
        const Salida info = Ejecutar("pdfinfo '" + sPdf + "'");
        std::smatch m;
        return std::regex_search(info.sSalida, m, std::regex("Pages: +([0-9]+)\n"))
                   ? std::stoi(m[1])
                   : -1;
    }

    std::vector<Palabra> PalabrasDe(const std::string& sPdf, int nPagina) {
        const std::string sPagina = std::to_string(nPagina);
        return Palabras(
            Ejecutar("pdftotext -bbox -f " + sPagina + " -l " + sPagina + " '" + sPdf + "' -")
                .sSalida);
    }

    // The top of each word of the page that starts with the prefix, in order down the page.
    std::vector<double> Alturas(const std::string& sPdf, int nPagina, const std::string& sPrefijo) {
        std::vector<double> alturas;
        for (const Palabra& p : PalabrasDe(sPdf, nPagina)) {
            if (p.sTexto.rfind(sPrefijo, 0) == 0) {
                alturas.push_back(p.y0);
            }
        }
        return alturas;
    }

    // The lines --list writes: one per registered receipt.
    std::size_t Registrados() {
        const std::string sLista = Brixamo("--list").sSalida;
        return static_cast<std::size_t>(std::count(sLista.begin(), sLista.end(), '\n'));
    }
};

struct FilaHueco : Fila {
    const char* sGuardado;  // "Recibo - PorHoja" stored, or nothing
    const char* sOpciones;
    int nPaginas;
    std::vector<int> recibosPorPagina;
    double paso;  // mm between the receipts of a sheet
};

const FilaHueco kFilasHueco[] = {
    {{"ThreePerSheetNinetyNineMmApart"}, nullptr, "--per-sheet=3", 2, {3, 3}, 99.0},
    {{"TwoPerSheetHalfASheetApart"}, nullptr, "--per-sheet 2", 3, {2, 2, 2}, 148.5},
    {{"StoredThreePerSheet"}, "3", "", 2, {3, 3}, 99.0},
    {{"OptionOverTheStoredChoice"}, "3", "--per-sheet=1", 6, {1, 1, 1, 1, 1, 1}, 0},
    {{"StoredOutOfRangeIsOnePerSheet"}, "7", "", 6, {1, 1, 1, 1, 1, 1}, 0},
};

class HuecosTest : public HojaComandosTest, public ::testing::WithParamInterface<FilaHueco> {};

// Six receipts fill the sheets' slots in order; within a sheet each lies the slot's height
// below the one before, and the first where a receipt alone lies on its page.
TEST_P(HuecosTest, BatchFillsTheSlotsASlotApart) {
    const FilaHueco& f = GetParam();
    if (f.sGuardado != nullptr) {
        ajustes::kPorHoja.ComoTexto().Escribir(f.sGuardado);
    }
    Correr("--batch seis.csv --pdf solo.pdf --per-sheet=1");
    const double primera = Alturas(Ruta("solo.pdf"), 1, "Vecino").at(0);
    Correr(std::string("--batch seis.csv --pdf hoja.pdf ") + f.sOpciones);

    ASSERT_EQ(Paginas(Ruta("hoja.pdf")), f.nPaginas);
    int nSiguiente = 1;
    for (int nPagina = 1; nPagina <= f.nPaginas; ++nPagina) {
        const std::vector<double> alturas = Alturas(Ruta("hoja.pdf"), nPagina, "Vecino");
        ASSERT_EQ(int(alturas.size()), f.recibosPorPagina[nPagina - 1]) << "page " << nPagina;
        for (std::size_t k = 0; k < alturas.size(); ++k) {
            EXPECT_NEAR(alturas[k], primera + double(k) * f.paso, kToleranciaMm)
                << "page " << nPagina << " slot " << k;
        }
        const std::vector<Palabra> palabras = PalabrasDe(Ruta("hoja.pdf"), nPagina);
        EXPECT_TRUE(Buscar(palabras, "Vecino" + std::to_string(nSiguiente)).has_value());
        nSiguiente += int(alturas.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Hoja, HuecosTest, ::testing::ValuesIn(kFilasHueco),
                         ::testing::PrintToStringParamName());

// Rendered at 254 dpi a pixel is 0.1 mm: the dashes lie on the rows of the slot boundaries,
// 3 mm of ink then 2 mm of paper, and nowhere when not asked for.
TEST_F(HojaComandosTest, CutMarksAtTheSlotBoundaries) {
    struct Caso {
        const char* sOpciones;
        bool bMarcas;
    };
    for (const Caso c : {Caso{"--per-sheet=3 --cut-marks", true}, Caso{"--per-sheet=3", false}}) {
        Correr(std::string("--batch seis.csv --pdf marcas.pdf ") + c.sOpciones);
        ASSERT_EQ(
            Ejecutar("pdftoppm -r 254 -f 1 -l 1 -gray -singlefile -png marcas.pdf pagina").nEstado,
            0);
        const QImage pagina(QString::fromStdString(Ruta("pagina.png")));
        ASSERT_FALSE(pagina.isNull());
        // The darkest pixel of a column near a row.
        const auto tinta = [&](int x, int y) {
            int nMinimo = 255;
            for (int dy = -2; dy <= 2; ++dy) {
                nMinimo = std::min(nMinimo, qGray(pagina.pixel(x, y + dy)));
            }
            return nMinimo;
        };
        for (const int y : {990, 1980}) {
            EXPECT_EQ(tinta(15, y) < 200, c.bMarcas) << c.sOpciones << " at " << y;
            EXPECT_EQ(tinta(2065, y) < 200, c.bMarcas) << c.sOpciones << " at " << y;
            EXPECT_EQ(tinta(40, y), 255) << c.sOpciones << " between dashes at " << y;
        }
        EXPECT_EQ(tinta(15, 500), 255) << "no mark inside a slot";
    }
}

struct FilaCopia : Fila {
    const char* sOpciones;
    int nPaginas;
    int nPaginaCopia;
    double copiaY;  // the copy's mark from the top of its page, mm
};

// The marks lie under the receipt's frame (which ends at 87.9 mm), ending at its right edge.
const FilaCopia kFilasCopia[] = {
    {{"CopyOnAPageOfItsOwn"}, "--copies=2", 2, 2, 88.5},
    {{"OriginalAndCopyShareASheetOfTwo"}, "--copies=2 --per-sheet=2", 1, 1, 148.5 + 88.5},
};

class CopiasTest : public HojaComandosTest, public ::testing::WithParamInterface<FilaCopia> {};

TEST_P(CopiasTest, OriginalAndCopyMarkedAndRegisteredOnce) {
    const FilaCopia& f = GetParam();
    Correr(std::string("--pdf copias.pdf ") + f.sOpciones);
    ASSERT_EQ(Paginas(Ruta("copias.pdf")), f.nPaginas);
    const auto original = Buscar(PalabrasDe(Ruta("copias.pdf"), 1), "ORIGINAL");
    const auto copia = Buscar(PalabrasDe(Ruta("copias.pdf"), f.nPaginaCopia), "COPIA");
    ASSERT_TRUE(original && copia);
    EXPECT_NEAR(original->y0, 88.5, 0.5);
    EXPECT_NEAR(copia->y0, f.copiaY, 0.5);
    EXPECT_NEAR(original->x1, 198.9, 0.5);
    EXPECT_NEAR(copia->x1, 198.9, 0.5);
    EXPECT_EQ(Registrados(), 1u);

    Correr(std::string("--batch seis.csv --pdf lote.pdf ") + f.sOpciones);
    EXPECT_EQ(Paginas(Ruta("lote.pdf")), 6 * f.nPaginas);
    EXPECT_EQ(Registrados(), 7u);
}

INSTANTIATE_TEST_SUITE_P(Hoja, CopiasTest, ::testing::ValuesIn(kFilasCopia),
                         ::testing::PrintToStringParamName());

// Every PDF the program writes asks viewers not to scale it, and qpdf finds nothing wrong with
// it: the catalog the trailer names holds the preference.
TEST_F(HojaComandosTest, EveryPdfAsksForActualSizeAndChecksClean) {
    Correr("--pdf recibo.pdf");
    const std::pair<const char*, const char*> ordenes[] = {
        {"recibo.pdf", ""},
        {"lote.pdf", "--batch seis.csv --per-sheet=3 --cut-marks --copies=2 --pdf lote.pdf"},
        {"copia.pdf", "--reprint 1 --per-sheet=2 --pdf copia.pdf"},
    };
    for (const auto& [sPdf, sOrden] : ordenes) {
        if (*sOrden != '\0') {
            Correr(sOrden);
        }
        const Salida check = Ejecutar(std::string("qpdf --check ") + sPdf);
        EXPECT_EQ(check.nEstado, 0) << sPdf << "\n" << check.sSalida << check.sErrores;
        EXPECT_EQ(check.sSalida.find("WARNING"), std::string::npos) << check.sSalida;
        const std::string sTrailer =
            Ejecutar(std::string("qpdf --show-object=trailer ") + sPdf).sSalida;
        std::smatch raiz;
        ASSERT_TRUE(std::regex_search(sTrailer, raiz, std::regex("/Root ([0-9]+) 0 R")))
            << sTrailer;
        const std::string sCatalogo =
            Ejecutar("qpdf --show-object=" + raiz[1].str() + " " + sPdf).sSalida;
        EXPECT_NE(sCatalogo.find("/ViewerPreferences << /PrintScaling /None >>"), std::string::npos)
            << sPdf << ": " << sCatalogo;
        EXPECT_NE(sCatalogo.find("/Pages"), std::string::npos) << sCatalogo;
    }
}

struct FilaUso : Fila {
    const char* sArgumentos;
    const char* sMensaje;
};

const FilaUso kFilasUso[] = {
    {{"PerSheetFour"},
     "--pdf a.pdf --per-sheet=4",
     "--per-sheet must be a number from 1 to 3, not '4'"},
    {{"PerSheetZero"},
     "--pdf a.pdf --per-sheet=0",
     "--per-sheet must be a number from 1 to 3, not '0'"},
    {{"PerSheetText"}, "--pdf a.pdf --per-sheet=dos", "--per-sheet must be a number from 1 to 3"},
    {{"PerSheetEmpty"}, "--pdf a.pdf --per-sheet=", "--per-sheet must be a number from 1 to 3"},
    {{"CopiesThree"}, "--pdf a.pdf --copies=3", "--copies must be a number from 1 to 2, not '3'"},
    {{"PerSheetAlone"}, "--per-sheet=2", "--per-sheet goes with --pdf or --print"},
    {{"CutMarksAlone"}, "--cut-marks", "--cut-marks goes with --pdf or --print"},
    {{"CopiesWithADryRun"},
     "--batch seis.csv --dry-run --copies=2",
     "--copies goes with --pdf or --print"},
    {{"CutMarksWithList"}, "--list --cut-marks", "--cut-marks goes with --pdf or --print"},
    {{"CutMarksTakeNoValue"}, "--pdf a.pdf --cut-marks=1", "cut-marks"},
};

class UsoHojaTest : public HojaComandosTest, public ::testing::WithParamInterface<FilaUso> {};

TEST_P(UsoHojaTest, BadUseIsRefusedAndWritesNothing) {
    const FilaUso& f = GetParam();
    const Salida salida = Brixamo(f.sArgumentos);
    EXPECT_EQ(salida.nEstado, 2);
    EXPECT_NE(salida.sErrores.find(f.sMensaje), std::string::npos) << salida.sErrores;
    EXPECT_NE(salida.sErrores.find("Try 'brixamo --help'"), std::string::npos);
    EXPECT_TRUE(BytesDe(Ruta("a.pdf")).empty());
}

INSTANTIATE_TEST_SUITE_P(Hoja, UsoHojaTest, ::testing::ValuesIn(kFilasUso),
                         ::testing::PrintToStringParamName());

TEST_F(HojaComandosTest, HelpNamesTheSheetOptions) {
    const std::string sAyuda = Brixamo("--help").sSalida;
    for (const char* sOpcion : {"--per-sheet <N>", "--cut-marks", "--copies <N>"}) {
        EXPECT_NE(sAyuda.find(sOpcion), std::string::npos) << sOpcion;
    }
}

}  // namespace
