#include "Form1Harness.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QTreeView>

namespace qv {
namespace {

using test::Form1Harness;

TEST(Form1, StartsOnASmallLogAndShowsTheScore) {
    Form1Harness h;
    h.dir.write("log.txt", "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
                           "13\",\"14:10:00\",\"PH\",\"40\",10,\"\"\r\n"
                           "\"DL1ABC\",\"Y\",\"Jos\xE9\",\"Anne\",\"Germany\",\"2007/01/"
                           "13\",\"14:15:00\",\"PH\",\"20\",2,\"14.250\"\r\n"
                           "\"VE3XYZ\",\"O\",\"Bob\",\"Anne\",\"ON\",\"2007/01/"
                           "13\",\"14:18:00\",\"PH\",\"40\",1,\"\"\r\n");
    ASSERT_TRUE(h.start());

    EXPECT_EQ(h.form->windowTitle(), QStringLiteral("Velmark's Quorvane Log 1.5"));
    EXPECT_EQ(h.label("lblTotCon"), "3");
    EXPECT_EQ(h.label("lblsectogo"), "3");
    EXPECT_EQ(h.label("lblTotSec"), "13");
    EXPECT_EQ(h.label("lblTotScore"), "39");
    EXPECT_EQ(h.label("lblAQSO60"), "3");
    EXPECT_EQ(h.label("lblAQSO20"), "9");
    EXPECT_EQ(h.label("Label15"), "US & Canadian Multipliers Worked - 2");
    EXPECT_EQ(h.label("lblStation(5)"), "DX  -  1");
    EXPECT_EQ(h.label("Label2"), "K1QV");
    EXPECT_EQ(h.label("Label4"), "Anne");

    auto* dx = h.form->findChild<QListWidget*>("List1");
    ASSERT_NE(dx, nullptr);
    ASSERT_EQ(dx->count(), 1);
    EXPECT_EQ(dx->item(0)->text(), QString::fromUtf8("Germany"));
    auto* list = h.form->findChild<QTreeView*>("ListView1");
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(h.cell(list, 0, 1), "VE3XYZ");
    EXPECT_EQ(h.cell(list, 1, 4), QString::fromUtf8("Jos\u00e9"));

    auto* ct = h.form->findChild<QLabel*>("Label10(1)");
    auto* ma = h.form->findChild<QLabel*>("Label10(2)");
    EXPECT_EQ(ct->toolTip(), "Connecticut");
    EXPECT_TRUE(ct->property("worked").toBool());
    EXPECT_FALSE(ma->property("worked").toBool());
    EXPECT_EQ(h.form->findChildren<QLabel*>(QRegularExpression("^Label10\\(\\d+\\)$")).size(), 62);
    EXPECT_EQ(h.form->findChild<QLabel*>("lblTotScore")->accessibleName(), "39");
    EXPECT_EQ(h.field("txtCall")->accessibleName(), "Call");
}

TEST(Form1, ADamagedLogStopsTheStartWithTheFileError) {
    Form1Harness h;
    const std::string damaged = "\"W1AW\",\"M\",\"Jo\"hn\"\r\n";
    h.dir.write("log.txt", damaged);
    EXPECT_FALSE(h.start());
    EXPECT_EQ(h.dialogs.shown.back().title, "File Error");
    EXPECT_EQ(h.dir.read("log.txt"), damaged);
}

TEST(Form1, AContactTypedFieldByFieldIsLoggedByteForByte) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    EXPECT_EQ(h.form->findChild<QPushButton*>("cmdLogOn")->text(), "&Log \"Time Off\"");
    ASSERT_TRUE(h.field("txtCall")->hasFocus());

    h.typeText("w1aw ");
    ASSERT_TRUE(h.field("txtCntry")->hasFocus());
    h.typeText("ct ");
    ASSERT_TRUE(h.field("txtRSTR")->hasFocus());
    h.typeText("mjohn");
    EXPECT_EQ(h.field("txtSec")->text(), "John");
    h.enter();

    EXPECT_EQ(h.dir.read("log.txt"), "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/13\","
                                     "\"14:22:05\",\"PH\",\"40\",10,\"\"\r\n");
    EXPECT_TRUE(h.field("txtCall")->hasFocus());
    EXPECT_EQ(h.field("txtCall")->text(), "");
    EXPECT_EQ(h.label("lblTotCon"), "1");

