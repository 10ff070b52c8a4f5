// Every setting the program keeps in the settings file, as named entries with their section,
// key, kind and default, read and written through the entries themselves. kEsquema lists
// them all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A text setting. An entry without a default of its own (kDelLlamador) has one that depends
// on the context, and its reads name it; Leer() on such an entry throws.
struct AjusteTexto {
    const char* sSeccion;
    const char* sClave;
    std::optional<const char*> sDefecto;

    std::string Leer() const;
    std::string Leer(const std::string& sDefectoDelLlamador) const;
    void Escribir(const std::string& sValor) const;
};

// An integer setting, stored as decimal text; defaults as for AjusteTexto.
struct AjusteEntero {
    const char* sSeccion;
    const char* sClave;
    std::optional<std::int32_t> nDefecto;

    std::int32_t Leer() const;
    std::int32_t Leer(std::int32_t nDefectoDelLlamador) const;
    void Escribir(std::int32_t nValor) const;
    // The same key as the text it is stored as, with the caller's default.
    constexpr AjusteTexto ComoTexto() const { return {sSeccion, sClave, std::nullopt}; }
};

// One value of a batch write: a text, or an integer as its decimal text.
struct ValorAjuste {
    ValorAjuste(const AjusteTexto& ajuste, std::string sTexto);
    ValorAjuste(const AjusteEntero& ajuste, std::int32_t nValor);

    const char* sSeccion;
    const char* sClave;
    std::string sValor;
};

// Several settings with one rewrite per run of one section; the file ends exactly as after
// writing them one by one in the order given.
void EscribirAjustes(const std::vector<ValorAjuste>& valores);

