#include "tests/settings/carpeta_temporal.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

CarpetaTemporal::CarpetaTemporal() {
    std::string sPlantilla =
        (std::filesystem::temp_directory_path() / "brixamo-test-XXXXXX").string();
    if (mkdtemp(sPlantilla.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_sRuta = sPlantilla;
    if (const char* s = std::getenv("BRIXAMO_HOME")) {
        m_bHabiaAnterior = true;
        m_sAnterior = s;
    }
    setenv("BRIXAMO_HOME", m_sRuta.c_str(), 1);
}

CarpetaTemporal::~CarpetaTemporal() {
    if (m_bHabiaAnterior) {
        setenv("BRIXAMO_HOME", m_sAnterior.c_str(), 1);
    } else {
        unsetenv("BRIXAMO_HOME");
    }
    std::error_code ec;
    // Tests may leave folders without permissions behind.
    for (const auto& e : std::filesystem::recursive_directory_iterator(m_sRuta, ec)) {
        std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(m_sRuta, ec);
}

std::string BytesDe(const std::string& sRuta) {
    std::ifstream f(sRuta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void PonerBytes(const std::string& sRuta, const std::string& sBytes) {
    std::ofstream f(sRuta, std::ios::binary | std::ios::trunc);
    f.write(sBytes.data(), static_cast<std::streamsize>(sBytes.size()));
}
