#include "app/TextField.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextField, TypingReplacesTheSelectionWithinTheLimit) {
    TextField f{"Germany", 2, 5, 10};
    EXPECT_TRUE(typeKey(f, 'r'));
    EXPECT_EQ(f.text, "Ger");
    EXPECT_EQ(f.caret(), 3u);
    f = TextField{"ABC", 3, 0, 3};
    EXPECT_FALSE(typeKey(f, 'D')); // full
    f.select(0, 3);
    EXPECT_TRUE(typeKey(f, 'D')); // a full box still takes a key that replaces its selection
    EXPECT_EQ(f.text, "D");
}

TEST(TextField, BackspaceAndControlKeys) {
    TextField f{"W1AW", 4, 0, 12};
    EXPECT_TRUE(typeKey(f, keys::kBackspace));
    EXPECT_EQ(f.text, "W1A");
    f.select(0, 2);
    EXPECT_TRUE(typeKey(f, keys::kBackspace));
    EXPECT_EQ(f.text, "A");
    f.select(0, 0);
    EXPECT_FALSE(typeKey(f, keys::kBackspace));
    EXPECT_FALSE(typeKey(f, keys::kEnter));
    EXPECT_FALSE(typeKey(f, keys::kQuote));
    EXPECT_EQ(f.text, "A");
}

TEST(TextField, SanitizeDropsWhatAFileCannotHold) {
    TextField f{"Jo\"hn\tSmith", 0, 0, 8};
    EXPECT_TRUE(sanitize(f));
    EXPECT_EQ(f.text, "JohnSmit");
    EXPECT_FALSE(sanitize(f));
}

} // namespace
} // namespace qv
