#include "ui/frmCodePractice.h"

#include "app/TextField.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qv {

frmCodePractice::frmCodePractice(frmCodePracticeLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("frmCodePractice"));
    setWindowTitle(QString::fromLatin1(kFrmCodePracticeCaption));
    logic_.setChanged([this] { render(); });

    auto* layout = new QVBoxLayout(this);
    auto* instruction = new QLabel(toQString(kFrmCodePracticeInstruction), this);
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    auto* generate = new QHBoxLayout;
    auto* command2 = new QPushButton(QStringLiteral("&Generate Random Characters"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    text3_ = new QLineEdit(this);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setAccessibleName(QStringLiteral("Groups"));
    text3_->setMaximumWidth(60);
    text4_ = new QLineEdit(this);
    text4_->setObjectName(QStringLiteral("Text4"));
    text4_->setAccessibleName(QStringLiteral("Characters each"));
    text4_->setMaximumWidth(60);
    generate->addWidget(new QLabel(QStringLiteral("Generate"), this));
    generate->addWidget(text3_);
    generate->addWidget(new QLabel(QStringLiteral("groups of"), this));
    generate->addWidget(text4_);
    generate->addWidget(new QLabel(QStringLiteral("characters each."), this));
    option1_ = new QRadioButton(QStringLiteral("Letters Only"), this);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QStringLiteral("All"), this);
    option2_->setObjectName(QStringLiteral("Option2"));
    auto* set = new QButtonGroup(this);
    set->addButton(option1_);
    set->addButton(option2_);
    generate->addWidget(option1_);
    generate->addWidget(option2_);
    generate->addWidget(command2);
    generate->addStretch();
    layout->addLayout(generate);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Text to Send"));
    text1_->setFont(fixed);
    text2_ = new QPlainTextEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setAccessibleName(QStringLiteral("Text Sent"));
    text2_->setReadOnly(true);
    text2_->setFont(fixed);
    layout->addWidget(new QLabel(QStringLiteral(" Text to Send"), this));
    layout->addWidget(text1_);
    layout->addWidget(new QLabel(QStringLiteral(" Text Sent"), this));
    layout->addWidget(text2_);

    text5_ = new QLineEdit(this);
    text5_->setObjectName(QStringLiteral("Text5"));
    auto* text5Label =
        new QLabel(QStringLiteral("Type characters here to send text from keyboard:"), this);
    text5Label->setBuddy(text5_);
    text5_->setAccessibleName(text5Label->text());
    text5_->installEventFilter(this);
    layout->addWidget(text5Label);
    layout->addWidget(text5_);

    auto* buttons = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> click;
    } commands[] = {
        {"Command1", "&Paste from Clipboard",
         [this] { logic_.Command1_Click(fromQString(QApplication::clipboard()->text())); }},
        {"Command3", "&Send", [this] { logic_.Command3_Click(); }},
        {"Command4", "S&top", [this] { logic_.Command4_Click(); }},
        {"Command6", "&Clear", [this] { logic_.Command6_Click(); }},
        {"Command5", "Cl&ear", [this] { logic_.Command5_Click(); }},
        {"Command7", "&Faster", [this] { logic_.Command7_Click(); }},
        {"Command8", "S&lower", [this] { logic_.Command8_Click(); }},
    };
    int column = 0;
    for (const auto& c : commands) {
        auto* button = new QPushButton(QString::fromLatin1(c.caption), this);
        button->setObjectName(QString::fromLatin1(c.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, click = c.click] { act(click); });
        buttons->addWidget(button, 0, column++);
    }
    label8_ = new QLabel(this);
    label8_->setObjectName(QStringLiteral("Label8"));
    buttons->addWidget(label8_, 0, column++);
    buttons->addWidget(new QLabel(QStringLiteral("WPM"), this), 0, column);
    layout->addLayout(buttons);

    connect(command2, &QPushButton::clicked, this,
            [this] { act([this] { logic_.Command2_Click(); }); });
    connect(option1_, &QRadioButton::clicked, this,
            [this] { act([this] { logic_.state().lettersOnly = true; }); });
    connect(option2_, &QRadioButton::clicked, this,
            [this] { act([this] { logic_.state().lettersOnly = false; }); });
    connect(text3_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.state().Text3.setText(fromQString(t)); });
    connect(text4_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.state().Text4.setText(fromQString(t)); });
    connect(text1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!rendering_) {
            act([this] { logic_.Text1Changed(fromQString(text1_->toPlainText())); });
        }
    });

    logic_.load();
    render();
}

frmCodePractice::~frmCodePractice() {
    logic_.setChanged({});
}

template <typename F> void frmCodePractice::act(F&& f) {
    f();
    render();
}

bool frmCodePractice::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text5_ || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    int code = keys::kNone;
    if (key->key() == Qt::Key_Backspace) {
        code = keys::kBackspace;
    } else if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        code = keys::kTab;
    } else {
        const std::string text = fromQString(key->text());
        if (text.empty()) {
            return false; // arrows, modifiers: nothing typed
        }
        code = static_cast<unsigned char>(text.front());
    }
    bool consumed = false;
    act([&] { consumed = logic_.Text5KeyPress(code); });
    return consumed;
}

void frmCodePractice::reject() {
    if (logic_.queryClose()) {
        QDialog::reject();
    }
}

void frmCodePractice::render() {
    const frmCodePracticeState& s = logic_.state();
    rendering_ = true;
    const QString text1 = toQString(s.Text1);
    if (text1_->toPlainText() != text1) {
        const int caret = text1_->textCursor().position();
        text1_->setPlainText(text1);
        QTextCursor cursor = text1_->textCursor();
        cursor.setPosition(std::min(caret, static_cast<int>(text1.size())));
        text1_->setTextCursor(cursor);
    }
    if (s.sending) {
        QTextCursor cursor = text1_->textCursor();
        cursor.setPosition(
            std::min(static_cast<int>(s.Text1Caret), static_cast<int>(text1.size())));
        text1_->setTextCursor(cursor);
    }
    const QString text2 = toQString(s.Text2);
    if (text2_->toPlainText() != text2) {
        text2_->setPlainText(text2);
        text2_->verticalScrollBar()->setValue(text2_->verticalScrollBar()->maximum());
    }
    if (text3_->text() != toQString(s.Text3.text)) {
        text3_->setText(toQString(s.Text3.text));
    }
    if (text4_->text() != toQString(s.Text4.text)) {
        text4_->setText(toQString(s.Text4.text));
    }
    option1_->setChecked(s.lettersOnly);
    option2_->setChecked(!s.lettersOnly);
    label8_->setText(toQString(s.Label8));
    rendering_ = false;
}

} // namespace qv
