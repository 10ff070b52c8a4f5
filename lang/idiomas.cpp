#include "lang/idiomas.h"

#include "lang/idioma_usuario.h"
#include "lang/tabla.h"
#include "settings/esquema.h"

std::int32_t g_nIdioma = 2;

namespace {

const char* Entrada(int nIdioma, int nGrupo, int nIndice) {
    return TablaIdiomas[nIdioma - 1][nGrupo][nIndice];
}

}  // namespace

std::string TextoIdioma(int nGrupo, int nIndice) {
    if (g_nIdioma < 1 || g_nIdioma > kIdiomas) {
        return "ERROR";
    }
    if (nGrupo < 0 || nGrupo >= kGrupos || nIndice < 0 || nIndice >= kIndices) {
        return {};
    }
    const char* sTexto = Entrada(g_nIdioma, nGrupo, nIndice);
    // Languages without texts of their own show the Spanish ones rather than blank captions.
    if (sTexto == nullptr && g_nIdioma > 2) {
        sTexto = Entrada(1, nGrupo, nIndice);
    }
    return sTexto != nullptr ? std::string(sTexto) : std::string();
}

std::string TextoIdioma0(int nIndice) {
    return TextoIdioma(0, nIndice);
}
std::string TextoIdioma1(int nIndice) {
    return TextoIdioma(1, nIndice);
}
std::string TextoIdioma2(int nIndice) {
    return TextoIdioma(2, nIndice);
}
std::string TextoIdioma3(int nIndice) {
    return TextoIdioma(3, nIndice);
}
std::string TextoIdioma4(int nIndice) {
    return TextoIdioma(4, nIndice);
}
std::string TextoIdioma7(int nIndice) {
    return TextoIdioma(7, nIndice);
}
std::string TextoIdioma9(int nIndice) {
    return TextoIdioma(9, nIndice);
}
std::string TextoIdioma11(int nIndice) {
    return TextoIdioma(11, nIndice);
}

std::string TextoIdiomaO(int nGrupo, int nIndice, const std::string& sDefecto) {
    const std::string sTexto = TextoIdioma(nGrupo, nIndice);
    return sTexto.empty() ? sDefecto : sTexto;
}

bool LeerIdioma() {
    g_nIdioma = ajustes::kIdioma.Leer();
    if (g_nIdioma == 0) {
        DetectarIdioma();
        return false;
    }
    return true;
}

void DetectarIdioma() {
    g_nIdioma = NumeroDeIdioma(IdiomaPrimarioDeLocale(LocaleDeMensajes()));
    ajustes::kIdioma.Escribir(g_nIdioma);
}
