// The main window from the keyboard alone, and the faults of its size, its access
// keys and its hover line.

#include "Form1Harness.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTreeView>

namespace qv {
namespace {

using test::Form1Harness;

QTreeView* list(Form1Harness& h) {
    return h.form->findChild<QTreeView*>("ListView1");
}

TEST(Form1Keyboard, TheSizeFromThePreferencesAppliesAtStartUp) {
    Form1Harness h;
    h.prefs.sizePercent = 80;
    ASSERT_TRUE(h.start());
    const QRect screen = QApplication::primaryScreen()->geometry();
    const QRect frame = h.form->frameGeometry();
    EXPECT_NEAR(frame.width(), screen.width() * 80 / 100, 4);
    EXPECT_NEAR(frame.height(), screen.height() * 80 / 100, 4);
    EXPECT_TRUE(screen.contains(frame));
}

TEST(Form1Keyboard, TheWindowFitsALaptopScreenWithItsTitleBar) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    const QRect screen = QApplication::primaryScreen()->geometry();
    ASSERT_EQ(screen.size(), QSize(1366, 768)) << "the tests' screen";
    const int titleBar = h.form->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_LE(h.form->minimumSizeHint().height() + titleBar, 768);
    EXPECT_LE(h.form->minimumSizeHint().width(), 1366);
    QApplication::processEvents(); // the size with the real frame
    EXPECT_TRUE(screen.contains(h.form->frameGeometry())) << "no rows cut off at the bottom";
}

TEST(Form1Keyboard, AltCClearsTheEntryLine) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    h.typeText("W1AW");
    ASSERT_EQ(h.field("txtCall")->text(), "W1AW");
    QTest::keyClick(h.field("txtCall"), Qt::Key_C, Qt::AltModifier);
    // An unambiguous access key clicks its button as a mouse click would, a
    // moment later; an ambiguous one would only move the focus.
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.field("txtCall")->text().isEmpty(); }, 2000));
    EXPECT_TRUE(h.field("txtCall")->hasFocus());
    for (const char* hidden : {"mnuMode", "mnuCW", "mnuPH"}) {
        EXPECT_FALSE(h.form->findChild<QAction*>(hidden)->text().contains('&')) << hidden;
    }
}

TEST(Form1Keyboard, TheMultiplierLineEmptiesOverTheBackgroundNotOverControls) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    auto* ny = h.form->findChild<QLabel*>("Label10(7)");
    QEvent enterLabel(QEvent::Enter);
    QApplication::sendEvent(ny, &enterLabel);
    QApplication::processEvents();
    ASSERT_TRUE(h.label("lblDupe").contains("New York")) << h.label("lblDupe").toStdString();

    QEvent enterField(QEvent::Enter);
    QApplication::sendEvent(h.field("txtCall"), &enterField);
    EXPECT_TRUE(h.label("lblDupe").contains("New York")) << "a control is no background";

    // The panel around the multiplier labels, deep inside the window.
    QEvent enterPanel(QEvent::Enter);
    QApplication::sendEvent(ny->parentWidget(), &enterPanel);
    QApplication::processEvents();
    EXPECT_EQ(h.label("lblDupe"), "");
}

