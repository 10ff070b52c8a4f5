// The receipts issued, opened from the form's menu and driven through its control ids: the
// table newest first with the printed totals, the search as typed, the preview and the reprint
// of a receipt as it was registered (not registered again), loading one into the form, and a
// register that is empty, unreadable or damaged.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <functional>

#include "form/campos.h"
#include "money/globalcurrency.h"
#include "platform/qt/text_1252.h"
#include "platform/recording_device.h"
#include "register/estado_cobro.h"
#include "register/print/registro_impresion.h"
#include "register/registro.h"
#include "register/ui/recibosemitidosdlg.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/impresora_prestada.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/recibo_prueba.h"
#include "tests/support/textos_dibujados.h"
#include "tests/support/ui.h"

namespace {

using Filas = std::vector<std::vector<QString>>;

constexpr int kBotones[] = {IDC_BUTTON_VER_EMITIDO, IDC_BUTTON_REIMPRIMIR,
                            IDC_BUTTON_CARGAR_EMITIDO};

// Dollars as an American user keeps them: what the settings became after the receipts were
// printed in euros.
const AjustesMoneda kDolares = Ajustes(MonedaDePrueba{});

// The dollars stored and put in force, as the currency dialog leaves them.
void PonerDolares() {
    AplicarMoneda({});
    ASSERT_EQ(CGlobalCurrency::AjustesEnVigor(), kDolares);
}

std::time_t Dia(int nDia) {
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 2;
    tm.tm_mday = nDia;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

bool Contiene(const std::vector<std::string>& textos, const std::string& sParte) {
    return std::ranges::any_of(
        textos, [&sParte](const std::string& s) { return s.find(sParte) != std::string::npos; });
}

class EmitidosTest : public FormularioAbiertoTest {
  protected:
    // A receipt registered as the form's print registers it, on day nDia of March 2026 at noon.
    ReciboRegistrado Registrar(const std::string& sNumero, const std::string& sPagador,
                               double dImporte, int nDia) {
        std::vector<ReciboRegistrado> trabajo = {
            ComoSeImprime(Recibo(sNumero, sPagador, dImporte), CGlobalCurrency::AjustesEnVigor())};
        CRegistro registro;
        EXPECT_EQ(registro.Registrar(trabajo, Dia(nDia)).estado, EstadoRegistro::kCorrecto);
        return trabajo[0];
    }

    ReciboData Recibo(const std::string& sNumero, const std::string& sPagador, double dImporte) {
        ReciboData recibo;
        Dlg().RellenarRecibo(recibo);  // the form's labels
        recibo.sNumero = sNumero;
        recibo.sPagador1 = sPagador;
        recibo.sPagador2 = "Calle " + sNumero;
        recibo.sConcepto1 = "Cuota " + sNumero;
        recibo.sDomicilio = "Portal " + sNumero;
        recibo.sFecha = "01/03/2026";
        recibo.cuI1 = Importe(dImporte);
        recibo.cuImporte = recibo.cuI1;
        return recibo;
    }

    // Opens the receipts issued as the form's menu does; `actuar` acts in it as the user would.
    void AbrirEmitidos(const std::function<void(CRecibosEmitidosDlg&)>& actuar) {
        m_servicios.QueueModal(
            [&actuar](CDialog& d) { actuar(dynamic_cast<CRecibosEmitidosDlg&>(d)); });
        Dlg().OnSysCommand(IDM_RECIBOS_EMITIDOS);
    }

    // The rows the table should show for these receipts, in this order.
    static Filas FilasDe(const std::vector<ReciboRegistrado>& recibos) {
        Filas filas;
        for (const ReciboRegistrado& r : recibos) {
            filas.push_back({FromCp1252(r.sEmitido.substr(8, 2) + "/03/2026 12:00"),
                             FromCp1252(r.recibo.sNumero), FromCp1252(r.recibo.sPagador1),
                             FromCp1252(r.sTotal), QStringLiteral("pendiente")});
        }
        return filas;
    }

    static std::vector<QString> Numeros(const CDialog& d) {
        std::vector<QString> numeros;
        for (const std::vector<QString>& fila : ui::Rows(d, IDC_TABLA_EMITIDOS)) {
            numeros.push_back(fila[1]);
        }
        return numeros;
    }

    static std::vector<bool> Activados(const CDialog& d) {
        std::vector<bool> activados;
        for (const int id : kBotones) {
            activados.push_back(d.Window().IsEnabled(id));
        }
        return activados;
    }

    std::int64_t Contar() {
        std::int64_t n = 0;
        CRegistro registro;
        registro.Recorrer({}, OrdenRegistro::kAntiguosPrimero,
                          [&n](const ReciboRegistrado&) { ++n; });
        return n;
    }

    // Three receipts, the newest last.
    std::vector<ReciboRegistrado> RegistrarTres() {
        return {Registrar("R-101", "Ana P\xE9rez", 12.5, 1),
                Registrar("R-102",
                          "Bruno D\xED"
                          "az, portal 10",
                          1234, 2),
                Registrar("R-203", "Carmen ANA", -7.25, 3)};
    }

    // A receipt registered on day nDia of March 2026 in a job whose remittance debited it.
    ReciboRegistrado RegistrarDomiciliado(const std::string& sNumero, int nDia) {
        std::vector<ReciboRegistrado> trabajo = {
            ComoSeImprime(Recibo(sNumero, "Dora", 20), CGlobalCurrency::AjustesEnVigor())};
        trabajo[0].deudor.sIban = "ES9121000418450200051332";
        CRegistro registro;
        EXPECT_EQ(
            registro.Registrar(trabajo, Dia(nDia), RemesaRegistrada{"M-1", "2026-03-20"}).estado,
            EstadoRegistro::kCorrecto);
        return trabajo[0];
    }

    static void Cambiar(const ReciboRegistrado& r, const NuevoEstado& nuevo) {
        CRegistro registro;
        ASSERT_EQ(registro.CambiarEstado(r.nId, nuevo).rechazo, RechazoEstado::kNinguno);
    }

    static CambioEstado EstadoDe(const ReciboRegistrado& r) {
        CRegistro registro;
        return registro.Leer(r.nId).value_or(ReciboRegistrado{}).estado;
    }

    static std::vector<QString> Estados(const CDialog& d) {
        std::vector<QString> estados;
        for (const std::vector<QString>& fila : ui::Rows(d, IDC_TABLA_EMITIDOS)) {
            estados.push_back(fila[4]);
        }
        return estados;
    }

    static std::vector<bool> CambiosActivados(const CDialog& d) {
        std::vector<bool> activados;
        for (const int id : {IDC_BUTTON_COBRADO, IDC_BUTTON_DEVUELTO, IDC_BUTTON_ANULAR}) {
            activados.push_back(d.Window().IsEnabled(id));
        }
        return activados;
    }

    // The next print dialog chooses a printer that records into `dc`.
    void ElegirImpresora(RecordingDevice& dc) {
        m_servicios.printAnswers.push_back(
            [&dc] { return std::make_unique<ImpresoraPrestada>(dc); });
    }
};

TEST_F(EmitidosTest, TableShowsTheRegisteredReceiptsNewestFirstWithTheirPrintedTotals) {
    const std::vector<ReciboRegistrado> r = RegistrarTres();
    bool bVisto = false;
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        const Filas filas = ui::Rows(d, IDC_TABLA_EMITIDOS);
        EXPECT_EQ(filas, FilasDe({r[2], r[1], r[0]}));
        EXPECT_NE(filas[1][3].indexOf(QStringLiteral("1.234,00")), -1) << filas[1][3].toStdString();
        EXPECT_EQ(d.Window().GetSelectedRow(IDC_TABLA_EMITIDOS), 0);  // the newest
        EXPECT_EQ(Activados(d), std::vector<bool>(3, true));
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_ESTADO), "3 recibos emitidos.");
        EXPECT_EQ(ui::Window(d)->windowTitle(), QStringLiteral("Recibos emitidos"));
        bVisto = true;
    });
    EXPECT_TRUE(bVisto);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_RECIBOS_EMITIDOS});
}

