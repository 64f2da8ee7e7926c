// The main window's band map with spots on it: a right click on a spot tunes the
// scripted radio and fills the call field, as if the call had been typed and Tab
// pressed; a left click removes the spot.

#include "Form1Harness.h"
#include "ui/BandMapStrip.h"

#include <QTest>
#include <QTreeWidget>

namespace qv {
namespace {

using test::Form1Harness;

const char* const kLine = "DX de K1TTT:     14025.0  JA1ABC       CQ CQ                   1234Z";

TEST(BandMap, ARightClickOnASpotTunesTheRadioAndFillsTheCall) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    RigConfig& rig = h.program.rig.config();
    rig.rigType = "Kenwood";
    rig.frequencyQuery = "FA;";
    rig.modeQuery = "MD;";
    rig.settingsText = "4800,N,8,2";
    ASSERT_TRUE(h.program.rig.startPolling());
    h.rigLink.written.clear();
    ASSERT_EQ(h.program.form1.selectBand("20"), Outcome::Continue);

    h.program.spotDisplay.layOut("Telnet", false);
    h.program.spotReceiver.addSpot("14025.0", "JA1ABC", kLine);
    h.program.spotReceiver.addSpot("14195.0", "DL1XYZ", kLine);
    QApplication::processEvents();

    auto* strip = h.form->findChild<BandMapStrip*>("lblDX");
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(strip->isVisible());
    EXPECT_FALSE(h.form->findChild<QWidget*>("txtDX")->isVisible());
    const QRect ja1 = strip->labelRect(48);
    const QRect dl1 = strip->labelRect(49);
    ASSERT_FALSE(ja1.isEmpty());
    EXPECT_LT(ja1.center().x(), dl1.center().x()); // 14.025 left of 14.195
    EXPECT_EQ(strip->slotAt(ja1.center()), std::optional<std::size_t>(48));

    QTest::mouseClick(strip, Qt::RightButton, {}, ja1.center());
    QApplication::processEvents();
    EXPECT_NE(h.rigLink.written.find("FA00014025000;"), std::string::npos) << h.rigLink.written;
    EXPECT_EQ(h.field("txtCall")->text(), QStringLiteral("JA1ABC"));
    EXPECT_EQ(QApplication::focusWidget(), h.field("txtCntry"));

    QTest::mouseClick(strip, Qt::LeftButton, {}, dl1.center());
    QApplication::processEvents();
    EXPECT_TRUE(strip->labelRect(49).isEmpty());
    EXPECT_FALSE(strip->labelRect(48).isEmpty());
}

} // namespace
} // namespace qv

namespace qv {
namespace {

TEST(BandMap, TheSpotListTakesASpotWithEnter) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.program.spotDisplay.layOut("Telnet", true);
    h.program.spotReceiver.addSpot("14025.0", "JA1ABC", kLine);
    h.program.spotReceiver.addSpot("14195.0", "DL1XYZ", kLine);
    QApplication::processEvents();

    auto* list = h.form->findChild<QTreeWidget*>("txtDX");
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->setFocus(Qt::TabFocusReason);
    list->setCurrentItem(list->topLevelItem(1)); // the older spot, JA1ABC
    h.enter();
    EXPECT_EQ(h.field("txtCall")->text(), QStringLiteral("JA1ABC"));
    EXPECT_EQ(QApplication::focusWidget(), h.field("txtCall"));
}

} // namespace
} // namespace qv
