// The entry point: the command line first, then the form.
#include "app/linea_comandos.h"
#include "app/plataforma_app.h"
#include "app/reciboapp.h"

int main(int argc, char** argv) {
    if (auto rc = EjecutarLineaComandos(argc, argv)) {
        return *rc;
    }
    CPlataformaApp plataforma(argc, argv);
    CReciboApp app;
    app.InitInstance();
    return 0;
}
