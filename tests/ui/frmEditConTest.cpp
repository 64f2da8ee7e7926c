#include "ui/frmEditCon.h"

#include "AccessibilityListener.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "platform/qt/QtDialogs.h"

#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv {
namespace {

ContactRecord contact(std::string call, std::string band, std::string name) {
    ContactRecord r;
    r.call = std::move(call);
    r.category = "M";
    r.name = std::move(name);
    r.nameSent = "Anne";
    r.spc = "CT";
    r.date = "2007/01/13";
    r.time = "14:22:05";
    r.mode = "PH";
    r.band = std::move(band);
    r.points = 10;
    r.frequency = "7.215";
    return r;
}

ContestLog smallLog() {
    ContestLog log;
    log.append(contact("W1AW", "40", "John"));
    log.append(contact("K1ABC", "20", "Mary"));
    log.append(contact("W1AW", "20", "John"));
    return log;
}

struct Editing {
    ContestLog log = smallLog();
    PrefixTable prefixes{{{"VE", "Canada", "NA", 80, 45.5f}}};
    MultiplierTable multipliers;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
};

QLineEdit* field(const QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

template <typename W> W* child(const QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

void sendKey(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// Each key goes to whichever box has the focus at the time.
void typeIntoFocus(const QString& text) {
    for (const QChar ch : text) {
        sendKey(QApplication::focusWidget(), ch.toUpper().unicode(), QString(ch));
    }
}

void tab() {
    sendKey(QApplication::focusWidget(), Qt::Key_Tab);
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window.isActiveWindow());
}

// Runs `operate` on the edit window once run() shows it; closes whatever is left
// open so that a failing test cannot hang.
void whileShown(std::function<void(frmEditCon&)> operate) {
    QTimer::singleShot(0, [operate] {
        auto* window = qobject_cast<frmEditCon*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            ADD_FAILURE() << "the edit window is not shown modally";
            return;
        }
        window->activateWindow();
        QApplication::processEvents();
        operate(*window);
        if (window->isVisible()) {
            window->reject();
        }
    });
}

TEST(frmEditCon, ShowsTheRecordWithCaptionsInTabOrder) {
    Editing e;
    frmEditConLogic logic(e.log, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    ASSERT_TRUE(logic.open(2));
    frmEditCon window(logic);

    EXPECT_EQ(window.objectName(), "frmEditCon");
    EXPECT_EQ(window.windowTitle(), "Edit Contact Entry");
    EXPECT_TRUE(window.isModal());
    struct Box {
        const char* name;
        const char* caption;
        const char* text;
    };
    const Box boxes[] = {
        {"txtEditCall", "Callsign", "K1ABC"},
        {"txtEditPre", "SPC", "CT"},
        {"txtEditCk", "Category", "M"},
        {"txtEditSec", "Name", "Mary"},
        {"txtEditDate", "Date", "2007/01/13"},
        {"txtEditTime", "Time", "14:22:05"},
        {"Text1", "Band", "20"},
        {"Text2", "Points", "10"},
        {"txtEditNum", "Name S", "Anne"},
    };
    QStringList tabOrder;
    for (const Box& b : boxes) {
        QLineEdit* edit = field(window, b.name);
        ASSERT_NE(edit, nullptr) << b.name;
        EXPECT_EQ(edit->text(), b.text) << b.name;
        EXPECT_EQ(edit->accessibleName(), b.caption) << b.name;
        EXPECT_FALSE(edit->isHidden()) << b.name;
        tabOrder << b.name;
    }
    QStringList captions;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy()) {
            captions << label->buddy()->objectName() + "=" + label->text();
        }
    }
    EXPECT_TRUE(captions.contains("txtEditCall=Callsign"));
    EXPECT_TRUE(captions.contains("txtEditNum=Name S"));
    EXPECT_TRUE(captions.contains("txtEditBnd=Mode"));

    QLineEdit* mode = field(window, "txtEditBnd");
    ASSERT_NE(mode, nullptr);
    EXPECT_TRUE(mode->isHidden());
    EXPECT_EQ(mode->text(), "PH");
    EXPECT_EQ(mode->accessibleName(), "Mode");

    const std::pair<const char*, const char*> markers[] = {{"lblDupe", "  Dupe!"},
                                                           {"lblSpcInvalid", "   Invalid!"},
                                                           {"lblBandInvalid", "   Invalid!"}};
    for (const auto& [name, text] : markers) {
        auto* marker = child<QLabel>(window, name);
        ASSERT_NE(marker, nullptr) << name;
        EXPECT_EQ(marker->text(), text) << name;
        EXPECT_TRUE(marker->isHidden()) << name;
    }
    auto* done = child<QPushButton>(window, "cmdDone");
    auto* deleteDupe = child<QPushButton>(window, "cmdDeleteDupe");
    ASSERT_NE(done, nullptr);
    ASSERT_NE(deleteDupe, nullptr);
    EXPECT_EQ(done->text(), "Done");
    EXPECT_EQ(deleteDupe->text(), "Delete Dupe");
    EXPECT_FALSE(done->isHidden());
    EXPECT_TRUE(deleteDupe->isHidden());

    QStringList chain;
    QWidget* w = field(window, "txtEditCall");
    do {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)) && !w->isHidden()) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != field(window, "txtEditCall") && chain.size() < 20);
    EXPECT_EQ(chain, tabOrder << "cmdDone");
}

