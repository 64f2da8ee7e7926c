#include "platform/qt/QtDialogs.h"

#include "platform/qt/QtText.h"

#include <QInputDialog>
#include <QMessageBox>

namespace qv {
namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons b) {
    switch (b) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(MessageIcon i) {
    switch (i) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtDialogs::messageBox(const std::string& title, const std::string& text,
                                    MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), toQString(title), toQString(text), standardButtons(buttons),
                    parent_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::string QtDialogs::inputBox(const std::string& title, const std::string& prompt,
                                const std::string& defaultAnswer) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, toQString(title), toQString(prompt),
                                                 QLineEdit::Normal, toQString(defaultAnswer), &ok);
    return ok ? fromQString(answer) : std::string();
}

} // namespace qv
