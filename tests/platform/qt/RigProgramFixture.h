#pragma once

// The whole program with its real serial and TCP links, timers and waits, started with a
// radio named in its preferences: start-up polls it without showing the rig
// window. The tests then watch the main window's band and frequency.

#include "app/Program.h"
#include "core/Preferences.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/MemoryFileStore.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtTcpLink.h"
#include "platform/qt/QtTimers.h"
#include "rig/BandConversion.h"
#include "rig/RadioTable.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qv::test {

// The contest's dates from the test, milliseconds from the real clock that the
// real timers and waits run on.
class TestClock : public Clock {
public:
    FakeClock dates;
    QtClock real;
    DateTime localNow() override { return dates.localNow(); }
    DateTime utcNow() override { return dates.utcNow(); }
    std::uint32_t milliseconds() override { return real.milliseconds(); }
};

class RigProgram : public ::testing::Test {
protected:
    TestClock clock;
    QtTimers timers;
    FakeDialogs dialogs;
    FakeBeeper beeper;
    MemoryFileStore files;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    FakeSettingsStore settings;
    FakeClipboard clipboard;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtSerialLink link{ports};
    QtTcpLink telnet;
    QtEventWait wait;
    MemoryFileStore pegasus;
    Program program{{clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                    {},
                    {&link, &wait, &pegasus, &ports, nullptr, &telnet}};

    // The radio named in the preferences, on port 1, polled every 100 ms: start-up
    // tests it without showing the rig window.
    void startWith(const std::string& rigType, const std::string& device) {
        settings.values["Velmark_Software/Settings/CommPort1"] = device;
        const Radio* radio = findRadio(rigType);
        ASSERT_NE(radio, nullptr);
        RigConfig config;
        config.rigType = rigType;
        config.baud = paddedBaud(std::to_string(radio->serial.baud.value_or(4800)));
        config.dataBits = static_cast<char>('0' + radio->serial.dataBits.value_or(8));
        config.stopBits = static_cast<char>('0' + radio->serial.stopBits.value_or(1));
        config.parity = radio->serial.parity.value_or('N');
        config.settingsText = settingsTextOf(config);
        config.frequencyQuery = std::string(radio->frequencyQuery);
        config.modeQuery = std::string(radio->modeQuery);
        config.convertToHex = radio->convertToHex;
        config.pollRate = 'F';
        std::string text;
        ASSERT_TRUE(formatRigConfig(config, text).ok());
        files.files[RigConfig::kFileName] = text;

        program.profile.utcOffsetHours = 5;
        program.prefs.rigType = rigType;
        files.files["Quorvpref.txt"] =
            *formatPreferences(program.profile, program.prefs, program.op);
        ASSERT_EQ(program.form1.start(), Form1Logic::Started::Ready);
        ASSERT_TRUE(program.rig.polling()) << boxes();
        dialogs.shown.clear(); // "Open existing log?"
    }

    // Turns the event loop until the main window is on band at mhz (5 s at most).
    bool follows(const char* band, float mhz) {
        return QTest::qWaitFor(
            [&] {
                return program.op.currentBand == band &&
                       program.op.currentFrequency == frequencyText(mhz);
            },
            5000);
    }
    std::string boxes() const {
        std::string out;
        for (const auto& box : dialogs.shown) {
            out += box.title + ": " + box.text + "\n";
        }
        return out;
    }
    std::string where() const {
        return program.op.currentBand + " m at " + program.op.currentFrequency;
    }
};

} // namespace qv::test
