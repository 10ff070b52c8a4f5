// The look as the register keeps it: back from the register, it draws the same receipt.
#include <gtest/gtest.h>

#include <memory>

#include "output/apariencia_recibo.h"
#include "output/dibujarrecibo.h"
#include "platform/recording_device.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/recibo_prueba.h"

namespace {

AparienciaRecibo ConLogo() {
    auto logo = std::make_shared<Bitmap>();
    logo->width = 4;
    logo->height = 3;
    logo->bitsPerPixel = 24;
    for (std::uint32_t i = 0; i < 12; ++i) {
        logo->pixels.push_back(0x102030u * i);
    }
    AparienciaRecibo a;
    a.color = RGB(10, 20, 30);
    a.bRayado = true;
    a.textosLibres = {"Uno", "", "Tr\xE9s"};
    a.bImporteEnLetra = true;
    a.logo = std::move(logo);
    return a;
}

std::vector<RecordedCall> Dibujado(const AparienciaRecibo& a) {
    RecordingDevice dc;
    DibujarRecibo(ReciboCompleto(), a, Ajustes(MonedaDePrueba{}), dc);
    return dc.Calls();
}

TEST(AparienciaRegistroTest, BackFromTheRegisterItDrawsTheSameReceipt) {
    AparienciaRecibo grande = ConLogo();
    auto logo = std::make_shared<Bitmap>();
    logo->width = 310;
    logo->height = 760;
    for (std::uint32_t i = 0; i < 310u * 760u; ++i) {
        logo->pixels.push_back(i & 0xFFFFFF);
    }
    grande.logo = logo;
    for (const AparienciaRecibo& original : {ConLogo(), grande, AparienciaRecibo{}}) {
        const AparienciaRecibo vuelta = DelRegistro(ComoSeRegistra(original));
        EXPECT_EQ(vuelta.color, original.color);
        EXPECT_EQ(vuelta.textosLibres, original.textosLibres);
        ASSERT_EQ(vuelta.logo == nullptr, original.logo == nullptr);
        const std::vector<RecordedCall> a = Dibujado(original), b = Dibujado(vuelta);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].kind, b[i].kind) << i;
            EXPECT_EQ(a[i].rect, b[i].rect) << i;
            EXPECT_EQ(a[i].text, b[i].text) << i;
            EXPECT_EQ(a[i].brush, b[i].brush) << i;
            EXPECT_EQ(a[i].source, b[i].source) << i;
        }
        if (original.logo && original.logo->width <= 300) {
            EXPECT_EQ(vuelta.logo->pixels, original.logo->pixels);
        }
    }
}

// Of a logo larger than a receipt shows, the register keeps the part shown.
TEST(AparienciaRegistroTest, OfALargeLogoThePartShownIsKept) {
    auto logo = std::make_shared<Bitmap>();
    logo->width = 400;
    logo->height = 800;
    for (std::uint32_t i = 0; i < 400u * 800u; ++i) {
        logo->pixels.push_back(i);
    }
    AparienciaRecibo a;
    a.logo = logo;
    const AparienciaRegistrada r = ComoSeRegistra(a);
    ASSERT_TRUE(r.logo);
    EXPECT_EQ(r.logo->nAncho, 300);
    EXPECT_EQ(r.logo->nAlto, 750);
    ASSERT_EQ(r.logo->pixeles.size(), 300u * 750u);
    EXPECT_EQ(r.logo->pixeles[300 * 749 + 299], 400u * 749 + 299);
    EXPECT_EQ(r.logo->pixeles[301], 401u);
}

// A receipt registered before looks were kept reprints in the look in force, and says so.
TEST(AparienciaRegistroTest, WithoutARecordedLookTheLookInForce) {
    CarpetaTemporal carpeta;
    ajustes::kColorR.Escribir(255);
    ReciboRegistrado r;
    bool bActual = false;
    EXPECT_EQ(AparienciaDeRegistrado(r, bActual).color, RGB(255, 255, 255));
    EXPECT_TRUE(bActual);
    r.apariencia = ComoSeRegistra(ConLogo());
    EXPECT_EQ(AparienciaDeRegistrado(r, bActual).color, RGB(10, 20, 30));
    EXPECT_FALSE(bActual);
}

}  // namespace
