#include "platform/qt/QtDialogs.h"

#include "platform/qt/QtText.h"

#include <QColorDialog>
#include <QFileDialog>
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
    case MessageButtons::YesNoDefaultNo:
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

// "Log Files (*.log) | *.log" -> "Log Files (*.log)": Qt reads the pattern from
// the description's brackets.
QString qtFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    return toQString(bar == std::string::npos ? filter : filter.substr(0, bar)).trimmed();
}

// Paths are handed to the logic as they are (UTF-8 on this system).
std::string pathText(const QString& path) {
    return path.toStdString();
}

} // namespace

std::string QtDialogs::saveFileName(const std::string& title, const std::string& startFolder,
                                    const std::string& defaultName, const std::string& filter) {
    const QString start =
        QString::fromStdString(startFolder) + QLatin1Char('/') + toQString(defaultName);
    return pathText(
        QFileDialog::getSaveFileName(parent_, toQString(title), start, qtFilter(filter)));
}

std::string QtDialogs::openFileName(const std::string& title, const std::string& startFolder,
                                    const std::string& filter) {
    return pathText(QFileDialog::getOpenFileName(
        parent_, toQString(title), QString::fromStdString(startFolder), qtFilter(filter)));
}

MessageAnswer QtDialogs::messageBox(const std::string& title, const std::string& text,
                                    MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), toQString(title), toQString(text), standardButtons(buttons),
                    parent_);
    if (buttons == MessageButtons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
    }
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

std::optional<Colour> QtDialogs::chooseColour(Colour initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return rgb(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue()));
}

} // namespace qv
