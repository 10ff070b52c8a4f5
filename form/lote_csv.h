// The file of a batch of receipts: a CSV table whose first row names the columns. Quoted
// fields with separators, quotes and line breaks; ',' or ';' as the separator, told from the
// header; UTF-8 (with or without a byte-order mark) or Windows-1252, told from the bytes. The
// fields come out in Windows-1252, as the program keeps its texts; the messages of its faults
// are UTF-8, for the terminal.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/texto1252.h"

// Limits that keep a hostile file from taking the machine's memory or time.
inline constexpr std::size_t kMaxBytesLote = std::size_t{64} << 20;
inline constexpr std::size_t kMaxBytesCampo = 4096;
inline constexpr std::size_t kMaxColumnasLote = 64;
inline constexpr std::size_t kMaxFilasLote = 100000;

// A fault of the batch file, with the line of the file where the record holding it begins
// (0: the file as a whole) and the column's name (empty: the record as a whole). The message
// is UTF-8.
class ErrorLote : public std::runtime_error {
  public:
    ErrorLote(std::size_t nLinea, std::string sColumna, const std::string& sMensaje)
        : std::runtime_error(sMensaje), m_nLinea(nLinea), m_sColumna(std::move(sColumna)) {}
    std::size_t Linea() const { return m_nLinea; }
    const std::string& Columna() const { return m_sColumna; }

  private:
    std::size_t m_nLinea;
    std::string m_sColumna;
};

// "pagos.csv:14: IMPORTE_2: '12,5,0' no es un importe", the line and column left out when the
// fault has none.
std::string TextoErrorLote(const std::string& sFichero, const ErrorLote& error);

// The whole file, refused when it cannot be read or is larger than kMaxBytesLote.
std::string LeerFicheroLote(const std::string& sRuta);

enum class CodificacionLote { kUtf8, kWindows1252 };

class LectorCsv {
  public:
    // Detects the encoding and the separator and reads the header. Throws ErrorLote for an empty
    // or binary file and for a header with a nameless column.
    explicit LectorCsv(std::string sBytes);

    const std::vector<std::string>& Cabecera() const { return m_cabecera; }
    char Separador() const { return m_cSeparador; }
    CodificacionLote Codificacion() const { return m_codificacion; }

    // The next data row, one field per column of the header, in Windows-1252; false after the
    // last one. Rows whose fields are all empty are skipped. Line breaks and tabs inside a field
    // become blanks (a receipt's field is one line). Throws ErrorLote.
    bool SiguienteFila(std::vector<std::string>& campos);
    // The line where the row last returned begins.
    std::size_t Linea() const { return m_nLineaFila; }
    // Back to the first data row.
    void Rebobinar();

  private:
    bool LeerRegistro(std::vector<std::string>& campos);
    void LeerCampo(std::string& sCampo, std::size_t nColumna);
    void LeerCampoEntreComillas(std::string& sCampo, std::size_t nColumna);
    void AnadirByte(std::string& sCampo, char c, std::size_t nColumna);
    std::string NombreColumna(std::size_t nColumna) const;
    void Convertir(std::string& sCampo, std::size_t nColumna) const;

    std::string m_sBytes;
    std::size_t m_nPos = 0;
    std::size_t m_nLinea = 1;
    std::size_t m_nLineaFila = 0;
    std::size_t m_nInicioDatos = 0;
    std::size_t m_nLineaDatos = 1;
    std::size_t m_nFilas = 0;
    char m_cSeparador = ';';
    CodificacionLote m_codificacion = CodificacionLote::kUtf8;
    std::vector<std::string> m_cabecera;
};
