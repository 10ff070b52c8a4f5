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
