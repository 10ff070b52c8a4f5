// The debts: the due-date texts read as days, the rule for when a receipt is owed, and the
// report per payer with a total per set of currency settings.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "register/deudas.h"
#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

TEST(DeudasTest, DueDateTexts) {
    const std::pair<const char*, const char*> filas[] = {
        {"5/2/2027", "2027-02-05"},
        {" 05-02-2027 ", "2027-02-05"},
        {"5.2.27", "2027-02-05"},
        {"2027-02-05", "2027-02-05"},
        {"5 de febrero de 2027", "2027-02-05"},
        {"5 de Febrero de 2027", "2027-02-05"},
        {"30 de setiembre de 2027", "2027-09-30"},
        {"29/02/2028", "2028-02-29"},
        {"29/02/2027", ""},  // not in the calendar
        {"5/2-2027", ""},    // two separators
        {"5/2/202", ""},     // a year of 3 digits
        {"5/2/2027 y 6/2", ""},
        {"al contado", ""},
        {"a la vista", ""},
        {"5 de febrerx de 2027", ""},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [sTexto, sDia] : filas) {
        EXPECT_EQ(DiaDeVencimiento(sTexto).value_or(""), sDia) << "'" << sTexto << "'";
    }
}

TEST(DeudasTest, WhenAReceiptIsOwed) {
    struct Fila {
        const char* sNombre;
        const char* sEmitido;
        const char* sVencimiento;
        const char* sDesde;  // "": not owed yet
    };
    const Fila filas[] = {
        {"issued today, no due date: owed from today", "2027-02-10 09:00:00", "al contado",
         "2027-02-10"},
        {"issued today, due today: not yet", "2027-02-10 09:00:00", "10/02/2027", ""},
        {"issued today, due in a week: not yet", "2027-02-10 09:00:00", "17/02/2027", ""},
        {"due yesterday: owed from then", "2027-02-10 09:00:00", "9/2/2027", "2027-02-09"},
        {"issued long ago, due later than issue", "2026-11-01 09:00:00", "2026-12-01",
         "2026-12-01"},
        {"issued last month, no due date", "2027-01-10 09:00:00", "", "2027-01-10"},
    };
    for (const Fila& f : filas) {
        DeudaRegistrada d;
        d.sEmitido = f.sEmitido;
        d.sVencimiento = f.sVencimiento;
        EXPECT_EQ(DeudaDesde(d, "2027-02-10").value_or(""), f.sDesde) << f.sNombre;
    }
}

