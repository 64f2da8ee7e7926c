#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QClipboard>

namespace qv {

void QtClipboard::clear() {
    if (QClipboard* c = QApplication::clipboard()) {
        c->clear();
    }
}

void QtClipboard::setText(const std::string& text) {
    if (QClipboard* c = QApplication::clipboard()) {
        c->setText(toQString(text));
    }
}

} // namespace qv
