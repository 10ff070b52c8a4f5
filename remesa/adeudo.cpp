#include "remesa/adeudo.h"

#include <cstdio>
#include <ctime>
#include <iomanip>
#include <numeric>
#include <sstream>

#include "remesa/cuentas.h"
#include "remesa/texto_sepa.h"
#include "settings/texto1252.h"

namespace {

bool Bisiesto(int nAno) {
    return (nAno % 4 == 0 && nAno % 100 != 0) || nAno % 400 == 0;
}

bool DiaReal(int nAno, int nMes, int nDia) {
    constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nAno < 1900 || nMes < 1 || nMes > 12 || nDia < 1) {
        return false;
    }
    return nDia <= kDias[nMes - 1] + (nMes == 2 && Bisiesto(nAno) ? 1 : 0);
}

// The digits of s at [nDesde, nDesde + nCuantos), or -1 when one is not a digit.
int Cifras(std::string_view s, std::size_t nDesde, std::size_t nCuantos) {
    int n = 0;
    for (std::size_t i = nDesde; i < nDesde + nCuantos; ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return -1;
        }
        n = n * 10 + (s[i] - '0');
    }
    return n;
}

std::string SinBlancos(std::string_view s) {
    const auto nInicio = s.find_first_not_of(' ');
    if (nInicio == std::string_view::npos) {
        return {};
    }
    return std::string(s.substr(nInicio, s.find_last_not_of(' ') - nInicio + 1));
}

Secuencia LeerSecuencia(const std::string& sTexto) {
    const std::string s = Compactar(sTexto);
    if (s.empty()) {
        return Secuencia::kRcur;
    }
    for (std::size_t i = 0; i < kNombresSecuencia.size(); ++i) {
        if (s == kNombresSecuencia[i]) {
            return static_cast<Secuencia>(i);
        }
    }
    throw ErrorAdeudo("SECUENCIA", "'" + Utf8De1252(sTexto) + "' no es FRST, RCUR, OOFF ni FNAL");
}

std::string Mandato(const DatosDeudor& deudor) {
    const std::string sMandato = SinBlancos(deudor.sMandato);
    if (sMandato.empty()) {
        throw ErrorAdeudo("MANDATO", "una fila con IBAN necesita la referencia del mandato");
    }
    if (sMandato.size() > kMaxIdSepa) {
        throw ErrorAdeudo("MANDATO", "la referencia del mandato tiene más de 35 caracteres");
    }
    return TextoSepa(sMandato, kMaxIdSepa);
}

std::string FechaMandato(const DatosDeudor& deudor, const std::string& sHoy) {
    const std::optional<std::string> sFecha = FechaIso(SinBlancos(deudor.sFechaMandato));
    if (!sFecha) {
        throw ErrorAdeudo("FECHA_MANDATO", deudor.sFechaMandato.empty()
                                               ? "falta la fecha de firma del mandato"
                                               : "'" + Utf8De1252(deudor.sFechaMandato) +
                                                     "' no es una fecha AAAA-MM-DD o DD/MM/AAAA");
    }
    if (*sFecha > sHoy) {
        throw ErrorAdeudo("FECHA_MANDATO", "el mandato no puede estar firmado en el futuro");
    }
    return *sFecha;
}

std::string Titular(const ReciboData& recibo, const DatosDeudor& deudor) {
    if (deudor.sTitular.size() > kMaxNombreSepa) {
        throw ErrorAdeudo("TITULAR", "el titular tiene más de 70 caracteres");
    }
    std::string sTitular = TextoSepa(deudor.sTitular, kMaxNombreSepa);
    if (sTitular.empty()) {
        sTitular = TextoSepa(recibo.sPagador1, kMaxNombreSepa);
    }
    if (sTitular.empty()) {
        throw ErrorAdeudo("TITULAR", "falta el titular de la cuenta (ni TITULAR ni PAGADOR_1)");
    }
    return sTitular;
}

std::int64_t Centimos(const ReciboData& recibo) {
    const std::int64_t nValor = recibo.cuImporte.Valor();
    if (nValor <= 0) {
        throw ErrorAdeudo("", "un recibo domiciliado necesita un total mayor que cero");
    }
    if (nValor % 100 != 0) {
        throw ErrorAdeudo("", "el total tiene fracciones de céntimo");
    }
    if (nValor / 100 > kMaxCentimosAdeudo) {
        throw ErrorAdeudo("", "el total pasa de 999.999.999,99, el mayor adeudo SEPA");
    }
    return nValor / 100;
}

}  // namespace

std::optional<std::string> FechaIso(std::string_view s) {
    int nAno = -1, nMes = -1, nDia = -1;
    if (s.size() == 10 && s[4] == '-' && s[7] == '-') {
        nAno = Cifras(s, 0, 4), nMes = Cifras(s, 5, 2), nDia = Cifras(s, 8, 2);
    } else if (s.size() == 10 && s[2] == '/' && s[5] == '/') {
        nDia = Cifras(s, 0, 2), nMes = Cifras(s, 3, 2), nAno = Cifras(s, 6, 4);
    }
    if (!DiaReal(nAno, nMes, nDia)) {
        return std::nullopt;
    }
    char sIso[32];
    std::snprintf(sIso, sizeof sIso, "%04d-%02d-%02d", nAno, nMes, nDia);
    return sIso;
}

