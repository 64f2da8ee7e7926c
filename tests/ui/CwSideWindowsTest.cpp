#include "fakes/CwKeyerStub.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeWinKeyerLibrary.h"
#include "fakes/MemoryFileStore.h"
#include "ui/frmCodePractice.h"
#include "ui/frmWinKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qv {
namespace {

void typeInto(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &release);
    }
}

template <typename W> W* child(const QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(frmWinKey, TheWindowShowsAndForwardsItsControls) {
    test::FakeClock clock;
    test::FakeWinKeyerLibrary keyer;
    CwSendBuffer buffer;
    WinKeyerSender sender{{keyer, buffer, clock}};
    test::CwKeyerStub cw;
    NoKeyerDevicePortRule ports;
    test::MemoryFileStore programDir;
    test::MemoryFileStore userDir;
    test::FakeDialogs dialogs;
    frmWinKeyLogic logic({sender, cw, buffer, ports, {programDir, userDir, true}, dialogs, [] {
                              return std::string("W1AW");
                          }});
    logic.show();
    frmWinKey window(logic);
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral(" WinKey Setup"));
    EXPECT_EQ(child<QLineEdit>(window, "txtWKWPM")->text(), QStringLiteral("22"));
    EXPECT_TRUE(child<QRadioButton>(window, "optTone")->isChecked());
    child<QRadioButton>(window, "optBug")->click();
    EXPECT_EQ(logic.state().mode, kModeBug);

    QLineEdit* ratio = child<QLineEdit>(window, "txtRatio");
    ratio->setFocus();
    ratio->selectAll();
    typeInto(ratio, QStringLiteral("6x0"));
    EXPECT_EQ(ratio->text(), QStringLiteral("60"));

    child<QPushButton>(window, "cmdOpenWinkey")->click();
    EXPECT_EQ(child<QLabel>(window, "lblOpenStatus")->text(), QStringLiteral("WK Success!"));
    EXPECT_EQ(child<QLabel>(window, "lblVersion")->text(), QStringLiteral("Version # 31"));
    EXPECT_NE(std::find(keyer.calls.begin(), keyer.calls.end(), "ratio 60"), keyer.calls.end());

    child<QPushButton>(window, "cmdDone")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(programDir.files["WK.txt"],
              "5\r\n\"22\"\r\n\"50\"\r\n\"0\"\r\n\"0\"\r\n\"60\"\r\n6\r\n48\r\n");
}

TEST(frmCodePractice, GenerateAndKeyboardSending) {
    test::FakeClock clock;
    test::CwKeyerStub cw;
    frmCodePracticeLogic logic({cw, clock, clock});
    frmCodePractice window(logic);
    window.show();

    EXPECT_EQ(child<QLabel>(window, "Label8")->text(), QStringLiteral("22"));
    child<QPushButton>(window, "Command2")->click();
    EXPECT_EQ(child<QPlainTextEdit>(window, "Text1")->toPlainText().size(), 60);

    QLineEdit* text5 = child<QLineEdit>(window, "Text5");
    typeInto(text5, QStringLiteral("cq"));
    EXPECT_EQ(cw.sent, "CQ");
    EXPECT_TRUE(text5->text().isEmpty());
    EXPECT_EQ(child<QPlainTextEdit>(window, "Text2")->toPlainText(), QStringLiteral("CQ"));

    child<QPushButton>(window, "Command7")->click();
    EXPECT_EQ(child<QLabel>(window, "Label8")->text(), QStringLiteral("23"));
}

} // namespace
} // namespace qv
