#include "platform/qt/text_1252.h"

#include <QByteArray>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "settings/texto1252.h"

namespace {

// A UTF-16 unit that is half of a pair has no byte, as no character outside the Basic
// Multilingual Plane has one.
std::optional<char> ByteOf(QChar c) {
    return ByteDe1252(c.unicode());
}

}  // namespace

QString FromCp1252(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char ch : text) {
        // Every character of the code page lies in the Basic Multilingual Plane.
        result.append(QChar(static_cast<char16_t>(UnicodeDe1252(static_cast<unsigned char>(ch)))));
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
