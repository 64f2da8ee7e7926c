// Runs the adapter tests inside one QCoreApplication, whose event loop the
// tests turn while they wait (always up to a deadline).

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
