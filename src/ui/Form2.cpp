#include "ui/Form2.h"

#include "platform/qt/QtText.h"
#include "ui/LineEditBinding.h"
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
    const std::string title = parent ? fromQString(parent->window()->windowTitle()) : "";
    Form2 form({log, totals, profile, settings, dialogs, beeper, workingFiles, title}, parent);
    form.exec();
}

Form2::Form2(Form2Context context, QWidget* parent) : QDialog(parent), c_(std::move(context)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Summary Sheet Information"));
    setModal(true);
    Form2Load(s_, c_.profile, c_.settings);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto addRow = [&](Form2Field f, const char* name, const char* caption,
                            const char* note = nullptr) {
        QLineEdit* edit = addLineEdit(f, name, caption);
        auto* label = new QLabel(captionText(caption), this);
        label->setBuddy(edit);
        if (!note) {
            form->addRow(label, edit);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(new QLabel(captionText(note), this));
        form->addRow(label, row);
    };
    addRow(Form2Field::Text5, "Text5", "Your Name:");
    addRow(Form2Field::Text6, "Text6", "Address Line 1:");
    addRow(Form2Field::Text7, "Text7", "Address Line 2:");
    addRow(Form2Field::Text8, "Text8", "Email Address:");
    addRow(Form2Field::Text1, "Text1", "Club Name:", "(If Applciable)");
    addRow(Form2Field::Text2, "Text2", "Calls or names of all opertors:");

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
    command4_ = new QPushButton(QStringLiteral("Write Cabrillo File"), this);
    command4_->setObjectName(QStringLiteral("Command4"));
    command4_->setAccessibleName(QStringLiteral("Write Cabrillo File"));
    command3_ = new QPushButton(QStringLiteral("Done"), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setAccessibleName(QStringLiteral("Done"));
    for (QPushButton* b : {command4_, command3_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(command4_, &QPushButton::clicked, this, [this] {
        (void)Command4Click(s_, c_); // a failed write is quiet
        render();
    });
    connect(command3_, &QPushButton::clicked, this, [this] {
        Command3Click(s_);
        if (!s_.visible) {
            accept();
        }
    });
    render();
}

QLineEdit* Form2::addLineEdit(Form2Field f, const char* name, const char* caption) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(caption));
    bindings_[static_cast<std::size_t>(f)] = new LineEditBinding(
        edit, s_.field(f),
        [this, f](int key) {
            Form2KeyPress(s_, f, key);
            render();
        },
        [this, f] {
            Form2Edited(s_, f);
            bindings_[static_cast<std::size_t>(f)]->render();
        });
    return edit;
}

void Form2::render() {
    for (LineEditBinding* b : bindings_) {
        b->render();
    }
    rendering_ = true;
    const QString soapbox = soapboxForBox(s_.Text11);
    if (text11_->toPlainText() != soapbox) {
        text11_->setPlainText(soapbox);
        text11_->moveCursor(QTextCursor::End);
    }
    rendering_ = false;
    if (s_.focus == Form2Focus::Command3) {
        command3_->setFocus();
    }
}

void Form2::copySoapboxFromBox() {
    if (rendering_) {
        return;
    }
    Text11Change(s_, fromQString(text11_->toPlainText()));
    const QString clean = soapboxForBox(s_.Text11);
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
