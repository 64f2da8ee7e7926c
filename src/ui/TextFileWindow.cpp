#include "ui/TextFileWindow.h"

#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TextFileWindow::TextFileWindow(const QString& title, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(title);
    setModal(false);

    text_->setObjectName(QStringLiteral("txtText"));
    text_->setAccessibleName(title);
    text_->setReadOnly(true);
    // The texts line up their columns with blanks.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);

    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 36);
}

void TextFileWindow::showText(const std::string& cp1252Text) {
    // The files end their lines with CR LF; the CR would show as a stray mark.
    QString text = toQString(cp1252Text);
    text.remove(QLatin1Char('\r'));
    text_->setPlainText(text);
    text_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

} // namespace qv