std::string HoraLocal(std::time_t momento, const char* sFormato) {
    std::tm tm{};
    localtime_r(&momento, &tm);
    std::ostringstream ss;
    ss << std::put_time(&tm, sFormato);
    return ss.str();
}

std::string HoyIso() {
    return HoraLocal(std::time(nullptr), "%Y-%m-%d");
}

std::optional<std::string> ErrorFechaCobro(const std::string& sFecha, const std::string& sHoy) {
    if (sFecha.empty()) {
        return std::string("falta la fecha de cobro (--collection-date AAAA-MM-DD)");
    }
    const std::optional<std::string> sIso = FechaIso(sFecha);
    if (!sIso || *sIso != sFecha) {
        return "la fecha de cobro '" + sFecha + "' no es una fecha AAAA-MM-DD";
    }
    if (sFecha < sHoy) {
        return "la fecha de cobro " + sFecha + " ya ha pasado";
    }
    return std::nullopt;
}

std::optional<std::string> ErrorMonedaRemesa(const AjustesMoneda& a) {
    const std::string sSimbolo = Compactar(a.sSimbolo);
    const std::string sNombre = Compactar(a.sNombreMoneda);
    const bool bEuro = sSimbolo == "\x80" || a.sSimbolo == "|A" || a.sSimbolo == "|V" ||
                       sSimbolo == "EUR" || sNombre == "EURO" || sNombre == "EUROS" ||
                       sNombre == "EUR";
    if (!bEuro || a.nDecimales != 2) {
        return std::string(
            "una remesa SEPA es en euros con 2 decimales, y la moneda guardada no lo "
            "es");
    }
    return std::nullopt;
}

std::string ConceptoAdeudo(const ReciboData& recibo) {
    std::string s = "Recibo " + TextoSepa(recibo.sNumero, kMaxConceptoSepa) + ":";
    const std::string* conceptos[] = {&recibo.sConcepto1, &recibo.sConcepto2, &recibo.sConcepto3,
                                      &recibo.sConcepto4, &recibo.sConcepto5, &recibo.sConcepto6};
    const char* sSeparador = " ";
    for (const std::string* sConcepto : conceptos) {
        const std::string sSepa = TextoSepa(*sConcepto, kMaxConceptoSepa);
        if (!sSepa.empty()) {
            s += sSeparador + sSepa;
            sSeparador = ", ";
        }
    }
    return CortarEnPalabra(s, kMaxConceptoSepa);
}

Adeudo HacerAdeudo(const ReciboData& recibo, const DatosDeudor& deudor, const std::string& sHoy) {
    Adeudo adeudo;
    if (const auto sError = ErrorIban(deudor.sIban)) {
        throw ErrorAdeudo("IBAN", "'" + Utf8De1252(SinBlancos(deudor.sIban)) + "': " + *sError);
    }
    adeudo.sIban = Compactar(deudor.sIban);
    if (!SinBlancos(deudor.sBic).empty()) {
        if (const auto sError = ErrorBic(deudor.sBic)) {
            throw ErrorAdeudo("BIC", "'" + Utf8De1252(SinBlancos(deudor.sBic)) + "': " + *sError);
        }
        adeudo.sBic = Compactar(deudor.sBic);
    }
    adeudo.sMandato = Mandato(deudor);
    adeudo.sFechaMandato = FechaMandato(deudor, sHoy);
    adeudo.secuencia = LeerSecuencia(deudor.sSecuencia);
    adeudo.sTitular = Titular(recibo, deudor);
    if (SinBlancos(recibo.sNumero).size() > kMaxIdSepa) {
        throw ErrorAdeudo("NUMERO",
                          "un recibo domiciliado lleva un número de 35 caracteres a lo "
                          "sumo");
    }
    adeudo.sId = TextoSepa(recibo.sNumero, kMaxIdSepa);
    adeudo.nCentimos = Centimos(recibo);
    adeudo.sConcepto = ConceptoAdeudo(recibo);
    return adeudo;
}

std::size_t ResumenRemesa::Adeudos() const {
    return std::accumulate(nAdeudos.begin(), nAdeudos.end(), std::size_t{0});
}

std::int64_t ResumenRemesa::Centimos() const {
    return std::accumulate(nCentimos.begin(), nCentimos.end(), std::int64_t{0});
}

void SumaRemesa::Anadir(const Adeudo& adeudo) {
    if (!m_ids.insert(adeudo.sId).second) {
        throw ErrorAdeudo("NUMERO", "el número " + adeudo.sId + " ya está en otro adeudo");
    }
    const auto n = static_cast<std::size_t>(adeudo.secuencia);
    ++m_resumen.nAdeudos[n];
    m_resumen.nCentimos[n] += adeudo.nCentimos;
}

std::string TextoCentimos(std::int64_t nCentimos) {
    char s[32];
    std::snprintf(s, sizeof s, "%lld.%02lld", static_cast<long long>(nCentimos / 100),
                  static_cast<long long>(nCentimos % 100));
    return s;
}