TEST(Form1Keyboard, TabReachesTheListWhereEnterEditsAndFocusReturnsToTheCall) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(3));
    ASSERT_TRUE(h.start());
    auto* listButton = h.form->findChild<QPushButton*>("cmdList");
    const QRect listButtonAt = listButton->geometry();
    h.field("txtSec")->setFocus();
    h.key(Qt::Key_Tab, QStringLiteral("\t"));
    ASSERT_TRUE(list(h)->hasFocus()) << "Tab after the name field reaches the list";
    ASSERT_EQ(list(h)->currentIndex().row(), 0) << "the newest contact is current";
    h.key(Qt::Key_Down);
    ASSERT_EQ(list(h)->currentIndex().row(), 1);
    ASSERT_TRUE(h.form->findChild<QPushButton*>("cmdEdit")->isVisible());
    EXPECT_EQ(listButton->geometry(), listButtonAt) << "no button jumps when Edit appears";

    std::string editedRecord;
    Form1Harness::onWindow("frmEditCon", [&](QWidget* w) {
        editedRecord = w->findChild<QLineEdit*>("txtEditCall")->text().toStdString();
        auto* name = w->findChild<QLineEdit*>("txtEditSec");
        name->setFocus();
        name->selectAll();
        for (QChar ch : QStringLiteral("Zoe")) {
            QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
            QApplication::sendEvent(name, &press);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(name, &enter);
    });
    h.key(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(editedRecord, "K2AA") << "the second row from the top is record 2";
    EXPECT_NE(h.dir.read("log.txt").find("\"K2AA\",\"M\",\"Zoe\""), std::string::npos);
    // The offscreen screen has no window manager to activate the main window
    // again once the edit window closes; its focus widget is what will have
    // the focus when it is.
    EXPECT_EQ(h.form->focusWidget(), h.field("txtCall")) << "back to the call field after the edit";
}

TEST(Form1Keyboard, DeleteInTheListAsksWithNoAsTheDefault) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(3));
    ASSERT_TRUE(h.start());
    list(h)->setFocus();
    h.dialogs.messageAnswers = {MessageAnswer::No};
    h.key(Qt::Key_Delete);
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown.back().title, "Are you sure?");
    EXPECT_EQ(h.dialogs.shown.back().buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(h.dir.read("log.txt"), test::contactLines(3));

    list(h)->setFocus();
    h.dialogs.messageAnswers = {MessageAnswer::Yes};
    h.key(Qt::Key_Delete);
    EXPECT_EQ(h.dir.read("log.txt").find("K3AA"), std::string::npos);
    EXPECT_TRUE(h.field("txtCall")->hasFocus()) << "back to the call field, not to a button";
}

TEST(Form1Keyboard, TheContextMenuKeyOffersEditDeleteAndTheSorts) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(3));
    ASSERT_TRUE(h.start());
    list(h)->setFocus();
    h.key(Qt::Key_Down);
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions()) {
                if (!a->isSeparator()) {
                    offered << a->text();
                }
            }
            menu->actions().last()->trigger(); // sort by "Name S"
            menu->close();
        }
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              list(h)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list(h), &menuKey);
    QApplication::processEvents();
    ASSERT_EQ(offered.size(), 11);
    EXPECT_EQ(offered[0], "&Edit Contact");
    EXPECT_EQ(offered[1], "&Delete Contact");
    EXPECT_EQ(offered[2], "Sort by Rec#");
    EXPECT_EQ(offered[10], "Sort by Name S");
    EXPECT_EQ(h.program.ui.recent.sortColumn(), 8);
}

TEST(Form1Keyboard, EscClosesTheDialogsAsTheirCloseBoxDoes) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(2));
    ASSERT_TRUE(h.start());
    const std::string before = h.dir.read("log.txt");

    list(h)->setFocus();
    h.key(Qt::Key_Down);
    bool closed = false;
    Form1Harness::onWindow("frmEditCon", [&](QWidget* w) {
        auto* name = w->findChild<QLineEdit*>("txtEditSec");
        name->setFocus();
        QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
        QApplication::sendEvent(name, &z);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(name, &esc);
        closed = !w->isVisible();
    });
    h.key(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(closed);
    EXPECT_EQ(h.dir.read("log.txt"), before) << "Esc changes nothing";

    const std::string callBefore = h.program.profile.ownCall;
    Form1Harness::onWindow("frmStationID", [&](QWidget* w) {
        auto* call = w->findChild<QLineEdit*>("Text1");
        call->setFocus();
        QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(call, &x);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(call, &esc);
    });
    h.form->findChild<QAction*>("mnuSetup")->trigger();
    EXPECT_EQ(h.program.profile.ownCall, callBefore);

    bool sheetClosed = false;
    Form1Harness::onWindow("Form2", [&](QWidget* w) {
        auto* name = w->findChild<QLineEdit*>("Text5");
        name->setFocus();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(name, &esc);
        sheetClosed = !w->isVisible();
    });
    h.form->findChild<QAction*>("mnuCabrillo")->trigger();
    EXPECT_TRUE(sheetClosed);
    EXPECT_EQ(h.form->focusWidget(), h.field("txtCall"));
}

} // namespace
} // namespace qv
