// The collection from the built program: a month's batch debited in a remittance, a return,
// the job's debits paid, a cash payment, a void receipt that is not reprinted, the history,
// the debts, the status in --list; a number that names several receipts; the options' usage
// errors.
#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"

namespace {

// Three members paying by direct debit, one in cash (no IBAN).
constexpr const char* kSocios =
    "NUMERO;PAGADOR_1;IMPORTE_1;IBAN;MANDATO;FECHA_MANDATO\n"
    "S-1;Mu\xC3\xB1oz Pe\xC3\xB1"
    "a;25,00;ES91 2100 0418 4502 0005 1332;MB-001;2024-01-15\n"
    "S-2;Luis Pardo;36,50;ES70 0049 1500 0105 1234 5678;MB-002;2023-03-15\n"
    "S-3;Eva Paz;20,00;ES8614650100990987654321;MB-003;2022-06-30\n"
    "S-4;luis pardo;10,00;;;\n";

class CobrosCliTest : public LineaComandosTest {
  protected:
    CobrosCliTest() {
        GuardarIdiomaYMoneda(kEurosDePrueba);
        ajustes::kVencimiento.Escribir("a la vista");
        ajustes::kAcreedorNombre.Escribir("Comunidad de Propietarios Calle Mayor 5");
        ajustes::kAcreedorIdentificador.Escribir("ES58000 12345678Z");
        ajustes::kAcreedorIban.Escribir("ES80 0182 2370 4402 0123 4567");
        PonerBytes(m_carpeta.Ruta() + "/socios.csv", kSocios);
    }

    // A run that must succeed; what it printed.
    std::string Bien(const std::string& sArgumentos) const {
        const Salida r = Brixamo(sArgumentos);
        EXPECT_EQ(r.nEstado, 0) << sArgumentos << ": " << r.sErrores;
        return r.sSalida;
    }

    // A run refused with exit status 1; its message.
    std::string Rechazo(const std::string& sArgumentos) const {
        const Salida r = Brixamo(sArgumentos);
        EXPECT_EQ(r.nEstado, 1) << sArgumentos << ": " << r.sSalida;
        return r.sErrores;
    }

    static std::vector<std::string> Lineas(const std::string& s) {
        std::vector<std::string> lineas;
        std::istringstream entrada(s);
        for (std::string sLinea; std::getline(entrada, sLinea);) {
            lineas.push_back(sLinea);
        }
        return lineas;
    }

