#include "platform/posix/PpdevParallelPort.h"

#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"

#include <cerrno>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

// The system calls, scripted: each call is written down, and a request may be
// made to fail.
struct ScriptedCalls {
    std::vector<std::string> log;
    unsigned long failRequest = 0;
    bool failOpen = false;

    static std::string name(unsigned long request) {
        switch (request) {
        case PPCLAIM:
            return "PPCLAIM";
        case PPRELEASE:
            return "PPRELEASE";
        case PPWDATA:
            return "PPWDATA";
        case PPWCONTROL:
            return "PPWCONTROL";
        default:
            return "?";
        }
    }

    ParallelPortCalls calls() {
        return {[this](const char* path, int) {
                    log.push_back(std::string("open ") + path);
                    if (failOpen) {
                        errno = EACCES;
                        return -1;
                    }
                    return 7;
                },
                [this](int fd, unsigned long request, void* argument) {
                    std::string entry = "ioctl " + std::to_string(fd) + ' ' + name(request);
                    if (request == PPWDATA || request == PPWCONTROL) {
                        entry += ' ' + std::to_string(*static_cast<unsigned char*>(argument));
                    }
                    log.push_back(entry);
                    if (request == failRequest) {
                        errno = EIO;
                        return -1;
                    }
                    return 0;
                },
                [this](int fd) {
                    log.push_back("close " + std::to_string(fd));
                    return 0;
                }};
    }
};

class PpdevParallelPortTest : public ::testing::Test {
protected:
    test::FakeSettingsStore settings;
    ParallelPortResolver devices{settings, [] { return std::vector<ParallelPortDevice>{}; }};
    ScriptedCalls script;
};

TEST_F(PpdevParallelPortTest, ClaimsWritesAndReleasesThePort) {
    {
        PpdevParallelPort port(devices, script.calls());
        ASSERT_TRUE(port.open(0x378).ok());
        EXPECT_TRUE(port.isOpen());
        ASSERT_TRUE(port.write(ParallelRegister::Control, 3).ok());
        ASSERT_TRUE(port.write(ParallelRegister::Control, 2).ok());
        ASSERT_TRUE(port.write(ParallelRegister::Data, 0xA5).ok());
        // Opening again closes first; the port goes with the object.
        ASSERT_TRUE(port.open(0x278).ok());
    }
    EXPECT_EQ(script.log, (std::vector<std::string>{
                              "open /dev/parport0",
                              "ioctl 7 PPCLAIM",
                              "ioctl 7 PPWCONTROL 3",
                              "ioctl 7 PPWCONTROL 2",
                              "ioctl 7 PPWDATA 165",
                              "ioctl 7 PPRELEASE",
                              "close 7",
                              "open /dev/parport1",
                              "ioctl 7 PPCLAIM",
                              "ioctl 7 PPRELEASE",
                              "close 7",
                          }));
}

TEST_F(PpdevParallelPortTest, FailuresLeaveThePortClosed) {
    PpdevParallelPort port(devices, script.calls());

    script.failRequest = PPCLAIM; // another program holds the port
    Status s = port.open(0x378);
    EXPECT_EQ(s.message(),
              "The parallel port /dev/parport0 cannot be claimed (Input/output error).");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(script.log.back(), "close 7");

    script.failRequest = 0;
    script.failOpen = true;
    s = port.open(0x378);
    EXPECT_EQ(s.message(), "The parallel port /dev/parport0 cannot be opened (Permission denied).");
    EXPECT_EQ(port.open(0x1234).message(), "No parallel port is known at address 0x1234.");
    EXPECT_EQ(port.write(ParallelRegister::Control, 3).message(), "The parallel port is not open.");

    script.failOpen = false;
    ASSERT_TRUE(port.open(0x378).ok());
    script.failRequest = PPWCONTROL;
    EXPECT_EQ(port.write(ParallelRegister::Control, 3).message(),
              "The parallel port /dev/parport0 cannot be written (Input/output error).");
    EXPECT_TRUE(port.isOpen());
}

TEST_F(PpdevParallelPortTest, AMissingDeviceFailsCleanly) {
    test::TempDir dir;
    settings.values["Velmark_Software/Settings/ParallelPort888"] = dir.file("parport9");
    PpdevParallelPort port(devices);
    const Status s = port.open(888);
    EXPECT_EQ(s.message(), "The parallel port " + dir.file("parport9") +
                               " cannot be opened (No such file or directory).");
    EXPECT_FALSE(port.isOpen());

    // A file that is no parallel port refuses the claim and is closed again.
    dir.write("parport9", "");
    EXPECT_NE(port.open(888).message().find("cannot be claimed"), std::string::npos);
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace qv
