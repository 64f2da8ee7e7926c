#include "ui/frmStationID.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "platform/qt/QtSettingsStore.h"

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv {
namespace {

PrefixTable prefixes() {
    return PrefixTable({
        {"EA8", "Canary Islands", "AF", 15.5f, 28.25f},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"VE", "Canada", "NA", 106.3f, 56.5f},
        {"ZF", "Cayman Islands", "NA", 81.4f, 19.3f},
    });
}

StationProfile anne() {
    StationProfile p;
    p.ownCall = "W1AW";
    p.ownSpc = "CT";
    p.utcOffsetHours = 5;
    p.ownCountry = "USA";
    p.ownLongitude = 72.7f;
    p.ownLatitude = 41.72f;
    p.ownContinent = "NA";
    p.ownCategory = "M";
    p.ownName = "Anne";
    return p;
}

QLineEdit* field(const QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

void sendKey(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

void typeInto(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        sendKey(target, ch.toUpper().unicode(), QString(ch));
    }
}

struct Station {
    PrefixTable table = prefixes();
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::FakeSettingsStore settings;
};

// Runs `operate` on the station window once run() shows it; closes whatever is
// left open so that a failing test cannot hang.
void whileShown(std::function<void(frmStationID&)> operate) {
    QTimer::singleShot(0, [operate] {
        auto* window = qobject_cast<frmStationID*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            ADD_FAILURE() << "the station window is not shown modally";
            return;
        }
        operate(*window);
        if (window->isVisible()) {
            window->reject();
        }
    });
}

TEST(frmStationID, ShowsTheFieldsWithTheirCaptionsInTabOrder) {
    Station s;
    frmStationIDLogic logic(s.table, s.dialogs, s.beeper);
    logic.open(anne(), s.settings);
    frmStationID window(logic);

    EXPECT_EQ(window.windowTitle(), " Amateur Station I.D.");
    EXPECT_TRUE(window.isModal());
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "W1AW"},  {"Text5", "CT"}, {"Text6", "5"}, {"Text2", "USA"},  {"Text3", "72.7"},
        {"Text4", "41.72"}, {"Text7", "NA"}, {"Text8", "M"}, {"Text9", "Anne"},
    };
    QStringList tabOrder;
    for (const auto& [name, text] : fields) {
        QLineEdit* edit = field(window, name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->text(), text) << name;
        tabOrder << name;
    }
    EXPECT_EQ(field(window, "Text1")->accessibleName(), "Please Enter your Call Sign:");
    EXPECT_EQ(field(window, "Text6")->accessibleName(), "Hours added for UTC:");
    EXPECT_EQ(field(window, "Text8")->accessibleName(), "Your Category:");
    EXPECT_EQ(field(window, "Text8")->accessibleDescription(), "(M, L, C, U, Y, O)");
    for (const auto& [name, caption] : {std::pair{"Command1", "Done"}, {"Command2", "Details"}}) {
        auto* button = window.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        tabOrder << name;
    }

    QStringList chain;
    QWidget* w = field(window, "Text1");
    do {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != field(window, "Text1") && chain.size() < 20);
    EXPECT_EQ(chain, tabOrder);
}

TEST(frmStationID, TypingACountryCompletesItAndFillsTheLocation) {
    Station s;
    frmStationIDLogic logic(s.table, s.dialogs, s.beeper);
    logic.open(anne(), s.settings);
    frmStationID window(logic);
    window.show();

    QLineEdit* country = field(window, "Text2");
    country->selectAll();
    typeInto(country, "can");
    EXPECT_EQ(country->text(), "Canada");
    EXPECT_EQ(country->selectedText(), "ada");
    EXPECT_EQ(country->selectionStart(), 3);
    EXPECT_EQ(field(window, "Text3")->text(), "106.3");
    EXPECT_EQ(field(window, "Text4")->text(), "56.5");
    EXPECT_EQ(field(window, "Text7")->text(), "NA");
    typeInto(country, "ar");
    EXPECT_EQ(country->text(), "Canary Islands");
    EXPECT_EQ(field(window, "Text7")->text(), "AF");

    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    StationProfile p = anne();
    logic.copyInto(p);
    EXPECT_EQ(p.ownCountry, "Canary Islands");
    EXPECT_EQ(p.ownLongitude, 15.5f);
    EXPECT_EQ(p.ownLatitude, 28.25f);
    EXPECT_EQ(p.ownContinent, "AF");
}

