#include "ui/CWFrm.h"

#include "app/CWFrmLogic.h"
#include "app/Program.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyingTimebase.h"
#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace test;

// Takes each character and keeps it in hand; the test never finishes one.
class HoldingSender : public ElementSender {
public:
    int characters = 0;
    Status send(std::vector<KeyingElement>, KeyingTiming) override {
        ++characters;
        return Status::success();
    }
    void halt() override {}
    bool busy() const override { return characters > 0; }
};

void typeInto(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
    }
}

template <typename W> W* child(const QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The CW setup window over its logic: the captions, the message field refusing a
// double quote, the WinKey option showing "Configure Winkey", the speed buttons
// and Done writing CW.txt.
TEST(CWFrm, TheWindowShowsItsLogicAndForwardsItsControls) {
    MemoryFileStore files;
    MemoryFileStore data;
    ShippedFiles shipped{files, {&data}};
    FakeClock clock;
    FakeBeeper beeper;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakeClipboard clipboard;
    FakeSerialLink cwLink;
    FakeParallelPort parallel;
    SelectedKeyingLine line{cwLink, parallel};
    FakeKeyingTimebase time;
    HoldingSender sender;
    CwSendBuffer buffer;
    NoWinKeyer winKeyer;
    CWFrmLogic cw{{{sender, line, cwLink, parallel, time, nullptr, dialogs, beeper},
                   buffer,
                   winKeyer,
                   clock,
                   files,
                   settings}};
    cw.startUp();
    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    Subsystems{.keyerCall = &cw, .cw = &cw, .winKeyer = &winKeyer}};
    cw.show();
    CWFrm window(cw, program);
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("CW String Selections"));
    QLineEdit* f1 = child<QLineEdit>(window, "Text1");
    f1->setFocus();
    f1->selectAll();
    typeInto(f1, QStringLiteral("CQ \"TEST\""));
    EXPECT_EQ(f1->text(), QStringLiteral("CQ TEST"));

    QPushButton* configure = child<QPushButton>(window, "cmdConfWinkey");
    EXPECT_FALSE(configure->isVisible());
    child<QRadioButton>(window, "Option5")->click();
    EXPECT_TRUE(configure->isVisible());
    EXPECT_EQ(cw.keyingSelection(), KeyingSelection::WinKeyer);

    const int before = cw.speedWpm();
    child<QPushButton>(window, "Command2")->click(); // "Faster"
    EXPECT_EQ(cw.speedWpm(), before + 1);
    EXPECT_EQ(child<QLineEdit>(window, "Text11")->text(), QString::number(before + 1));

    child<QPushButton>(window, "cmdDone")->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(files.files.count("CW.txt"), 1U);
    EXPECT_NE(files.files["CW.txt"].find("\"CQ TEST\""), std::string::npos);
}

} // namespace
} // namespace qv
