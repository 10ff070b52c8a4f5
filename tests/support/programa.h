// The built program run from the command line in a settings folder of its own, and the words
// of the PDF files it writes as pdftotext finds them.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/carpeta_temporal.h"

// A day from today, "YYYY-MM-DD", as the command line takes dates.
inline std::string DiaDesdeHoy(int nDias) {
    const std::time_t t = std::time(nullptr) + std::time_t{nDias} * 86400;
    std::tm tm{};
    localtime_r(&t, &tm);
    char s[16];
    std::strftime(s, sizeof s, "%Y-%m-%d", &tm);
    return s;
}

struct Salida {
    int nEstado = -1;
    std::string sSalida;
    std::string sErrores;
};

class LineaComandosTest : public ::testing::Test {
  protected:
    // Runs a command line in the test's folder, which is also the program's settings folder.
    Salida Ejecutar(const std::string& sOrden) const {
        const std::string sDir = m_carpeta.Ruta();
        const std::string sCompleta = "cd '" + sDir + "' && QT_QPA_PLATFORM=offscreen " + sOrden +
                                      " >'" + sDir + "/salida' 2>'" + sDir + "/errores'";
        const int nEstado = std::system(sCompleta.c_str());
        return {WIFEXITED(nEstado) ? WEXITSTATUS(nEstado) : -1, BytesDe(sDir + "/salida"),
                BytesDe(sDir + "/errores")};
    }
    Salida Brixamo(const std::string& sArgumentos) const {
        return Ejecutar(std::string("'") + BRIXAMO_EXE + "' " + sArgumentos);
    }

    CarpetaTemporal m_carpeta;
};

// A word that pdftotext found, in millimetres from the page's top-left corner.
struct Palabra {
    double x0, y0, x1, y1;
    std::string sTexto;
};

inline constexpr double kMmPorPunto = 25.4 / 72.0;

// The words of `pdftotext -bbox` output, entities of '&' undone.
inline std::vector<Palabra> Palabras(const std::string& sXhtml) {
    std::vector<Palabra> palabras;
    const std::string sTexto = std::regex_replace(sXhtml, std::regex("&amp;"), "&");
    const std::regex patron(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>");
    for (auto it = std::sregex_iterator(sTexto.begin(), sTexto.end(), patron);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        palabras.push_back({std::stod(m[1]) * kMmPorPunto, std::stod(m[2]) * kMmPorPunto,
                            std::stod(m[3]) * kMmPorPunto, std::stod(m[4]) * kMmPorPunto, m[5]});
    }
    return palabras;
}

// The box of the consecutive words that spell the text (words joined by one space).
inline std::optional<Palabra> Buscar(const std::vector<Palabra>& palabras,
                                     const std::string& sTexto) {
    for (auto i = palabras.begin(); i != palabras.end(); ++i) {
        Palabra caja = *i;
        for (auto j = i + 1; caja.sTexto.size() < sTexto.size() && j != palabras.end(); ++j) {
            caja = {std::min(caja.x0, j->x0), std::min(caja.y0, j->y0), std::max(caja.x1, j->x1),
                    std::max(caja.y1, j->y1), caja.sTexto + " " + j->sTexto};
        }
        if (caja.sTexto == sTexto) {
            return caja;
        }
    }
    return std::nullopt;
}
