// Logos stored run-length compressed or through colour masks: every pixel defined, whatever
// the heap held before, and every channel widened to its full 8 bits.
#include <gtest/gtest.h>
#include <malloc.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image_bytes.h"
#include "image_surface.h"
#include "platform/qt/image_loading.h"

namespace {

using Colours = std::vector<std::uint32_t>;

constexpr std::uint32_t F = 0x112233;  // the palette's first entry
constexpr std::uint32_t R = 0xFF0000;
constexpr std::uint32_t G = 0x00FF00;
constexpr std::uint32_t B = 0x0000FF;
const Colours kPalette = {F, R, G, B};

// Freshly allocated memory holds these bytes (glibc's MALLOC_PERTURB_, set while running), so
// that a pixel nobody wrote shows up as a wrong colour instead of an accidental zero.
class PerturbedHeap {
  public:
    explicit PerturbedHeap(int byte) { mallopt(M_PERTURB, byte); }
    ~PerturbedHeap() { mallopt(M_PERTURB, 0); }
};
constexpr int kHeapFillings[] = {0, 0x5A, 0xA5, 0x0F};

class LogoFile : public ::testing::Test {
  protected:
    BitmapPtr Load(const std::string& bytes) {
        const QString path = dir_.filePath("logo.bmp");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), qsizetype(bytes.size()));
        file.close();
        return LoadBitmapFromFile(path.toStdString());
    }

    QTemporaryDir dir_;
};

struct RleCase {
    const char* name;
    int bits;  // 8 (RLE8) or 4 (RLE4)
    std::vector<std::uint8_t> data;
    Colours pixels;  // 4 x 3, top row first
};

std::string RleFile(const RleCase& c) {
    return BmpFile({.width = 4,
                    .height = 3,
                    .bits = c.bits,
                    .compression = c.bits == 8 ? 1u : 2u,
                    .table = kPalette,
                    .colorsUsed = 4},
                   std::string(c.data.begin(), c.data.end()));
}

// Rows are coded bottom row first. Pixels the codes skip or never reach, through a delta, an
// early end of line or of bitmap, data cut short or a code that cannot be honoured, take the
// palette's first entry.
const RleCase kRleCases[] = {
    {"whole rows", 8, {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 1}, {B, B, B, B, G, G, G, G, R, R, R, R}},
    {"no end of bitmap code",
     8,
     {4, 1, 0, 0, 4, 2, 0, 0, 4, 3},
     {B, B, B, B, G, G, G, G, R, R, R, R}},
    {"early end of line",
     8,
     {2, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 1},
     {B, B, B, B, G, G, G, G, R, R, F, F}},
    {"early end of bitmap", 8, {4, 1, 0, 1, 4, 2}, {F, F, F, F, F, F, F, F, R, R, R, R}},
    {"delta", 8, {1, 1, 0, 2, 2, 1, 1, 3, 0, 1}, {F, F, F, F, F, F, F, B, R, F, F, F}},
    {"literal run and its padding",
     8,
     {0, 3, 1, 2, 3, 0, 1, 1, 0, 1},
     {F, F, F, F, F, F, F, F, R, G, B, R}},
    {"truncated", 8, {4, 1, 0, 0, 2, 2}, {F, F, F, F, G, G, F, F, R, R, R, R}},
    {"truncated literal run", 8, {0, 4, 1, 2}, {F, F, F, F, F, F, F, F, R, G, F, F}},
    {"truncated delta", 8, {1, 2, 0, 2, 1}, {F, F, F, F, F, F, F, F, G, F, F, F}},
    {"run beyond the row", 8, {6, 1, 0, 1}, {F, F, F, F, F, F, F, F, R, R, R, R}},
    {"delta below the bitmap",
     8,
     {1, 1, 0, 2, 0, 5, 1, 2, 0, 1},
     {F, F, F, F, F, F, F, F, R, F, F, F}},
    {"index beyond the table", 8, {1, 9, 0, 1}, {F, F, F, F, F, F, F, F, 0, F, F, F}},
    {"nothing", 8, {}, {F, F, F, F, F, F, F, F, F, F, F, F}},
    {"4-bit runs alternate",
     4,
     {4, 0x12, 0, 0, 3, 0x33, 0, 1},
     {F, F, F, F, B, B, B, F, R, G, R, G}},
    {"4-bit literal run",
     4,
     {0, 3, 0x12, 0x30, 1, 0x20, 0, 1},
     {F, F, F, F, F, F, F, F, R, G, B, G}},
    {"4-bit delta", 4, {1, 0x10, 0, 2, 2, 1, 1, 0x30, 0, 1}, {F, F, F, F, F, F, F, B, R, F, F, F}},
    {"4-bit truncated literal run", 4, {0, 4, 0x12}, {F, F, F, F, F, F, F, F, R, G, F, F}},
};