// Each key typed searches again, in the payer lines (either case) and in the number.
TEST_F(EmitidosTest, TypingInTheSearchNarrowsTheTableByPayerOrNumber) {
    RegistrarTres();
    struct Caso {
        const char* sBuscado;
        std::vector<QString> numeros;
        std::string sEstado;
    };
    const Caso casos[] = {
        {"ana", {"R-203", "R-101"}, "2 recibos emitidos."},
        {"R-10", {"R-102", "R-101"}, "2 recibos emitidos."},
        {"10", {"R-102", "R-101"}, "2 recibos emitidos."},  // R-102 by both, shown once
        {"3", {"R-203"}, "1 recibo emitido."},
        {"zz", {}, "Ning\xFAn recibo emitido tiene ese pagador o ese n\xFAmero."},
        {"", {"R-203", "R-102", "R-101"}, "3 recibos emitidos."},
    };
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        for (const Caso& c : casos) {
            SCOPED_TRACE(c.sBuscado);
            if (*c.sBuscado == '\0') {
                ui::Type(d, IDC_EDIT_BUSCAR, "z");
                ui::Key(d, Qt::Key_Backspace);
            } else {
                ui::Type(d, IDC_EDIT_BUSCAR, c.sBuscado);
            }
            EXPECT_EQ(Numeros(d), c.numeros);
            EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_ESTADO), c.sEstado);
            EXPECT_EQ(Activados(d), std::vector<bool>(3, !c.numeros.empty()));
            EXPECT_TRUE(d.Window().IsEnabled(IDC_EDIT_BUSCAR));
        }
    });
}

