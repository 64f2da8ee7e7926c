#include "ui/Form1.h"

#include "core/LogFile.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/TempDir.h"
#include "platform/posix/PosixFileStore.h"

#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace qv {
namespace {

QString text(const QWidget& w, const char* name) {
    auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

struct Station {
    test::TempDir dir;
    PosixFileStore files{dir.path()};
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    ContestLog log;
    OperatingState state;
    MultiplierTable multipliers;
    StationProfile profile;
    LogFile logFile{files};
    WorkingLog working{log, state, multipliers, logFile, dialogs};
    PrefixTable prefixes;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};

    Form1::Services services() {
        return {working, multipliers, profile, prefixes, shipped, clock, dialogs};
    }
};

TEST(Form1, StartsOnASmallLogAndShowsTheScore) {
    Station s;
    s.dir.write("log.txt", "\"W1AW\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/"
                           "13\",\"14:50:00\",\"PH\",\"40\",10,\"\"\r\n"
                           "\"DL1ABC\",\"Y\",\"Jos\xE9\",\"Anne\",\"Germany\",\"2007/01/"
                           "13\",\"14:55:00\",\"PH\",\"20\",2,\"14.250\"\r\n"
                           "\"VE3XYZ\",\"O\",\"Bob\",\"Anne\",\"ON\",\"2007/01/"
                           "13\",\"14:58:00\",\"PH\",\"40\",1,\"\"\r\n");
    s.profile.utcOffsetHours = 5;
    s.clock.setLocal(2007, 1, 13, 10, 0, 0); // 15:00 UTC

    Form1 form(s.services());
    ASSERT_TRUE(form.start());
    form.show();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Velmark's Quorvane Log 1.5"));
    EXPECT_EQ(text(form, "lblTotCon"), "3");
    EXPECT_EQ(text(form, "lblsectogo"), "3");
    EXPECT_EQ(text(form, "lblTotSec"), "13");
    EXPECT_EQ(text(form, "lblTotScore"), "39");
    EXPECT_EQ(text(form, "lblAQSO60"), "3");
    EXPECT_EQ(text(form, "lblAQSO20"), "9");
    EXPECT_EQ(text(form, "Label15"), "US & Canadian Multipliers Worked - 2");
    EXPECT_EQ(text(form, "lblStation(5)"), "DX  -  1");

    auto* dx = form.findChild<QListWidget*>("List1");
    ASSERT_NE(dx, nullptr);
    ASSERT_EQ(dx->count(), 1);
    EXPECT_EQ(dx->item(0)->text(), "Germany");

    auto* ct = form.findChild<QLabel*>("Label10(1)");
    auto* ma = form.findChild<QLabel*>("Label10(2)");
    ASSERT_NE(ct, nullptr);
    ASSERT_NE(ma, nullptr);
    EXPECT_EQ(ct->text(), "CT");
    EXPECT_EQ(ct->toolTip(), "Connecticut");
    EXPECT_TRUE(ct->property("worked").toBool());
    EXPECT_FALSE(ma->property("worked").toBool());
    EXPECT_NE(ct->styleSheet(), ma->styleSheet());
    EXPECT_EQ(form.findChildren<QLabel*>(QRegularExpression("^Label10\\(\\d+\\)$")).size(), 62);
    // Screen readers say what a value label shows.
    EXPECT_EQ(form.findChild<QLabel*>("lblTotScore")->accessibleName(), "39");
}

TEST(Form1, ADamagedLogStopsTheStartWithTheFileError) {
    Station s;
    const std::string damaged = "\"W1AW\",\"M\",\"Jo\"hn\"\r\n";
    s.dir.write("log.txt", damaged);
    Form1 form(s.services());
    EXPECT_FALSE(form.start());
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].title, "File Error");
    EXPECT_EQ(s.dir.read("log.txt"), damaged);
}

TEST(Form1, ABadPrefixTableStopsTheStartUpWithItsBox) {
    Station s;
    s.dir.write("arrlpre2.txt", "\"DL\",\"Germany\"\r\n"); // the working directory's copy wins
    s.dir.write("log.txt", "");
    Form1 form(s.services());
    EXPECT_TRUE(form.start());
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].title, "Error opeining file");
    EXPECT_EQ(s.dialogs.shown[0].text.rfind("Error opening file: arrlpre2.txt line 1", 0), 0u);
}

TEST(Form1, FindsTheShippedPrefixTable) {
    Station s;
    Form1 form(s.services());
    ASSERT_TRUE(form.start());
    EXPECT_GT(s.prefixes.size(), 1000u);
    EXPECT_TRUE(s.dialogs.shown.empty());
}

} // namespace
} // namespace qv
