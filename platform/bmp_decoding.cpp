#include "platform/bmp_decoding.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <memory>

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kMasksInHeader = 52;  // a header this long holds the colour masks
constexpr std::uint32_t kAlphaInHeader = 56;  // and this long, the alpha mask
constexpr std::uint32_t kOs2Header = 64;      // OS/2's, where compression 3 is Huffman coding
constexpr int kIgnoredAlphaBits = 4;

enum Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

using Bytes = std::span<const std::uint8_t>;

std::uint32_t LittleEndian(Bytes data, std::size_t offset, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | data[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

// The colour table: the colours-used count of entries, or all that the depth allows when that
// is 0; entries are blue, green, red and (except after the core header) a reserved byte.
// Nothing when the file is too short to hold them.
std::optional<std::vector<std::uint32_t>> ReadColorTable(Bytes file, std::size_t start,
                                                         std::size_t entrySize, int bits,
                                                         std::uint32_t used) {
    std::vector<std::uint32_t> table;
    if (bits > 8 && used == 0) {
        return table;
    }
    const std::size_t count = used != 0 ? used : std::size_t{1} << bits;
    if (count > 256 || start + count * entrySize > file.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < count; ++i) {
        table.push_back(LittleEndian(file, start + i * entrySize, 3));
    }
    return table;
}

// The masks of bit-field pixels: in the fields of a header long enough to have them, else in
// the three words after a plain info header (which moves the colour table after them). 16-bit
// pixels without bit fields are 5-5-5. False when the file cannot hold them.
bool ReadMasks(Bytes file, std::uint32_t infoSize, BmpHeader& header, std::size_t& tableStart) {
    if (header.compression != kBitFields) {
        header.masks = {0x7C00, 0x03E0, 0x001F, 0};
        return true;
    }
    if (infoSize == kInfoHeader) {
        tableStart += 12;
        if (file.size() < tableStart) {
            return false;
        }
    } else if (infoSize < kMasksInHeader || infoSize == kOs2Header) {
        return false;
    }
    const int count = infoSize >= kAlphaInHeader ? 4 : 3;
    for (int i = 0; i < count; ++i) {
        header.masks[std::size_t(i)] =
            LittleEndian(file, kFileHeader + kInfoHeader + 4 * std::size_t(i), 4);
    }
    return true;
}

bool Uncompressed(const BmpHeader& header) {
    return header.compression == kNone || header.compression == kBitFields;
}

std::uint32_t ColourOf(const BmpHeader& header, std::uint8_t index) {
    return index < header.colorTable.size() ? header.colorTable[index] : 0;
}

// Where the next index of run-length coded data lands: x along the row, rows counted from the
// bottom. Nothing is written outside the bitmap.
class RlePen {
  public:
    RlePen(const BmpHeader& header, Bitmap& bitmap) : header_(header), bitmap_(bitmap) {}

    bool InBitmap() const { return row_ < bitmap_.height; }
    bool RowFull() const { return x_ >= bitmap_.width; }
    void Put(std::uint8_t index) {
        if (RowFull() || !InBitmap()) {
            return;
        }
        const auto y = static_cast<std::size_t>(bitmap_.height - 1 - row_);
        bitmap_.pixels[y * static_cast<std::size_t>(bitmap_.width) + static_cast<std::size_t>(x_)] =
            ColourOf(header_, index);
        ++x_;
    }
    void NextRow() {
        x_ = 0;
        ++row_;
    }
    void Move(int right, int up) {
        x_ = std::min(x_ + right, bitmap_.width);
        row_ += up;
    }

  private:
    const BmpHeader& header_;
    Bitmap& bitmap_;
    int x_ = 0;
    int row_ = 0;
};

// The index at position i of a run of indexes packed into bytes: a byte each at 8 bits, the
// high nibble first at 4.
std::uint8_t IndexAt(Bytes packed, std::size_t i, int bits) {
    if (bits == 8) {
        return packed[i];
    }
    return i % 2 == 0 ? packed[i / 2] >> 4 : packed[i / 2] & 0x0F;
}

// Run-length coded rows, bottom row first: pairs of a count and an index (at 4 bits, two
// indexes taking turns); a zero count is an escape: 0 ends the line, 1 the bitmap, 2 moves
// right and up by the next two bytes, 3 or more starts a literal run of that many indexes,
// padded to a whole word. Decoding stops at the end of the data or at a code that leaves the
// bitmap; a run reaching beyond its row is cut at the row's end.
void DecodeRle(Bytes data, int bits, RlePen& pen) {
    std::size_t at = 0;
    while (at + 2 <= data.size() && pen.InBitmap()) {
        const std::size_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {
            const std::uint8_t run[] = {code, code};
            for (std::size_t i = 0; i < count && !pen.RowFull(); ++i) {
                pen.Put(IndexAt(run, i % 2, bits));
            }
        } else if (code == 0) {
            pen.NextRow();
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (at + 2 > data.size()) {
                return;
            }
            pen.Move(data[at], data[at + 1]);
            at += 2;
        } else {
            const std::size_t bytes = bits == 8 ? code : (code + 1u) / 2;
            const Bytes literal = data.subspan(at, std::min(bytes, data.size() - at));
            for (std::size_t i = 0; i < code && (i * bits) / 8 < literal.size(); ++i) {
                pen.Put(IndexAt(literal, i, bits));
            }
            at += bytes + bytes % 2;
        }
    }
}

// A bit-field channel: where its bits lie and how many there are.
struct Channel {
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t mask)
        : shift(mask == 0 ? 0 : std::countr_zero(mask)), bits(std::popcount(mask)) {}

    // The channel's value widened to 8 bits by repeating its high bits: 31 of 5 bits and 63
    // of 6 bits both give 255. A channel without bits is 0.
    std::uint32_t Of(std::uint32_t pixel) const {
        if (bits == 0) {
            return 0;
        }
        const std::uint32_t value =
            static_cast<std::uint32_t>((std::uint64_t{pixel} >> shift) & ((1ULL << bits) - 1));
        std::uint64_t wide = 0;
        int filled = 0;
        while (filled < 8) {
            wide = (wide << bits) | value;
            filled += bits;
        }
        return static_cast<std::uint32_t>(wide >> (filled - 8));
    }
};

bool OneRun(std::uint32_t mask) {
    const std::uint32_t low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;
}

// Each colour mask one run of bits within the pixel, the alpha mask none or one run, no two of
// them sharing a bit.
bool MasksUsable(const std::array<std::uint32_t, 4>& masks, int bits) {
    const std::uint64_t pixel = (std::uint64_t{1} << bits) - 1;
    std::uint64_t seen = 0;
    for (std::size_t i = 0; i < masks.size(); ++i) {
        const std::uint32_t mask = masks[i];
        const bool alpha = i == 3;
        if (mask == 0 ? !alpha : !OneRun(mask) || (mask & ~pixel) != 0 || (mask & seen) != 0) {
            return false;
        }
        seen |= mask;
    }
    return true;
}

// A colour of the given opacity (255 opaque) laid on white paper.
std::uint32_t OnWhite(std::uint32_t rgb, std::uint32_t alpha) {
    std::uint32_t laid = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const std::uint32_t channel = (rgb >> shift) & 0xFF;
        laid |= (channel * alpha + 255 * (255 - alpha) + 127) / 255 << shift;
    }
    return laid;
}