std::time_t Dia(int nAno, int nMes, int nDia) {
    std::tm tm{};
    tm.tm_year = nAno - 1900;
    tm.tm_mon = nMes - 1;
    tm.tm_mday = nDia;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

const AjustesMoneda kDolar{"Dolar", "$", 2, ".", ",", 3, 0, 0, ' '};

// Six receipts of January 2027: Ana's three (in euros and dollars, spelt three ways), Luis's
// two (one paid on the 20th) and Eva's void one.
void RegistrarDeudas(CRegistro& registro) {
    struct Recibo {
        const char* sPagador;
        std::int64_t nImporte;
        bool bDolares;
        int nDia;  // of January 2027, the day it was issued
    };
    const Recibo recibos[] = {
        {"Ana P\xE9rez", 100000, false, 5},
        {" ana p\xC9rez ", 250000, false, 3},
        {"ANA P\xC9REZ", 70000, true, 7},
        {"Luis", 10000, false, 9},
        {"Luis", 999999, false, 9},  // paid below
        {"Eva", 5000, false, 2},     // void below
    };
    for (const Recibo& r : recibos) {
        std::vector<ReciboRegistrado> trabajo = {ReciboDePrueba(r.nDia)};
        trabajo[0].recibo.sPagador1 = r.sPagador;
        trabajo[0].recibo.sVencimiento = "";
        trabajo[0].recibo.cuImporte.SetValor(r.nImporte);
        if (r.bDolares) {
            trabajo[0].ajustes = kDolar;
        }
        ASSERT_EQ(registro.Registrar(trabajo, Dia(2027, 1, r.nDia)).estado,
                  EstadoRegistro::kCorrecto);
    }
    const NuevoEstado cobro{EstadoCobro::kCobrado, "2027-01-20", MetodoCobro::kEfectivo, {}};
    ASSERT_EQ(registro.CambiarEstado(5, cobro, Dia(2027, 1, 20)).rechazo, RechazoEstado::kNinguno);
    const NuevoEstado anulacion{EstadoCobro::kAnulado, "", MetodoCobro::kNinguno, {}};
    ASSERT_EQ(registro.CambiarEstado(6, anulacion, Dia(2027, 1, 20)).rechazo,
              RechazoEstado::kNinguno);
}

// Payers told apart in either case and with blanks around; two currency settings summed
// apart; paid and void receipts left out; the grand total last.
TEST(DeudasTest, TheReportPerPayer) {
    CarpetaTemporal carpeta;
    CRegistro registro(carpeta.Ruta() + "/registro.sqlite");
    RegistrarDeudas(registro);

    ResultadoRegistro r;
    const std::optional<InformeDeudas> informe = LeerDeudas(registro, "2027-02-10", r);
    ASSERT_TRUE(informe) << r.sError;
    ASSERT_EQ(informe->pagadores.size(), 2u);
    const DeudaPagador& ana = informe->pagadores[0];
    EXPECT_EQ(ana.sPagador, "Ana P\xE9rez");  // as the first registered spells it
    EXPECT_EQ(ana.nRecibos, 3);
    EXPECT_EQ(ana.sDesde, "2027-01-03");
    ASSERT_EQ(ana.totales.size(), 2u);
    EXPECT_EQ(ana.totales[0].ajustes.sNombreMoneda, "Euro");
    EXPECT_EQ(ana.totales[0].cuTotal->Valor(), 350000);
    EXPECT_EQ(ana.totales[1].ajustes, kDolar);
    EXPECT_EQ(ana.totales[1].cuTotal->Valor(), 70000);
    EXPECT_EQ(informe->pagadores[1].sPagador, "Luis");
    EXPECT_EQ(informe->pagadores[1].nRecibos, 1);
    EXPECT_EQ(informe->total.nRecibos, 4);
    EXPECT_EQ(informe->total.sDesde, "2027-01-03");
    EXPECT_EQ(informe->total.totales[0].cuTotal->Valor(), 360000);
    EXPECT_EQ(informe->total.totales[1].cuTotal->Valor(), 70000);

    // Before any was issued, nothing is owed.
    const std::optional<InformeDeudas> antes = LeerDeudas(registro, "2027-01-01", r);
    ASSERT_TRUE(antes);
    EXPECT_TRUE(antes->pagadores.empty());
    EXPECT_EQ(antes->total.nRecibos, 0);
}

// One payer's debts, found in one query by the first payer line in either case (accented
// capitals too) and blanks around it, owed from before a day; the totals as printed.
TEST(DeudasTest, OnePayersDebtsOwedFromBeforeADay) {
    CarpetaTemporal carpeta;
    CRegistro registro(carpeta.Ruta() + "/registro.sqlite");
    RegistrarDeudas(registro);
    struct Fila {
        const char* sNombre;
        const char* sPagador;
        const char* sAntesDe;
        int nRecibos;
        const char* sDesde;
        const char* sPagadorVisto;
    };
    const Fila filas[] = {
        {"every one of Ana", "  ana p\xC9REZ\t", "2027-02-10", 3, "2027-01-03", "Ana P\xE9rez"},
        {"Ana's before the 6th", "Ana P\xE9rez", "2027-01-06", 2, "2027-01-03", "Ana P\xE9rez"},
        {"Ana's before the 3rd", "Ana P\xE9rez", "2027-01-03", 0, "", ""},
        {"Luis's unpaid one", "luis", "2027-02-10", 1, "2027-01-09", "Luis"},
        {"a void one is not owed", "Eva", "2027-02-10", 0, "", ""},
        {"a part of a name is not the name", "Ana", "2027-02-10", 0, "", ""},
        {"nobody", "", "2027-02-10", 0, "", ""},
    };
    for (const Fila& f : filas) {
        ResultadoRegistro r;
        const std::optional<DeudaPagador> d =
            LeerDeudasDe(registro, f.sPagador, "2027-02-10", f.sAntesDe, r);
        ASSERT_TRUE(d) << f.sNombre << ": " << r.sError;
        EXPECT_EQ(d->nRecibos, f.nRecibos) << f.sNombre;
        EXPECT_EQ(d->sDesde, f.sDesde) << f.sNombre;
        EXPECT_EQ(d->sPagador, f.sPagadorVisto) << f.sNombre;
    }
    ResultadoRegistro r;
    const std::optional<DeudaPagador> ana =
        LeerDeudasDe(registro, "ana p\xE9rez", "2027-02-10", "2027-02-10", r);
    ASSERT_TRUE(ana);
    EXPECT_EQ(TextoTotales(*ana, "more than "), "35,00 \x80 + $7.00");
    DeudaPagador desbordado;  // a sum gone beyond the largest amount
    desbordado.totales.push_back({kDolar, 0, std::nullopt});
    EXPECT_EQ(TextoTotales(desbordado, "more than "), "more than $922,337,203,685,477.58");
}

}  // namespace