TEST_F(LogoFile, RunLengthCodedPixelsAreAllDefined) {
    for (const RleCase& c : kRleCases) {
        for (int filling : kHeapFillings) {
            PerturbedHeap heap(filling);
            BitmapPtr bitmap = Load(RleFile(c));
            ASSERT_TRUE(bitmap) << c.name;
            EXPECT_EQ(bitmap->pixels, c.pixels) << c.name << ", heap filled with " << filling;
            EXPECT_EQ(bitmap->colorTable, kPalette) << c.name;
        }
    }
}

// The palette's first entry is what a skipped pixel becomes, whatever it is.
TEST_F(LogoFile, SkippedPixelsTakeThePalettesFirstEntry) {
    for (const std::uint32_t first : {0x000000u, 0xFFFFFFu, 0x808080u}) {
        const std::string file = BmpFile({.width = 2,
                                          .height = 1,
                                          .bits = 8,
                                          .compression = 1,
                                          .table = {first, R},
                                          .colorsUsed = 2},
                                         std::string("\x01\x01\x00\x01", 4));
        PerturbedHeap heap(0x5A);
        BitmapPtr bitmap = Load(file);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->pixels, (Colours{R, first})) << first;
    }
}

struct MaskCase {
    const char* name;
    int bits;
    std::uint32_t compression;
    std::uint32_t infoSize;
    Colours masks;
    Colours values;                 // one row, as stored
    std::optional<Colours> pixels;  // nothing: the logo is refused
};

