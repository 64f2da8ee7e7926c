// The known-calls line of the main window: it follows the call field once the
// list arrives, Ctrl+Down and Ctrl+Enter take a call from it, the Options menu
// switches it, and a screen reader reads it as a list of calls or as one line.

#include "Form1Harness.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <gmock/gmock.h>

namespace qv {
namespace {

using test::Form1Harness;

struct SuperCheckWindow : Form1Harness {
    PosixFileStore nothingInstalled{dir.path() + "/none"};

    bool startWithList() {
        dir.write("log.txt", test::contactLines(2)); // K1AA and K2AA on 40 m
        dir.write("MASTER.SCP", "# Release 1\r\nW1AW\r\nK2AA\r\nK1AAB\r\nK1AA\r\nN2AA\r\n");
        op.currentBand = "40";
        if (!start()) {
            return false;
        }
        form->masterListArrived(loadMasterList(files, nothingInstalled));
        return true;
    }
    QListWidget* list() { return form->findChild<QListWidget*>("lstCheck"); }
    QStringList shown() {
        QStringList calls;
        for (int i = 0; i < list()->count(); ++i) {
            calls << list()->item(i)->text();
        }
        return calls;
    }
};

TEST(SuperCheckLine, FollowsTheCallFieldAndReadsAsAListOfCalls) {
    SuperCheckWindow h;
    ASSERT_TRUE(h.startWithList());
    ASSERT_NE(h.list(), nullptr);
    EXPECT_THAT(h.list()->toolTip().toStdString(), ::testing::HasSubstr("5 calls"));
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    h.field("txtCall")->setFocus();
    h.typeText("2");
    EXPECT_EQ(h.list()->count(), 0) << "one character shows nothing";
    h.typeText("aa");
    EXPECT_EQ(h.shown(), QStringList({"K2AA", "N2AA"}));
    EXPECT_TRUE(h.list()->item(0)->font().strikeOut()) << "K2AA is worked on 40 m";
    EXPECT_FALSE(h.list()->item(1)->font().strikeOut());

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(h.list());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "Super check partial");
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "K2AA");
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "N2AA");
    auto* caption = h.form->findChild<QLabel*>("lblCheck");
    ASSERT_NE(caption, nullptr);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(caption);
    EXPECT_EQ(line->text(QAccessible::Name), "K2AA worked, N2AA");
    EXPECT_EQ(line->text(QAccessible::Description), "Check");

    // An unknown call: the calls one edit away follow.
    for (int i = 0; i < 3; ++i) {
        h.key(Qt::Key_Backspace);
    }
    h.typeText("K1AC");
    EXPECT_EQ(h.shown(), QStringList({"K1AA"}));
    EXPECT_TRUE(h.list()->item(0)->font().italic());
    EXPECT_EQ(line->text(QAccessible::Name), "one edit away: K1AA worked");
}

// The line is one row high however tall the window is: the room the main
// window grows by goes to the contact list, as it did before the line came.
TEST(SuperCheckLine, IsOneRowHighAndLeavesTheRoomToTheContactList) {
    SuperCheckWindow h;
    ASSERT_TRUE(h.startWithList());
    QWidget* line = h.list()->parentWidget();
    QWidget* contacts = h.form->findChild<QWidget*>("ListView1");
    ASSERT_NE(contacts, nullptr);
    EXPECT_LE(line->height(), h.list()->height() + 4);
    EXPECT_GT(contacts->height(), 6 * line->height());
}

TEST(SuperCheckLine, CtrlDownAndCtrlEnterPutTheChosenCallIntoTheCallField) {
    SuperCheckWindow h;
    ASSERT_TRUE(h.startWithList());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    h.field("txtCall")->setFocus();
    h.typeText("K1");
    EXPECT_EQ(h.shown(), QStringList({"K1AAB", "K1AA"}));
    h.key(Qt::Key_Down, {}, Qt::ControlModifier);
    h.key(Qt::Key_Down, {}, Qt::ControlModifier);
    EXPECT_EQ(h.list()->currentRow(), 1);
    h.key(Qt::Key_Up, {}, Qt::ControlModifier);
    h.key(Qt::Key_Return, QStringLiteral("\r"), Qt::ControlModifier);
    EXPECT_EQ(h.field("txtCall")->text(), "K1AAB");
    EXPECT_TRUE(h.field("txtCall")->hasFocus());
    EXPECT_EQ(h.label("lblDupe"), "") << "K1AAB is not worked";
    EXPECT_EQ(h.shown(), QStringList({"K1AAB"}));
    EXPECT_EQ(h.program.log.size(), 2u) << "taking a call logs nothing";

    // Logging the contact empties the line with the call field.
    h.typeText(" CT M Bob");
    h.enter();
    ASSERT_EQ(h.program.log.size(), 3u);
    EXPECT_EQ(h.list()->count(), 0);
}

TEST(SuperCheckLine, TheOptionsMenuSwitchesItAndTheChoiceIsKept) {
    SuperCheckWindow h;
    ASSERT_TRUE(h.startWithList());
    QAction* item = h.form->findChild<QAction*>("mnuSuperCheck");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Super Check Partial");
    EXPECT_TRUE(item->isChecked());
    h.field("txtCall")->setFocus();
    h.typeText("AA");
    EXPECT_EQ(h.list()->count(), 4);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(h.list()->count(), 0);
    EXPECT_THAT(h.list()->toolTip().toStdString(), ::testing::HasSubstr("off"));
    EXPECT_EQ(h.settings.values["Velmark_Software/Settings/SuperCheckPartial"], "0");
}

} // namespace
} // namespace qv
