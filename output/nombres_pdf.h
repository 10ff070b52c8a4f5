// The names of the PDF files of a batch's receipts, one file per receipt for e-mailing:
// "<número> <pagador>.pdf", safe on the file systems such files travel to.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "form/recibodata.h"

// The longest name before " (2).pdf", in bytes of UTF-8: with the suffix and a temporary
// file's prefix and suffix it stays within the 255 bytes a file name may take.
inline constexpr std::size_t kMaxBytesNombrePdf = 200;

// The receipt's number and first payer line (without it when empty), in Windows-1252, made
// safe: '/' and '\' become '-'; ':', '*', '?', '"', '<', '>' and '|' become '_'; control
// characters become blanks; leading blanks and dots and trailing blanks and dots go; cut to
// kMaxBytesNombrePdf bytes of UTF-8; a name that Windows keeps for a device (CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9, in either case, alone or before a dot) gets a leading '_';
// "recibo" when nothing is left.
std::string NombreSeguroPdf(const ReciboData& recibo);

// The file names of one batch, in UTF-8, none repeated: the second receipt of a name (compared
// in either case, as some file systems do) gets " (2)", the third " (3)", and so on.
class CNombresPdf {
  public:
    std::string Siguiente(const ReciboData& recibo);

  private:
    std::unordered_set<std::string> m_usados;          // in small letters
    std::unordered_map<std::string, std::size_t> m_n;  // the next suffix to try, by name
};
