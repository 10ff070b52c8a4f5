// An incremental update of a finished PDF file: the document catalog again, with the viewer
// preference that asks for printing at actual size, a cross-reference section for it alone
// and a trailer that points back to the file's own.
#include "platform/pdf_print_scaling.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

// The trailer and "startxref" of a file lie in its last bytes.
constexpr std::size_t kTailBytes = 4096;
// More than any catalog a PDF writer makes.
constexpr std::size_t kMaxCatalogBytes = std::size_t{64} * 1024;
// A cross-reference entry: "oooooooooo ggggg n" and a two-byte end of line.
constexpr std::int64_t kEntryBytes = 20;

constexpr const char* kPreference = "/ViewerPreferences << /PrintScaling /None >>\n";

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, Closer>;

std::string ReadAt(std::FILE* f, std::int64_t offset, std::size_t size) {
    if (offset < 0 || fseeko(f, offset, SEEK_SET) != 0) {
        return {};
    }
    std::string bytes(size, '\0');
    bytes.resize(std::fread(bytes.data(), 1, size, f));
    return bytes;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// The unsigned number that starts at pos, past white space; end is set past its digits.
std::optional<std::int64_t> NumberAt(const std::string& s, std::size_t pos, std::size_t& end) {
    while (pos < s.size() && IsSpace(s[pos])) {
        ++pos;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < 15; ++pos, ++digits) {
        value = value * 10 + (s[pos] - '0');
    }
    end = pos;
    return digits > 0 ? std::optional(value) : std::nullopt;
}

std::optional<std::int64_t> NumberAt(const std::string& s, std::size_t pos) {
    std::size_t end = 0;
    return NumberAt(s, pos, end);
}

// The inside of the dictionary between the first "<<" from `from` and the last ">>" before
// `to`; nothing when they are not there in that order.
std::optional<std::string> Inside(const std::string& s, std::size_t from, std::size_t to) {
    const std::size_t open = s.find("<<", from);
    const std::size_t close = s.rfind(">>", to);
    if (open == std::string::npos || close == std::string::npos || close < open + 2 || close > to) {
        return std::nullopt;
    }
    return s.substr(open + 2, close - open - 2);
}

struct Reference {
    std::int64_t number = 0;
    std::int64_t generation = 0;
};

// "/Key n g R" in a dictionary's inside.
std::optional<Reference> ReferenceOf(const std::string& inside, const std::string& key) {
    const std::size_t at = inside.find(key);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    std::size_t end = 0;
    const auto number = NumberAt(inside, at + key.size(), end);
    const auto generation = number ? NumberAt(inside, end, end) : std::nullopt;
    while (end < inside.size() && IsSpace(inside[end])) {
        ++end;
    }
    if (!generation || end >= inside.size() || inside[end] != 'R') {
        return std::nullopt;
    }
    return Reference{*number, *generation};
}

// The last trailer: where its cross-reference section starts, and its entries but /Prev.
struct Trailer {
    std::int64_t xref = 0;
    std::string entries;
    Reference root;
};

std::optional<Trailer> LastTrailer(std::FILE* f, std::int64_t size) {
    const std::int64_t from = size > std::int64_t(kTailBytes) ? size - std::int64_t(kTailBytes) : 0;
    const std::string tail = ReadAt(f, from, std::size_t(size - from));
    const std::size_t startxref = tail.rfind("startxref");
    const std::size_t trailer =
        startxref == std::string::npos ? std::string::npos : tail.rfind("trailer", startxref);
    if (trailer == std::string::npos) {
        return std::nullopt;
    }
    const auto xref = NumberAt(tail, startxref + 9);
    std::optional<std::string> entries = Inside(tail, trailer, startxref);
    const auto root = entries ? ReferenceOf(*entries, "/Root") : std::nullopt;
    if (!xref || !root) {
        return std::nullopt;
    }
    if (const std::size_t prev = entries->find("/Prev"); prev != std::string::npos) {
        std::size_t end = 0;
        if (!NumberAt(*entries, prev + 5, end)) {
            return std::nullopt;
        }
        entries->erase(prev, end - prev);
    }
    return Trailer{*xref, *entries, *root};
}

// The offset of an object in use, from the cross-reference table that starts at `xref`
// (its subsections in turn); nothing for a cross-reference stream or a free object.
std::optional<std::int64_t> ObjectOffset(std::FILE* f, std::int64_t xref, const Reference& ref) {
    std::string head = ReadAt(f, xref, 4);
    if (head != "xref") {
        return std::nullopt;
    }
    std::int64_t at = xref + 4;
    for (;;) {
        const std::string header = ReadAt(f, at, 64);
        std::size_t end = 0;
        const auto first = NumberAt(header, 0, end);
        const auto count = first ? NumberAt(header, end, end) : std::nullopt;
        if (!count) {
            return std::nullopt;  // "trailer": the object is not in this table
        }
        while (end < header.size() && IsSpace(header[end])) {
            ++end;
        }
        const std::int64_t entries = at + std::int64_t(end);
        if (ref.number >= *first && ref.number < *first + *count) {
            const std::string entry =
                ReadAt(f, entries + (ref.number - *first) * kEntryBytes, kEntryBytes);
            std::size_t after = 0;
            const auto offset = NumberAt(entry, 0, after);
            const auto generation = offset ? NumberAt(entry, after, after) : std::nullopt;
            const bool used = after + 1 < entry.size() && entry[after + 1] == 'n';
            return generation == ref.generation && used ? offset : std::nullopt;
        }
        at = entries + *count * kEntryBytes;
    }
}

// The inside of the catalog's dictionary, when the object at offset is it.
std::optional<std::string> CatalogInside(std::FILE* f, std::int64_t offset, const Reference& ref) {
    const std::string object = ReadAt(f, offset, kMaxCatalogBytes);
    const std::string opening =
        std::to_string(ref.number) + " " + std::to_string(ref.generation) + " obj";
    const std::size_t endobj = object.find("endobj");
    if (object.compare(0, opening.size(), opening) != 0 || endobj == std::string::npos) {
        return std::nullopt;
    }
    std::optional<std::string> inside = Inside(object, opening.size(), endobj);
    if (!inside || inside->find("/Catalog") == std::string::npos ||
        inside->find("/ViewerPreferences") != std::string::npos) {
        return std::nullopt;
    }
    return inside;
}

// The catalog again, with the preference added to its own entries.
std::string CatalogObject(const Reference& root, const std::string& catalog) {
    return std::to_string(root.number) + " " + std::to_string(root.generation) + " obj\n<<" +
           catalog + kPreference + ">>\nendobj\n";
}

// The cross-reference section of the catalog alone, and the trailer pointing back.
std::string CrossReference(const Trailer& trailer, std::int64_t catalogAt, std::int64_t xrefAt) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010lld %05lld n \n", static_cast<long long>(catalogAt),
                  static_cast<long long>(trailer.root.generation));
    return "xref\n" + std::to_string(trailer.root.number) + " 1\n" + entry + "trailer\n<<" +
           trailer.entries + "/Prev " + std::to_string(trailer.xref) + "\n>>\nstartxref\n" +
           std::to_string(xrefAt) + "\n%%EOF\n";
}

}  // namespace

