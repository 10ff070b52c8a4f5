// The built program's batches: a settings folder with a stored receipt and a CSV file of three
// payers over it, and what a run left in the folder.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "settings/esquema.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"

// Three payers over the stored receipt; the second keeps a number of its own.
constexpr const char* kPagos =
    "NUMERO;PAGADOR_1;IMPORTE_1;CONCEPTO_2\n"
    ";Ana;\"1,234.5\";Agua\n"
    "B-2;\"Luis \"\"el\"\" Pardo, hijo\";7;\n"
    ";Eva;-3;Luz & gas\n";

class LoteComandosTest : public LineaComandosTest {
  protected:
    LoteComandosTest() {
        GuardarIdiomaYMoneda({.nRelleno = '*'});
        const std::pair<AjusteTexto, const char*> campos[] = {
            {ajustes::kNumero, "A-0017"},       {ajustes::kLocalidad, "Pontevedra"},
            {ajustes::kConcepto1, "Cuota"},     {ajustes::kImporte1, "1"},
            {ajustes::kConcepto3, "Fianza"},    {ajustes::kImporte3, "20"},
            {ajustes::kCobrador2, "Comunidad"}, {ajustes::kVencimiento, "31/12/2026"}};
        for (const auto& [ajuste, sValor] : campos) {
            ajuste.Escribir(sValor);
        }
        PonerBytes(Ruta("pagos.csv"), kPagos);
    }

    std::string Ruta(const std::string& sNombre) const { return m_carpeta.Ruta() + "/" + sNombre; }
    static std::string NumeroGuardado() { return ajustes::kNumero.Leer(); }

    // The files of the folder (a subfolder of it when named) besides the settings, the
    // register and the test's own.
    std::vector<std::string> Ficheros(const std::string& sSubcarpeta = "") const {
        std::vector<std::string> nombres;
        const std::string sCarpeta = m_carpeta.Ruta() + "/" + sSubcarpeta;
        for (const auto& f : std::filesystem::directory_iterator(sCarpeta)) {
            const std::string sNombre = f.path().filename();
            if (!sNombre.starts_with("tarvel.inf") && !sNombre.starts_with("registro.sqlite") &&
                sNombre != "salida" && sNombre != "errores") {
                nombres.push_back(sNombre);
            }
        }
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    std::vector<Palabra> PalabrasDe(const std::string& sPdf, int nPagina) {
        const std::string sPagina = std::to_string(nPagina);
        const Salida bbox =
            Ejecutar("pdftotext -bbox -f " + sPagina + " -l " + sPagina + " '" + sPdf + "' -");
        EXPECT_EQ(bbox.nEstado, 0) << bbox.sErrores;
        return Palabras(bbox.sSalida);
    }

    // The same words at the same places, within 0.01 mm; sDonde names the page in a failure.
    static void MismasPalabras(const std::vector<Palabra>& medidas,
                               const std::vector<Palabra>& esperadas, const std::string& sDonde) {
        ASSERT_EQ(medidas.size(), esperadas.size()) << sDonde;
        ASSERT_GT(esperadas.size(), 15u) << sDonde;
        for (std::size_t j = 0; j < esperadas.size(); ++j) {
            const Palabra& m = medidas[j];
            const Palabra& e = esperadas[j];
            EXPECT_EQ(m.sTexto, e.sTexto) << sDonde;
            const double medido[] = {m.x0, m.y0, m.x1, m.y1};
            const double esperado[] = {e.x0, e.y0, e.x1, e.y1};
            for (int k = 0; k < 4; ++k) {
                EXPECT_NEAR(medido[k], esperado[k], 0.01) << e.sTexto << " on " << sDonde;
            }
        }
    }
};
