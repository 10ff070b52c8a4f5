// The receipt-number increment on arbitrary text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "form/numero.h"
#include "tests/fuzz/comprobar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sNumero(reinterpret_cast<const char*>(data), size);
    const std::string sSiguiente = SiguienteNumero(sNumero);
    const std::string sRun = PrimerNumero(sNumero);
    if (sRun.empty()) {
        Comprobar(sSiguiente == (sNumero == "0" ? "1" : sNumero + "1"), "no run: appends 1");
        return 0;
    }
    const std::size_t nInicio = sNumero.find(sRun);
    const std::string sNuevoRun = PrimerNumero(sSiguiente);
    Comprobar(sSiguiente.compare(0, nInicio, sNumero, 0, nInicio) == 0, "text before the run");
    Comprobar(
        sSiguiente.substr(nInicio + sNuevoRun.size()) == sNumero.substr(nInicio + sRun.size()),
        "text after the run");
    Comprobar(sNuevoRun.size() == sRun.size() || (sNuevoRun.size() == sRun.size() + 1 &&
                                                  sRun.find_first_not_of('9') == std::string::npos),
              "run grows only when all nines");
    // Adding the last digits back checks the sum modulo 10^k.
    const std::size_t k = std::min<std::size_t>(sRun.size(), 9);
    const long nAntes = std::strtol(sRun.substr(sRun.size() - k).c_str(), nullptr, 10);
    const long nDespues = std::strtol(sNuevoRun.substr(sNuevoRun.size() - k).c_str(), nullptr, 10);
    Comprobar((nAntes + 1) % std::stol("1" + std::string(k, '0')) == nDespues, "run plus one");
    return 0;
}
