// The main window for an operator who cannot see it: the status line's messages
// are spoken, the clocks keep quiet, a worked multiplier says so and is drawn
// differently, the list reads as a table, and meaningful tooltips are described.

#include "AccessibilityListener.h"
#include "Form1Harness.h"

#include <QTreeView>

namespace qv {
namespace {

using test::AccessibilityListener;
using test::Form1Harness;

QLabel* multiplierLabel(Form1Harness& h, const QString& abbreviation) {
    for (QLabel* l : h.form->findChildren<QLabel*>()) {
        if (l->objectName().startsWith(QLatin1String("Label10(")) && l->text() == abbreviation) {
            return l;
        }
    }
    return nullptr;
}

TEST(Form1Accessibility, DuplicatesAndErrorsOnTheStatusLineAreSpoken) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(2));
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    AccessibilityListener listener;

    h.typeText("K1AA ");
    const QString duplicate = QStringLiteral("Duplicate K1AA 2007/01/13 14:10:00  Rec#  1");
    ASSERT_EQ(h.label("lblDialog"), duplicate);
    ASSERT_FALSE(listener.alertsOf("lblDialog").empty());
    EXPECT_EQ(listener.alertsOf("lblDialog").back(), duplicate);
    ASSERT_FALSE(listener.spoken().empty());
    EXPECT_EQ(listener.spoken().back(), duplicate);

    // An error, then the same error again: each verdict is spoken.
    h.clock.advance(3000); // past the moment a duplicate holds the keys
    h.key(Qt::Key_Escape, QStringLiteral("\x1b"));
    h.typeText("W9NEW ZZ");
    h.enter();
    ASSERT_EQ(h.label("lblDialog"), "Invald Section!");
    h.enter();
    const auto spoken = listener.spoken();
    EXPECT_EQ(std::count(spoken.begin(), spoken.end(), QStringLiteral("Invald Section!")), 2);
    EXPECT_EQ(listener.alertsOf("lblDialog").back(), "Invald Section!");
}

TEST(Form1Accessibility, ALineThatOnlyStaysTheSameIsNotSpokenAgain) {
    Form1Harness h;
    h.dir.write("log.txt", "\"W1ABCD\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/13\","
                           "\"14:10:00\",\"PH\",\"40\",10,\"\"\r\n");
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    AccessibilityListener listener;
    // Every key of a call that begins like one in the log shows the same warning.
    h.typeText("W1AB");
    ASSERT_EQ(h.label("lblDialog"), "Possible Duplicate!");
    h.typeText("C");
    ASSERT_EQ(h.label("lblDialog"), "Possible Duplicate!");
    EXPECT_EQ(listener.spoken(), std::vector<QString>{"Possible Duplicate!"});
}

TEST(Form1Accessibility, TheClocksAreReadOnDemandAndNeverAnnounced) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    AccessibilityListener listener;
    auto* utc = h.form->findChild<QLabel*>("lblutctime");
    const QString before = utc->text();
    h.clock.advance(4000);
    ASSERT_NE(utc->text(), before) << "the clocks ran";

    for (const char* name : {"lblutctime", "lblCurTime", "lblttrack"}) {
        EXPECT_EQ(listener.count(QAccessible::NameChanged, name), 0) << name;
        auto* clock = h.form->findChild<QLabel*>(name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(clock);
        ASSERT_NE(iface->textInterface(), nullptr) << name;
        EXPECT_EQ(iface->textInterface()->text(0, -1), clock->text()) << name;
    }
    QAccessibleInterface* utcRead = QAccessible::queryAccessibleInterface(utc);
    EXPECT_EQ(utcRead->text(QAccessible::Name), "UTC");
    EXPECT_EQ(utcRead->textInterface()->text(0, -1), "14:22:09");
}

TEST(Form1Accessibility, AWorkedMultiplierSaysSoAndIsDrawnBold) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(2));
    ASSERT_TRUE(h.start());
    QLabel* ct = multiplierLabel(h, "CT");
    QLabel* ma = multiplierLabel(h, "MA");
    ASSERT_TRUE(ct && ma);
    EXPECT_EQ(ct->accessibleDescription(), "Connecticut: worked, 2 contacts");
    EXPECT_TRUE(ct->styleSheet().contains("bold"));
    EXPECT_EQ(ma->accessibleDescription(), "Massachusetts: not worked yet");
    EXPECT_FALSE(ma->styleSheet().contains("bold"));
}

TEST(Form1Accessibility, TheListReadsAsATableWithItsHeadings) {
    Form1Harness h;
    h.dir.write("log.txt", test::contactLines(2));
    ASSERT_TRUE(h.start());
    AccessibilityListener listener;
    auto* list = h.form->findChild<QTreeView*>("ListView1");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    ASSERT_EQ(table->role(), QAccessible::Table);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 2);
    EXPECT_EQ(table->tableInterface()->columnCount(), 9);
    EXPECT_EQ(table->text(QAccessible::Description), "Click record to edit or delete.");

    QAccessibleInterface* call = table->tableInterface()->cellAt(0, 1);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->text(QAccessible::Name), "K2AA") << "the newest contact on top";
    const auto headers = call->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), "Call");
    EXPECT_EQ(table->indexOfChild(call), table->tableInterface()->columnCount() + 1);

    // Moving in the list names the row now chosen.
    list->setFocus();
    h.key(Qt::Key_Down);
    const auto focus = std::find_if(listener.heard.begin(), listener.heard.end(), [](auto& e) {
        return e.type == QAccessible::Focus && e.object == "ListView1" && e.row == 1;
    });
    ASSERT_NE(focus, listener.heard.end()) << "a focus event for the second row";
    EXPECT_EQ(focus->name, "1") << "its first cell, Rec# 1";
    QAccessibleInterface* current = table->tableInterface()->cellAt(1, 0);
    EXPECT_EQ(current->text(QAccessible::Name), "1");
    EXPECT_TRUE(current->state().focused);
    EXPECT_TRUE(current->tableCellInterface()->isSelected());

    // A new contact: the table grows and its cells are made afresh.
    h.form->findChild<QPushButton*>("cmdLogOn")->click();
    h.field("txtCall")->setFocus();
    h.typeText("W9NEW CT M Bob");
    h.enter();
    EXPECT_EQ(table->tableInterface()->rowCount(), 3);
    EXPECT_EQ(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), "W9NEW");
}

TEST(Form1Accessibility, MeaningfulTooltipsAreDescribed) {
    Form1Harness h;
    ASSERT_TRUE(h.start());
    auto* band = h.form->findChild<QLabel*>("Label24");
    EXPECT_EQ(band->toolTip(), "Click to change modes.");
    EXPECT_TRUE(band->accessibleDescription().contains("Click to change modes."));
    for (const auto& [name, caption] :
         {std::pair{"Label2", "Your call"}, std::pair{"Label25", "Your SPC"},
          std::pair{"Label1", "Your category"}, std::pair{"Label4", "Your name"}}) {
        auto* own = h.form->findChild<QLabel*>(name);
        EXPECT_EQ(own->toolTip(), caption);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(own)->text(QAccessible::Description),
                  caption);
    }
    for (const char* button : {"cmdLogOn", "cmdList", "cmdDup"}) {
        auto* b = h.form->findChild<QPushButton*>(button);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Description),
                  b->toolTip())
            << button;
    }
}

} // namespace
} // namespace qv
