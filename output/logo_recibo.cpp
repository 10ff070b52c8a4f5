#include "output/logo_recibo.h"

#include <filesystem>
#include <mutex>
#include <system_error>

#include "platform/services.h"

namespace {

struct FirmaFichero {
    std::string sRuta;
    std::uintmax_t nTamano = 0;
    std::filesystem::file_time_type modificado;
    friend bool operator==(const FirmaFichero&, const FirmaFichero&) = default;
};

// False when the file cannot be examined (missing, unreadable folder). The stored path is
// looked at under the name the file system knows it by.
bool Firmar(const std::string& sRuta, FirmaFichero& firma) {
    const std::filesystem::path fichero(Servicios().FileSystemName(sRuta));
    std::error_code ec;
    firma.sRuta = sRuta;
    firma.nTamano = std::filesystem::file_size(fichero, ec);
    if (ec) {
        return false;
    }
    firma.modificado = std::filesystem::last_write_time(fichero, ec);
    return !ec;
}

}  // namespace

BitmapPtr CargarLogo(const std::string& sRuta) {
    static std::mutex s_mutex;
    static FirmaFichero s_firma;
    static BitmapPtr s_logo;
    const std::lock_guard lock(s_mutex);
    FirmaFichero firma;
    if (!Firmar(sRuta, firma)) {
        return nullptr;
    }
    if (!(firma == s_firma)) {
        s_logo = Servicios().LoadImageFile(sRuta);
        s_firma = firma;
    }
    return s_logo;
}
