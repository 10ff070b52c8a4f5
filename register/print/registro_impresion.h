// Registering the receipts of a print job once it is complete, and telling the user when the
// register could not take them.
#pragma once

#include <functional>
#include <vector>

#include "form/recibodata.h"
#include "register/registro.h"

// The receipt as the register keeps it: its record, the currency settings it was printed
// under and the amounts as the page shows them under those.
ReciboRegistrado ComoSeImprime(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda);

// Appends one completed job, printed under the given currency settings in the given look, to
// the register. When the register could not take it, or had to be set aside, the notice in
// force is given once for the whole job.
void RegistrarImpresos(const std::vector<ReciboData>& recibos, const AjustesMoneda& ajustesMoneda,
                       const AparienciaRegistrada& apariencia);

// The same for receipts made ready with ComoSeImprime (and their debtors), with the remittance
// written for the job when there is one. The job's id, when it was registered.
std::optional<std::int64_t> RegistrarTrabajo(std::vector<ReciboRegistrado>& trabajo,
                                             const std::optional<RemesaRegistrada>& remesa);

// One line on stderr when the result says a damaged register was set aside.
void AvisarApartadoEnTerminal(const ResultadoRegistro& r);

// Who tells the user about the register: one line on stderr unless a window has taken over.
using AvisoRegistro = std::function<void(const ResultadoRegistro&)>;

// The notice of the windows' printing, a message box, in force while the object lives.
class AvisoRegistroEnVentana {
  public:
    AvisoRegistroEnVentana();
    ~AvisoRegistroEnVentana();
    AvisoRegistroEnVentana(const AvisoRegistroEnVentana&) = delete;
    AvisoRegistroEnVentana& operator=(const AvisoRegistroEnVentana&) = delete;

  private:
    AvisoRegistro m_anterior;
};

// The windows' question before printing a number already issued this year: true when the
// print goes on (the number is new, the register cannot say, or the user says yes).
bool ConfirmarNumeroRepetido(const ReciboData& recibo);

// Today by the user's calendar (the services' date), or the day nDiasAntes days before it,
// written YYYY-MM-DD.
std::string DiaDeHoy(int nDiasAntes = 0);

// A payer's receipts owed for more than this many days are told before printing another.
inline constexpr int kDiasDeudaAntigua = 60;

// The windows' warning before printing for a payer (the first payer line) who owes receipts,
// pendiente or devuelto, owed for more than kDiasDeudaAntigua days: their count and total,
// answered "Imprimir" or "Cancelar". True when the print goes on (no such receipt, no payer,
// a register that cannot say, or the answer "Imprimir").
bool ConfirmarDeudasDelPagador(const ReciboData& recibo);

// The date of a registration ("YYYY-MM-DD HH:MM:SS") in the user's short date format.
std::string FechaCorta(const std::string& sEmitido);