TEST(frmStationID, APasteKeepsOnlyWhatAFileCanHold) {
    Station s;
    frmStationIDLogic logic(s.table, s.dialogs, s.beeper);
    logic.open(anne(), s.settings);
    frmStationID window(logic);
    window.show();
    QLineEdit* name = field(window, "Text9");
    name->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("Jo\"s\u00E9\u03A9"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("Jos\u00E9"));
    EXPECT_EQ(logic.state()[frmStationIDControl::Text9].text, "Jos\xE9");
}

TEST(frmStationID, EnterInTheCallFieldIsDone) {
    Station s;
    StationProfile profile = anne();
    whileShown([](frmStationID& window) {
        QLineEdit* call = field(window, "Text1");
        call->selectAll();
        typeInto(call, " k1abc ");
        sendKey(field(window, "Text6"), Qt::Key_Backspace);
        sendKey(call, Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
    });
    frmStationID::run(nullptr, profile, s.table, s.settings, s.dialogs, s.beeper);
    EXPECT_EQ(profile.ownCall, "K1ABC");
    EXPECT_EQ(profile.utcOffsetHours, 0); // the emptied UTC field became "0"
    EXPECT_EQ(profile.ownName, "Anne");
}

TEST(frmStationID, TheCloseBoxKeepsTheProfileButFillsAnEmptyCall) {
    Station s;
    test::TempDir dir;
    QtSettingsStore settings(dir.path());
    settings.save("Velmark_Software", "Settings", "UserCallSign", "K1ABC");
    StationProfile profile = anne();
    profile.ownCall.clear();
    whileShown([](frmStationID& window) {
        EXPECT_EQ(field(window, "Text1")->text(), "K1ABC");
        QLineEdit* name = field(window, "Text9");
        name->selectAll();
        typeInto(name, "bob");
        window.close();
    });
    frmStationID::run(nullptr, profile, s.table, settings, s.dialogs, s.beeper);
    EXPECT_EQ(profile.ownCall, "K1ABC");
    EXPECT_EQ(profile.ownName, "Anne");
    EXPECT_EQ(profile.utcOffsetHours, 5);
}

TEST(frmStationID, DetailsShowsTheCategoriesAndGoesToTheCategoryField) {
    Station s;
    frmStationIDLogic logic(s.table, s.dialogs, s.beeper);
    logic.open(anne(), s.settings);
    frmStationID window(logic);
    window.show();
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].title, "Category Options");
    EXPECT_EQ(window.focusWidget(), field(window, "Text8"));
    EXPECT_TRUE(window.isVisible());
}

TEST(frmStationID, LeavingAnEmptyUtcFieldBeepsAndKeepsTheFocus) {
    Station s;
    frmStationIDLogic logic(s.table, s.dialogs, s.beeper);
    logic.open(anne(), s.settings);
    frmStationID window(logic);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window.isActiveWindow());

    QLineEdit* utc = field(window, "Text6");
    utc->setFocus();
    sendKey(utc, Qt::Key_Backspace);
    field(window, "Text2")->setFocus();
    EXPECT_EQ(s.beeper.beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), utc);

    typeInto(utc, "-5.5");
    field(window, "Text2")->setFocus();
    EXPECT_EQ(s.beeper.beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), field(window, "Text2"));
}

TEST(QtSettingsStore, KeepsWindows1252TextPerApplicationAndSection) {
    test::TempDir dir;
    QtSettingsStore store(dir.path());
    EXPECT_EQ(store.get("Velmark_Software", "Settings", "UserName", "none"), "none");
    store.save("Velmark_Software", "Settings", "UserName", "Jos\xE9 \x96 \x80");
    store.save("Velmark_Software", "Other", "UserName", "Bob");
    store.save("Another", "Settings", "UserName", "Eve");
    QtSettingsStore again(dir.path());
    EXPECT_EQ(again.get("Velmark_Software", "Settings", "UserName", ""), "Jos\xE9 \x96 \x80");
    EXPECT_EQ(again.get("Velmark_Software", "Other", "UserName", ""), "Bob");
    EXPECT_EQ(again.get("Another", "Settings", "UserName", ""), "Eve");
    store.save("Velmark_Software", "Settings", "UserName", "");
    EXPECT_EQ(again.get("Velmark_Software", "Settings", "UserName", "none"), "");
}

} // namespace
} // namespace qv
