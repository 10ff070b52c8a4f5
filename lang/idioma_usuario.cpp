#include "lang/idioma_usuario.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace {

// ISO 639 codes and the Windows primary-language values of the same languages.
struct Primario {
    std::string_view sCodigo;
    int nPrimario;
};
constexpr std::array<Primario, 67> kPrimarios = {{
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06},
    {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C},
    {"he", 0x0D}, {"hu", 0x0E}, {"is", 0x0F}, {"it", 0x10}, {"ja", 0x11}, {"ko", 0x12},
    {"nl", 0x13}, {"nb", 0x14}, {"nn", 0x14}, {"no", 0x14}, {"pl", 0x15}, {"pt", 0x16},
    {"rm", 0x17}, {"ro", 0x18}, {"ru", 0x19}, {"hr", 0x1A}, {"sr", 0x1A}, {"bs", 0x1A},
    {"sk", 0x1B}, {"sq", 0x1C}, {"sv", 0x1D}, {"th", 0x1E}, {"tr", 0x1F}, {"ur", 0x20},
    {"id", 0x21}, {"uk", 0x22}, {"be", 0x23}, {"sl", 0x24}, {"et", 0x25}, {"lv", 0x26},
    {"lt", 0x27}, {"fa", 0x29}, {"vi", 0x2A}, {"hy", 0x2B}, {"az", 0x2C}, {"eu", 0x2D},
    {"mk", 0x2F}, {"af", 0x36}, {"ka", 0x37}, {"fo", 0x38}, {"hi", 0x39}, {"mt", 0x3A},
    {"ga", 0x3C}, {"ms", 0x3E}, {"kk", 0x3F}, {"sw", 0x41}, {"bn", 0x45}, {"ta", 0x49},
    {"cy", 0x52}, {"gl", 0x56}, {"lb", 0x6E}, {"br", 0x7E}, {"oc", 0x82}, {"co", 0x83},
    {"gd", 0x91},
}};

std::string CodigoIso(const std::string& sLocale) {
    std::string sCodigo = sLocale.substr(0, sLocale.find_first_of("_.@"));
    for (char& c : sCodigo) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return sCodigo;
}

}  // namespace

int IdiomaPrimarioDeLocale(const std::string& sLocale) {
    const std::string sCodigo = CodigoIso(sLocale);
    if (sCodigo.empty() || sCodigo == "c" || sCodigo == "posix") {
        return 0x00;
    }
    const auto* it = std::find_if(kPrimarios.begin(), kPrimarios.end(),
                                  [&](const Primario& p) { return p.sCodigo == sCodigo; });
    return it != kPrimarios.end() ? it->nPrimario : kPrimarioDesconocido;
}

std::string LocaleDeMensajes() {
    for (const char* sVariable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* sValor = std::getenv(sVariable);
        if (sValor != nullptr && *sValor != '\0') {
            const std::string sTexto(sValor);
            return sTexto.substr(0, sTexto.find(':'));
        }
    }
    return {};
}

int NumeroDeIdioma(int nPrimario) {
    switch (nPrimario) {
        case 0x00:
            return 2;
        case 0x03:
            return 7;
        case 0x07:
            return 4;
        case 0x09:
            return 2;
        case 0x0A:
            return 1;
        case 0x0C:
            return 3;
        case 0x10:
            return 5;
        case 0x13:
            return 4;
        case 0x16:
            return 9;
        case 0x2D:
            return 6;
        default:
            return 1;
    }
}
