#include "ui/UiText.h"

#include "platform/qt/QtText.h"

namespace qv {

QString captionText(std::string_view caption) {
    QString text = toQString(caption);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

} // namespace qv
