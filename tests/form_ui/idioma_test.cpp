// Captions and labels in the user's language.
#include <gtest/gtest.h>

#include "form/campos.h"
#include "lang/idiomas.h"
#include "settings/ficherostxt.h"
#include "tests/form_ui/formulario.h"

namespace {

constexpr int kBotonesDelIdioma[] = {IDC_BUTTON_FONDO,   IDC_BUTTON_COLOR,    IDC_BUTTON_LOGOTIPO,
                                     IDC_BUTTON_MONEDA,  IDC_BUTTON_DEFECTO,  IDC_BUTTON_EDITAR,
                                     IDC_BUTTON_ACEPTAR, IDC_BUTTON_CANCELAR, IDC_BUTTON_IMPRIMIR};

// Languages 3 to 9 have no texts of their own: the form shows the Spanish ones, not blanks.
TEST_F(FormularioTest, UnUsuarioFrancesVeLosTextosEspanoles) {
    IdiomaUsuario frances("fr_FR.UTF-8");
    GuardarMonedaEspanola();
    Abrir();
    EXPECT_EQ(LeerValorEntero("Aplicacion Recibos", "Idioma", 0), 3);
    EXPECT_EQ(Texto(IDC_BUTTON_FONDO), "Fondo");
    EXPECT_EQ(Texto(IDC_BUTTON_EDITAR), "Editar Conceptos");
    EXPECT_EQ(Texto(IDC_BUTTON_IMPRIMIR), "Imprimir");
    EXPECT_EQ(Texto(IDC_EDIT_DEF_NUMERO), "numero");
    EXPECT_EQ(Texto(IDC_EDIT_DEF_DOMICILIO), "domicilio");
    for (const int id : kBotonesDelIdioma) {
        EXPECT_FALSE(Texto(id).empty()) << id;
    }
    for (const CampoEtiqueta& etiqueta : kEtiquetas) {
        EXPECT_FALSE(Texto(etiqueta.nControl).empty()) << etiqueta.nControl;
    }
}

TEST_F(FormularioTest, UnIdiomaFueraDeRangoMuestraError) {
    GuardarMonedaEspanola();
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 10);
    Abrir();
    for (const int id : kBotonesDelIdioma) {
        EXPECT_EQ(Texto(id), "ERROR") << id;
    }
    for (const CampoEtiqueta& etiqueta : kEtiquetas) {
        EXPECT_EQ(Texto(etiqueta.nControl), "ERROR") << etiqueta.nControl;
    }
    EXPECT_EQ(Texto(IDC_BUTTON_VISTA), "Vista Previa");
    EXPECT_EQ(LeerValorEntero("Aplicacion Recibos", "Idioma", 0), 10);
}

TEST_F(FormularioTest, ElIngles2CambiaLaEtiquetaDelImporte) {
    GuardarMonedaEspanola();
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 2);
    Abrir();
    EXPECT_EQ(Texto(IDC_EDIT_DEF_IMPORTE), "importe euros");
    EXPECT_EQ(Texto(IDC_BUTTON_DEFECTO), "Set Default");
}

}  // namespace