// The stored labels and the currency settings changed after the print; the preview still
// draws the receipt as it was printed, and the settings in force come back after the drawing.
TEST_F(EmitidosTest, PreviewDrawsTheReceiptAsRegisteredWhateverChangedSince) {
    const ReciboRegistrado r = Registrar("R-101", "Ana", 1234.5, 1);
    ajustes::kDefPagador.Escribir("Inquilino");
    Dlg().CargarEtiquetas();
    PonerDolares();
    std::vector<std::string> textos;
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        m_servicios.QueueModal([&](CDialog& vista) {
            RecordingDevice pintado;
            vista.OnPaint(pintado);
            textos = TextosDibujados(pintado);
            EXPECT_EQ(CGlobalCurrency::AjustesEnVigor(), kDolares);
        });
        ui::Click(d, IDC_BUTTON_VER_EMITIDO);
    });
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_RECIBOS_EMITIDOS, IDD_VISTA_PREVIA}));
    EXPECT_TRUE(Contiene(textos, r.sImportes[0])) << r.sImportes[0];
    EXPECT_TRUE(Contiene(textos, "1.234,50"));
    EXPECT_FALSE(Contiene(textos, "1,234.50"));
    EXPECT_TRUE(Contiene(textos, r.recibo.sDPagador));
    EXPECT_FALSE(Contiene(textos, "Inquilino"));
    EXPECT_TRUE(Contiene(textos, "Cuota R-101"));
    EXPECT_EQ(m_servicios.printAsked, 0);
}

// A receipt registered with its look previews and reprints in it, whatever the colours and
// texts are now; one registered before looks were kept uses the look in force, and the status
// line says so.
TEST_F(EmitidosTest, PreviewAndReprintUseTheRegisteredLook) {
    std::vector<ReciboRegistrado> trabajo = {Registrar("R-1", "Ana", 10, 1)};
    trabajo[0].apariencia =
        AparienciaRegistrada{RGB(0, 128, 0), false, {"Libre", "", ""}, false, nullptr};
    {
        CRegistro registro;
        ASSERT_EQ(registro.Registrar(trabajo, Dia(2)).estado, EstadoRegistro::kCorrecto);
    }
    ajustes::kColorR.Escribir(255);
    ajustes::kColorG.Escribir(0);
    ajustes::kColorB.Escribir(0);
    ajustes::kTexto1.Escribir("Ahora");
    struct Caso {
        int nFila;  // newest first: row 0 holds the look, row 1 is the older receipt
        COLORREF color;
        const char* sTexto;
        std::string sEstado;
    };
    const Caso casos[] = {
        {0, RGB(0, 128, 0), "Libre", ""},
        {1, RGB(255, 0, 0), "Ahora", kAvisoAparienciaActual},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nFila);
        RecordingDevice pintado, impreso;
        ElegirImpresora(impreso);
        AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
            ui::SelectRow(d, IDC_TABLA_EMITIDOS, c.nFila);
            m_servicios.QueueModal([&](CDialog& vista) { vista.OnPaint(pintado); });
            ui::Click(d, IDC_BUTTON_VER_EMITIDO);
            ui::Click(d, IDC_BUTTON_REIMPRIMIR);
            if (!c.sEstado.empty()) {
                EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_ESTADO), c.sEstado);
            }
        });
        for (const RecordingDevice* dc : {&pintado, &impreso}) {
            const std::vector<RecordedCall> pinceles = dc->CallsOf(CallKind::SelectBrush);
            ASSERT_FALSE(pinceles.empty());
            EXPECT_EQ(pinceles.front().brush.color, c.color);
            EXPECT_TRUE(Contiene(TextosDibujados(*dc), c.sTexto));
        }
    }
}