// The bitmap the header describes, every pixel in the colour table's first entry (black
// without a table).
std::shared_ptr<Bitmap> NewBitmap(const BmpHeader& header) {
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->width = header.width;
    bitmap->height = header.height;
    bitmap->bitsPerPixel = header.bitsPerPixel;
    bitmap->colorsUsed = header.colorsUsed;
    bitmap->colorTable = header.colorTable;
    const std::uint32_t first = header.colorTable.empty() ? 0 : header.colorTable.front();
    bitmap->pixels.assign(
        static_cast<std::size_t>(header.width) * static_cast<std::size_t>(header.height), first);
    return bitmap;
}

BitmapPtr DecodeRleFile(Bytes file, const BmpHeader& header, int bits) {
    if (header.bitsPerPixel != bits || header.topDown) {
        return nullptr;
    }
    auto bitmap = NewBitmap(header);
    RlePen pen(header, *bitmap);
    DecodeRle(file.subspan(std::min<std::size_t>(header.pixelOffset, file.size())), bits, pen);
    return bitmap;
}

BitmapPtr DecodeMasked(Bytes file, const BmpHeader& header) {
    const int bits = header.bitsPerPixel;
    if ((bits != 16 && bits != 32) || !header.complete || !MasksUsable(header.masks, bits)) {
        return nullptr;
    }
    auto bitmap = NewBitmap(header);
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
    // A narrow alpha channel is most often bits left unset; a wider one is transparency.
    const Channel alpha(header.masks[3]);
    const bool transparent = alpha.bits > kIgnoredAlphaBits;
    const std::size_t width = static_cast<std::size_t>(header.width);
    const std::size_t bytes = static_cast<std::size_t>(bits / 8);
    const std::size_t stride = (width * bytes + 3) / 4 * 4;
    for (int stored = 0; stored < header.height; ++stored) {
        const int y = header.topDown ? stored : header.height - 1 - stored;
        const std::size_t start = header.pixelOffset + static_cast<std::size_t>(stored) * stride;
        auto out = bitmap->pixels.begin() + static_cast<std::ptrdiff_t>(std::size_t(y) * width);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t pixel = LittleEndian(file, start + x * bytes, int(bytes));
            const std::uint32_t rgb = red.Of(pixel) << 16 | green.Of(pixel) << 8 | blue.Of(pixel);
            *out++ = transparent ? OnWhite(rgb, alpha.Of(pixel)) : rgb;
        }
    }
    return bitmap;
}

}  // namespace

