// The display windows on the offscreen screen: the rate graph draws and
// switches its background, the colour window shows what was chosen, and the
// map paints exactly the worked area of the shipped map.

#include "Form1Harness.h"
#include "core/MultiplierTable.h"
#include "displays/FloodFill.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/Records.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"
#include "ui/Form6.h"
#include "ui/GraphQSO.h"
#include "ui/SectionMap.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qv {
namespace {

template <typename W> W* child(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// count contacts on 20 m, `every` seconds apart from 14:00:00.
ContestLog logOf(int count, int every) {
    ContestLog log;
    const DateTime start = *DateTime::fromFields(2007, 1, 13, 14, 0, 0);
    for (int i = 0; i < count; ++i) {
        ContactRecord r = test::contact("K1ABC", "ON", 10, "20");
        const DateTime t = start.addSeconds(std::int64_t(i) * every);
        r.date = t.dateText();
        r.time = t.timeText();
        EXPECT_TRUE(log.append(r));
    }
    return log;
}

bool anyPixel(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(GraphQSOWindow, DrawsTheCurveAndSwitchesBackground) {
    const ContestLog log = logOf(200, 30);
    test::FakeDialogs dialogs;
    GraphQSOLogic logic({log, dialogs});
    GraphQSO window(logic);
    window.show();
    const QRect plot = window.plot().toRect().adjusted(2, 2, -2, -2);

    QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_TRUE(anyPixel(shot, plot, qRgb(0, 0, 255))) << "the curve";
    EXPECT_EQ(child<QLabel>(window, "lblTime(0)")->text(), "14:00");
    EXPECT_EQ(child<QLabel>(window, "lblDate(14)")->text(), "01/13");

    auto* command1 = child<QPushButton>(window, "Command1");
    EXPECT_EQ(command1->text(), "Black Background");
    command1->click();
    EXPECT_EQ(command1->text(), "White Background");
    shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_TRUE(anyPixel(shot, plot, qRgb(0, 0, 255)));
    window.close();
}

TEST(GraphQSOWindow, AllContactsInOneSecondDrawWhatTheyCan) {
    const ContestLog log = logOf(9, 0);
    test::FakeDialogs dialogs;
    GraphQSOLogic logic({log, dialogs});
    GraphQSO window(logic);
    window.show();
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(anyPixel(shot, window.plot().toRect().adjusted(2, 2, -2, -2), qRgb(0, 0, 255)));
    EXPECT_EQ(child<QLabel>(window, "lblTime(14)")->text(), "14:00");
    EXPECT_EQ(child<QLabel>(window, "lblY(16)")->text(), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(Form6Window, TheSampleShowsTheChosenColourAndDoneCloses) {
    Preferences prefs;
    const Colour remaining = prefs.remainingColor;
    test::FakeDialogs dialogs;
    dialogs.colourAnswers = {rgb(10, 20, 30)};
    Form6Logic logic({prefs, dialogs});
    Form6 window(logic);
    window.show();
    child<QPushButton>(window, "Command3")->click();
    child<QPushButton>(window, "Command1")->click(); // cancelled
    EXPECT_EQ(prefs.workedColor, rgb(10, 20, 30));
    EXPECT_EQ(prefs.remainingColor, remaining);
    EXPECT_TRUE(child<QLabel>(window, "lblWorked")->styleSheet().contains("rgb(10,20,30)"));
    child<QPushButton>(window, "Command6")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

struct MapFiles {
    test::MemoryFileStore working;
    PosixFileStore installed{QV_DATA_DIR};
    ShippedFiles shipped{working, {&installed}};
};

TEST(SectionMapWindow, WorkedOntarioPaintsExactlyOntario) {
    MapFiles files;
    const PixelImage original = SectionMap::loadMap(files.shipped);
    ASSERT_EQ(original.width, kMapWidth) << "data/map.png";
    ASSERT_EQ(original.height, kMapHeight);

    ContestLog log;
    ASSERT_TRUE(log.append(test::contact("VE3ABC", "ON")));
    Preferences prefs;
    ScorePanelView score;
    const MultiplierTable table;
    for (std::size_t j = 0; j < score.multipliers.size(); ++j) {
        score.multipliers[j].caption = std::string(table.entry(j + 1).abbreviation);
        score.multipliers[j].background =
            score.multipliers[j].caption == "ON" ? prefs.workedColor : prefs.remainingColor;
    }
    test::FakeClock clock;
    SectionMapLogic logic({log, score, prefs, clock, clock, [] { return 0.5; }});
    SectionMap window(logic, original);
    window.show();
    EXPECT_FALSE(child<QLabel>(window, "lblHint")->isVisible());
    clock.advance(1);

    const MapSeed& on = mapSeeds()[57];
    ASSERT_EQ(on.code, "ON");
    EXPECT_EQ(window.view()->seedAt(QPoint(on.x, on.y)), 57);
    EXPECT_EQ(logic.state().seedTips[57], "ON");

    // What a fill from the Ontario seed covers, and nothing else, has changed.
    PixelImage ontario = original;
    ASSERT_GT(floodFill(ontario, on.x, on.y, rgb(1, 2, 3)), 100);
    const QImage shown = window.view()->image();
    long changed = 0;
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 0; x < kMapWidth; ++x) {
            const bool inOntario = ontario.at(x, y) != original.at(x, y);
            const QRgb expected = inOntario
                                      ? qRgb(127, 127, 127)
                                      : qRgb(redOf(original.at(x, y)), greenOf(original.at(x, y)),
                                             blueOf(original.at(x, y)));
            changed += inOntario;
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 100);
    window.close();
}

TEST(Form1Displays, ColoursAreSavedAndRepaintTheLabelsAfterTheWindowCloses) {
    test::Form1Harness h;
    h.dir.write("log.txt", test::contactLines(1));
    ASSERT_TRUE(h.start());
    const MultiplierLabel& ct = h.program.ui.score.multipliers[0];
    ASSERT_EQ(ct.caption, "CT");
    ASSERT_TRUE(ct.worked);

    h.dialogs.colourAnswers = {rgb(10, 20, 30)};
    test::Form1Harness::onWindow("Form6", [](QWidget* w) {
        w->findChild<QPushButton*>("Command3")->click();
        w->findChild<QPushButton*>("Command6")->click();
    });
    h.form->findChild<QAction*>("mnuColors")->trigger();
    EXPECT_EQ(h.prefs.workedColor, rgb(10, 20, 30));
    EXPECT_NE(h.dir.read("Quorvpref.txt").find(std::to_string(rgb(10, 20, 30))), std::string::npos);
    EXPECT_EQ(ct.background, rgb(10, 20, 30));
}

TEST(Form1Displays, TheGraphAndTheMapOpenFromTheMenu) {
    test::Form1Harness h;
    h.dir.write("log.txt", test::contactLines(7));
    ASSERT_TRUE(h.start());
    for (const char* menu : {"mnuGraph", "mnuMap"}) {
        QAction* action = h.form->findChild<QAction*>(menu);
        ASSERT_TRUE(action->isEnabled()) << menu;
        bool shown = false;
        test::Form1Harness::onWindow(menu == std::string("mnuGraph") ? "GraphQSO" : "SectionMap",
                                     [&shown](QWidget* w) {
                                         shown = true;
                                         w->close();
                                     });
        action->trigger();
        EXPECT_TRUE(shown) << menu;
    }
    EXPECT_TRUE(h.dialogs.shown.empty() ||
                h.dialogs.shown.back().title != SectionMapLogic::kCaption)
        << "the shipped map was read";
}

} // namespace
} // namespace qv
