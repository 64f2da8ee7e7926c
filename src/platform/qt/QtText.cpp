#include "platform/qt/QtText.h"

#include "base/Cp1252.h"

#include <QList>

namespace qv {

QString toQString(std::string_view cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        out.append(QChar(static_cast<char16_t>(decodeCp1252(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t ch : text.toUcs4()) {
        if (const auto byte = encodeCp1252(ch)) {
            out.push_back(static_cast<char>(*byte));
        }
    }
    return out;
}

} // namespace qv
