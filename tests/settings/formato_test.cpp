// The file format as the keyed layer reads and writes it, checked byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"

using namespace std::string_literals;

namespace {

// n pairs "S - Kj" / "vj", j = 0 .. n-1, without the final NUL.
std::string Pares(int n) {
    std::string s;
    for (int j = 0; j < n; ++j) {
        s += "S - K" + std::to_string(j) + "\nv" + std::to_string(j) + "\n";
    }
    return s;
}

std::string Cambiado(std::string s, const std::string& sDe, const std::string& sA) {
    return s.replace(s.find(sDe), sDe.size(), sA);
}

// Hand-edited files: what a read of section "S" sees (default "-").
TEST(Formato, ReadSeesWhatTheFormatHolds) {
    // clang-format off
    const std::tuple<std::string, std::string, std::string> casos[] = {
        {"S - A\r\n1\r\n\0"s, "A", "-"}, {"S - A\n1\n\nhuerfano\nS - B\n2\n\0"s, "B", "2"},
        // A key line whose value line was cut off holds the empty value.
        {"S - A\n1\nS - B\n2", "B", ""}, {"S - A\n1\nS - B\n2", "A", "1"},
        {"S - A\n1\n\0S - B\n2\n"s, "B", "-"}, {"S - A\n1\nS - B", "B", "-"},
        {"S - A\n1\0002\n"s, "A", ""}, {"S - A\n1\n", "A", "1"},
        {"S - A\nS - B\nS - B\n2\n", "B", "2"}, {"S - A\n1\nS - A\n2\n\0"s, "A", "1"},
        {Pares(100) + "\0"s, "K99", "v99"}, {Pares(101) + "\0"s, "K100", "-"},
        {"S - A\n\n\0"s, "A", ""}, {"S - A\n1\n\0"s, "a", "-"}, {"S - A\n1\n\0"s, "A ", "-"},
        {"S - A\n  Espa\361a \342\202\r\t \n\0"s, "A", "  Espa\361a \342\202\r\t "}};
    // clang-format on
    CarpetaTemporal carpeta;
    for (const auto& [sFichero, sClave, sEsperado] : casos) {
        PonerBytes(carpeta.Fichero(), sFichero);
        EXPECT_EQ(LeerValor("S", sClave, "-"), sEsperado) << sFichero;
    }
}

// Writes into a missing ("") or hand-edited file, and the exact bytes they leave.
TEST(Formato, WritesLeaveExactlyTheseBytes) {
    using Escrituras = std::vector<std::tuple<std::string, std::string, std::string>>;
    const std::string sHueco = "S - A\n1\n\nhuerfano\nS - B\n2\n\0"s;
    // clang-format off
    const std::tuple<std::string, Escrituras, std::string> casos[] = {
        {"", {{"Recibos conceptos", "IDC_EDIT_NUMERO", "7"}},
         "Recibos conceptos - IDC_EDIT_NUMERO\n7\n\0"s},
        // First-write order; updates stay in place.
        {"", {{"R", "N", "0015"}, {"A", "Idioma", "1"}, {"Recibo", "T", ""}, {"R", "N", "0016"}},
         "R - N\n0016\nA - Idioma\n1\nRecibo - T\n\n\0"s},
        {"", {{"Recibo", "T", "A"}, {"recibo", "T", "B"}}, "Recibo - T\nA\nrecibo - T\nB\n\0"s},
        {"", {{"Rec\nibo", "Tex\0to1"s, "una\nlinea\0sola"s}}, "Recibo - Texto1\nunalineasola\n\0"s},
        {"S - A\r\n1\r\n\0"s, {{"S", "A", "2"}}, "S - A\r\n1\r\nS - A\n2\n\0"s},
        {sHueco, {{"S", "A", "9"}}, "S - A\n9\nS - B\n2\n\0"s},
        {sHueco, {{"S", "C", "3"}}, "S - A\n1\nS - C\n3\nS - B\n2\n\0"s},
        // Lines beyond capacity and an unended line are dropped.
        {Pares(100) + "S - K100\nv100\nresto", {{"S", "K5", "cinco"}},
         Cambiado(Pares(100), "\nv5\n", "\ncinco\n") + "\0"s},
        // A full store (100 pairs, more than the program's 52 keys) refuses a new key but
        // still updates.
        {Pares(100) + "\0"s, {{"S", "Nueva", "x"}, {"S", "K99", "ultimo"}},
         Cambiado(Pares(100), "\nv99\n", "\nultimo\n") + "\0"s},
        {"", {{"S", "A", "1"}, {"S", "B", "2"}, {"S", "A", "3"}}, "S - A\n3\nS - B\n2\n\0"s},
        {Pares(3) + "\0"s, {{"S", "K1", "x"}, {"S", "N", "y"}, {"S", "K0", "z"}},
         "S - K0\nz\nS - K1\nx\nS - K2\nv2\nS - N\ny\n\0"s},
        {sHueco, {{"S", "B", "b"}, {"S", "C", "c"}, {"S", "D", "d"}},
         "S - A\n1\nS - B\nb\nS - C\nc\nS - D\nd\n\0"s},
        {Pares(99) + "\0"s, {{"S", "N1", "1"}, {"S", "N2", "2"}, {"S", "K3", "3"}},
         Cambiado(Pares(99), "\nv3\n", "\n3\n") + "S - N1\n1\n\0"s},
        {"S - A\r\n1\r\n\0"s, {{"S", "A", "a\nb"}, {"S", "A\0"s, "c"}}, "S - A\r\n1\r\nS - A\nc\n\0"s}};
    // clang-format on
    for (const auto& [sInicial, escrituras, sEsperado] : casos) {
        // Writes to one section are made once more as a batch, which must end the same.
        std::vector<std::pair<std::string, std::string>> lote;
        for (const auto& [sSeccion, sClave, sValor] : escrituras) {
            lote.emplace_back(sClave, sValor);
            if (sSeccion != std::get<0>(escrituras[0])) {
                lote.clear();
                break;
            }
        }
        for (const bool bLote : {false, true}) {
            if (bLote && lote.empty()) {
                continue;
            }
            CarpetaTemporal carpeta;
            if (!sInicial.empty()) {
                PonerBytes(carpeta.Fichero(), sInicial);
            }
            if (bLote) {
                EscribirValores(std::get<0>(escrituras[0]), lote);
            } else {
                for (const auto& [sSeccion, sClave, sValor] : escrituras) {
                    EscribirValor(sSeccion, sClave, sValor);
                }
            }
            EXPECT_EQ(BytesDe(carpeta.Fichero()), sEsperado) << (bLote ? "batch" : "one by one");
        }
    }
}

TEST(Formato, DroppedBytesAreDroppedFromReadsToo) {
    CarpetaTemporal carpeta;
    EscribirValor("Rec\nibo", "Texto1", "x");
    EXPECT_EQ(LeerValor("Rec\nibo", "Texto1", ""), "x");
}

}  // namespace