TEST(frmEditCon, ANameTypedIntoTheFocusedBoxIsSavedByEnter) {
    Editing e;
    whileShown([](frmEditCon& window) {
        ASSERT_EQ(QApplication::focusWidget(), field(window, "txtEditCall"));
        tab();
        tab();
        tab();
        ASSERT_EQ(QApplication::focusWidget(), field(window, "txtEditSec"));
        typeIntoFocus("bob\""); // the tab selected the old name; the quote is dropped
        EXPECT_EQ(field(window, "txtEditSec")->text(), "Bob");
        sendKey(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
    });
    const EditOutcome outcome =
        frmEditCon::run(nullptr, e.log, 1, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Saved);
    ContactRecord expected = e.log.record(1);
    expected.name = "Bob";
    EXPECT_EQ(outcome.record, expected);
    EXPECT_TRUE(e.dialogs.shown.empty());
}

TEST(frmEditCon, TheCloseBoxSavesNothing) {
    Editing e;
    whileShown([](frmEditCon& window) {
        tab();
        typeIntoFocus("ma");
        window.close();
    });
    const EditOutcome outcome =
        frmEditCon::run(nullptr, e.log, 1, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Closed);
    EXPECT_EQ(outcome.record, e.log.record(1));
}

TEST(frmEditCon, NoRecordNoWindow) {
    Editing e;
    const EditOutcome outcome =
        frmEditCon::run(nullptr, e.log, 4, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(frmEditCon, ADuplicateShowsItsMarkerAndDeleteDupeDeletes) {
    Editing e;
    frmEditConLogic logic(e.log, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    ASSERT_TRUE(logic.open(1));
    frmEditCon window(logic);
    showActive(window);

    QLineEdit* band = field(window, "Text1");
    band->setFocus();
    band->selectAll();
    typeIntoFocus("20");
    child<QPushButton>(window, "cmdDone")->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(child<QLabel>(window, "lblDupe")->isHidden());
    EXPECT_FALSE(child<QPushButton>(window, "cmdDeleteDupe")->isHidden());
    EXPECT_EQ(e.beeper.beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), band);

    e.dialogs.messageAnswers = {MessageAnswer::Yes};
    child<QPushButton>(window, "cmdDeleteDupe")->click();
    ASSERT_EQ(e.dialogs.shown.size(), 1u);
    EXPECT_EQ(e.dialogs.shown[0].title, "Are you sure?");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(logic.outcome().kind, EditOutcome::Kind::Delete);
}

TEST(frmEditCon, AMarkerIsSpokenAndDescribesItsBox) {
    Editing e;
    frmEditConLogic logic(e.log, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    ASSERT_TRUE(logic.open(1));
    frmEditCon window(logic);
    showActive(window);
    test::AccessibilityListener listener;

    QLineEdit* band = field(window, "Text1");
    band->setFocus();
    band->selectAll();
    typeIntoFocus("20");
    child<QPushButton>(window, "cmdDone")->click();
    ASSERT_FALSE(child<QLabel>(window, "lblDupe")->isHidden());
    EXPECT_EQ(listener.spoken(), std::vector<QString>{"Callsign Dupe!"});
    EXPECT_EQ(listener.alertsOf("lblDupe").size(), 1u);
    EXPECT_EQ(field(window, "txtEditCall")->accessibleDescription(), "Dupe!");

    band->selectAll();
    typeIntoFocus("30");
    tab();
    ASSERT_FALSE(child<QLabel>(window, "lblBandInvalid")->isHidden());
    EXPECT_EQ(listener.spoken().back(), "Band Invalid!");
    EXPECT_EQ(band->accessibleDescription(), "Invalid!");
    band->selectAll();
    typeIntoFocus("80");
    tab();
    EXPECT_EQ(band->accessibleDescription(), "") << "the marker is gone";
}

TEST(frmEditCon, AnInvalidBandKeepsTheFocusAndShowsItsMarker) {
    Editing e;
    frmEditConLogic logic(e.log, e.prefixes, e.multipliers, e.dialogs, e.beeper);
    ASSERT_TRUE(logic.open(1));
    frmEditCon window(logic);
    showActive(window);

    QLineEdit* band = field(window, "Text1");
    band->setFocus();
    band->selectAll();
    typeIntoFocus("30");
    tab();
    EXPECT_EQ(QApplication::focusWidget(), band);
    EXPECT_FALSE(child<QLabel>(window, "lblBandInvalid")->isHidden());
    EXPECT_EQ(e.beeper.beeps, 1);

    band->selectAll();
    typeIntoFocus("80");
    tab();
    EXPECT_EQ(QApplication::focusWidget(), field(window, "Text2"));
    EXPECT_TRUE(child<QLabel>(window, "lblBandInvalid")->isHidden());
}

// Real message boxes take the focus and, once closed, the window manager gives it
// back to the window; that must not count as the operator leaving the box again.
class ClosingDialogs : public QtDialogs {
public:
    int boxes = 0;
    MessageAnswer messageBox(const std::string& title, const std::string& text,
                             MessageButtons buttons, MessageIcon icon) override {
        ++boxes;
        if (boxes > 3) {
            return MessageAnswer::Ok; // a loop: stop it, the count tells
        }
        QWidget* previous = QApplication::activeWindow();
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->accept();
            }
        });
        const MessageAnswer answer = QtDialogs::messageBox(title, text, buttons, icon);
        if (previous) {
            previous->activateWindow();
            QApplication::processEvents();
        }
        return answer;
    }
};

TEST(frmEditCon, AnInvalidCategoryShowsOneBoxAndKeepsTheFocus) {
    Editing e;
    ClosingDialogs dialogs;
    frmEditConLogic logic(e.log, e.prefixes, e.multipliers, dialogs, e.beeper);
    ASSERT_TRUE(logic.open(1));
    frmEditCon window(logic);
    showActive(window);

    QLineEdit* category = field(window, "txtEditCk");
    category->setFocus();
    category->selectAll();
    typeIntoFocus("x");
    tab();
    QApplication::processEvents();
    EXPECT_EQ(dialogs.boxes, 1);
    EXPECT_EQ(QApplication::focusWidget(), category);
    EXPECT_EQ(category->text(), "X");

    child<QPushButton>(window, "cmdDone")->click();
    QApplication::processEvents();
    EXPECT_EQ(dialogs.boxes, 2);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), category);
}

} // namespace
} // namespace qv
