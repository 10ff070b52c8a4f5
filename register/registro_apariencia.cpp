// The look of a print job in the register: its columns in the job, its logo kept once per
// distinct picture.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <span>

#include "register/registro.h"
#include "register/registro_sql.h"

namespace registro {

namespace {

// The pixels as stored: four bytes each, least significant first. On a little-endian machine
// that is how they lie in memory, and the logo's own bytes are used; elsewhere, a copy.
class BytesDePixeles {
  public:
    explicit BytesDePixeles(const std::vector<std::uint32_t>& pixeles) {
        if constexpr (std::endian::native == std::endian::little) {
            m_bytes = {reinterpret_cast<const std::uint8_t*>(pixeles.data()), pixeles.size() * 4};
        } else {
            m_copia.reserve(pixeles.size() * 4);
            for (const std::uint32_t p : pixeles) {
                for (int i = 0; i < 4; ++i) {
                    m_copia.push_back(static_cast<std::uint8_t>(p >> (8 * i)));
                }
            }
            m_bytes = m_copia;
        }
    }
    // The bytes may lie in the object itself: it is not copied.
    BytesDePixeles(const BytesDePixeles&) = delete;
    BytesDePixeles& operator=(const BytesDePixeles&) = delete;
    std::span<const std::uint8_t> Bytes() const { return m_bytes; }

