// CargarBitmapYPaleta over a services double that serves bitmaps by id.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "output/bitmaputilitis.h"
#include "platform/services.h"

namespace {

// Serves only resource bitmaps; every other service is unused here.
class ServiciosDeRecursos : public Services {
  public:
    ServiciosDeRecursos() { SetServicios(this); }
    ~ServiciosDeRecursos() override { SetServicios(nullptr); }

    std::map<int, BitmapPtr> recursos;
    std::vector<int> pedidos;

    BitmapPtr LoadResourceBitmap(int id) override {
        pedidos.push_back(id);
        const auto found = recursos.find(id);
        return found == recursos.end() ? nullptr : found->second;
    }

    std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate&, CDialog&) override {
        return nullptr;
    }
    int RunModal(CDialog&) override { return IDCANCEL; }
    void MessageBox(const std::string&) override {}
    std::optional<COLORREF> ChooseColor() override { return std::nullopt; }
    std::optional<std::string> GetOpenFileName(const std::string&, const std::string&,
                                               const std::vector<FileFilter>&) override {
        return std::nullopt;
    }
    std::unique_ptr<PrintDevice> PrintSetup() override { return nullptr; }
    bool ShellOpen(const std::string&) override { return false; }
    bool OpenInImageEditor(const std::string&) override { return false; }
    BitmapPtr LoadImageFile(const std::string&) override { return nullptr; }
    Date Today() override { return {}; }
    std::string ShortDateText(const Date&) override { return {}; }
    std::string CurrentDirectory() override { return {}; }
};

BitmapPtr Indexado(int bits, int coloresUsados, std::vector<std::uint32_t> tabla) {
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->width = 2;
    bitmap->height = 1;
    bitmap->bitsPerPixel = bits;
    bitmap->colorsUsed = coloresUsados;
    bitmap->colorTable = std::move(tabla);
    bitmap->pixels = {bitmap->colorTable.front(), bitmap->colorTable.back()};
    return bitmap;
}

std::vector<std::uint32_t> Rampa(int n) {
    std::vector<std::uint32_t> tabla;
    for (int i = 0; i < n; ++i) {
        tabla.push_back(static_cast<std::uint32_t>(i) * 0x010101u);
    }
    return tabla;
}

class CargarBitmap : public ::testing::Test {
  protected:
    ServiciosDeRecursos servicios;
    BitmapPtr bitmap;
    Palette paleta;
};

TEST_F(CargarBitmap, UnBitConDosColoresDaPaletaDeEsosDos) {
    servicios.recursos[147] = Indexado(1, 2, {0x000000u, 0xFFFFFFu});
    ASSERT_TRUE(CargarBitmapYPaleta(147, bitmap, paleta));
    EXPECT_EQ(bitmap, servicios.recursos[147]);
    EXPECT_FALSE(paleta.halftone);
    EXPECT_EQ(paleta.entries, (std::vector<std::uint32_t>{0x000000u, 0xFFFFFFu}));
    EXPECT_EQ(servicios.pedidos, std::vector<int>{147});
}

TEST_F(CargarBitmap, CuentaDeColores) {
    struct Caso {
        int bits;
        int usados;
        int tabla;
        std::size_t esperadas;
    };
    const Caso casos[] = {
        {8, 0, 256, 256},  // colours used 0: 2 to the bits per pixel
        {4, 0, 16, 16},   {1, 0, 2, 2},
        {8, 20, 256, 20},  // the header's count wins over the table's length
        {8, 0, 10, 10},    // a table shorter than the count gives only what it has
    };
    for (const Caso& caso : casos) {
        servicios.recursos[300] = Indexado(caso.bits, caso.usados, Rampa(caso.tabla));
        ASSERT_TRUE(CargarBitmapYPaleta(300, bitmap, paleta));
        EXPECT_FALSE(paleta.halftone);
        ASSERT_EQ(paleta.entries.size(), caso.esperadas) << caso.bits << " bits";
        EXPECT_EQ(paleta.entries.back(), Rampa(caso.tabla)[caso.esperadas - 1]);
    }
}

TEST_F(CargarBitmap, EntradasSinBanderas) {
    servicios.recursos[301] = Indexado(1, 2, {0xFF102030u, 0x80A0B0C0u});
    ASSERT_TRUE(CargarBitmapYPaleta(301, bitmap, paleta));
    EXPECT_EQ(paleta.entries, (std::vector<std::uint32_t>{0x102030u, 0xA0B0C0u}));
}

TEST_F(CargarBitmap, ColorVerdaderoDaPaletaDeMediosTonos) {
    for (int bits : {24, 32}) {
        auto rgb = std::make_shared<Bitmap>();
        rgb->width = 1;
        rgb->height = 1;
        rgb->bitsPerPixel = bits;
        rgb->pixels = {0x123456u};
        servicios.recursos[153] = rgb;
        paleta = Palette{.halftone = false, .entries = {1, 2, 3}};
        ASSERT_TRUE(CargarBitmapYPaleta(153, bitmap, paleta));
        EXPECT_EQ(bitmap, rgb);
        EXPECT_TRUE(paleta.halftone) << bits;
        EXPECT_TRUE(paleta.entries.empty());
    }
}

TEST_F(CargarBitmap, MasDe256ColoresUsadosDaMediosTonos) {
    servicios.recursos[302] = Indexado(8, 300, Rampa(256));
    ASSERT_TRUE(CargarBitmapYPaleta(302, bitmap, paleta));
    EXPECT_TRUE(paleta.halftone);
}

TEST_F(CargarBitmap, IdDesconocidoNoTocaNada) {
    const BitmapPtr anterior = Indexado(1, 2, {0x111111u, 0x222222u});
    bitmap = anterior;
    paleta.entries = {0xABCDEFu};
    EXPECT_FALSE(CargarBitmapYPaleta(9999, bitmap, paleta));
    EXPECT_EQ(bitmap, anterior);
    EXPECT_FALSE(paleta.halftone);
    EXPECT_EQ(paleta.entries, std::vector<std::uint32_t>{0xABCDEFu});
}

}  // namespace
