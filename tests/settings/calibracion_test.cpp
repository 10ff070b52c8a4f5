// The printers' corrections file: stored and read back per queue, other queues and the settings
// file left alone, and whatever the file holds never taken for more than a valid correction.
#include "settings/calibracion.h"

#include <gtest/gtest.h>

#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"

namespace {

constexpr CalibracionImpresora kOficina{-30, 15, 10204, 9950};
constexpr CalibracionImpresora kAlmacen{5, 0, 10000, 10100};

TEST(CalibracionTest, EachQueueKeepsItsOwnCorrectionBesideTheSettingsFile) {
    CarpetaTemporal carpeta;
    EXPECT_EQ(RutaFicheroCalibracion(), carpeta.Ruta() + "/calibracion.inf");
    EXPECT_TRUE(LeerCalibracion("Oficina").Neutra());
    ASSERT_TRUE(GuardarCalibracion("Oficina", kOficina));
    ASSERT_TRUE(GuardarCalibracion("Almacen", kAlmacen));
    EXPECT_EQ(LeerCalibracion("Oficina"), kOficina);
    EXPECT_EQ(LeerCalibracion("Almacen"), kAlmacen);
    EXPECT_TRUE(LeerCalibracion("Oficin").Neutra());  // names match whole
    // Storing again replaces the line; the neutral correction removes it.
    ASSERT_TRUE(GuardarCalibracion("Oficina", kAlmacen));
    EXPECT_EQ(LeerCalibracion("Oficina"), kAlmacen);
    ASSERT_TRUE(GuardarCalibracion("Oficina", {}));
    EXPECT_TRUE(LeerCalibracion("Oficina").Neutra());
    EXPECT_EQ(LeerCalibracion("Almacen"), kAlmacen);
    EXPECT_EQ(BytesDe(RutaFicheroCalibracion()), "Almacen\t5\t0\t10000\t10100\n");
    // Nothing went into the settings file.
    EXPECT_EQ(BytesDe(carpeta.Fichero()), "");
}

// A hundred printers leave the settings file's pairs to the settings.
TEST(CalibracionTest, ManyPrintersDoNotPushSettingsOut) {
    CarpetaTemporal carpeta;
    ajustes::kFileLogo.Escribir("logo.bmp");
    for (int n = 0; n < 120; ++n) {
        ASSERT_TRUE(GuardarCalibracion("Cola" + std::to_string(n), kOficina));
    }
    EXPECT_EQ(ajustes::kFileLogo.Leer(), "logo.bmp");
    EXPECT_EQ(LeerCalibracion("Cola119"), kOficina);
    EXPECT_EQ(LeerCalibracion("Cola0"), kOficina);
}

TEST(CalibracionTest, InvalidNamesAndCorrectionsAreRefusedAndNothingIsWritten) {
    CarpetaTemporal carpeta;
    for (const std::string& sNombre :
         {std::string(), std::string("Dos palabras"), std::string("tab\there"),
          std::string("linea\nnueva"), std::string(128, 'x')}) {
        EXPECT_FALSE(NombreColaValido(sNombre)) << sNombre;
        EXPECT_FALSE(GuardarCalibracion(sNombre, kOficina)) << sNombre;
    }
    EXPECT_TRUE(NombreColaValido(std::string(127, 'x')));
    for (const CalibracionImpresora& c :
         {CalibracionImpresora{501, 0, 10000, 10000}, CalibracionImpresora{0, -501, 10000, 10000},
          CalibracionImpresora{0, 0, 7999, 10000}, CalibracionImpresora{0, 0, 10000, 12501}}) {
        EXPECT_FALSE(GuardarCalibracion("Oficina", c));
    }
    EXPECT_TRUE(GuardarCalibracion("Oficina", {500, -500, 8000, 12500}));
    EXPECT_EQ(BytesDe(RutaFicheroCalibracion()), "Oficina\t500\t-500\t8000\t12500\n");
}

struct FilaFichero : Fila {
    const char* sContenido;
    CalibracionImpresora esperada;  // for the queue "Oficina"
};

const FilaFichero kFicheros[] = {
    {"Valid", "Oficina\t-30\t15\t10204\t9950\n", kOficina},
    {"NoFinalLineFeed", "Oficina\t-30\t15\t10204\t9950", kOficina},
    {"AfterOtherQueues", "Almacen\t1\t2\t10000\t10000\nOficina\t-30\t15\t10204\t9950\n", kOficina},
    {"MissingField", "Oficina\t-30\t15\t10204\n", {}},
    {"ExtraField", "Oficina\t-30\t15\t10204\t9950\t7\n", {}},
    {"NotANumber", "Oficina\t-30\tx\t10204\t9950\n", {}},
    {"TrailingGarbage", "Oficina\t-30\t15\t10204\t9950x\n", {}},
    {"Overflow", "Oficina\t99999999999\t15\t10204\t9950\n", {}},
    {"OutOfRange", "Oficina\t-30\t15\t30000\t9950\n", {}},
    {"Empty", "", {}},
    {"Binary", "\x01\x02\xFF\x00Oficina\t1", {}},
    {"Blanks", "Oficina \t-30\t15\t10204\t9950\n", {}},
};

class CalibracionFicheroTest : public ::testing::TestWithParam<FilaFichero> {};

TEST_P(CalibracionFicheroTest, WhatTheFileHoldsIsReadOrIgnored) {
    CarpetaTemporal carpeta;
    PonerBytes(RutaFicheroCalibracion(), GetParam().sContenido);
    EXPECT_EQ(LeerCalibracion("Oficina"), GetParam().esperada);
    // Storing another queue keeps the readable lines of the others.
    ASSERT_TRUE(GuardarCalibracion("Nueva", kAlmacen));
    EXPECT_EQ(LeerCalibracion("Nueva"), kAlmacen);
    EXPECT_EQ(LeerCalibracion("Oficina"), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Ficheros, CalibracionFicheroTest, ::testing::ValuesIn(kFicheros),
                         ::testing::PrintToStringParamName());

}  // namespace
