// Time of formatting and parsing one amount, in nanoseconds per call.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "money/globalcurrency.h"

namespace {

constexpr int kVueltas = 1000000;

template <typename F>
double NanosegundosPorVuelta(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kVueltas; ++i) {
        f(i);
    }
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / kVueltas;
}

void Medir(const char* sNombre, std::int64_t nValor) {
    CGlobalCurrency cu;
    cu.SetValor(nValor);
    const std::string sTexto = cu.TextoFormulario();
    std::size_t nSumidero = 0;
    const double nsFormato =
        NanosegundosPorVuelta([&](int) { nSumidero += cu.TextoFormulario().size(); });
    CGlobalCurrency cuLeido;
    const double nsAnalisis = NanosegundosPorVuelta([&](int) {
        cuLeido.AsignarTexto(sTexto);
        nSumidero += static_cast<std::size_t>(cuLeido.Valor() & 1);
    });
    const double nsAmbos = NanosegundosPorVuelta([&](int i) {
        cu.SetValor(nValor + i % 100);
        cuLeido.AsignarTexto(cu.TextoFormulario());
        nSumidero += static_cast<std::size_t>(cuLeido.Valor() & 1);
    });
    std::printf("%-10s %-24s format %7.1f ns  parse %7.1f ns  format+parse %7.1f ns  (%zu)\n",
                sNombre, sTexto.c_str(), nsFormato, nsAnalisis, nsAmbos, nSumidero % 10);
}

}  // namespace

int main() {
    // The setters write the settings file: keep it in a folder of our own.
    std::string sCarpeta =
        (std::filesystem::temp_directory_path() / "brixamo-bench-XXXXXX").string();
    if (mkdtemp(sCarpeta.data()) == nullptr) {
        return 1;
    }
    setenv("BRIXAMO_HOME", sCarpeta.c_str(), 1);
    CGlobalCurrency::SetSeparadorDecimal(",");
    CGlobalCurrency::SetSeparadorMiles(".");
    CGlobalCurrency::SetDecimales(2);
    CGlobalCurrency::SetModoPositivo(3);
    CGlobalCurrency::SetModoNegativo(8);
    CGlobalCurrency::SetSimbolo("\x80");

    Medir("small", 123400);
    Medir("typical", 123456700);
    Medir("negative", -98765432100);
    Medir("largest", INT64_MAX);

    std::filesystem::remove_all(sCarpeta);
    return 0;
}
