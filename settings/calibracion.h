// The correction of each printer: how far every page printed on a CUPS queue is moved and how
// much it is stretched so that the receipt lands where it belongs on the paper. Kept in a file
// of its own beside the settings file ("calibracion.inf"), so that any number of printers
// leaves the settings file's pairs to the settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CalibracionImpresora {
    // Added to every point of the page, in 0.1 mm.
    std::int32_t nDesplazamientoX = 0;
    std::int32_t nDesplazamientoY = 0;
    // Every point's distance from the page's origin is multiplied by these, in hundredths of a
    // percent (10000 leaves it as it is).
    std::int32_t nEscalaX = kEscalaNeutra;
    std::int32_t nEscalaY = kEscalaNeutra;

    static constexpr std::int32_t kEscalaNeutra = 10000;
    // What a printer can plausibly need: 5 cm either way, from 80 % to 125 %. A correction
    // beyond that is a typing mistake, and it would throw the receipt off the sheet.
    static constexpr std::int32_t kDesplazamientoMaximo = 500;
    static constexpr std::int32_t kEscalaMinima = 8000;
    static constexpr std::int32_t kEscalaMaxima = 12500;

    bool Valida() const;
    bool Neutra() const { return *this == CalibracionImpresora{}; }
    friend bool operator==(const CalibracionImpresora&, const CalibracionImpresora&) = default;
};

// "calibracion.inf" in the folder of the settings file.
std::string RutaFicheroCalibracion();

// Whether the text can name a queue in the file: 1 to 127 bytes, no blank or control byte.
bool NombreColaValido(const std::string& sCola);

// The queue's correction; the neutral one for a queue without one, and for a file or a line
// that cannot be read as one.
CalibracionImpresora LeerCalibracion(const std::string& sCola);

// Stores the queue's correction (the neutral one removes its line), under the file's lock and
// with its atomic rewrite. False, and nothing written, for an invalid name or correction or a
// file that cannot be written.
bool GuardarCalibracion(const std::string& sCola, const CalibracionImpresora& calibracion);

// The correction written in a line of the file ("COLA\tdx\tdy\tsx\tsy"), when the line holds a
// valid one for that queue.
std::optional<CalibracionImpresora> CalibracionDeLinea(const std::string& sLinea,
                                                       const std::string& sCola);