std::optional<BmpHeader> ReadBmpHeader(Bytes file) {
    if (file.size() < kFileHeader + kCoreHeader || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    BmpHeader header;
    header.pixelOffset = LittleEndian(file, 10, 4);
    const std::uint32_t infoSize = LittleEndian(file, kFileHeader, 4);
    std::int64_t width = 0, height = 0;
    std::uint32_t used = 0;
    if (infoSize == kCoreHeader) {
        width = LittleEndian(file, 18, 2);
        height = LittleEndian(file, 20, 2);
        header.bitsPerPixel = static_cast<int>(LittleEndian(file, 24, 2));
    } else if (infoSize >= kInfoHeader && file.size() >= kFileHeader + infoSize) {
        width = static_cast<std::int32_t>(LittleEndian(file, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(file, 22, 4));
        header.bitsPerPixel = static_cast<int>(LittleEndian(file, 28, 2));
        header.compression = LittleEndian(file, 30, 4);
        used = LittleEndian(file, 46, 4);
    } else {
        return std::nullopt;
    }
    header.topDown = height < 0;
    height = header.topDown ? -height : height;
    if (width <= 0 || width > kMaxImageSide || height <= 0 || height > kMaxImageSide) {
        return std::nullopt;
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    std::size_t tableStart = kFileHeader + infoSize;
    if ((header.compression == kBitFields || header.bitsPerPixel == 16) &&
        !ReadMasks(file, infoSize, header, tableStart)) {
        return std::nullopt;
    }
    auto table = ReadColorTable(file, tableStart, infoSize == kCoreHeader ? 3 : 4,
                                header.bitsPerPixel, used);
    if (!table) {
        return std::nullopt;
    }
    header.colorTable = std::move(*table);
    header.colorsUsed = static_cast<int>(used);
    const std::int64_t stride = (width * header.bitsPerPixel + 31) / 32 * 4;
    header.complete = !Uncompressed(header) || std::int64_t{header.pixelOffset} + stride * height <=
                                                   static_cast<std::int64_t>(file.size());
    return header;
}

bool DecodedHere(const BmpHeader& header) {
    return header.compression == kRle8 || header.compression == kRle4 ||
           header.compression == kBitFields || header.bitsPerPixel == 16;
}

BitmapPtr DecodeBmp(Bytes file, const BmpHeader& header) {
    switch (header.compression) {
        case kRle8:
            return DecodeRleFile(file, header, 8);
        case kRle4:
            return DecodeRleFile(file, header, 4);
        case kNone:
        case kBitFields:
            return DecodeMasked(file, header);
        default:
            return nullptr;
    }
}
