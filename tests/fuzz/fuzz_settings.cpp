// Arbitrary bytes as the settings file, then a keyed read and write of an arbitrary key.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ficherostxt.h"
#include "tests/fuzz/carpeta_fuzz.h"
#include "tests/fuzz/comprobar.h"
#include "tests/support/carpeta_temporal.h"

namespace {

std::size_t Cuenta(const std::string& s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepararCarpetaConfiguracion();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider datos(data, size);
    const std::string sSeccion = datos.ConsumeRandomLengthString(40);
    const std::string sClave = datos.ConsumeRandomLengthString(40);
    const std::string sValor = datos.ConsumeRandomLengthString(200);
    const std::string sFichero = datos.ConsumeRemainingBytesAsString();

    const std::string sRuta = RutaFicheroConfiguracion();
    PonerBytes(sRuta, sFichero);
    LeerValor(sSeccion, sClave, "defecto");
    CadenaAEntero(sValor);
    LeerValorEntero(sSeccion, sClave, 7);

    EscribirValor(sSeccion, sClave, sValor);
    const std::string sDespues = BytesDe(sRuta);
    Comprobar(sDespues.size() >= 2, "file written");
    Comprobar(Cuenta(sDespues, '\0') == 1 && sDespues.back() == '\0', "exactly one final NUL");
    Comprobar(sDespues[sDespues.size() - 2] == '\n', "line feed before the NUL");
    Comprobar(Cuenta(sDespues, '\n') % 2 == 0 && Cuenta(sDespues, '\n') <= 200, "whole pairs");
    // The value reads back unless the store was full and the key new.
    std::string sSinSaltos = sValor;
    std::erase(sSinSaltos, '\n');
    std::erase(sSinSaltos, '\0');
    const std::string sLeido = LeerValor(sSeccion, sClave, std::string(1, '\n'));
    Comprobar(sLeido == sSinSaltos || Cuenta(sDespues, '\n') == 200, "value reads back");

    EscribirValorEntero(sSeccion, sClave, CadenaAEntero(sValor));
    Comprobar(LeerValorEntero(sSeccion, sClave, 0) == CadenaAEntero(sValor) ||
                  Cuenta(BytesDe(sRuta), '\n') == 200,
              "integer reads back");
    return 0;
}
