// The spectrum map window on the offscreen screen: it fills the working area,
// paints the labels where the layout places them, and a right click on one
// tunes the radio and closes the window with its call.

#include "ui/SpectrumMap.h"

#include "fakes/FakeRig.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace qv {
namespace {

class SpectrumMapTest : public ::testing::Test, protected test::FakeRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(pollKenwood());
        for (const auto& [call, frequency] : {std::pair{"JA1ABC", 14.025f},
                                              {"VP2ABC", 10.120f},
                                              {"W1AW", 14.195f},
                                              {"K1TTT", 7.040f}}) {
            store.add(call, frequency, clock.localNow());
            clock.advance(60'000);
        }
        link.written.clear();
        map.emplace(SpectrumMapLogic::Uses{store, clock, profile, rig});
    }
    SpotLabel labelOf(const char* call) const {
        for (const SpotLabel& l : map->state().layout.labels) {
            if (store.slot(l.slot).call == call) {
                return l;
            }
        }
        ADD_FAILURE() << call << " is not shown";
        return {};
    }

    SpotStore store;
    StationProfile profile;
    std::optional<SpectrumMapLogic> map; // made as the window opens
};

TEST_F(SpectrumMapTest, FillsTheWorkingAreaWithTheLabelsWhereTheLayoutPlacesThem) {
    SpectrumMap window(*map);
    store.add("VK9XYZ", 50.110f, clock.localNow());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "activating redraws";
    EXPECT_EQ(window.objectName(), "SpectrumMap");
    EXPECT_EQ(window.windowTitle(), " HF Spectrum Map");
    EXPECT_TRUE(window.isModal());
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.pos(), area.topLeft());
    EXPECT_EQ(window.width(), area.width());
    EXPECT_GT(window.height(), area.height() * 9 / 10);
    EXPECT_LE(window.height(), area.height());

    const SpectrumMapView& view = *window.view();
    EXPECT_EQ(view.size(), window.size());
    for (std::size_t k = 0; k < kSpectrumRows.size(); ++k) {
        EXPECT_TRUE(view.rect().contains(view.strip(k).toRect())) << k;
        EXPECT_TRUE(view.strip(k).contains(view.axis(k).p1())) << k;
        if (k > 0) {
            EXPECT_GE(view.strip(k).top(), view.strip(k - 1).bottom()) << "160 m at the top";
        }
    }

    ASSERT_EQ(map->state().layout.labels.size(), 5u);
    EXPECT_EQ(labelOf("VK9XYZ").row, 9);
    const QImage image = window.grab().toImage();
    for (const SpotLabel& label : map->state().layout.labels) {
        const QRectF r = view.labelRect(label);
        const QLineF axis = view.axis(static_cast<std::size_t>(label.row));
        EXPECT_NEAR(r.center().x(), axis.x1() + label.position * axis.dx(), 0.5) << label.caption;
        EXPECT_NEAR(r.bottom(), axis.y1(), 0.5) << "the label sits on its row's axis";
        EXPECT_EQ(view.labelAt(r.center()), &label);
        int painted = 0;
        for (int x = qCeil(r.left()); x < r.right(); ++x) {
            for (int y = qCeil(r.top()); y < r.bottom(); ++y) {
                painted += image.pixelColor(x, y) == QColor(255, 255, 128) ? 1 : 0;
            }
        }
        EXPECT_GT(painted, 0) << label.caption << " in light yellow";
    }
    const SpotLabel w1aw = labelOf("W1AW");
    const SpotLabel ja1abc = labelOf("JA1ABC");
    EXPECT_EQ(w1aw.row, 4);
    EXPECT_LT(view.labelRect(ja1abc).right(), view.labelRect(w1aw).left())
        << "14.025 left of 14.195 on the 20 m row";
    EXPECT_EQ(labelOf("VP2ABC").row, 3);

    const QPoint over = view.labelRect(w1aw).center().toPoint();
    QHelpEvent help(QEvent::ToolTip, over, view.mapToGlobal(over));
    QCoreApplication::sendEvent(window.view(), &help);
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(w1aw.tip));
    EXPECT_TRUE(view.accessibleDescription().contains(QStringLiteral("20 m: ")));
}

TEST_F(SpectrumMapTest, ALeftClickRemovesASpotAndARightClickClosesWithTheCall) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<SpectrumMap*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            ADD_FAILURE() << "the window is not shown modally";
            return;
        }
        shown = true;
        SpectrumMapView* view = window->view();
        QTest::mouseClick(view, Qt::LeftButton, {},
                          view->labelRect(labelOf("K1TTT")).center().toPoint());
        EXPECT_EQ(store.slot(49).frequencyMHz, 0.0f) << "K1TTT removed";
        EXPECT_EQ(map->state().layout.labels.size(), 3u);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(link.written, "");

        QTest::mouseClick(view, Qt::RightButton, {},
                          view->labelRect(labelOf("JA1ABC")).center().toPoint());
        if (window->isVisible()) {
            ADD_FAILURE() << "the right click left the window open";
            window->reject();
        }
    });
    const std::optional<std::string> call = SpectrumMap::run(nullptr, *map);
    EXPECT_TRUE(shown);
    EXPECT_EQ(call, "JA1ABC");
    EXPECT_NE(link.written.find("FA00014025000;"), std::string::npos) << link.written;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace qv
