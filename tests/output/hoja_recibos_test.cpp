// Receipts on the sheets of a document, on recording devices: the slots each receipt goes to,
// the pages, the copies and their marks, the cut marks, the stored choice, the print dialog's
// offer, and the register counting a receipt once whatever its copies.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "output/dibujarrecibo.h"
#include "output/hoja_recibos.h"
#include "output/imprimirrecibo.h"
#include "platform/qt/qt_devices.h"
#include "register/registro.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/fila.h"
#include "tests/support/impresora_prestada.h"

namespace {

// A4 at 96 pixels per inch: 1123 pixels of sheet, 374 a slot of three, 561 a slot of two.
constexpr int kAltoA4 = 1123;

ReciboData Recibo(int n) {
    ReciboData recibo = ReciboCompleto();
    recibo.sPagador1 = "Vecino " + std::to_string(n);
    return recibo;
}

// What a page of the sheet drew: its origin and the texts after each move.
struct Pagina {
    std::vector<int> origenes;           // the y of each origin the page moved to
    std::vector<std::string> pagadores;  // the payers drawn, in order
    std::vector<std::string> marcas;     // ORIGINAL and COPIA, in order
};

std::vector<Pagina> Paginas(const RecordingDevice& dc) {
    std::vector<Pagina> paginas;
    for (const RecordedCall& c : dc.Calls()) {
        if (c.kind == CallKind::StartPage) {
            paginas.emplace_back();
        } else if (c.kind == CallKind::SetViewportOrg) {
            paginas.back().origenes.push_back(c.rect.bottom);
        } else if (c.kind == CallKind::DrawText && c.text.rfind("Vecino", 0) == 0) {
            paginas.back().pagadores.push_back(c.text);
        } else if (c.kind == CallKind::DrawText && (c.text == "ORIGINAL" || c.text == "COPIA")) {
            paginas.back().marcas.push_back(c.text);
        }
    }
    return paginas;
}

// The receipts 1..nRecibos printed as one document.
RecordingDevice Imprimir(const DisposicionHoja& disposicion, int nRecibos,
                         DeviceSurface superficie = {}) {
    RecordingDevice dc(superficie);
    dc.StartDoc(kNombreDocumento);
    CHojasRecibos hojas(dc, disposicion);
    for (int n = 1; n <= nRecibos; ++n) {
        hojas.Anadir(Recibo(n), AparienciaRecibo{}, kDolares);
    }
    hojas.Terminar();
    dc.EndDoc();
    return dc;
}

struct FilaHoja : Fila {
    DisposicionHoja disposicion;
    int nRecibos;
    DeviceSurface superficie;
    std::vector<std::vector<std::string>> pagadores;  // per page
    std::vector<std::vector<int>> origenes;           // per page
    std::vector<std::vector<std::string>> marcas;     // per page
};

const DeviceSurface kA4{};
const DeviceSurface kA5{148, 210, 559, 794};  // 3 slots of 70 mm cannot hold a receipt

const FilaHoja kFilasHoja[] = {
    {{"OnePerSheetNeverMovesTheOrigin"},
     {},
     3,
     kA4,
     {{"Vecino 1"}, {"Vecino 2"}, {"Vecino 3"}},
     {{}, {}, {}},
     {{}, {}, {}}},
    {{"ThreePerSheetFillTwoSheets"},
     {3, false, 1},
     6,
     kA4,
     {{"Vecino 1", "Vecino 2", "Vecino 3"}, {"Vecino 4", "Vecino 5", "Vecino 6"}},
     {{374, 748, 0}, {374, 748, 0}},
     {{}, {}}},
    {{"ThreePerSheetLeaveTheLastSheetPartlyEmpty"},
     {3, false, 1},
     4,
     kA4,
     {{"Vecino 1", "Vecino 2", "Vecino 3"}, {"Vecino 4"}},
     {{374, 748, 0}, {}},
     {{}, {}}},
    {{"TwoPerSheet"},
     {2, false, 1},
     3,
     kA4,
     {{"Vecino 1", "Vecino 2"}, {"Vecino 3"}},
     {{561, 0}, {}},
     {{}, {}}},
    {{"CopiesShareASheetOfTwo"},
     {2, false, 2},
     2,
     kA4,
     {{"Vecino 1", "Vecino 1"}, {"Vecino 2", "Vecino 2"}},
     {{561, 0}, {561, 0}},
     {{"ORIGINAL", "COPIA"}, {"ORIGINAL", "COPIA"}}},
    {{"CopiesOnPagesOfTheirOwn"},
     {1, false, 2},
     1,
     kA4,
     {{"Vecino 1"}, {"Vecino 1"}},
     {{}, {}},
     {{"ORIGINAL"}, {"COPIA"}}},
    {{"CopiesRunOnAcrossSheetsOfThree"},
     {3, false, 2},
     2,
     kA4,
     {{"Vecino 1", "Vecino 1", "Vecino 2"}, {"Vecino 2"}},
     {{374, 748, 0}, {}},
     {{"ORIGINAL", "COPIA", "ORIGINAL"}, {"COPIA"}}},
    {{"AShortSheetTakesTheSlotsThatFit"},
     {3, false, 1},
     3,
     kA5,
     {{"Vecino 1", "Vecino 2"}, {"Vecino 3"}},
     {{397, 0}, {}},
     {{}, {}}},
};

class HojaTest : public SalidaTest, public ::testing::WithParamInterface<FilaHoja> {};

TEST_P(HojaTest, ReceiptsFillTheSlotsInOrder) {
    const FilaHoja& f = GetParam();
    const std::vector<Pagina> paginas = Paginas(Imprimir(f.disposicion, f.nRecibos, f.superficie));
    ASSERT_EQ(paginas.size(), f.pagadores.size());
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        EXPECT_EQ(paginas[i].pagadores, f.pagadores[i]) << "page " << i;
        EXPECT_EQ(paginas[i].origenes, f.origenes[i]) << "page " << i;
        EXPECT_EQ(paginas[i].marcas, f.marcas[i]) << "page " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Hoja, HojaTest, ::testing::ValuesIn(kFilasHoja),
                         ::testing::PrintToStringParamName());

// Between two moves of the origin, a receipt in a lower slot is drawn call for call as the
// receipt alone on its page: only the origin tells them apart.
TEST_F(SalidaTest, EachSlotHoldsTheDrawingOfAPageOfItsOwn) {
    RecordingDevice solo;
    DibujarRecibo(Recibo(1), AparienciaRecibo{}, kDolares, solo);

    RecordingDevice hoja;
    CHojasRecibos hojas(hoja, {3, false, 1});
    for (int k = 0; k < 3; ++k) {
        hojas.Anadir(Recibo(1), AparienciaRecibo{}, kDolares);
    }
    std::vector<std::vector<std::string>> tramos(1);
    for (const std::string& linea : Descritas(hoja.Calls())) {
        if (linea.rfind("origin", 0) == 0) {
            tramos.emplace_back();
        } else if (linea != "startpage" && linea != "endpage") {
            tramos.back().push_back(linea);
        }
    }
    ASSERT_EQ(tramos.size(), 4u);  // slot 0, slot 1, slot 2, and back to the top
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(tramos[k], Descritas(solo.Calls())) << "slot " << k;
    }
    EXPECT_TRUE(tramos[3].empty());
}

