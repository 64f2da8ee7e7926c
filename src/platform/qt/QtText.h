#pragma once

// Conversion between the logic's Windows-1252 text and Qt's strings.

#include <string>
#include <string_view>

#include <QString>

namespace qv {

QString toQString(std::string_view cp1252);

// Characters Windows-1252 cannot hold are dropped.
std::string fromQString(const QString& text);

} // namespace qv
