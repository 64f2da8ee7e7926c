#include "ui/Form2.h"

#include "app/ProgramTitle.h"
#include "platform/qt/QtText.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

QString soapboxForBox(const std::string& text) {
    QString out = toQString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

} // namespace

void Form2::run(QWidget* parent, const ContestLog& log, const OperatingState& totals,
                const StationProfile& profile, SettingsStore& settings, Dialogs& dialogs,
                Beeper& beeper, FileStore& workingFiles) {
    Form2 form({log, totals, profile, settings, dialogs, beeper, workingFiles, kProgramTitle},
               parent);
    form.exec();
}

Form2::Form2(Form2Context context, QWidget* parent)
    : QDialog(parent), logic_(std::move(context)),
      binding_(*this, logic_, [this] { afterEvent(); }) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Summary Sheet Information"));
    setModal(true);
    logic_.load();

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto addRow = [&](Form2Control f, const char* name, const char* caption,
                            const char* note = nullptr) {
        const auto box =
            binding_.addBox(f, QString::fromLatin1(name), QString::fromLatin1(caption));
        box.caption->setText(captionText(caption));
        if (!note) {
            form->addRow(box.caption, box.edit);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(box.edit, 1);
        row->addWidget(new QLabel(captionText(note), this));
        form->addRow(box.caption, row);
    };
    addRow(Form2Control::Text5, "Text5", "Your Name:");
    addRow(Form2Control::Text6, "Text6", "Address Line 1:");
    addRow(Form2Control::Text7, "Text7", "Address Line 2:");
    addRow(Form2Control::Text8, "Text8", "Email Address:");
    addRow(Form2Control::Text1, "Text1", "Club Name:", "(If Applciable)");
    addRow(Form2Control::Text2, "Text2", "Calls or names of all opertors:");

    const char* soapboxCaption =
        "Soapbox (Add any comments you would like to make about the contest):";
    auto* soapboxLabel = new QLabel(captionText(soapboxCaption), this);
    soapboxLabel->setWordWrap(true);
    layout->addWidget(soapboxLabel);
    text11_ = new QPlainTextEdit(this);
    text11_->setObjectName(QStringLiteral("Text11"));
    text11_->setAccessibleName(QString::fromLatin1(soapboxCaption));
    text11_->setTabChangesFocus(true);
    text11_->installEventFilter(this);
    soapboxLabel->setBuddy(text11_);
    layout->addWidget(text11_, 1);
    connect(text11_, &QPlainTextEdit::textChanged, this, [this] { copySoapboxFromBox(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(binding_.addButton(Form2Control::Command4, QStringLiteral("Command4"),
                                          QStringLiteral("Write Cabrillo File"), [this] {
                                              // A failed write is quiet.
                                              (void)logic_.Command4Click();
                                          }));
    buttons->addWidget(binding_.addButton(Form2Control::Command3, QStringLiteral("Command3"),
                                          QStringLiteral("Done"),
                                          [this] { logic_.Command3Click(); }));
    layout->addLayout(buttons);
    afterEvent();
}

void Form2::afterEvent() {
    rendering_ = true;
    const QString soapbox = soapboxForBox(logic_.state().Text11);
    if (text11_->toPlainText() != soapbox) {
        text11_->setPlainText(soapbox);
        text11_->moveCursor(QTextCursor::End);
    }
    rendering_ = false;
    if (!logic_.state().visible) {
        binding_.stopFollowingFocus();
        accept();
    } else if (logic_.state().focus == Form2Control::Command3) {
        binding_.showFocus();
    }
}

void Form2::copySoapboxFromBox() {
    if (rendering_) {
        return;
    }
    logic_.Text11Change(fromQString(text11_->toPlainText()));
    const QString clean = soapboxForBox(logic_.state().Text11);
    if (text11_->toPlainText() != clean) {
        rendering_ = true;
        text11_->setPlainText(clean); // a paste brought characters the file cannot hold
        text11_->moveCursor(QTextCursor::End);
        rendering_ = false;
    }
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text11_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QStringLiteral("\"")) {
        return true; // the key filter of every field drops the double quote
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qv