// The cut marks: dashes along the top edge of every slot but the first, across the sheet's
// width, between the receipts; none when not asked for, nor on a sheet of one slot.
TEST_F(SalidaTest, CutMarksLieAtTheSlotBoundariesOnly) {
    struct Caso {
        DisposicionHoja disposicion;
        std::vector<int> origenesConMarcas;
    };
    const Caso casos[] = {
        {{3, true, 1}, {374, 748}},
        {{2, true, 1}, {561}},
        {{3, false, 1}, {}},
        {{1, true, 1}, {}},
    };
    for (const Caso& c : casos) {
        const RecordingDevice dc = Imprimir(c.disposicion, 1);
        std::vector<int> origenes;
        int nOrigen = 0;
        for (const RecordedCall& call : dc.Calls()) {
            nOrigen = call.kind == CallKind::SetViewportOrg ? call.rect.bottom : nOrigen;
            if (call.kind != CallKind::Rectangle || call.brush.color != RGB(128, 128, 128)) {
                continue;
            }
            // Each dash 3 mm long and 0.1 mm thick at the slot's top, within the sheet.
            EXPECT_EQ(call.rect.top, 0);
            EXPECT_EQ(call.rect.bottom, 1);
            EXPECT_LE(call.rect.right - call.rect.left, 30);
            EXPECT_LE(call.rect.right, 2100);
            if (origenes.empty() || origenes.back() != nOrigen) {
                origenes.push_back(nOrigen);
            }
        }
        EXPECT_EQ(origenes, c.origenesConMarcas) << c.disposicion.nPorHoja;
    }
}

