#include "voice/ParallelPortResolver.h"

#include "fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ParallelPortResolver, ASettingFirstThenTheSystemsListThenTheClassicAddresses) {
    test::FakeSettingsStore settings;
    settings.values["Velmark_Software/Settings/ParallelPort632"] = "/dev/parport7";
    const std::vector<ParallelPortDevice> listed{{"/dev/parport0", 0xD010},
                                                 {"/dev/parport1", 0x3BC}};
    const ParallelPortResolver ports(settings, [&] { return listed; });

    struct Case {
        std::uint32_t base;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {632, "/dev/parport7"},    // 0x278, set by the operator
        {0xD010, "/dev/parport0"}, // a PCI card, as the system lists it
        {0x3BC, "/dev/parport1"},  // listed: the system's numbering wins
        {888, "/dev/parport0"},    // 0x378, the default address, not listed
        {0x1234, std::nullopt},    {0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ports.devicePath(c.base), c.path) << "address " << c.base;
    }
}

} // namespace
} // namespace qv