  private:
    std::vector<std::uint8_t> m_copia;
    std::span<const std::uint8_t> m_bytes;
};

std::vector<std::uint32_t> PixelesDeBytes(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint32_t> pixeles(bytes.size() / 4);
    if constexpr (std::endian::native == std::endian::little) {
        if (!pixeles.empty()) {
            std::memcpy(pixeles.data(), bytes.data(), pixeles.size() * 4);
        }
    } else {
        for (std::size_t i = 0; i < pixeles.size(); ++i) {
            for (int k = 0; k < 4; ++k) {
                pixeles[i] |= static_cast<std::uint32_t>(bytes[4 * i + k]) << (8 * k);
            }
        }
    }
    return pixeles;
}

// FNV-1a over the size and the stored bytes: it finds the candidates, the bytes decide.
std::int64_t Huella(const LogoRegistrado& logo, std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    auto mezclar = [&h](std::uint8_t b) { h = (h ^ b) * 1099511628211ull; };
    for (const std::int32_t nLado : {logo.nAncho, logo.nAlto}) {
        for (int i = 0; i < 4; ++i) {
            mezclar(static_cast<std::uint8_t>(static_cast<std::uint32_t>(nLado) >> (8 * i)));
        }
    }
    for (const std::uint8_t b : bytes) {
        mezclar(b);
    }
    return static_cast<std::int64_t>(h);
}

// Whether the logo kept in row nId holds these bytes, read a piece at a time from the stored
// blob rather than copied whole.
bool MismosBytes(sqlite3* db, std::int64_t nId, std::span<const std::uint8_t> bytes) {
    sqlite3_blob* pBlob = nullptr;
    const int rc = sqlite3_blob_open(db, "main", "logos", "pixeles", nId, 0, &pBlob);
    const std::unique_ptr<sqlite3_blob, decltype(&sqlite3_blob_close)> blob(pBlob,
                                                                            sqlite3_blob_close);
    if (rc != SQLITE_OK) {
        Fallar(db, sqlite3_extended_errcode(db));
    }
    bool bIguales = static_cast<std::size_t>(sqlite3_blob_bytes(pBlob)) == bytes.size();
    std::vector<std::uint8_t> trozo(std::size_t{64} * 1024);
    for (std::size_t n = 0; bIguales && n < bytes.size(); n += trozo.size()) {
        const auto nTrozo = static_cast<int>(std::min(trozo.size(), bytes.size() - n));
        if (sqlite3_blob_read(pBlob, trozo.data(), nTrozo, static_cast<int>(n)) != SQLITE_OK) {
            Fallar(db, sqlite3_extended_errcode(db));
        }
        bIguales =
            std::memcmp(trozo.data(), bytes.data() + n, static_cast<std::size_t>(nTrozo)) == 0;
    }
    return bIguales;
}

// The logo's row: the one already kept with the same pixels, or a new one.
std::int64_t IdLogo(sqlite3* db, const LogoRegistrado& logo) {
    const BytesDePixeles pixeles(logo.pixeles);
    const std::span<const std::uint8_t> bytes = pixeles.Bytes();
    const std::int64_t nHuella = Huella(logo, bytes);
    Sentencia buscar(db, "SELECT id FROM logos WHERE huella = ?1 AND ancho = ?2 AND alto = ?3");
    buscar.Entero(1, nHuella);
    buscar.Entero(2, logo.nAncho);
    buscar.Entero(3, logo.nAlto);
    while (buscar.Paso()) {
        if (MismosBytes(db, buscar.Entero(0), bytes)) {
            return buscar.Entero(0);
        }
    }
    Sentencia insertar(db,
                       "INSERT INTO logos (huella, ancho, alto, pixeles) VALUES (?1, ?2, ?3, ?4)");
    insertar.Entero(1, nHuella);
    insertar.Entero(2, logo.nAncho);
    insertar.Entero(3, logo.nAlto);
    insertar.Bytes(4, bytes);
    insertar.Paso();
    return sqlite3_last_insert_rowid(db);
}

bool LogoValido(const LogoRegistrado& logo) {
    return logo.nAncho > 0 && logo.nAlto > 0 &&
           logo.pixeles.size() ==
               static_cast<std::size_t>(logo.nAncho) * static_cast<std::size_t>(logo.nAlto);
}

}  // namespace

const char* const kColumnasApariencia =
    "color, rayado, texto_libre_1, texto_libre_2, texto_libre_3, importe_en_letra, logo";

void PonerApariencia(sqlite3* db, Sentencia& st, int n,
                     const std::optional<AparienciaRegistrada>& apariencia) {
    if (!apariencia) {
        for (int i = 0; i < kNumColumnasApariencia; ++i) {
            st.Nulo(n + i);
        }
        return;
    }
    st.Entero(n, apariencia->nColor);
    st.Entero(n + 1, apariencia->bRayado ? 1 : 0);
    for (int i = 0; i < 3; ++i) {
        st.Texto(n + 2 + i, apariencia->textosLibres[static_cast<std::size_t>(i)]);
    }
    st.Entero(n + 5, apariencia->bImporteEnLetra ? 1 : 0);
    if (apariencia->logo && LogoValido(*apariencia->logo)) {
        st.Entero(n + 6, IdLogo(db, *apariencia->logo));
    } else {
        st.Nulo(n + 6);
    }
}

std::optional<AparienciaRegistrada> LeerApariencia(sqlite3* db, std::int64_t nRecibo) {
    Sentencia st(db,
                 "SELECT t.color, t.rayado, t.texto_libre_1, t.texto_libre_2, t.texto_libre_3, "
                 "t.importe_en_letra, l.ancho, l.alto, l.pixeles FROM recibos r "
                 "JOIN trabajos t ON t.id = r.trabajo LEFT JOIN logos l ON l.id = t.logo "
                 "WHERE r.id = ?1");
    st.Entero(1, nRecibo);
    if (!st.Paso() || st.EsNulo(0)) {
        return std::nullopt;
    }
    AparienciaRegistrada a;
    a.nColor = static_cast<std::uint32_t>(st.Entero(0)) & 0xFFFFFF;
    a.bRayado = st.Entero(1) != 0;
    a.textosLibres = {st.Texto(2), st.Texto(3), st.Texto(4)};
    a.bImporteEnLetra = st.Entero(5) != 0;
    if (!st.EsNulo(6)) {
        auto logo = std::make_shared<LogoRegistrado>();
        logo->nAncho = static_cast<std::int32_t>(st.Entero(6));
        logo->nAlto = static_cast<std::int32_t>(st.Entero(7));
        logo->pixeles = PixelesDeBytes(st.Bytes(8));
        if (LogoValido(*logo)) {
            a.logo = std::move(logo);
        }
    }
    return a;
}

}  // namespace registro

bool operator==(const AparienciaRegistrada& a, const AparienciaRegistrada& b) {
    const bool bMismoLogo = a.logo == b.logo || (a.logo && b.logo && *a.logo == *b.logo);
    return bMismoLogo && a.nColor == b.nColor && a.bRayado == b.bRayado &&
           a.textosLibres == b.textosLibres && a.bImporteEnLetra == b.bImporteEnLetra;
}