// The copy's mark lies in the slot's band under the frame, within the slot, in small type.
TEST_F(SalidaTest, CopyMarksLieUnderTheFrameWithinTheSlot) {
    const RecordingDevice dc = Imprimir({3, false, 2}, 1);
    const std::vector<RecordedCall> textos = dc.CallsOf(CallKind::DrawText);
    int nMarcas = 0;
    for (const RecordedCall& c : textos) {
        if (c.text != "ORIGINAL" && c.text != "COPIA") {
            continue;
        }
        ++nMarcas;
        EXPECT_GE(c.rect.top, 879) << c.text;     // under the frame
        EXPECT_LE(c.rect.bottom, 990) << c.text;  // above the next slot (99 mm)
        EXPECT_EQ(c.font.height, 30);
        EXPECT_EQ(c.bkMode, TRANSPARENT);
    }
    EXPECT_EQ(nMarcas, 2);
    EXPECT_EQ(dc.CurrentFont(), LogFont{});
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.ViewportOrg(), (Rect{0, 0, 0, 0}));
}

struct FilaAjuste : Fila {
    const char* sPorHoja;
    const char* sMarcas;
    const char* sCopias;
    DisposicionHoja esperada;
};

const FilaAjuste kFilasAjuste[] = {
    {{"NothingStored"}, nullptr, nullptr, nullptr, {1, false, 1}},
    {{"ThreeWithMarksAndCopies"}, "3", "1", "2", {3, true, 2}},
    {{"Two"}, "2", "0", "1", {2, false, 1}},
    {{"ZeroReadsAsDefault"}, "0", "0", "0", {1, false, 1}},
    {{"FourReadsAsDefault"}, "4", "2", "3", {1, false, 1}},
    {{"NegativeReadsAsDefault"}, "-3", "-1", "-2", {1, false, 1}},
    {{"TextReadsAsDefault"}, "tres", "si", "dos", {1, false, 1}},
};

class AjusteHojaTest : public SalidaTest, public ::testing::WithParamInterface<FilaAjuste> {};

TEST_P(AjusteHojaTest, StoredValuesOutOfRangeReadAsTheDefault) {
    const FilaAjuste& f = GetParam();
    const std::pair<AjusteEntero, const char*> valores[] = {{ajustes::kPorHoja, f.sPorHoja},
                                                            {ajustes::kMarcasCorte, f.sMarcas},
                                                            {ajustes::kCopias, f.sCopias}};
    for (const auto& [ajuste, sValor] : valores) {
        if (sValor != nullptr) {
            ajuste.ComoTexto().Escribir(sValor);
        }
    }
    EXPECT_EQ(DisposicionEnVigor(), f.esperada);
}

INSTANTIATE_TEST_SUITE_P(Hoja, AjusteHojaTest, ::testing::ValuesIn(kFilasAjuste),
                         ::testing::PrintToStringParamName());

