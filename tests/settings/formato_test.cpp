// The file format as the keyed layer reads and writes it, checked byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

using namespace std::string_literals;

namespace {

const std::string kRecibos = "Recibos conceptos";

std::string Par(const std::string& sClave, const std::string& sValor) {
    return sClave + "\n" + sValor + "\n";
}

// n pairs "S - Kj" / "vj", j = 0 .. n-1, without the final NUL.
std::string Pares(int n) {
    std::string s;
    for (int j = 0; j < n; ++j) {
        s += Par("S - K" + std::to_string(j), "v" + std::to_string(j));
    }
    return s;
}

class Formato : public ::testing::Test {
  protected:
    CarpetaTemporal carpeta;
    void Poner(const std::string& sBytes) { PonerBytes(carpeta.Fichero(), sBytes); }
    std::string Bytes() const { return BytesDe(carpeta.Fichero()); }
};

TEST_F(Formato, FirstWriteCreatesExactlyOnePairAndOneNul) {
    EXPECT_EQ(LeerValor(kRecibos, "IDC_EDIT_NUMERO", ""), "");
    EscribirValor(kRecibos, "IDC_EDIT_NUMERO", "7");
    EXPECT_EQ(Bytes(), "Recibos conceptos - IDC_EDIT_NUMERO\n7\n\0"s);
}

TEST_F(Formato, PairsKeepFirstWriteOrderAndUpdatesStayInPlace) {
    EscribirValor(kRecibos, "IDC_EDIT_NUMERO", "0015");
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 1);
    EscribirValor("Recibo", "Texto1", "libre");
    EscribirValor(kRecibos, "IDC_EDIT_NUMERO", "0016");
    EXPECT_EQ(Bytes(), Par("Recibos conceptos - IDC_EDIT_NUMERO", "0016") +
                           Par("Aplicacion Recibos - Idioma", "1") +
                           Par("Recibo - Texto1", "libre") + "\0"s);
}

TEST_F(Formato, StoredEmptyValueIsNotTheDefault) {
    EscribirValor("Recibo", "Texto1", "");
    EXPECT_EQ(LeerValor("Recibo", "Texto1", "por defecto"), "");
    EXPECT_EQ(LeerValor("Recibo", "Texto2", "por defecto"), "por defecto");
}

TEST_F(Formato, KeysMatchByteForByte) {
    EscribirValor("Recibo", "Texto1", "A");
    EXPECT_EQ(LeerValor("recibo", "Texto1", "-"), "-");
    EXPECT_EQ(LeerValor("Recibo ", "Texto1", "-"), "-");
    EXPECT_EQ(LeerValor("Recibo", "texto1", "-"), "-");
    EscribirValor("recibo", "Texto1", "B");
    EXPECT_EQ(LeerValor("Recibo", "Texto1", "-"), "A");
    EXPECT_EQ(LeerValor("recibo", "Texto1", "-"), "B");
}

TEST_F(Formato, ValuesKeepBlanksAndHighBytes) {
    const std::string sValor =
        "  Espa\xF1"
        "a, 1.234,56 \xE2\x82\r\t ";
    EscribirValor(kRecibos, "IDC_EDIT_LOCALIDAD", sValor);
    EXPECT_EQ(LeerValor(kRecibos, "IDC_EDIT_LOCALIDAD", ""), sValor);
}

TEST_F(Formato, LineFeedsAndNulsAreDroppedBeforeStoring) {
    EscribirValor("Rec\nibo", "Tex\0to1"s, "una\nlinea\0sola"s);
    EXPECT_EQ(Bytes(), "Recibo - Texto1\nunalineasola\n\0"s);
    EXPECT_EQ(LeerValor("Recibo", "Texto1", ""), "unalineasola");
    EXPECT_EQ(LeerValor("Rec\nibo", "Texto1", ""), "unalineasola");
}

// Hand-edited files: what reads see, and what a later write leaves.
struct CasoFichero {
    const char* sNombre;
    std::string sFichero;
    std::string sClave;     // read in section "S"
    std::string sEsperado;  // with default "-"
};

class FicheroEditado : public Formato, public ::testing::WithParamInterface<CasoFichero> {};

TEST_P(FicheroEditado, ReadSeesWhatTheFormatHolds) {
    Poner(GetParam().sFichero);
    EXPECT_EQ(LeerValor("S", GetParam().sClave, "-"), GetParam().sEsperado);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FicheroEditado,
    ::testing::Values(CasoFichero{"CrLf", "S - A\r\n1\r\n\0"s, "A", "-"},
                      CasoFichero{"EmptyEvenLine", "S - A\n1\n\nhuerfano\nS - B\n2\n\0"s, "B", "2"},
                      // A key line whose value line was cut off holds the empty value.
                      CasoFichero{"LastLineWithoutLf", "S - A\n1\nS - B\n2"s, "B", ""},
                      CasoFichero{"LastValueWithoutLf", "S - A\n1\nS - B\n2"s, "A", "1"},
                      CasoFichero{"BytesAfterNul", "S - A\n1\n\0S - B\n2\n"s, "B", "-"},
                      CasoFichero{"UnendedKeyLine", "S - A\n1\nS - B"s, "B", "-"},
                      CasoFichero{"NulInsideValue",
                                  "S - A\n1\0"
                                  "2\n"s,
                                  "A", ""},
                      CasoFichero{"NoNulAtAll", "S - A\n1\n"s, "A", "1"},
                      CasoFichero{"ValueLineIsAKeyLine", "S - A\nS - B\nS - B\n2\n"s, "B", "2"},
                      CasoFichero{"Pair100Seen", Pares(100) + "\0"s, "K99", "v99"},
                      CasoFichero{"Pair101NotSeen", Pares(101) + "\0"s, "K100", "-"},
                      CasoFichero{"FirstOfDuplicates", "S - A\n1\nS - A\n2\n\0"s, "A", "1"}),
    [](const auto& info) { return std::string(info.param.sNombre); });

