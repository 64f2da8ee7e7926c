#include "ui/UiText.h"

#include "platform/qt/QtText.h"

#include <QLabel>

namespace qv {

QString captionText(std::string_view caption) {
    QString text = toQString(caption);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

void showValue(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleName(text);
    }
}

QString backgroundStyle(Colour c) {
    return QStringLiteral("background-color: rgb(%1,%2,%3);")
        .arg(redOf(c))
        .arg(greenOf(c))
        .arg(blueOf(c));
}

void setStyleIfChanged(QWidget* widget, const QString& style) {
    if (widget->styleSheet() != style) {
        widget->setStyleSheet(style);
    }
}

} // namespace qv
