// The debts: the receipts still owed (pendiente or devuelto), gathered per payer. A receipt is
// owed from its due date when its due-date text reads as a date, and only once that day has
// passed; otherwise from the day it was issued, that day included.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "money/globalcurrency.h"
#include "money/regional.h"
#include "register/registro.h"

// The day a due-date text names, "YYYY-MM-DD": "5/2/2027", "05-02-2027", "5.2.27",
// "2027-02-05" or "5 de febrero de 2027" (blanks around it, capitals and "setiembre" allowed);
// nothing for any other text ("al contado", "a la vista"...) or a day not in the calendar.
std::optional<std::string> DiaDeVencimiento(const std::string& sTexto);

// Whether the receipt is owed on day sHoy, and the day it is owed from.
std::optional<std::string> DeudaDesde(const DeudaRegistrada& deuda, const std::string& sHoy);

// A sum of amounts under one set of currency settings; nothing once it went beyond the
// largest amount.
struct SumaMoneda {
    AjustesMoneda ajustes;
    std::size_t nMoneda = 0;  // DeudaRegistrada::nMoneda
    std::optional<CGlobalCurrency> cuTotal;
};

// One payer's debts, or all of them (sPagador empty): count, the earliest day one is owed
// from, and the totals, one per set of currency settings in the order met.
struct DeudaPagador {
    std::string sPagador;       // the first payer line as the oldest of them spells it, blanks
                                // around it removed
    std::int64_t nPrimero = 0;  // the id of that oldest receipt
    int nRecibos = 0;
    std::string sDesde;
    std::vector<SumaMoneda> totales;

    void Anadir(const DeudaRegistrada& deuda, const std::string& sDesdeDeuda);
};

// The totals side by side, each as printed under its currency settings: "147,50 € + 20.00 $";
// a total gone beyond the largest amount is that amount after sMasDe ("beyond ").
std::string TextoTotales(const DeudaPagador& deuda, const std::string& sMasDe);

struct InformeDeudas {
    std::vector<DeudaPagador> pagadores;  // by payer, compared in either case
    DeudaPagador total;
};

// The register's debts on day sHoy, payers told apart by their first line in either case.
std::optional<InformeDeudas> LeerDeudas(CRegistro& registro, const std::string& sHoy,
                                        ResultadoRegistro& resultado);

// The debts of one payer (first payer line, in either case, blanks around it ignored) owed on
// day sHoy from a day before sAntesDe, the payer named as the first of them registered names
// it: one query of the owed receipts, as for the report. Nothing when the register failed.
std::optional<DeudaPagador> LeerDeudasDe(CRegistro& registro, const std::string& sPagador,
                                         const std::string& sHoy, const std::string& sAntesDe,
                                         ResultadoRegistro& resultado);
