#include "platform/qt/text_1252.h"

#include <QByteArray>
#include <QFile>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

// Unicode of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> ByteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<char>(u);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

}  // namespace

QString FromCp1252(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        result.append(byte >= 0x80 && byte < 0xA0 ? QChar(kHighControls[byte - 0x80])
                                                  : QChar(static_cast<char16_t>(byte)));
    }
    return result;
}

std::string ToCp1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        result.push_back(ByteOf(c).value_or('?'));
    }
    return result;
}

std::optional<std::string> ToCp1252Exact(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const std::optional<char> byte = ByteOf(c);
        if (!byte) {
            return std::nullopt;
        }
        result.push_back(*byte);
    }
    return result;
}

bool IsCp1252(QChar c) {
    return ByteOf(c).has_value();
}

std::string FileSystemName(const std::string& storedPath) {
    const QByteArray encoded = QFile::encodeName(FromCp1252(storedPath));
    std::string name(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    std::error_code ec;
    if (name != storedPath && !std::filesystem::exists(name, ec) &&
        std::filesystem::exists(storedPath, ec)) {
        return storedPath;
    }
    return name;
}

QString QtFileName(const std::string& storedPath) {
    const std::string name = FileSystemName(storedPath);
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}