// By the button, by the preview's OK, or by Enter twice (the preview, then its OK): one page
// of the receipt as registered, under its own settings; nothing registered, nothing asked.
TEST_F(EmitidosTest, ReprintHandsOnePageToThePrinterAndRegistersNothing) {
    const ReciboRegistrado r = Registrar("R-101", "Ana", 1234.5, 1);
    PonerDolares();
    struct Camino {
        const char* sNombre;
        std::function<void(CRecibosEmitidosDlg&)> actuar;
        std::vector<int> modales;
    };
    const Camino caminos[] = {
        {"button",
         [](CRecibosEmitidosDlg& d) { ui::Click(d, IDC_BUTTON_REIMPRIMIR); },
         {IDD_RECIBOS_EMITIDOS}},
        {"preview's OK",
         [this](CRecibosEmitidosDlg& d) {
             m_servicios.QueueModal([](CDialog& vista) { ui::Click(vista, IDOK); });
             ui::ActivateRow(d, IDC_TABLA_EMITIDOS, 0);
         },
         {IDD_RECIBOS_EMITIDOS, IDD_VISTA_PREVIA}},
        {"Enter",
         [this](CRecibosEmitidosDlg& d) {
             m_servicios.QueueModal([](CDialog& vista) { ui::Key(vista, Qt::Key_Return); });
             ui::Key(d, Qt::Key_Return);
         },
         {IDD_RECIBOS_EMITIDOS, IDD_VISTA_PREVIA}},
    };
    for (const Camino& c : caminos) {
        SCOPED_TRACE(c.sNombre);
        m_servicios.modalRuns.clear();
        RecordingDevice impreso;
        ElegirImpresora(impreso);
        AbrirEmitidos(c.actuar);
        EXPECT_EQ(m_servicios.modalRuns, c.modales);
        EXPECT_EQ(impreso.CallsOf(CallKind::StartPage).size(), 1u);
        ASSERT_EQ(impreso.CallsOf(CallKind::StartDoc).size(), 1u);
        EXPECT_EQ(impreso.CallsOf(CallKind::StartDoc)[0].text, "Imprimiento Recibo");
        EXPECT_EQ(impreso.CallsOf(CallKind::EndDoc).size(), 1u);
        EXPECT_TRUE(Contiene(TextosDibujados(impreso), r.sImportes[0]));
        EXPECT_EQ(CGlobalCurrency::AjustesEnVigor(), kDolares);
    }
    EXPECT_EQ(m_servicios.printAsked, 3);
    EXPECT_EQ(Contar(), 1);
    EXPECT_TRUE(m_servicios.questions.empty());
    EXPECT_TRUE(m_servicios.messages.empty());
}

// A void receipt is shown but never reprinted, by the button or by the preview's OK: the
// user is told why and the printer gets nothing.
TEST_F(EmitidosTest, AVoidReceiptIsNotReprinted) {
    const ReciboRegistrado r = Registrar("R-101", "Ana", 1234.5, 1);
    const NuevoEstado anulado{EstadoCobro::kAnulado, "", MetodoCobro::kNinguno, {}};
    ASSERT_EQ(CRegistro().CambiarEstado(r.nId, anulado).rechazo, RechazoEstado::kNinguno);
    const std::pair<const char*, std::function<void(CRecibosEmitidosDlg&)>> caminos[] = {
        {"button", [](CRecibosEmitidosDlg& d) { ui::Click(d, IDC_BUTTON_REIMPRIMIR); }},
        {"preview's OK",
         [this](CRecibosEmitidosDlg& d) {
             m_servicios.QueueModal([](CDialog& vista) { ui::Click(vista, IDOK); });
             ui::Click(d, IDC_BUTTON_VER_EMITIDO);
         }},
    };
    for (const auto& [sNombre, actuar] : caminos) {
        SCOPED_TRACE(sNombre);
        m_servicios.messages.clear();
        RecordingDevice impreso;
        ElegirImpresora(impreso);
        AbrirEmitidos(actuar);
        EXPECT_TRUE(impreso.CallsOf(CallKind::StartDoc).empty());
        EXPECT_EQ(m_servicios.messages, std::vector<std::string>{kAvisoAnuladoNoSeReimprime});
    }
    EXPECT_EQ(m_servicios.printAsked, 0);
}

// The older receipt is loaded over what the form held: its texts, its amounts written under
// the settings in force (so they keep their values) and the total recalculated. The labels
// stay and nothing is stored.
TEST_F(EmitidosTest, LoadFillsTheFormsFieldsWithTheRegisteredReceipt) {
    Registrar("R-101", "Ana P\xE9rez", 1234.5, 1);
    Registrar("R-102", "Bruno", 3, 2);
    struct Caso {
        bool bDolares;  // in force when loading: dollars, or the euros of the print
        std::string sImporte;
        std::string sCero;
    };
    const Caso casos[] = {{false, "1.234,50", "0,00"}, {true, "1,234.50", "0.00"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.sImporte);
        if (c.bDolares) {
            PonerDolares();
        }
        ui::Type(Dlg(), IDC_EDIT_NUMERO, "99");
        ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1 + 1, "Otra cosa");
        ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 1, "5");
        const std::string sFichero = Fichero();
        AbrirEmitidos([](CRecibosEmitidosDlg& d) {
            ui::SelectRow(d, IDC_TABLA_EMITIDOS, 1);
            ui::Click(d, IDC_BUTTON_CARGAR_EMITIDO);
            EXPECT_EQ(d.Window().Result(), IDOK);
        });
        EXPECT_EQ(Textos({IDC_EDIT_NUMERO, IDC_EDIT_PAGADOR_1, IDC_EDIT_PAGADOR_1 + 1,
                          IDC_EDIT_CONCEPTO_1, IDC_EDIT_CONCEPTO_1 + 1, IDC_EDIT_DOMICILIO,
                          IDC_EDIT_FECHA}),
                  (std::vector<std::string>{"R-101", "Ana P\xE9rez", "Calle R-101", "Cuota R-101",
                                            "", "Portal R-101", "01/03/2026"}));
        EXPECT_EQ(Textos({IDC_EDIT_IMPORTE_1, IDC_EDIT_IMPORTE_1 + 1, IDC_EDIT_IMPORTE}),
                  (std::vector<std::string>{c.sImporte, c.sCero, c.sImporte}));
        EXPECT_EQ(Texto(IDC_EDIT_DEF_PAGADOR), "pagador");
        EXPECT_EQ(Fichero(), sFichero);
    }
    EXPECT_EQ(Contar(), 2);
}