namespace ajustes {

inline constexpr std::nullopt_t kDelLlamador = std::nullopt;

inline constexpr const char* kSeccionConceptos = "Recibos conceptos";
inline constexpr const char* kSeccionAplicacion = "Aplicacion Recibos";
inline constexpr const char* kSeccionRecibo = "Recibo";
inline constexpr const char* kSeccionColor = "Recibos color";
inline constexpr const char* kSeccionAcreedor = "Acreedor";

// The receipt on the form: each field's key is its control's name.
inline constexpr AjusteTexto kNumero{kSeccionConceptos, "IDC_EDIT_NUMERO", ""};
inline constexpr AjusteTexto kConcepto1{kSeccionConceptos, "IDC_EDIT_CONCEPTO_1", ""};
inline constexpr AjusteTexto kConcepto2{kSeccionConceptos, "IDC_EDIT_CONCEPTO_2", ""};
inline constexpr AjusteTexto kConcepto3{kSeccionConceptos, "IDC_EDIT_CONCEPTO_3", ""};
inline constexpr AjusteTexto kConcepto4{kSeccionConceptos, "IDC_EDIT_CONCEPTO_4", ""};
inline constexpr AjusteTexto kConcepto5{kSeccionConceptos, "IDC_EDIT_CONCEPTO_5", ""};
inline constexpr AjusteTexto kConcepto6{kSeccionConceptos, "IDC_EDIT_CONCEPTO_6", ""};
inline constexpr AjusteTexto kLocalidad{kSeccionConceptos, "IDC_EDIT_LOCALIDAD", ""};
inline constexpr AjusteTexto kVencimiento{kSeccionConceptos, "IDC_EDIT_VENCIMIENTO", ""};
inline constexpr AjusteTexto kPagador1{kSeccionConceptos, "IDC_EDIT_PAGADOR_1", ""};
inline constexpr AjusteTexto kPagador2{kSeccionConceptos, "IDC_EDIT_PAGADOR_2", ""};
inline constexpr AjusteTexto kPagador3{kSeccionConceptos, "IDC_EDIT_PAGADOR_3", ""};
inline constexpr AjusteTexto kCobrador1{kSeccionConceptos, "IDC_EDIT_COBRADOR_1", ""};
inline constexpr AjusteTexto kCobrador2{kSeccionConceptos, "IDC_EDIT_COBRADOR_2", ""};
inline constexpr AjusteTexto kCobrador3{kSeccionConceptos, "IDC_EDIT_COBRADOR_3", ""};
inline constexpr AjusteTexto kDomicilio{kSeccionConceptos, "IDC_EDIT_DOMICILIO", ""};
inline constexpr AjusteTexto kFecha{kSeccionConceptos, "IDC_EDIT_FECHA", ""};
inline constexpr AjusteTexto kImporte1{kSeccionConceptos, "IDC_EDIT_IMPORTE_1", ""};
inline constexpr AjusteTexto kImporte2{kSeccionConceptos, "IDC_EDIT_IMPORTE_2", ""};
inline constexpr AjusteTexto kImporte3{kSeccionConceptos, "IDC_EDIT_IMPORTE_3", ""};
inline constexpr AjusteTexto kImporte4{kSeccionConceptos, "IDC_EDIT_IMPORTE_4", ""};
inline constexpr AjusteTexto kImporte5{kSeccionConceptos, "IDC_EDIT_IMPORTE_5", ""};
inline constexpr AjusteTexto kImporte6{kSeccionConceptos, "IDC_EDIT_IMPORTE_6", ""};

// The form's labels; a label never stored reads as the current language's text.
inline constexpr AjusteTexto kDefNumero{kSeccionConceptos, "IDC_EDIT_DEF_NUMERO", kDelLlamador};
inline constexpr AjusteTexto kDefLocalidad{kSeccionConceptos, "IDC_EDIT_DEF_LOCALIDAD",
                                           kDelLlamador};
inline constexpr AjusteTexto kDefImporte{kSeccionConceptos, "IDC_EDIT_DEF_IMPORTE", kDelLlamador};
inline constexpr AjusteTexto kDefFecha{kSeccionConceptos, "IDC_EDIT_DEF_FECHA", kDelLlamador};
inline constexpr AjusteTexto kDefVencimiento{kSeccionConceptos, "IDC_EDIT_DEF_VENCIMIENTO",
                                             kDelLlamador};
inline constexpr AjusteTexto kDefImportes{kSeccionConceptos, "IDC_EDIT_DEF_IMPORTES", kDelLlamador};
inline constexpr AjusteTexto kDefConceptos{kSeccionConceptos, "IDC_EDIT_DEF_CONCEPTOS",
                                           kDelLlamador};
inline constexpr AjusteTexto kDefPagador{kSeccionConceptos, "IDC_EDIT_DEF_PAGADOR", kDelLlamador};
inline constexpr AjusteTexto kDefCobrador{kSeccionConceptos, "IDC_EDIT_DEF_COBRADOR", kDelLlamador};
inline constexpr AjusteTexto kDefDomicilio{kSeccionConceptos, "IDC_EDIT_DEF_DOMICILIO",
                                           kDelLlamador};

// The currency settings. Their defaults apply when the first start has stored the regional
// values and a key is missing since; the fill character's default follows the positive mode.
inline constexpr AjusteTexto kNombreMoneda{kSeccionAplicacion, "monetary name", ""};
inline constexpr AjusteTexto kSimbolo{kSeccionAplicacion, "monetary symbol", "$"};
inline constexpr AjusteEntero kDecimales{kSeccionAplicacion, "Number of fractional digits", 2};
inline constexpr AjusteTexto kSeparadorDecimal{kSeccionAplicacion, "decimal separator", "."};
inline constexpr AjusteTexto kSeparadorMiles{kSeccionAplicacion, "saparator between groups", ","};
inline constexpr AjusteEntero kTamanoGrupo{kSeccionAplicacion, "Sizes of each group", 3};
inline constexpr AjusteEntero kModoPositivo{kSeccionAplicacion, "Positive currency mode", 0};
inline constexpr AjusteEntero kModoNegativo{kSeccionAplicacion, "Negative currency mode", 0};
inline constexpr AjusteEntero kRelleno{kSeccionAplicacion, "Relleno", kDelLlamador};
// 1 once the first start has stored the regional currency settings.
inline constexpr AjusteEntero kInicializado{kSeccionAplicacion, "GetProfileString ok", 0};
// The language number; 0, never stored, makes the start detect the user's language.
inline constexpr AjusteEntero kIdioma{kSeccionAplicacion, "Idioma", 0};

// The receipt's three vertical free texts, its logo file and the total in words (1: drawn).
inline constexpr AjusteTexto kTexto1{kSeccionRecibo, "Texto1", ""};
inline constexpr AjusteTexto kTexto2{kSeccionRecibo, "Texto2", ""};
inline constexpr AjusteTexto kTexto3{kSeccionRecibo, "Texto3", ""};
inline constexpr AjusteTexto kFileLogo{kSeccionRecibo, "FileLogo", ""};
inline constexpr AjusteEntero kImporteEnLetra{kSeccionRecibo, "ImporteEnLetra", 0};
// How printed receipts lie on the sheet: 1, 2 or 3 down each sheet; cut marks between them
// (1: drawn); 1 or 2 copies of each (2: the original followed by its copy). Other values read
// as the default.
inline constexpr AjusteEntero kPorHoja{kSeccionRecibo, "PorHoja", 1};
inline constexpr AjusteEntero kMarcasCorte{kSeccionRecibo, "MarcasCorte", 0};
inline constexpr AjusteEntero kCopias{kSeccionRecibo, "Copias", 1};

// The frame's colour (low byte of each component) and pattern (0 solid, 1 cross-hatched).
inline constexpr AjusteEntero kColorR{kSeccionColor, "R", 200};
inline constexpr AjusteEntero kColorG{kSeccionColor, "G", 255};
inline constexpr AjusteEntero kColorB{kSeccionColor, "B", 255};
inline constexpr AjusteEntero kFondo{kSeccionColor, "fondo", 0};

// The creditor of the direct-debit remittances: its name (at most 70 characters), its SEPA
// creditor identifier, the IBAN the debits are paid into and its BIC (optional).
inline constexpr AjusteTexto kAcreedorNombre{kSeccionAcreedor, "Nombre", ""};
inline constexpr AjusteTexto kAcreedorIdentificador{kSeccionAcreedor, "Identificador", ""};
inline constexpr AjusteTexto kAcreedorIban{kSeccionAcreedor, "IBAN", ""};
inline constexpr AjusteTexto kAcreedorBic{kSeccionAcreedor, "BIC", ""};

using Entrada = std::variant<AjusteTexto, AjusteEntero>;

// clang-format off
inline constexpr std::array<Entrada, 60> kEsquema{
    kNumero, kConcepto1, kConcepto2, kConcepto3, kConcepto4, kConcepto5, kConcepto6,
    kLocalidad, kVencimiento, kPagador1, kPagador2, kPagador3, kCobrador1, kCobrador2,
    kCobrador3, kDomicilio, kFecha, kImporte1, kImporte2, kImporte3, kImporte4, kImporte5,
    kImporte6,
    kDefNumero, kDefLocalidad, kDefImporte, kDefFecha, kDefVencimiento, kDefImportes,
    kDefConceptos, kDefPagador, kDefCobrador, kDefDomicilio,
    kNombreMoneda, kSimbolo, kDecimales, kSeparadorDecimal, kSeparadorMiles, kTamanoGrupo,
    kModoPositivo, kModoNegativo, kRelleno, kInicializado, kIdioma,
    kTexto1, kTexto2, kTexto3, kFileLogo, kImporteEnLetra, kPorHoja, kMarcasCorte, kCopias,
    kColorR, kColorG, kColorB, kFondo,
    kAcreedorNombre, kAcreedorIdentificador, kAcreedorIban, kAcreedorBic,
};
// clang-format on

// A form field's name as the batch and the register's export name their columns: its key
// without the controls' common prefix "IDC_EDIT_".
std::string_view NombreCampo(const AjusteTexto& ajuste);

}  // namespace ajustes
