// Arbitrary bytes as the printers' corrections file, then a read and a write of an arbitrary
// queue: what is read is neutral or valid, what is written reads back, and the other queues'
// readable lines stay.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/calibracion.h"
#include "tests/fuzz/carpeta_fuzz.h"
#include "tests/fuzz/comprobar.h"
#include "tests/support/carpeta_temporal.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepararCarpetaConfiguracion();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider datos(data, size);
    const std::string sCola = datos.ConsumeRandomLengthString(40);
    const std::string sOtra = datos.ConsumeRandomLengthString(40);
    const CalibracionImpresora nueva{
        datos.ConsumeIntegral<std::int32_t>(), datos.ConsumeIntegral<std::int32_t>(),
        datos.ConsumeIntegral<std::int32_t>(), datos.ConsumeIntegral<std::int32_t>()};
    PonerBytes(RutaFicheroCalibracion(), datos.ConsumeRemainingBytesAsString());

    const CalibracionImpresora leida = LeerCalibracion(sCola);
    Comprobar(leida.Valida(), "a correction read is valid");
    const CalibracionImpresora otra = LeerCalibracion(sOtra);

    const bool bGuardada = GuardarCalibracion(sCola, nueva);
    Comprobar(bGuardada == (NombreColaValido(sCola) && nueva.Valida()),
              "a valid name and correction are stored, nothing else");
    if (bGuardada) {
        Comprobar(LeerCalibracion(sCola) == nueva, "what is stored reads back");
        if (sOtra != sCola) {
            Comprobar(LeerCalibracion(sOtra) == otra, "another queue's correction stays");
        }
    }
    return 0;
}