// Nothing to show: the line says why, the buttons and the search are disabled, and neither
// clicks nor keys open or print anything.
struct RegistroSinRecibos : Fila {
    std::function<void()> preparar;
    std::function<std::string()> estado;  // how the status line begins
};

class EmitidosSinRecibosTest : public EmitidosTest,
                               public ::testing::WithParamInterface<RegistroSinRecibos> {};

TEST_P(EmitidosSinRecibosTest, SaysSoAndOffersNothing) {
    GetParam().preparar();
    std::string sEstado;
    AbrirEmitidos([&sEstado](CRecibosEmitidosDlg& d) {
        EXPECT_TRUE(ui::Rows(d, IDC_TABLA_EMITIDOS).empty());
        EXPECT_EQ(d.Window().GetSelectedRow(IDC_TABLA_EMITIDOS), -1);
        EXPECT_EQ(Activados(d), std::vector<bool>(3, false));
        EXPECT_FALSE(d.Window().IsEnabled(IDC_EDIT_BUSCAR));
        sEstado = d.GetDlgItemText(IDC_TEXTO_ESTADO);
        for (const int id : kBotones) {
            ui::Click(d, id);
        }
        ui::Key(d, Qt::Key_Return);
        EXPECT_FALSE(d.Window().IsEnded());
    });
    EXPECT_EQ(sEstado.rfind(GetParam().estado(), 0), 0u) << sEstado;
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_RECIBOS_EMITIDOS});
    EXPECT_EQ(m_servicios.printAsked, 0);
    EXPECT_TRUE(m_servicios.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Registros, EmitidosSinRecibosTest,
    ::testing::Values(
        RegistroSinRecibos{"Empty", [] {},
                           [] { return std::string("A\xFAn no se ha emitido ning\xFAn recibo."); }},
        RegistroSinRecibos{"Unreadable", [] { mkdir(RutaRegistro().c_str(), 0755); },
                           [] {
                               return "No se puede leer el registro de recibos emitidos (" +
                                      RutaRegistro() + "):\n";
                           }},
        RegistroSinRecibos{"Damaged", [] { PonerBytes(RutaRegistro(), std::string(3000, '\x01')); },
                           [] {
                               return "El registro de recibos emitidos estaba da\xF1"
                                      "ado: se ha apartado como\n" +
                                      RutaRegistro() + ".danado-";
                           }}),
    ::testing::PrintToStringParamName());

// A large register shows its newest receipts only, and says how to reach the others.
TEST_F(EmitidosTest, ALargeRegisterShowsItsNewestReceiptsAndTheSearchFindsTheOthers) {
    const std::int64_t nRecibos = CRecibosEmitidosDlg::kFilasMaximas + 5;
    std::vector<ReciboRegistrado> trabajo;
    for (std::int64_t n = 1; n <= nRecibos; ++n) {
        trabajo.push_back(ComoSeImprime(Recibo("N" + std::to_string(n), "Ana", 1),
                                        CGlobalCurrency::AjustesEnVigor()));
    }
    CRegistro registro;
    ASSERT_EQ(registro.Registrar(trabajo, Dia(1)).estado, EstadoRegistro::kCorrecto);
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        std::vector<QString> numeros = Numeros(d);
        ASSERT_EQ(numeros.size(), static_cast<std::size_t>(CRecibosEmitidosDlg::kFilasMaximas));
        EXPECT_EQ(numeros.front(), QString("N%1").arg(nRecibos));
        EXPECT_EQ(numeros.back(), QStringLiteral("N6"));
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_ESTADO),
                  "Se muestran los 1000 recibos m\xE1s recientes; busque por pagador o "
                  "n\xFAmero para ver otros.");
        ui::Type(d, IDC_EDIT_BUSCAR, "N5");
        numeros = Numeros(d);
        EXPECT_EQ(numeros.back(), QStringLiteral("N5"));
        EXPECT_EQ(numeros.size(), 1u + 10u + 100u);  // N5, N50..N59, N500..N599
    });
}

