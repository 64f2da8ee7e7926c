// The rig window with "Hamlib rigctld" chosen: the daemon's settings take the
// place of the serial ones, and what is typed and picked reaches the logic.

#include "ui/RigControlfrm.h"

#include "app/Program.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeChildProcess.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"
#include "rig/RadioTable.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RigControlfrm, RigctldShowsItsOwnSettingsInPlaceOfTheSerialOnes) {
    test::MemoryFileStore files;
    ShippedFiles shipped{files, {}};
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::FakeSettingsStore settings;
    test::FakeClipboard clipboard;
    test::FakeChildProcess programs;
    programs.printed = " Rig #  Mfg                    Model                   Version\n"
                       "     1  Hamlib                 Dummy                   20221128.0\n"
                       "  3073  Icom                   IC-7300                 20230109.10\n";
    Program program{
        {clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
        {},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &programs}};
    program.rigWindow.show();
    RigControlfrm window(program.rigWindow);
    window.show();
    auto* list = window.findChild<QListWidget*>("List1");
    auto* host = window.findChild<QLineEdit*>("txtRigctldHost");
    auto* comm = window.findChild<QRadioButton*>("optComm(1)");
    ASSERT_TRUE(list && host && comm);
    EXPECT_FALSE(host->isVisible());
    EXPECT_TRUE(comm->isVisible());

    list->setCurrentRow(static_cast<int>(kRadios.size()) - 1);
    EXPECT_EQ(list->currentItem()->text(), "Hamlib rigctld");
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(host->text(), "127.0.0.1");
    EXPECT_EQ(window.findChild<QLineEdit*>("txtRigctldPort")->text(), "4532");
    EXPECT_FALSE(comm->isVisible());
    EXPECT_FALSE(window.findChild<QLineEdit*>("txtFreq")->isVisible());
    EXPECT_TRUE(window.findChild<QRadioButton*>("optPollFast")->isVisible());

    auto* models = window.findChild<QListWidget*>("lstRigctldModel");
    ASSERT_EQ(models->count(), 2);
    EXPECT_EQ(models->currentRow(), 0);
    EXPECT_FALSE(models->isEnabled()) << "only for a daemon the program starts";
    window.findChild<QCheckBox*>("chkStartRigctld")->click();
    EXPECT_TRUE(models->isEnabled());
    QTest::keyClicks(window.findChild<QLineEdit*>("txtModelSearch"), "7300");
    EXPECT_EQ(models->currentRow(), 1);
    QTest::keyClicks(host, "x");
    EXPECT_EQ(program.rigWindow.state().rigctld.host, "127.0.0.1x");
    EXPECT_EQ(program.rigWindow.state().rigctld.model, 3073);

    list->setCurrentRow(4); // "Kenwood"
    EXPECT_FALSE(host->isVisible());
    EXPECT_TRUE(comm->isVisible());
}

} // namespace
} // namespace qv
