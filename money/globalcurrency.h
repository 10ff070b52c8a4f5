// An amount in ten-thousandths of the currency unit, with the process-wide currency settings
// and the conversions between amounts and text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "money/regional.h"

class Device;

class CGlobalCurrency {
  public:
    CGlobalCurrency() = default;

    // value = units * 10000 + ten-thousandths
    void SetImporte(std::int32_t nUnidades, std::int32_t nDiezMilesimas);
    std::int64_t Valor() const { return m_nValor; }
    void SetValor(std::int64_t nValor) { m_nValor = nValor; }
    // A sum that would leave the range of amounts stops at the largest amount of its sign.
    CGlobalCurrency& operator+=(const CGlobalCurrency& cu);
    // Adds cu when the sum stays within the range of amounts; otherwise returns false and
    // leaves the value as it was.
    bool Sumar(const CGlobalCurrency& cu);
    bool EsCero() const { return m_nValor == 0; }
    friend bool operator==(const CGlobalCurrency&, const CGlobalCurrency&) = default;

    // Formatting under the settings in force (money/formato.h formats under any).
    std::string TextoFormulario() const;
    std::string PatronRecibo() const;
    std::string TextoRecibo() const;
    std::string TextoEnteros() const;
    std::string TextoDecimales() const;
    // The magnitude's whole units and hundredths as the texts above show them: the units
    // rounded for the number of decimals, the hundredths (0 to 99) rounded half up.
    std::uint64_t UnidadesRedondeadas() const;
    int CentesimasRedondeadas() const;
    static std::string AgruparDigitos(std::int64_t n);
    // A display mode's pattern with a given number text and sign in their places, e.g. the
    // currency dialog's "($1.1)" for negative mode 0.
    static std::string MuestraModo(bool bNegativo, std::int32_t nModo, const std::string& sNumero,
                                   const std::string& sSigno);

    // Parsing under the settings in force (money/analisis.h parses under any). Every text
    // gives a value; false when the text's amount lies beyond the largest one, which the value
    // then holds.
    bool AsignarTexto(const std::string& sTexto);

    // Glyph drawing under the settings in force (money/glyphs.h draws under any):
    // kCeldasImporte cells of 22 x 39 logical units from (x, y), the last characters of a
    // longer text.
    static constexpr std::size_t kCeldasImporte = 17;
    void DibujarImporte(Device& dc, int x, int y) const;
    static void WriteCharToDevice(Device& dc, int x, int y, unsigned char c);

    // Settings: the stored ones put in force (moneda::AjustesGuardados()), and the regional
    // ones put in force and stored.
    static void CargarConfiguracion();
    static void ValoresRegionales();
    // The nine settings in force.
    static const AjustesMoneda& AjustesEnVigor() { return s_ajustes; }

    static void SetNombreMoneda(const std::string& s);
    static void SetSimbolo(const std::string& s);
    static void SetDecimales(std::int32_t n);
    static void SetSeparadorDecimal(const std::string& s);
    static void SetSeparadorMiles(const std::string& s);
    static void SetModoPositivo(std::int32_t n);
    static void SetModoNegativo(std::int32_t n);
    static void SetRelleno(std::int32_t n);

    static std::string GetNombreMoneda() { return s_ajustes.sNombreMoneda; }
    static std::string GetSimbolo() { return s_ajustes.sSimbolo; }
    static std::int32_t GetDecimales() { return s_ajustes.nDecimales; }
    static std::string GetSeparadorDecimal() { return s_ajustes.sSeparadorDecimal; }
    static std::string GetSeparadorMiles() { return s_ajustes.sSeparadorMiles; }
    static std::int32_t GetTamanoGrupo() { return s_ajustes.nTamanoGrupo; }
    static std::int32_t GetModoPositivo() { return s_ajustes.nModoPositivo; }
    static std::int32_t GetModoNegativo() { return s_ajustes.nModoNegativo; }
    static std::int32_t GetRelleno() { return s_ajustes.nRelleno; }

    // Whether the sign is a standard sign ('|' followed by a letter), drawn from a glyph.
    static bool SimboloEstandar();

    // Where the currency's name comes from on the first start (the platform sets it; empty
    // name until then).
    static void SetProveedorNombreMoneda(std::function<std::string()> proveedor);

    // The largest amount of either sign: the lenient parsing and operator+= stop at it.
    static constexpr std::int64_t kImporteMaximo = INT64_MAX;

  private:
    std::int64_t m_nValor = 0;

    static AjustesMoneda s_ajustes;
};

namespace moneda {

// The nine stored settings as a value; on the first start (no first-start mark stored) the
// user's regional ones, stored with the mark first. The settings in force are left alone.
AjustesMoneda AjustesGuardados();

// Stores the nine settings, in their order, in one rewrite.
void GuardarAjustes(const AjustesMoneda& a);

}  // namespace moneda
