// Writes the seed corpus of the remittance fuzzer into the folder it is given: debtors' columns
// and a receipt, cut by '|' in the fuzzer's order (IBAN, BIC, mandate, its date, sequence,
// holder, number, first payer line, two concepts), one of each kind a batch holds.
//     semillas_remesa FOLDER
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::initializer_list<const char*> filas = {
        "ES9121000418450200051332|CAIXESBB|M-1|2024-01-15|FRST|Ana Souto|1|Ana Souto|Cuota|Agua",
        "es91 2100 0418 4502 0005 1332||M-2|15/01/2024||||Jos\xC3\xA9 Pe\xC3\xB1"
        "a|Cuota de "
        "enero; derrama|",
        "DE89370400440532013000|COBADEFFXXX|MANDATO-35-CARACTERES-EXACTAMENTE|2020-02-29|RCUR|"
        "M\xFCller|A/7|M\xFCller|Miete|",
        "FR1420041010050500013M02606||M3|2023-12-31|OOFF|Fran\xE7ois|X-1|Fran\xE7ois|Loyer|",
        "ES00 0000 0000 0000 0000 0000|caixesbb|M4|2099-01-01|FNAL|T|2|T|Cuota|",
        "GB82WEST12345698765432|NWBKGB2L|M5|1/1/2024|rcur|  |3||\xE2\x82\xAC & < >|",
    };
    int n = 0;
    for (const char* sFila : filas) {
        std::ofstream(std::string(argv[1]) + "/adeudo-" + std::to_string(++n), std::ios::binary)
            << sFila;
    }
    return 0;
}