const MaskCase kMaskCases[] = {
    {"5-5-5 without masks",
     16,
     0,
     40,
     {},
     {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x4210, 0},
     Colours{0xFFFFFF, R, G, B, 0x848484, 0}},
    {"5-6-5",
     16,
     3,
     40,
     {0xF800, 0x07E0, 0x001F},
     {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410},
     Colours{0xFFFFFF, R, G, B, 0x848284}},
    {"5-5-5 masks in a larger header",
     16,
     3,
     108,
     {0x7C00, 0x03E0, 0x001F, 0},
     {0x7FFF, 0x0210},
     Colours{0xFFFFFF, 0x008484}},
    {"1-5-5-5, alpha ignored",
     16,
     3,
     124,
     {0x7C00, 0x03E0, 0x001F, 0x8000},
     {0x7FFF, 0xFFFF, 0x001F},
     Colours{0xFFFFFF, 0xFFFFFF, B}},
    {"4-4-4-4, alpha ignored",
     16,
     3,
     124,
     {0x0F00, 0x00F0, 0x000F, 0xF000},
     {0x0FFF, 0x0F00, 0x0088},
     Colours{0xFFFFFF, R, 0x008888}},
    {"1-bit channels", 16, 3, 40, {4, 2, 1}, {7, 5, 0}, Colours{0xFFFFFF, 0xFF00FF, 0}},
    {"10-10-10-2, alpha ignored",
     32,
     3,
     124,
     {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000},
     {0x3FFFFFFF, 0x20000000, 0xC00003FF},
     Colours{0xFFFFFF, 0x800000, B}},
    {"10-10-10 after a short header",
     32,
     3,
     40,
     {0x3FF00000, 0x000FFC00, 0x000003FF},
     {0x3FFFFFFF, 0x00400000},
     Colours{0xFFFFFF, 0x010000}},
    {"8-8-8 in blue, green, red order",
     32,
     3,
     40,
     {0xFF, 0xFF00, 0xFF0000},
     {0x0000FF, 0xFF0000},
     Colours{R, B}},
    {"8-8-8-8, laid on white as any transparent picture",
     32,
     3,
     124,
     {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
     {0x00FF0000, 0xFFFF0000, 0x80FF0000},
     Colours{0xFFFFFF, R, 0xFF7F7F}},
    {"red mask with a gap", 16, 3, 40, {0x7C01, 0x03E0, 0x001F}, {0x7FFF}, std::nullopt},
    {"overlapping masks", 16, 3, 40, {0x7E00, 0x03E0, 0x001F}, {0x7FFF}, std::nullopt},
    {"alpha mask with a gap", 32, 3, 124, {0xFF0000, 0xFF00, 0xFF, 0x50000000}, {0}, std::nullopt},
    {"mask beyond the pixel", 16, 3, 40, {0x7C0000, 0x03E0, 0x001F}, {0x7FFF}, std::nullopt},
    {"no red mask", 16, 3, 40, {0, 0x03E0, 0x001F}, {0x7FFF}, std::nullopt},
};

TEST_F(LogoFile, MaskedChannelsWidenToEightBits) {
    for (const MaskCase& c : kMaskCases) {
        const std::string file = BmpFile({.width = int(c.values.size()),
                                          .height = 1,
                                          .bits = c.bits,
                                          .compression = c.compression,
                                          .masks = c.masks,
                                          .infoSize = c.infoSize},
                                         PackedRows({c.values}, c.bits / 8));
        BitmapPtr bitmap = Load(file);
        EXPECT_EQ(bool(bitmap), c.pixels.has_value()) << c.name;
        if (bitmap && c.pixels) {
            EXPECT_EQ(bitmap->pixels, *c.pixels) << c.name;
            EXPECT_EQ(bitmap->bitsPerPixel, c.bits) << c.name;
        }
    }
}

// Rows stored either way up, and a colour table after the masks that follow a short header.
TEST_F(LogoFile, MaskedRowsAndTableFindTheirPlace) {
    const Colours table = {0x123456, 0x654321};
    const std::vector<Colours> rows = {{0xF800, 0x001F}, {0x07E0, 0xFFFF}};
    for (const bool topDown : {false, true}) {
        // Packed rows are stored bottom row first: reversed, they are stored top row first.
        const std::string file = BmpFile(
            {.width = 2,
             .height = topDown ? -2 : 2,
             .bits = 16,
             .compression = 3,
             .table = table,
             .colorsUsed = 2,
             .masks = {0xF800, 0x07E0, 0x001F}},
            PackedRows(topDown ? std::vector<Colours>(rows.rbegin(), rows.rend()) : rows, 2));
        BitmapPtr bitmap = Load(file);
        ASSERT_TRUE(bitmap) << topDown;
        EXPECT_EQ(bitmap->pixels, (Colours{R, B, G, 0xFFFFFF})) << topDown;
        EXPECT_EQ(bitmap->colorTable, table) << topDown;
    }
}

// Run-length codes are only read at their own depth and bottom-up, and bit fields only at 16
// and 32 bits or after a header that has room for them; anything else is no logo at all.
TEST_F(LogoFile, LayoutsThatCannotBeReadAreRefused) {
    const std::string rle(kRleCases[0].data.begin(), kRleCases[0].data.end());
    const std::pair<const char*, std::string> cases[] = {
        {"RLE8 at 4 bits", BmpFile({.width = 4,
                                    .height = 3,
                                    .bits = 4,
                                    .compression = 1,
                                    .table = kPalette,
                                    .colorsUsed = 4},
                                   rle)},
        {"RLE4 at 8 bits", BmpFile({.width = 4,
                                    .height = 3,
                                    .bits = 8,
                                    .compression = 2,
                                    .table = kPalette,
                                    .colorsUsed = 4},
                                   rle)},
        {"RLE8 top-down", BmpFile({.width = 4,
                                   .height = -3,
                                   .bits = 8,
                                   .compression = 1,
                                   .table = kPalette,
                                   .colorsUsed = 4},
                                  rle)},
        {"bit fields at 24 bits", BmpFile({.width = 1,
                                           .height = 1,
                                           .bits = 24,
                                           .compression = 3,
                                           .masks = {0xFF0000, 0xFF00, 0xFF}},
                                          PackedRows({{0xFFFFFF}}, 3))},
        {"bit fields after an OS/2 header", BmpFile({.width = 1,
                                                     .height = 1,
                                                     .bits = 16,
                                                     .compression = 3,
                                                     .masks = {0x7C00, 0x03E0, 0x001F, 0},
                                                     .infoSize = 64},
                                                    PackedRows({{0x7FFF}}, 2))},
        {"masks cut off",
         BmpFile({.width = 1, .height = 1, .bits = 16, .compression = 3}, "").substr(0, 58)},
        {"16-bit rows cut off",
         BmpFile({.width = 2, .height = 2, .bits = 16}, PackedRows({{0x7FFF, 0x7FFF}}, 2))},
    };
    for (const auto& [name, file] : cases) {
        EXPECT_EQ(Load(file), nullptr) << name;
    }
}

// A compressed logo drawn on the page: every pixel of it in its own colour, one logical unit
// each, the skipped ones in the palette's first entry.
TEST_F(LogoFile, CompressedLogoDrawsItsDefinedPixels) {
    const RleCase& delta = kRleCases[4];
    PerturbedHeap heap(0xA5);
    BitmapPtr bitmap = Load(RleFile(delta));
    ASSERT_TRUE(bitmap);
    ImageSurface surface(20, 10, 10.0, QColor(0, 0, 0));
    surface.PixelsPerUnit(1);
    surface.device().BitBlt(10, 5, 4, 3, *bitmap, 0, 0);
    Colours drawn;
    for (int y = 5; y < 8; ++y) {
        for (int x = 10; x < 14; ++x) {
            drawn.push_back(surface.At(x, y).rgb() & 0xFFFFFFu);
        }
    }
    EXPECT_EQ(drawn, delta.pixels);
}

}  // namespace