bool AskViewersNotToScale(const std::string& path) {
    const File f(std::fopen(path.c_str(), "r+b"));
    if (!f || fseeko(f.get(), 0, SEEK_END) != 0) {
        return false;
    }
    const std::int64_t size = ftello(f.get());
    const std::optional<Trailer> trailer = LastTrailer(f.get(), size);
    const auto offset = trailer ? ObjectOffset(f.get(), trailer->xref, trailer->root)
                                : std::optional<std::int64_t>();
    const auto catalog =
        offset ? CatalogInside(f.get(), *offset, trailer->root) : std::optional<std::string>();
    if (!catalog) {
        return false;
    }
    const std::string last = ReadAt(f.get(), size - 1, 1);
    const std::string separator = last == "\n" || last == "\r" ? "" : "\n";
    const std::string object = CatalogObject(trailer->root, *catalog);
    const std::int64_t catalogAt = size + std::int64_t(separator.size());
    const std::int64_t xrefAt = catalogAt + std::int64_t(object.size());
    const std::string update = separator + object + CrossReference(*trailer, catalogAt, xrefAt);
    const bool written = fseeko(f.get(), size, SEEK_SET) == 0 &&
                         std::fwrite(update.data(), 1, update.size(), f.get()) == update.size() &&
                         std::fflush(f.get()) == 0;
    if (!written) {
        [[maybe_unused]] const int ignored = ftruncate(fileno(f.get()), size);
    }
    return written;
}