    // The same call on the same band is a duplicate: message, no new line.
    const std::string before = h.dir.read("log.txt");
    h.typeText("W1AW ");
    EXPECT_EQ(h.label("lblDialog"), "Duplicate W1AW 2007/01/13 14:22:05  Rec#  1");
    EXPECT_EQ(h.field("txtCall")->text(), "");
    EXPECT_EQ(h.dir.read("log.txt"), before);
}

TEST(Form1, BandChangeSavesLineTwelve) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.form->findChild<QAction*>("mnuBand20")->trigger();
    EXPECT_EQ(h.label("Label24"), "20");
    EXPECT_TRUE(h.form->findChild<QAction*>("mnuBand20")->isChecked());
    EXPECT_FALSE(h.form->findChild<QAction*>("mnuBand40")->isChecked());
    const std::string prefs = h.dir.read("Quorvpref.txt");
    std::vector<std::string> lines;
    for (std::size_t pos = 0, next; (next = prefs.find("\r\n", pos)) != std::string::npos;
         pos = next + 2) {
        lines.push_back(prefs.substr(pos, next - pos));
    }
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[11], "\"20\"");
}

TEST(Form1, TimeOnAndOffShowTheOperatingTime) {
    Form1Harness h;
    h.op.operatingSeconds = 3725;
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.label("lblttrack"), "01:02:05");
    auto* logOn = h.form->findChild<QPushButton*>("cmdLogOn");
    EXPECT_EQ(logOn->text(), "&Log \"Time On\"");
    logOn->click();
    h.clock.local = h.clock.local.addSeconds(65);
    h.form->logic().timer2Tick();
    logOn->click();
    EXPECT_EQ(logOn->text(), "&Log \"Time On\"");
    EXPECT_EQ(h.label("lblttrack"), "01:03:10");
    EXPECT_EQ(h.label("lblDialog"), "Logged Off at 1/13/2007 14:23:10");
}

TEST(Form1, EditingARowOfTheListRewritesThatLine) {
    Form1Harness h;
    std::string logText;
    for (const char* call : {"W1AW", "K2ABC", "N3XYZ"}) {
        logText += std::string("\"") + call +
                   "\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
                   "13\",\"14:10:00\",\"PH\",\"40\",10,\"\"\r\n";
    }
    h.dir.write("log.txt", logText);
    ASSERT_TRUE(h.start());
    auto* list = h.form->findChild<QTreeView*>("ListView1");
    ASSERT_EQ(list->model()->rowCount(), 3);
    list->setCurrentIndex(list->model()->index(1, 0)); // record 2, K2ABC
    EXPECT_EQ(h.cell(list, 1, 0), "2");

    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmEditCon" && w->isVisible()) {
                auto* name = w->findChild<QLineEdit*>("txtEditSec");
                name->setFocus();
                name->selectAll();
                for (QChar ch : QStringLiteral("zoe")) {
                    QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier,
                                    QString(ch));
                    QApplication::sendEvent(name, &press);
                }
                w->findChild<QPushButton*>("cmdDone")->click();
            }
        }
    });
    h.form->findChild<QPushButton*>("cmdEdit")->click();

    std::string expected = logText;
    expected.replace(expected.find("\"John\"", expected.find("K2ABC")), 6, "\"Zoe\"");
    EXPECT_EQ(h.dir.read("log.txt"), expected);
    EXPECT_EQ(h.cell(list, 1, 4), "Zoe");
}

TEST(Form1, CtrlShortcutsTypeNothingAndEscClears) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    h.typeText("W1AW");
    h.key(Qt::Key_R, QStringLiteral("\x12"), Qt::ControlModifier);
    EXPECT_EQ(h.field("txtCall")->text(), "W1AW");
    // Ctrl+R shows the rig window; closing it hides it and the radio stays polled.
    auto* rig = qobject_cast<QDialog*>(h.form->findChild<QWidget*>("RigControlfrm"));
    ASSERT_NE(rig, nullptr);
    EXPECT_TRUE(rig->isVisible());
    rig->reject();
    EXPECT_FALSE(rig->isVisible());
    h.form->activateWindow();
    QApplication::processEvents();
    h.field("txtCall")->setFocus();
    h.key(Qt::Key_F10);
    EXPECT_EQ(h.field("txtCall")->text(), "W1AW");
    h.key(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(h.field("txtCall")->text(), "");
    EXPECT_TRUE(h.field("txtCall")->hasFocus());
}

TEST(Form1, MenuTreeCaptionsAndHiddenItems) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    auto action = [&](const char* name) { return h.form->findChild<QAction*>(name); };
    EXPECT_EQ(action("mnuNew")->text(), "&New");
    EXPECT_FALSE(action("mnuOpen")->isVisible());
    EXPECT_FALSE(action("mnuExport")->isVisible());
    EXPECT_FALSE(action("mnuCWSetup")->isVisible());
    EXPECT_FALSE(action("mnuBand160")->isVisible());
    EXPECT_FALSE(action("mnuMode")->isVisible());
    EXPECT_TRUE(action("mnuBand70")->isVisible());
    EXPECT_EQ(action("mnuThirdParty")->text(), "&3Rd Party List");
    EXPECT_TRUE(action("mnuListPrevious")->isCheckable());
}

} // namespace
} // namespace qv
