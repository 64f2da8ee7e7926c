// The help and third-party windows, and the two texts shipped for them.

#include "ui/TextFileWindow.h"

#include "fakes/MemoryFileStore.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qv {
namespace {

QPlainTextEdit* textOf(const TextFileWindow& window) {
    return window.findChild<QPlainTextEdit*>(QStringLiteral("txtText"));
}

QPushButton* closeOf(const TextFileWindow& window) {
    return window.findChild<QPushButton*>(QStringLiteral("cmdClose"));
}

TEST(TextFileWindow, ShowsTheWholeTextReadOnly) {
    TextFileWindow window(QStringLiteral("Help"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Help"));
    EXPECT_FALSE(window.isModal());
    EXPECT_FALSE(window.isVisible());

    window.showText("Caf\xE9 on 40 m\r\n\tsecond line\r\n");

    ASSERT_TRUE(window.isVisible());
    QPlainTextEdit* text = textOf(window);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->accessibleName(), QStringLiteral("Help"));
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("Caf\u00E9 on 40 m\n\tsecond line\n"));
}

TEST(TextFileWindow, CloseHidesAndShowingAgainWorks) {
    TextFileWindow window(QStringLiteral("Third Party Traffic"));
    window.showText("first");
    QPushButton* close = closeOf(window);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Close"));

    close->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(textOf(window)->toPlainText(), QStringLiteral("first"));

    window.showText("second \x93quoted\x94");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(textOf(window)->toPlainText(), QString::fromUtf8("second \u201Cquoted\u201D"));
    close->click();
    EXPECT_FALSE(window.isVisible());
}

// A shipped text must read the same in any Windows editor: Windows-1252 with only
// assigned characters, CR LF line ends and no control characters besides tab.
void expectPlainCp1252WithCrLf(const std::string& name, const std::string& bytes) {
    ASSERT_FALSE(bytes.empty()) << name;
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name << " ends without CR LF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " CR at " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " bare LF at " << i;
        } else {
            ASSERT_FALSE(c < 0x20 && c != '\t') << name << " control " << int(c) << " at " << i;
            ASSERT_NE(c, 0x7F) << name << " at " << i;
            for (const unsigned char unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
                ASSERT_NE(c, unassigned) << name << " byte not in Windows-1252 at " << i;
            }
        }
    }
}

TEST(ShippedTexts, AreWindows1252WithCrLfLines) {
    PosixFileStore data(QV_DATA_DIR);
    for (const char* name : {"help.txt", "thirdparty.txt"}) {
        const FileContents file = data.read(name);
        ASSERT_EQ(file.error, FileContents::Error::None) << name;
        expectPlainCp1252WithCrLf(name, file.bytes);
    }
}

TEST(ShippedTexts, HelpCoversTheLogFileTheClockAndDuplicates) {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents help = data.read("help.txt");
    ASSERT_EQ(help.error, FileContents::Error::None);
    for (const char* topic : {"log.txt", "Time On", "Duplicate"}) {
        EXPECT_NE(help.bytes.find(topic), std::string::npos) << topic;
    }
}

TEST(ShippedTexts, WorkingDirectoryCopyComesFirst) {
    PosixFileStore installed(QV_DATA_DIR);
    test::MemoryFileStore working;
    ShippedFiles files(working, {&installed});
    const FileContents shipped = files.read("thirdparty.txt");
    ASSERT_EQ(shipped.error, FileContents::Error::None) << shipped.reason;
    EXPECT_NE(shipped.bytes.find("THIRD PARTY TRAFFIC"), std::string::npos);

    working.files["thirdparty.txt"] = "My own list\r\n";
    EXPECT_EQ(files.read("thirdparty.txt").bytes, "My own list\r\n");
}

} // namespace
} // namespace qv
