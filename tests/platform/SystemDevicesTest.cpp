#include "platform/posix/SystemDevices.h"

#include "fakes/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SystemDevices, ListsTheParallelPortsWithTheirAddresses) {
    test::TempDir proc;
    for (const char* folder : {"parport1", "parport0", "parport2", "default"}) {
        std::filesystem::create_directory(proc.file(folder));
    }
    proc.write("parport1/base-addr", "632\t1656\n");
    proc.write("parport0/base-addr", "53264\t53256\n");
    proc.write("parport2/base-addr", "garbled\n");
    proc.write("default/timeslice", "200\n");

    const std::vector<ParallelPortDevice> ports = listParallelPorts(proc.path());
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].path, "/dev/parport0");
    EXPECT_EQ(ports[0].baseAddress, 0xD010u);
    EXPECT_EQ(ports[1].path, "/dev/parport1");
    EXPECT_EQ(ports[1].baseAddress, 0x278u);

    EXPECT_TRUE(listParallelPorts(proc.file("absent")).empty());
}

TEST(SystemDevices, DeviceFilesExistOrNot) {
    test::TempDir dir;
    dir.write("ttyUSB0", "");
    EXPECT_TRUE(deviceFileExists(dir.file("ttyUSB0")));
    EXPECT_FALSE(deviceFileExists(dir.file("ttyUSB1")));
    EXPECT_TRUE(deviceFileExists("/dev/null"));
}

} // namespace
} // namespace qv
