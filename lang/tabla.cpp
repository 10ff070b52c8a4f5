// Texts in Windows-1252: \xF1 is "ñ", \xF3 is "ó".
#include "lang/tabla.h"

namespace {

constexpr std::array<const char*, 16> kGrupo0 = {
    "Epa\xF1ol", "Recibo",    "Importe",       "Pagador", "Cobrador", "Fecha",
    "Localidad", "Domicilio", "Moneda",        "Idioma",  "Numero",   "Moneda",
    "Simbolo",   "Decimales", "Nombre Moneda", "Fin"};

// Currency options dialog labels; the first five are shared by every language.
constexpr std::array<const char*, 11> kGrupo1 = {"Separador Decimales",
                                                 "Representaci\xF3n Positivos",
                                                 "Numero Decimales",
                                                 "Representaci\xF3n negativos",
                                                 "Nombre Moneda",
                                                 "Simbolo monetario",
                                                 "Separador miles",
                                                 "Muestra",
                                                 "Signo Personalizado",
                                                 "Signos Standard",
                                                 "Relleno"};
constexpr int kGrupo1Comun = 5;

// Main window buttons, from index 1.
constexpr std::array<const char*, 10> kGrupo2 = {
    "Fondo",   "Color",    "Logotipo", "Idioma", "Moneda", "Set Default", "Editar Conceptos",
    "Aceptar", "Cancelar", "Imprimir"};

constexpr std::array<const char*, 6> kGrupo7 = {"Color", "Fondo",  "Texto",
                                                "Ok",    "Cancel", "SelectColor"};

constexpr std::array<const char*, 10> kGrupo9 = {"numero",      "localidad", "importe",   "fecha",
                                                 "vencimiento", "importes",  "conceptos", "pagador",
                                                 "cobrador",    "domicilio"};

constexpr std::array<const char*, 2> kGrupo11 = {"Aceptar", "Cancelar"};

template <std::size_t N>
constexpr void Copiar(BloqueIdioma& bloque, int nGrupo, int nDesde,
                      const std::array<const char*, N>& textos, std::size_t nCuantos = N) {
    for (std::size_t i = 0; i < nCuantos; ++i) {
        bloque[nGrupo][nDesde + i] = textos[i];
    }
}

constexpr BloqueIdioma CrearBloque(int nIdioma) {
    BloqueIdioma bloque{};
    Copiar(bloque, 0, 0, kGrupo0);
    if (nIdioma > 2) {
        Copiar(bloque, 1, 0, kGrupo1, kGrupo1Comun);
        return bloque;
    }
    Copiar(bloque, 1, 0, kGrupo1);
    Copiar(bloque, 2, 1, kGrupo2);
    Copiar(bloque, 7, 0, kGrupo7);
    Copiar(bloque, 9, 0, kGrupo9);
    if (nIdioma == 1) {
        Copiar(bloque, 11, 0, kGrupo11);
    } else {
        bloque[1][6] = "separador miles";
        bloque[1][10] = nullptr;
        bloque[9][2] = "importe euros";
    }
    return bloque;
}

}  // namespace

constinit const std::array<BloqueIdioma, kIdiomas> TablaIdiomas = {
    CrearBloque(1), CrearBloque(2), CrearBloque(3), CrearBloque(4), CrearBloque(5),
    CrearBloque(6), CrearBloque(7), CrearBloque(8), CrearBloque(9)};