// The status column, and the filter narrowing the table to one status, with the search too.
TEST_F(EmitidosTest, StatusColumnShowsEachReceiptsStatusAndTheFilterNarrowsToOne) {
    const std::vector<ReciboRegistrado> r = RegistrarTres();
    const ReciboRegistrado dom = RegistrarDomiciliado("D-1", 4);
    Cambiar(r[0], {EstadoCobro::kCobrado, "2026-03-05", MetodoCobro::kEfectivo, ""});
    Cambiar(r[2], {EstadoCobro::kAnulado, "", MetodoCobro::kNinguno, ""});
    Cambiar(dom, {EstadoCobro::kDevuelto, "2026-03-25", MetodoCobro::kNinguno, "am04"});
    struct Caso {
        const char* sFiltro;
        const char* sBuscado;
        std::vector<QString> numeros;
        std::string sEstado;
    };
    const Caso casos[] = {
        {"cobrado", "", {"R-101"}, "1 recibo emitido."},
        {"pendiente", "", {"R-102"}, "1 recibo emitido."},
        {"devuelto", "", {"D-1"}, "1 recibo emitido."},
        {"anulado", "", {"R-203"}, "1 recibo emitido."},
        {"anulado", "ana", {"R-203"}, "1 recibo emitido."},
        {"pendiente",
         "ana",
         {},
         "Ning\xFAn recibo emitido con ese pagador o ese n\xFAmero est\xE1 "
         "pendiente."},
        {"Todos", "ana", {"R-203", "R-101"}, "2 recibos emitidos."},
    };
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        EXPECT_EQ(ui::Items(d, IDC_LISTA_ESTADO),
                  QStringList({"Todos", "pendiente", "cobrado", "devuelto", "anulado"}));
        EXPECT_EQ(Estados(d), (std::vector<QString>{"devuelto 25/03/2026 AM04", "anulado",
                                                    "pendiente", "cobrado 05/03/2026"}));
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.sFiltro) + " " + c.sBuscado);
            ui::Type(d, IDC_EDIT_BUSCAR, c.sBuscado);
            if (*c.sBuscado == '\0') {
                ui::Type(d, IDC_EDIT_BUSCAR, "z");
                ui::Key(d, Qt::Key_Backspace);
            }
            ui::Choose(d, IDC_LISTA_ESTADO, c.sFiltro);
            EXPECT_EQ(Numeros(d), c.numeros);
            EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_ESTADO), c.sEstado);
            EXPECT_TRUE(d.Window().IsEnabled(IDC_LISTA_ESTADO));
        }
    });
}

// Each change the selected receipt cannot take has its button disabled; the history never is.
struct BotonesDeEstado : Fila {
    bool bDomiciliado;
    std::vector<NuevoEstado> cambios;
    std::vector<bool> activados;  // Cobrado..., Devuelto..., Anular
};

class EmitidosBotonesTest : public EmitidosTest,
                            public ::testing::WithParamInterface<BotonesDeEstado> {};

TEST_P(EmitidosBotonesTest, OnlyTheChangesTheReceiptMayTakeAreEnabled) {
    const ReciboRegistrado r =
        GetParam().bDomiciliado ? RegistrarDomiciliado("D-1", 1) : Registrar("R-1", "Ana", 5, 1);
    for (const NuevoEstado& nuevo : GetParam().cambios) {
        Cambiar(r, nuevo);
    }
    AbrirEmitidos([](CRecibosEmitidosDlg& d) {
        EXPECT_EQ(CambiosActivados(d), GetParam().activados);
        EXPECT_TRUE(d.Window().IsEnabled(IDC_BUTTON_HISTORIAL));
        ui::Type(d, IDC_EDIT_BUSCAR, "zz");  // no row: nothing to change
        EXPECT_EQ(CambiosActivados(d), std::vector<bool>(3, false));
        EXPECT_FALSE(d.Window().IsEnabled(IDC_BUTTON_HISTORIAL));
    });
}

const NuevoEstado kCobradoEfectivo{EstadoCobro::kCobrado, "2026-03-02", MetodoCobro::kEfectivo, ""};
const NuevoEstado kDevueltoAM04{EstadoCobro::kDevuelto, "2026-03-03", MetodoCobro::kNinguno,
                                "AM04"};
const NuevoEstado kAnulado{EstadoCobro::kAnulado, "", MetodoCobro::kNinguno, ""};

INSTANTIATE_TEST_SUITE_P(
    Estados, EmitidosBotonesTest,
    ::testing::Values(BotonesDeEstado{{"Pending"}, false, {}, {true, false, true}},
                      BotonesDeEstado{{"PendingDebited"}, true, {}, {true, true, true}},
                      BotonesDeEstado{{"Paid"}, false, {kCobradoEfectivo}, {false, false, false}},
                      BotonesDeEstado{
                          {"PaidDebited"}, true, {kCobradoEfectivo}, {false, true, false}},
                      BotonesDeEstado{{"Returned"}, true, {kDevueltoAM04}, {true, false, true}},
                      BotonesDeEstado{{"Void"}, false, {kAnulado}, {false, false, false}}),
    ::testing::PrintToStringParamName());

