// The settings file's contents as lines: key lines at even positions, values at odd ones,
// at most kMaxLineas lines.
#pragma once

#include <array>
#include <string>

class CLineasConfiguracion {
  public:
    static constexpr int kMaxLineas = 200;

    // Splits the text at line feeds; a last line without a line feed and lines beyond the
    // capacity are left out.
    explicit CLineasConfiguracion(const std::string& sTexto);

    // The value line of the first pair whose key line equals sBuscada, or nullptr.
    const std::string* Buscar(const std::string& sBuscada) const;

    // Updates the pair in place, or adds it at the first empty key line; with every pair in
    // use a new key is not added. Afterwards pairs with an empty key line are gone and the
    // lines hold exactly what a rewrite of the file followed by a fresh read would give, so
    // several writes in a row match single writes.
    void Escribir(const std::string& sBuscada, const std::string& sValor);

    // The file text: the pairs up to the first empty key line, each line ended by a line feed.
    std::string Texto() const;

  private:
    int IndiceDe(const std::string& sBuscada) const;
    int PrimerParVacio() const;
    void Compactar();

    std::array<std::string, kMaxLineas> m_sLinea;
};
