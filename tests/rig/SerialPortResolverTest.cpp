#include "rig/serial/SerialPortResolver.h"

#include "fakes/FakeSettingsStore.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SerialPortResolver, ASettingFirstThenAUsbAdapterThenTheBuiltInPort) {
    test::FakeSettingsStore settings;
    settings.values["Velmark_Software/Settings/CommPort3"] = "/dev/serial/by-id/usb-FTDI";
    settings.values["Velmark_Software/Settings/CommPort4"] = ""; // an empty key is no key
    const std::set<std::string> devices{"/dev/ttyUSB0", "/dev/ttyUSB3", "/dev/ttyS1"};
    std::vector<std::string> asked;
    const SerialPortResolver ports(settings, [&](const std::string& path) {
        asked.push_back(path);
        return devices.count(path) != 0;
    });

    struct Case {
        int port;
        std::optional<std::string> path;
    };
    // Port 5: neither device exists; the built-in port is named in the message.
    const Case cases[] = {
        {1, "/dev/ttyUSB0"}, {2, "/dev/ttyS1"},  {3, "/dev/serial/by-id/usb-FTDI"},
        {4, "/dev/ttyUSB3"}, {5, "/dev/ttyS4"},  {12, "/dev/ttyS11"},
        {0, std::nullopt},   {-1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ports.devicePath(c.port), c.path) << "port " << c.port;
    }
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "/dev/ttyUSB2"), 0)
        << "a configured port is not looked for";
}

} // namespace
} // namespace qv