// "Cobrado...": the day (today at first) and how, the receipt recorded so and shown so, still
// selected; then it can be neither paid again nor voided.
TEST_F(EmitidosTest, PaidAsksTheDayAndHowAndTheTableShowsIt) {
    const std::vector<ReciboRegistrado> r = RegistrarTres();
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        ui::SelectRow(d, IDC_TABLA_EMITIDOS, 1);
        m_servicios.QueueModal([](CDialog& cobro) {
            EXPECT_EQ(cobro.GetDlgItemText(IDC_EDIT_FECHA_ESTADO), "09/12/2026");
            EXPECT_TRUE(cobro.Window().GetCheck(IDC_RADIO_EFECTIVO));
            ui::Type(cobro, IDC_EDIT_FECHA_ESTADO, "ayer");
            ui::Click(cobro, IDOK);
            EXPECT_FALSE(cobro.Window().IsEnded());
            EXPECT_EQ(cobro.GetDlgItemText(IDC_TEXTO_ERROR_FECHA),
                      "Escriba la fecha como dd/mm/aaaa, por ejemplo 09/12/2026.");
            ui::Type(cobro, IDC_EDIT_FECHA_ESTADO, "5/12/2026");
            ui::Click(cobro, IDC_RADIO_TRANSFERENCIA);
            ui::Click(cobro, IDOK);
        });
        ui::Click(d, IDC_BUTTON_COBRADO);
        EXPECT_EQ(Estados(d)[1], QStringLiteral("cobrado 05/12/2026"));
        EXPECT_EQ(d.Window().GetSelectedRow(IDC_TABLA_EMITIDOS), 1);
        EXPECT_EQ(CambiosActivados(d), (std::vector<bool>{false, false, false}));
    });
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_RECIBOS_EMITIDOS, IDD_COBRADO}));
    const CambioEstado estado = EstadoDe(r[1]);
    EXPECT_EQ(estado.estado, EstadoCobro::kCobrado);
    EXPECT_EQ(estado.sFecha, "2026-12-05");
    EXPECT_EQ(estado.metodo, MetodoCobro::kTransferencia);
    EXPECT_EQ(EstadoDe(r[0]).estado, EstadoCobro::kPendiente);
    EXPECT_TRUE(m_servicios.messages.empty());
}

// What the register refuses is told in a box with its reason, and nothing changes: a day to
// come, and a receipt paid from elsewhere (the command line) since the table was read.
TEST_F(EmitidosTest, ARefusedChangeIsToldAndChangesNothing) {
    const ReciboRegistrado r = Registrar("R-1", "Ana", 5, 1);
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        m_servicios.QueueModal([](CDialog& cobro) {
            ui::Type(cobro, IDC_EDIT_FECHA_ESTADO, "2100-01-01");
            ui::Click(cobro, IDOK);
        });
        ui::Click(d, IDC_BUTTON_COBRADO);
        EXPECT_EQ(Estados(d), std::vector<QString>{"pendiente"});
        Cambiar(r, kCobradoEfectivo);
        m_servicios.confirmAnswers = {true};
        ui::Click(d, IDC_BUTTON_ANULAR);
        EXPECT_EQ(Estados(d), std::vector<QString>{"cobrado 02/03/2026"});  // read again
    });
    EXPECT_EQ(m_servicios.messages,
              (std::vector<std::string>{std::string("El recibo n\xBA R-1 sigue pendiente. ") +
                                            AvisoRechazo(RechazoEstado::kFechaMala),
                                        std::string("El recibo n\xBA R-1 sigue cobrado. ") +
                                            AvisoRechazo(RechazoEstado::kAnularCobrado)}));
    EXPECT_EQ(EstadoDe(r).estado, EstadoCobro::kCobrado);
    EXPECT_EQ(EstadoDe(r).sFecha, "2026-03-02");
}

// "Devuelto...": the day and the reason chosen from the list of codes with their meanings; a
// returned receipt can then be paid or voided.
TEST_F(EmitidosTest, ReturnedAsksTheDayAndTheReasonFromTheList) {
    const ReciboRegistrado r = RegistrarDomiciliado("D-1", 1);
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        m_servicios.QueueModal([](CDialog& devolucion) {
            const Filas motivos = ui::Rows(devolucion, IDC_TABLA_MOTIVOS);
            ASSERT_EQ(motivos.size(), MotivosDevolucion().size());
            int nAM04 = -1;
            for (std::size_t i = 0; i < motivos.size(); ++i) {
                EXPECT_EQ(motivos[i][1],
                          FromCp1252(BuscarMotivo(ToCp1252(motivos[i][0]))->sSignificado));
                nAM04 = motivos[i][0] == "AM04" ? static_cast<int>(i) : nAM04;
            }
            ui::Click(devolucion, IDOK);  // no reason chosen yet
            EXPECT_FALSE(devolucion.Window().IsEnded());
            EXPECT_EQ(devolucion.GetDlgItemText(IDC_TEXTO_ERROR_FECHA),
                      "Elija en la lista el motivo de la devoluci\xF3n.");
            ui::SelectRow(devolucion, IDC_TABLA_MOTIVOS, nAM04);
            ui::Click(devolucion, IDOK);
        });
        ui::Click(d, IDC_BUTTON_DEVUELTO);
        EXPECT_EQ(Estados(d), std::vector<QString>{"devuelto 09/12/2026 AM04"});
        EXPECT_EQ(CambiosActivados(d), (std::vector<bool>{true, false, true}));
    });
    EXPECT_EQ(EstadoDe(r).sMotivo, "AM04");
    EXPECT_EQ(EstadoDe(r).sFecha, "2026-12-09");
}

// "Anular" asks first; cancelled, nothing changes; a void receipt takes no further change.
TEST_F(EmitidosTest, VoidAsksFirst) {
    const ReciboRegistrado r = Registrar("R-1", "Ana", 5, 1);
    AbrirEmitidos([&](CRecibosEmitidosDlg& d) {
        ui::Click(d, IDC_BUTTON_ANULAR);  // nothing queued: Cancelar
        EXPECT_EQ(EstadoDe(r).estado, EstadoCobro::kPendiente);
        m_servicios.confirmAnswers = {true};
        ui::Click(d, IDC_BUTTON_ANULAR);
        EXPECT_EQ(Estados(d), std::vector<QString>{"anulado"});
        EXPECT_EQ(CambiosActivados(d), std::vector<bool>(3, false));
    });
    ASSERT_EQ(m_servicios.warnings.size(), 2u);  // Cancelar, then Anular
    EXPECT_EQ(m_servicios.warnings[0].second, "Anular");
    EXPECT_EQ(m_servicios.warnings[0].first.rfind("\xBF"
                                                  "Anular el recibo n\xBA R-1 de Ana?",
                                                  0),
              0u);
    EXPECT_EQ(EstadoDe(r).estado, EstadoCobro::kAnulado);
    EXPECT_TRUE(m_servicios.messages.empty());
}

// "Historial": the receipt's changes, oldest first, each with its day and what came with it.
TEST_F(EmitidosTest, HistoryShowsEveryChangeOfTheReceipt) {
    const ReciboRegistrado r = RegistrarDomiciliado("D-1", 1);
    AbrirEmitidos([](CRecibosEmitidosDlg& d) { ui::Click(d, IDC_BUTTON_HISTORIAL); });
    Cambiar(r, kDevueltoAM04);
    Cambiar(r, {EstadoCobro::kCobrado, "2026-03-04", MetodoCobro::kDomiciliacion, ""});
    AbrirEmitidos([](CRecibosEmitidosDlg& d) { ui::Click(d, IDC_BUTTON_HISTORIAL); });
    ASSERT_EQ(m_servicios.messages.size(), 2u);
    EXPECT_EQ(m_servicios.messages[0],
              "Recibo n\xBA D-1 de Dora:\nemitido el 01/03/2026\npendiente: no ha cambiado "
              "desde entonces.");
    const std::string& s = m_servicios.messages[1];
    const auto nDevuelto =
        s.find("\ndevuelto el 03/03/2026 (AM04: Saldo insuficiente), anotado el ");
    const auto nCobrado = s.find("\ncobrado el 04/03/2026 (domiciliaci\xF3n), anotado el ");
    EXPECT_NE(nDevuelto, std::string::npos) << s;
    EXPECT_NE(nCobrado, std::string::npos) << s;
    EXPECT_LT(nDevuelto, nCobrado);
}

// The form's context menu offers the receipts issued after the About box.
TEST_F(EmitidosTest, TheFormsContextMenuOpensTheReceiptsIssued) {
    QStringList ofrecidos;
    QTimer::singleShot(0, [&ofrecidos] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions()) {
                ofrecidos << a->text();
            }
            menu->setActiveAction(menu->actions().value(2));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QWidget* fondo = ui::Control(Dlg(), IDC_EDIT_NUMERO)->parentWidget();
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2),
                           fondo->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(fondo, &clic);
    EXPECT_EQ(
        ofrecidos,
        QStringList({QStringLiteral("&Acerca de Ovalcade..."), QStringLiteral("Imprimir lote..."),
                     QStringLiteral("Recibos emitidos..."), QStringLiteral("Ajustar impresora..."),
                     QStringLiteral("Datos del acreedor...")}));
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_RECIBOS_EMITIDOS});
}

}  // namespace
