#include "tests/support/carpeta_temporal.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string CarpetaNueva() {
    std::string sPlantilla =
        (std::filesystem::temp_directory_path() / "brixamo-test-XXXXXX").string();
    if (mkdtemp(sPlantilla.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    return sPlantilla;
}

}  // namespace

CarpetaTemporal::CarpetaTemporal() : m_sRuta(CarpetaNueva()), m_home{{"BRIXAMO_HOME", m_sRuta}} {}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ec;
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

bool FormatoIntacto(const std::string& sBytes) {
    return sBytes.size() >= 2 && sBytes.find('\0') == sBytes.size() - 1 &&
           sBytes[sBytes.size() - 2] == '\n' &&
           std::count(sBytes.begin(), sBytes.end(), '\n') % 2 == 0;
}