    const std::string m_sHoy = DiaDesdeHoy(0);
};

TEST_F(CobrosCliTest, AMonthOfCollection) {
    Bien("--batch socios.csv --pdf enero.pdf --sepa remesa.xml --collection-date " +
         DiaDesdeHoy(5));
    std::vector<std::string> lista = Lineas(Bien("--list --status pendiente"));
    ASSERT_EQ(lista.size(), 4u);
    for (const std::string& s : lista) {
        EXPECT_TRUE(s.ends_with("  pendiente")) << s;
    }

    // The bank returns S-1 for lack of funds; the cash receipt cannot be returned.
    EXPECT_EQ(Bien("--returned S-1 --reason am04"),
              "receipt 1 (S-1): devuelto on " + m_sHoy + ", AM04 Saldo insuficiente\n");
    EXPECT_NE(Rechazo("--returned 4 --reason AM04")
                  .find("brixamo: receipt 4 (S-4) is left pendiente: the receipt was not debited"),
              std::string::npos);

    // Nothing was due "a la vista" before today: the debts are owed from today.
    EXPECT_EQ(Bien("--debts"),
              "Eva Paz  1  " + m_sHoy + "  20,00 \xE2\x82\xAC\n" + "Luis Pardo  2  " + m_sHoy +
                  "  46,50 \xE2\x82\xAC\n" + "Mu\xC3\xB1oz Pe\xC3\xB1" + "a  1  " + m_sHoy +
                  "  25,00 \xE2\x82\xAC\n" + "TOTAL  4  " + m_sHoy + "  91,50 \xE2\x82\xAC\n");
    EXPECT_EQ(Lineas(Bien("--debts --csv")).front(), "PAGADOR;RECIBOS;DESDE;TOTAL\r");

    // The bank settles the remittance; S-1 stays returned.
    EXPECT_EQ(Bien("--paid-job 1"),
              "job 1: 2 paid by direct debit; left as they were: 1 "
              "returned, 0 void, 0 already paid, 1 not debited\n");
    // S-1 pays by transfer; S-4 was issued by mistake.
    EXPECT_EQ(Bien("--paid S-1 --method transferencia --date " + m_sHoy),
              "receipt 1 (S-1): cobrado on " + m_sHoy + ", transferencia\n");
    EXPECT_EQ(Bien("--void S-4"), "receipt 4 (S-4): anulado on " + m_sHoy + "\n");
    EXPECT_NE(Rechazo("--reprint 4 --pdf otra.pdf").find("receipt 4 (S-4) is void"),
              std::string::npos);
    EXPECT_NE(Rechazo("--paid 4").find("is left anulado: the receipt is void"), std::string::npos);
    EXPECT_NE(Rechazo("--void 2")
                  .find("is left cobrado: the receipt is paid; a paid receipt "
                        "cannot be voided"),
              std::string::npos);

    const std::vector<std::string> historial = Lineas(Bien("--history S-1"));
    ASSERT_EQ(historial.size(), 3u);
    EXPECT_TRUE(historial[0].ends_with("receipt 1 (S-1) registered: pendiente")) << historial[0];
    EXPECT_TRUE(historial[1].ends_with("devuelto on " + m_sHoy + ", AM04 Saldo insuficiente"));
    EXPECT_TRUE(historial[2].ends_with("cobrado on " + m_sHoy + ", transferencia"));

    EXPECT_EQ(Bien("--debts"), "TOTAL  0    \n");
    lista = Lineas(Bien("--list"));
    ASSERT_EQ(lista.size(), 4u);
    EXPECT_TRUE(lista[0].ends_with("  anulado")) << lista[0];
    EXPECT_TRUE(lista[3].ends_with("  cobrado")) << lista[3];
    EXPECT_EQ(Lineas(Bien("--list --status anulado")).size(), 1u);
}

TEST_F(CobrosCliTest, AReceiptIsNamedByIdOrByANumberOnlyOneHas) {
    Bien("--batch socios.csv --pdf a.pdf");
    Bien("--batch socios.csv --pdf b.pdf");  // the same numbers again: ids 5 to 8
    EXPECT_NE(Rechazo("--paid S-2").find("'S-2' may mean the receipts of ids 2 and 6; give the id"),
              std::string::npos);
    EXPECT_NE(Rechazo("--history S-9").find("there is no receipt 'S-9' in the register"),
              std::string::npos);
    EXPECT_NE(Rechazo("--paid-job 3").find("there is no job 3 in the register"), std::string::npos);
    EXPECT_EQ(Bien("--paid 6"), "receipt 6 (S-2): cobrado on " + m_sHoy + ", efectivo\n");
}

TEST_F(CobrosCliTest, UsageErrors) {
    const std::pair<const char*, const char*> malos[] = {
        {"--paid", "Missing value after '--paid'."},
        {"--returned 1", "--returned ID needs --reason CODE"},
        {"--returned 1 --reason XX01",
         "--reason needs a SEPA return reason code (AC04, AM04, MD06...), not 'XX01'"},
        {"--paid 1 --reason AM04", "--reason goes with --returned"},
        {"--paid 1 --method tarjeta",
         "--method needs efectivo, transferencia or domiciliacion, not 'tarjeta'"},
        {"--paid 1 --date 2027-02-30", "--date needs a day written YYYY-MM-DD, not '2027-02-30'"},
        {"--void 1 --date 2027-01-01", "--date goes with --paid, --returned or --paid-job"},
        {"--list --status pagado",
         "--status needs pendiente, cobrado, devuelto or anulado, not 'pagado'"},
        {"--debts --status cobrado", "--status goes with --list"},
        {"--paid 1 --csv", "--csv goes with --list or --debts"},
        {"--paid-job x", "--paid-job needs the id of a job"},
        {"--paid 1 --void 2", "--paid and --void cannot go together"},
        {"--debts --pdf a.pdf", "--debts cannot go with --pdf or --print"},
        {"--history 1 --batch socios.csv --pdf a.pdf", "--history and --batch cannot go together"},
        {"--paid 1 --sepa r.xml --job 1", "--paid and --sepa cannot go together"},
    };
    for (const auto& [sArgumentos, sMensaje] : malos) {
        const Salida r = Brixamo(sArgumentos);
        EXPECT_EQ(r.nEstado, 2) << sArgumentos;
        EXPECT_EQ(r.sErrores.substr(0, r.sErrores.find('\n')), std::string("brixamo: ") + sMensaje)
            << sArgumentos;
    }
}

}  // namespace