TEST_F(Formato, CrLfFileGetsANewPairAndKeepsItsCarriageReturns) {
    Poner("S - A\r\n1\r\n\0"s);
    EscribirValor("S", "A", "2");
    EXPECT_EQ(Bytes(), "S - A\r\n1\r\nS - A\n2\n\0"s);
    EXPECT_EQ(LeerValor("S", "A", "-"), "2");
}

TEST_F(Formato, PairsAfterAnEmptyKeyLineSurviveAWrite) {
    Poner("S - A\n1\n\nhuerfano\nS - B\n2\n\0"s);
    EscribirValor("S", "A", "9");
    EXPECT_EQ(Bytes(), "S - A\n9\nS - B\n2\n\0"s);
}

TEST_F(Formato, NewKeyFillsTheFirstEmptyKeyLine) {
    Poner("S - A\n1\n\nhuerfano\nS - B\n2\n\0"s);
    EscribirValor("S", "C", "3");
    EXPECT_EQ(Bytes(), "S - A\n1\nS - C\n3\nS - B\n2\n\0"s);
}

TEST_F(Formato, LinesBeyondCapacityAndAnUnendedLineAreDroppedByAWrite) {
    Poner(Pares(100) + "S - K100\nv100\nresto sin fin"s);
    EscribirValor("S", "K5", "cinco");
    std::string sEsperado = Pares(100);
    sEsperado.replace(sEsperado.find("S - K5\nv5\n"), 10, "S - K5\ncinco\n");
    EXPECT_EQ(Bytes(), sEsperado + "\0"s);
}

TEST_F(Formato, FullStoreRefusesANewKeyButStillUpdates) {
    Poner(Pares(100) + "\0"s);
    EscribirValor("S", "Nueva", "x");
    EXPECT_EQ(Bytes(), Pares(100) + "\0"s);
    EXPECT_EQ(LeerValor("S", "Nueva", "-"), "-");
    EscribirValor("S", "K99", "ultimo");
    EXPECT_EQ(LeerValor("S", "K99", "-"), "ultimo");
}

TEST_F(Formato, HoldsEveryKeyTheProgramWrites) {
    for (int j = 0; j < 52; ++j) {
        EscribirValor(kRecibos, "clave" + std::to_string(j), std::to_string(j));
    }
    for (int j = 0; j < 52; ++j) {
        EXPECT_EQ(LeerValor(kRecibos, "clave" + std::to_string(j), "-"), std::to_string(j));
    }
}

// A batch leaves the file exactly as the same writes made one by one.
struct CasoLote {
    const char* sNombre;
    std::string sInicial;  // empty: no file
    std::vector<std::pair<std::string, std::string>> pares;
};

class Lote : public ::testing::TestWithParam<CasoLote> {};

std::string DespuesDe(const CasoLote& caso, bool bEnLote) {
    CarpetaTemporal carpeta;
    if (!caso.sInicial.empty()) {
        PonerBytes(carpeta.Fichero(), caso.sInicial);
    }
    if (bEnLote) {
        EscribirValores("S", caso.pares);
    } else {
        for (const auto& [sClave, sValor] : caso.pares) {
            EscribirValor("S", sClave, sValor);
        }
    }
    return BytesDe(carpeta.Fichero());
}

TEST_P(Lote, MatchesOneByOne) {
    const std::string sUnoAUno = DespuesDe(GetParam(), false);
    EXPECT_EQ(DespuesDe(GetParam(), true), sUnoAUno);
    EXPECT_FALSE(sUnoAUno.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Lote,
    ::testing::Values(
        CasoLote{"NoFile", "", {{"A", "1"}, {"B", "2"}, {"A", "3"}}},
        CasoLote{"Existing", Pares(3) + "\0"s, {{"K1", "x"}, {"N", "y"}, {"K0", "z"}}},
        CasoLote{"Gapped", "S - A\n1\n\nh\nS - B\n2\n\0"s, {{"B", "b"}, {"C", "c"}, {"D", "d"}}},
        CasoLote{"Full", Pares(99) + "\0"s, {{"N1", "1"}, {"N2", "2"}, {"K3", "3"}}},
        CasoLote{"Dirty", "S - A\r\n1\r\n\0"s, {{"A", "a\nb"}, {"A\0"s, "c"}}}),
    [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace
