// The band privileges window over the shipped BandPlan.txt and over broken ones.

#include "ui/frmBandPlan.h"

#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"
#include "ui/BandPlanChartView.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The shipped file beside the program, and a working directory that may hold the
// operator's own copy.
struct Files {
    test::MemoryFileStore working;
    PosixFileStore installed{QV_DATA_DIR};
    ShippedFiles shipped{working, {&installed}};
    test::FakeDialogs dialogs;
};

template <typename W> W* child(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

const BandPlanChart& chartOf(const frmBandPlan& window) {
    return window.findChild<BandPlanChartView*>()->chart();
}

QString title(const frmBandPlan& window) {
    return child<QLabel>(window, "Label2")->text();
}

std::vector<std::string> bandsOf(const frmBandPlan& window) {
    std::vector<std::string> bands;
    for (const BandBar& bar : chartOf(window).bars) {
        bands.push_back(bar.band);
    }
    return bands;
}

TEST(frmBandPlan, OpensOnTheWorkingAreaWithTheExtraChart) {
    Files f;
    frmBandPlan window(f.shipped, f.dialogs);
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(window.objectName(), "frmBandPlan");
    EXPECT_EQ(window.windowTitle(), "Frequency Privileges");
    EXPECT_TRUE(window.isModal());

    const QRect area = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.pos(), area.topLeft());
    EXPECT_EQ(window.width(), area.width());
    EXPECT_GT(window.height(), area.height() * 9 / 10);
    EXPECT_LE(window.height(), area.height());

    EXPECT_EQ(child<QLabel>(window, "Label1")->text(), "Frequencies Effective: February 13, 2026");
    EXPECT_EQ(title(window), "Extra Frequency Privileges");
    EXPECT_EQ(bandsOf(window),
              (std::vector<std::string>{"160", "80", "60", "40", "30", "20", "17", "15", "12", "10",
                                        "6", "2", "1.25", "70"}));
    const QFrame* line = child<QFrame>(window, "Line1");
    EXPECT_GT(chartOf(window).bars.front().box.top, line->geometry().bottom());
    EXPECT_LT(chartOf(window).bars.back().box.top,
              child<QPushButton>(window, "Command1")->geometry().top());
    EXPECT_EQ(child<QLabel>(window, "lblLegendCw")->text(), "CW");
    EXPECT_EQ(child<QLabel>(window, "lblLegendPhone")->text(), "Phone");
}

TEST(frmBandPlan, ClassButtonsRedrawTheChartAndTitle) {
    Files f;
    frmBandPlan window(f.shipped, f.dialogs);
    window.show();
    // The focus starts on the shown class's button; the chart follows "Done".
    EXPECT_EQ(window.focusWidget(), child<QPushButton>(window, "Command6"));
    EXPECT_EQ(child<QPushButton>(window, "Command7")->nextInFocusChain(),
              window.findChild<BandPlanChartView*>());
    struct Case {
        const char* button;
        const char* caption;
        const char* title;
        std::size_t bars;
    };
    const Case cases[] = {
        {"Command1", "Novice", "Novice Frequency Privileges", 5},
        {"Command2", "Technician", "Technician Frequency Privileges", 8},
        {"Command3", "Tech +", "Technician Plus Frequency Privileges", 8},
        {"Command4", "General", "General Frequency Privileges", 14},
        {"Command5", "Advanced", "Advanced Frequency Privileges", 14},
        {"Command6", "Extra", "Extra Frequency Privileges", 14},
    };
    for (const Case& c : cases) {
        QPushButton* button = child<QPushButton>(window, c.button);
        EXPECT_EQ(button->text(), c.caption);
        button->click();
        EXPECT_EQ(title(window), c.title);
        EXPECT_EQ(chartOf(window).title, c.title);
        EXPECT_EQ(chartOf(window).bars.size(), c.bars) << c.button;
    }
    child<QPushButton>(window, "Command1")->click();
    EXPECT_EQ(bandsOf(window), (std::vector<std::string>{"80", "40", "15", "10", "1.25"}));

    const auto* view = window.findChild<BandPlanChartView*>();
    EXPECT_EQ(view->accessibleName(), "Novice Frequency Privileges");
    EXPECT_TRUE(
        view->accessibleDescription().contains("10: CW 28.000 - 28.300, Phone 28.300 - 28.500"))
        << view->accessibleDescription().toStdString();
    EXPECT_TRUE(window.isVisible());
}

TEST(frmBandPlan, HoverTextsOfSegmentsTagsAndBars) {
    Files f;
    frmBandPlan window(f.shipped, f.dialogs);
    const auto* view = window.findChild<BandPlanChartView*>();
    const BandPlanChart& chart = view->chart();
    const auto centre = [](const ChartBox& b) {
        return QPointF(b.left + b.width / 2, b.top + b.height / 2);
    };
    // 80 m for Extra: CW 3.5-3.6, then phone to 4.0.
    EXPECT_EQ(view->hoverTextAt(centre(chart.segments[1].box)), "CW  3.500 - 3.600");
    EXPECT_EQ(view->hoverTextAt(centre(chart.segments[2].box)), "PH  3.600 - 4.000");
    EXPECT_EQ(view->hoverTextAt(centre(chart.tags[1].box)), "80  3.500 - 4.000");
    // Below the 60 m channels lies their bar.
    const ChartBox& sixty = chart.bars[2].box;
    EXPECT_EQ(view->hoverTextAt(QPointF(sixty.left + sixty.width * 0.15, sixty.top + 1)),
              "60  5.331 - 5.406");
    EXPECT_EQ(view->hoverTextAt(QPointF(2, 2)), "");
}

TEST(frmBandPlan, PaintsBarsTagsAndSegmentsInTheirColours) {
    Files f;
    frmBandPlan window(f.shipped, f.dialogs);
    window.show();
    const QImage image = window.grab().toImage();
    const BandPlanChart& chart = chartOf(window);
    const auto colourAt = [&](const ChartBox& b, double across) {
        return image.pixelColor(qRound(b.left + b.width * across), qRound(b.top + b.height / 2));
    };
    EXPECT_EQ(colourAt(chart.segments[1].box, 0.05), QColor(0, 0, 255)); // 80 m CW
    EXPECT_EQ(colourAt(chart.segments[2].box, 0.05), QColor(0, 255, 0)); // 80 m phone
    EXPECT_EQ(colourAt(chart.tags[0].box, 0.05), QColor(255, 255, 0));   // 160 tag
    EXPECT_EQ(colourAt(chart.bars[2].box, 0.1), QColor(0, 0, 0));        // 60 m between channels
}

TEST(frmBandPlan, ABandPlanThatCannotBeChartedIsToldAndNothingIsDrawn) {
    struct Case {
        const char* name;
        const char* text; // the working directory's copy; nullptr: none anywhere
    };
    const Case cases[] = {
        {"missing", nullptr},
        {"cut short", "\"2026\"\r\n\"20\",\"O\",\"\",14\r\n"},
    };
    for (const Case& c : cases) {
        test::MemoryFileStore working;
        test::MemoryFileStore noneInstalled;
        if (c.text) {
            working.files["BandPlan.txt"] = c.text;
        }
        ShippedFiles shipped(working, {&noneInstalled});
        test::FakeDialogs dialogs;
        frmBandPlan window(shipped, dialogs);

        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown[0].title, "Band Data Not Available.");
        EXPECT_EQ(dialogs.shown[0].text, "Band data not available.");
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(child<QLabel>(window, "Label1")->text(), "Frequencies Effective: ");
        EXPECT_EQ(title(window), "Extra Frequency Privileges");
        EXPECT_TRUE(chartOf(window).bars.empty());
        EXPECT_TRUE(chartOf(window).segments.empty());

        child<QPushButton>(window, "Command4")->click();
        EXPECT_EQ(title(window), "General Frequency Privileges");
        EXPECT_TRUE(chartOf(window).bars.empty());
    }
}

TEST(frmBandPlan, TheOperatorsOwnCopyComesFirst) {
    Files f;
    f.working.files["BandPlan.txt"] = "\"my plan\"\r\n\"20\",\"O\",\"\",14,14.35\r\n"
                                      "\"20\",\"G\",\"PH\",14.225,14.35\r\n";
    frmBandPlan window(f.shipped, f.dialogs);
    EXPECT_EQ(child<QLabel>(window, "Label1")->text(), "Frequencies Effective: my plan");
    EXPECT_TRUE(chartOf(window).bars.empty());
    child<QPushButton>(window, "Command4")->click();
    EXPECT_EQ(bandsOf(window), std::vector<std::string>{"20"});
}

// run() shows the window modally until "Done" or Esc closes it.
TEST(frmBandPlan, DoneAndEscCloseTheModalWindow) {
    for (const bool escape : {false, true}) {
        Files f;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<frmBandPlan*>(QApplication::activeModalWidget());
            if (window == nullptr) {
                ADD_FAILURE() << "the window is not shown modally";
                return;
            }
            shown = true;
            QPushButton* done = child<QPushButton>(*window, "Command7");
            EXPECT_EQ(done->text(), "Done");
            if (escape) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(window, &press);
            } else {
                done->click();
            }
            if (window->isVisible()) {
                ADD_FAILURE() << (escape ? "Esc" : "Done") << " left the window open";
                window->reject();
            }
        });
        frmBandPlan::run(nullptr, f.shipped, f.dialogs);
        EXPECT_TRUE(shown);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
} // namespace qv
