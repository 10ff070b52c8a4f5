// The settings file's line model in memory, at full speed: parsing arbitrary text, writing an
// arbitrary pair and rebuilding the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/lineas.h"
#include "tests/fuzz/comprobar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider datos(data, size);
    std::string sClave = "S - " + datos.ConsumeRandomLengthString(40);
    std::string sValor = datos.ConsumeRandomLengthString(100);
    std::erase(sClave, '\n');
    std::erase(sValor, '\n');
    CLineasConfiguracion lineas(datos.ConsumeRemainingBytesAsString());

    const std::string* sAntes = lineas.Buscar(sClave);
    const bool bEstaba = sAntes != nullptr;
    lineas.Escribir(sClave, sValor);
    const std::string sTexto = lineas.Texto();
    const auto nLineas = std::count(sTexto.begin(), sTexto.end(), '\n');
    Comprobar(nLineas % 2 == 0 && nLineas <= CLineasConfiguracion::kMaxLineas, "whole pairs");
    Comprobar(sTexto.empty() || sTexto.back() == '\n', "ends with a line feed");

    const CLineasConfiguracion releidas(sTexto);
    Comprobar(releidas.Texto() == sTexto, "a rewrite reads back as itself");
    const std::string* sLeido = releidas.Buscar(sClave);
    if (bEstaba || nLineas < CLineasConfiguracion::kMaxLineas) {
        Comprobar(sLeido != nullptr && *sLeido == sValor, "written value reads back");
    }
    return 0;
}
