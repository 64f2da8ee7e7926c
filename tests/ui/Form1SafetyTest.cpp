// What the real main window does to keep the log whole: a reload that fails ends
// the program, a caret move never re-runs the prefix lookup, a new log is backed
// up first, each focus event is handled once, and a termination signal ends the
// program the way "&Exit" does.

#include "Form1Harness.h"
#include "core/Preferences.h"
#include "platform/qt/QtTerminationWatch.h"

#include <csignal>
#include <dirent.h>

#include <QAction>
#include <QTest>

namespace qv {
namespace {

using test::Form1Harness;

std::vector<std::string> backups(const Form1Harness& h) {
    std::vector<std::string> found;
    if (DIR* dir = ::opendir(h.dir.file("BACKUP").c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            if (e->d_name[0] != '.') {
                found.push_back(h.dir.read(std::string("BACKUP/") + e->d_name));
            }
        }
        ::closedir(dir);
    }
    return found;
}

void logOn(Form1Harness& h) {
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
}

TEST(Form1Safety, AFailedReloadEndsTheProgramAndNothingIsAppended) {
    const char* paths[] = {"band menu", "band label", "open"};
    for (const char* path : paths) {
        Form1Harness h;
        h.dir.write("log.txt", test::contactLines(2));
        ASSERT_TRUE(h.start());
        logOn(h);
        const std::string damaged = test::contactLines(2) + "\"K1ABC\",\"broken line\r\n";
        h.dir.write("log.txt", damaged);
        if (std::string(path) == "band menu") {
            h.form->findChild<QAction*>("mnuBand20")->trigger();
        } else if (std::string(path) == "band label") {
            auto* band = h.form->findChild<QLabel*>("Label24");
            QTest::mouseClick(band, Qt::LeftButton);
        } else {
            h.form->findChild<QAction*>("mnuOpen")->trigger();
        }
        ASSERT_FALSE(h.dialogs.shown.empty()) << path;
        EXPECT_EQ(h.dialogs.shown.back().title, "File Error") << path;
        h.typeText("K2XYZ ");
        h.typeText("ct m");
        h.typeText("bob");
        h.enter();
        EXPECT_EQ(h.dir.read("log.txt"), damaged) << path;
    }
}

TEST(Form1Safety, CaretMovesInTheCallFieldLeaveATypedSpcAlone) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    logOn(h);
    h.typeText("DL1ABC");
    EXPECT_EQ(h.field("txtCntry")->text(), "Germany");
    h.key(Qt::Key_Space, QStringLiteral(" "));
    ASSERT_TRUE(h.field("txtCntry")->hasFocus());
    h.typeText("ZZ");
    ASSERT_EQ(h.field("txtCntry")->text(), "ZZ");

    h.key(Qt::Key_Backtab, {}, Qt::ShiftModifier);
    ASSERT_TRUE(h.field("txtCall")->hasFocus());
    EXPECT_EQ(h.field("txtCntry")->text(), "ZZ") << "Shift+Tab";
    h.key(Qt::Key_Left);
    EXPECT_EQ(h.field("txtCntry")->text(), "ZZ") << "Left";
    h.key(Qt::Key_Home);
    EXPECT_EQ(h.field("txtCntry")->text(), "ZZ") << "Home";
    QTest::mouseClick(h.field("txtCall"), Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_EQ(h.field("txtCntry")->text(), "ZZ") << "click";
    EXPECT_EQ(h.field("txtCall")->text(), "DL1ABC");
}

TEST(Form1Safety, ACorrectedCountryIsLoggedAsTyped) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    logOn(h);
    h.typeText("QQ1AB");
    EXPECT_EQ(h.field("txtCntry")->text(), "Not Found");
    h.key(Qt::Key_Space, QStringLiteral(" "));
    h.typeText("Spain");
    ASSERT_EQ(h.field("txtCntry")->text(), "Spain");
    h.key(Qt::Key_Backtab, {}, Qt::ShiftModifier);
    h.key(Qt::Key_End);
    h.key(Qt::Key_Tab, QStringLiteral("\t"));
    h.key(Qt::Key_Tab, QStringLiteral("\t"));
    h.typeText("mpepe");
    h.enter();
    const std::string log = h.dir.read("log.txt");
    EXPECT_NE(log.find("\"QQ1AB\",\"M\",\"Pepe\",\"Anne\",\"Spain\""), std::string::npos) << log;
}

TEST(Form1Safety, ANewLogKeepsABackupOfEveryLineOnDisk) {
    const std::string old = test::contactLines(41);
    {
        // "Open existing log?" No, then YES: nothing of it was ever in memory.
        Form1Harness h;
        h.dir.write("log.txt", old);
        h.dialogs.messageAnswers = {MessageAnswer::No};
        h.dialogs.inputAnswers = {"YES"};
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.dir.read("log.txt"), "");
        EXPECT_EQ(backups(h), std::vector<std::string>{old});
    }
    {
        // File > New on a log unchanged since it was loaded.
        Form1Harness h;
        h.dir.write("log.txt", old);
        ASSERT_TRUE(h.start());
        h.dialogs.inputAnswers = {"YES"};
        h.form->findChild<QAction*>("mnuNew")->trigger();
        EXPECT_EQ(h.dir.read("log.txt"), "");
        EXPECT_EQ(backups(h), std::vector<std::string>{old});
    }
}

TEST(Form1Safety, LeavingTheCallFieldGreetsWithOneBeep) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    logOn(h);
    h.typeText("ZORVIK");
    const int before = h.beeper.beeps;
    h.key(Qt::Key_Tab, QStringLiteral("\t"));
    ASSERT_TRUE(h.field("txtCntry")->hasFocus());
    EXPECT_EQ(h.beeper.beeps, before + 1);
}

TEST(Form1Safety, ATerminationSignalEndsTheProgramAsExitDoes) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    logOn(h);
    h.clock.local = h.clock.local.addSeconds(100);
    h.form->logic().timer2Tick();
    QtTerminationWatch watch([&h] { h.form->exitProgram(); });
    ::raise(SIGTERM);
    QApplication::processEvents();
    StationProfile p;
    Preferences q;
    OperatingState o;
    ASSERT_TRUE(parsePreferences(h.dir.read("Quorvpref.txt"), p, q, o));
    EXPECT_EQ(o.operatingSeconds, 100) << "the operating time is saved";
    h.typeText("K2XYZ ");
    EXPECT_EQ(h.field("txtCall")->text(), "") << "nothing is taken after the end";
}

} // namespace
} // namespace qv