std::size_t RecibosRegistrados() {
    CRegistro registro;
    std::size_t n = 0;
    registro.Recorrer({}, OrdenRegistro::kAntiguosPrimero, [&](const ReciboRegistrado&) { ++n; });
    return n;
}

// The form's print: the dialog offers the stored receipts per sheet; the user's choice is
// stored and used. With two copies and two per sheet the original and its copy share the one
// page, and the register counts the receipt once.
TEST_F(SalidaTest, PrintDialogOffersTheStoredChoiceAndTheRegisterCountsOneReceipt) {
    ajustes::kPorHoja.Escribir(3);
    ajustes::kCopias.Escribir(2);
    RecordingDevice impreso;
    m_servicios.printAnswers.push_back(
        [&impreso] { return std::make_unique<ImpresoraPrestada>(impreso); });
    m_servicios.perSheetAnswers.push_back(2);
    ImprimirRecibo(Recibo(1), kDolares);

    EXPECT_EQ(m_servicios.perSheetOffered, std::vector<int>{3});
    EXPECT_EQ(ajustes::kPorHoja.Leer(), 2);
    const std::vector<Pagina> paginas = Paginas(impreso);
    ASSERT_EQ(paginas.size(), 1u);
    EXPECT_EQ(paginas[0].marcas, (std::vector<std::string>{"ORIGINAL", "COPIA"}));
    EXPECT_EQ(paginas[0].origenes, (std::vector<int>{561, 0}));
    EXPECT_EQ(RecibosRegistrados(), 1u);
}

// A cancelled dialog stores nothing, whatever was set in it.
TEST_F(SalidaTest, CancelledPrintDialogKeepsTheStoredChoice) {
    ajustes::kPorHoja.Escribir(3);
    m_servicios.perSheetAnswers.push_back(1);
    ImprimirRecibo(Recibo(1), kDolares);
    EXPECT_EQ(m_servicios.perSheetOffered, std::vector<int>{3});
    EXPECT_EQ(ajustes::kPorHoja.Leer(), 3);
    EXPECT_EQ(RecibosRegistrados(), 0u);
}

// With one receipt per sheet and one copy the document is the one a page of the receipt alone
// always made, byte for byte but for its date; more per sheet it is not.
TEST_F(SalidaTest, DefaultSheetWritesThePdfOfAPageOfItsOwn) {
    const auto sinFecha = [](const std::string& sPdf) {
        return std::regex_replace(BytesDe(sPdf), std::regex("/CreationDate \\(D:[0-9Z+'-]*\\)"),
                                  "");
    };
    const auto hoja = [&](const std::string& sNombre, const DisposicionHoja& disposicion) {
        const std::string sPdf = m_carpeta.Ruta() + "/" + sNombre;
        const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(sPdf);
        EXPECT_TRUE(ImprimirEnDispositivo(ReciboCompleto(), AparienciaEnVigor(), kDolares, *dc,
                                          disposicion));
        return sinFecha(sPdf);
    };
    const std::string sPagina = m_carpeta.Ruta() + "/pagina.pdf";
    {
        const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(sPagina);
        ASSERT_EQ(dc->StartDoc(kNombreDocumento), 1);
        dc->StartPage();
        DibujarRecibo(ReciboCompleto(), AparienciaEnVigor(), kDolares, *dc);
        dc->EndPage();
        ASSERT_EQ(dc->EndDoc(), 1);
    }
    const std::string sSola = sinFecha(sPagina);
    ASSERT_NE(sSola.find("%PDF"), std::string::npos);
    EXPECT_EQ(hoja("defecto.pdf", {}), sSola);
    EXPECT_EQ(hoja("marcas.pdf", {1, true, 1}), sSola);  // no boundary on a sheet of one
    EXPECT_NE(hoja("tres.pdf", {3, false, 2}), sSola);
}

}  // namespace
