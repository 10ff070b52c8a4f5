// Writes the seed corpus of the command-line fuzzer into the folder it is given: one line of
// each kind the program takes, its words parted by NUL bytes.
//     semillas_linea_comandos FOLDER
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::initializer_list<std::initializer_list<const char*>> lineas = {
        {"--pdf=recibo.pdf"},
        {"--print", "cola"},
        {"--batch", "pagos.csv", "--dry-run"},
        {"--batch=pagos.csv", "--pdf", "lote.pdf"},
        {"--batch", "pagos.csv", "--period=2027-01", "--pdf-dir", "recibos", "--force"},
        {"--list", "--from", "2026-01-01", "--to=2026-12-31", "--payer", "ana", "--csv"},
        {"--reprint=12", "--pdf", "copia.pdf"},
        {"--export", "registro.csv"},
        {"--backup", "copia.sqlite"},
        {"-hv", "--", "-x"},
    };
    int n = 0;
    for (const auto& palabras : lineas) {
        std::string s;
        for (const char* sPalabra : palabras) {
            s += (s.empty() ? "" : std::string(1, '\0')) + sPalabra;
        }
        std::ofstream(std::string(argv[1]) + "/linea-" + std::to_string(++n), std::ios::binary)
            << s;
    }
    return 0;
}
