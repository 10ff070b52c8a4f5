// Windows-1252 byte strings, as the program keeps its texts, to and from Qt's Unicode strings.
#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <string>

// Every byte has a character: the five bytes Windows-1252 leaves undefined map to the C1
// controls of the same value, so any byte string survives a round trip.
QString FromCp1252(const std::string& text);

// Characters without a Windows-1252 byte become '?'.
std::string ToCp1252(const QString& text);

// The exact conversion: nothing when some character has no Windows-1252 byte.
std::optional<std::string> ToCp1252Exact(const QString& text);

bool IsCp1252(QChar c);

// A stored path in the file system, which spells names in UTF-8 ("Im\xE1genes" is stored with
// the byte 0xE1 and named on disk with 0xC3 0xA1): the name of the path's Unicode text. A path
// that names no file so, while its bytes as they stand name one (a name written in UTF-8 into
// the settings by hand), keeps its bytes.
std::string FileSystemName(const std::string& storedPath);

// The same name as Qt's file functions take it.
QString QtFileName(const std::string& storedPath);
