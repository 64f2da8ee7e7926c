#include "ui/Form2.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "platform/posix/PosixFileStore.h"

#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv {
namespace {

std::string key(const char* k) {
    return std::string(kSettingsApplication) + "/" + kSettingsSection + "/" + k;
}

// Types text key by key, as the keyboard does.
void typeInto(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        const bool enter = ch == QLatin1Char('\n');
        const int code = enter ? static_cast<int>(Qt::Key_Return) : ch.toUpper().unicode();
        const QString typed = enter ? QStringLiteral("\r") : QString(ch);
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, typed);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, typed);
        QApplication::sendEvent(w, &release);
    }
}

// Runs step on the open window once run() has shown it; a window that is still
// open after a few seconds is closed so that a failing test cannot hang.
void whenOpen(QWidget& main, std::function<void(Form2&)> step) {
    QTimer::singleShot(0, &main, [&main, step] {
        auto* form = main.findChild<Form2*>();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), form);
        step(*form);
    });
    QTimer::singleShot(5000, &main, [&main] {
        if (auto* form = main.findChild<Form2*>()) {
            ADD_FAILURE() << "Form2 still open";
            form->reject();
        }
    });
}

struct Station {
    test::TempDir dir;
    PosixFileStore files{dir.path()};
    test::FakeSettingsStore settings;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    ContestLog log;
    OperatingState totals;
    StationProfile profile;

    Station() {
        profile.ownCall = "W1AW";
        profile.ownSpc = "CT";
        profile.ownCategory = "L";
        ContactRecord r;
        r.call = "K1ABC";
        r.category = "M";
        r.name = "John";
        r.nameSent = "Anne";
        r.spc = "MA";
        r.date = "2007/01/13";
        r.time = "14:22:05";
        r.mode = "PH";
        r.band = "40";
        r.points = 10;
        log.append(r);
        totals.totalPoints = 10;
        totals.multiplierWorked[1] = true; // MA
        settings.values[key("UserAddressName")] = "Anne Smith";
        settings.values[key("UserClubName")] = "Quorvane Radio Club";
    }
    Form2Context context() {
        return {log,     totals, profile, settings,
                dialogs, beeper, files,   "Velmark's Quorvane Log 1.5"};
    }
};

TEST(Form2Window, ControlsCarryTheirNamesAndCaptions) {
    Station s;
    Form2 form(s.context());
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), "Summary Sheet Information");
    const struct {
        const char* name;
        const char* caption;
    } boxes[] = {
        {"Text5", "Your Name:"},      {"Text6", "Address Line 1:"},
        {"Text7", "Address Line 2:"}, {"Text8", "Email Address:"},
        {"Text1", "Club Name:"},      {"Text2", "Calls or names of all opertors:"},
    };
    for (const auto& b : boxes) {
        auto* edit = form.findChild<QLineEdit*>(b.name);
        ASSERT_NE(edit, nullptr) << b.name;
        EXPECT_EQ(edit->accessibleName(), b.caption);
    }
    auto* soapbox = form.findChild<QPlainTextEdit*>("Text11");
    ASSERT_NE(soapbox, nullptr);
    EXPECT_EQ(soapbox->accessibleName(),
              "Soapbox (Add any comments you would like to make about the contest):");
    EXPECT_EQ(form.findChild<QPushButton*>("Command4")->text(), "Write Cabrillo File");
    EXPECT_EQ(form.findChild<QPushButton*>("Command3")->text(), "Done");
    bool note = false;
    for (auto* label : form.findChildren<QLabel*>()) {
        note = note || label->text() == "(If Applciable)";
    }
    EXPECT_TRUE(note);

    EXPECT_EQ(form.findChild<QLineEdit*>("Text5")->text(), "Anne Smith");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text1")->text(), "Quorvane Radio Club");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), "W1AW");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text6")->text(), "");
    EXPECT_EQ(soapbox->toPlainText(), "");
}

TEST(Form2Window, TypedFieldsGoIntoTheWrittenFile) {
    Station s;
    Form2 form(s.context());
    form.show();
    typeInto(form.findChild<QLineEdit*>("Text6"), "12 \"Main\" Street");
    typeInto(form.findChild<QLineEdit*>("Text8"), "anne@example.org");
    typeInto(form.findChild<QLineEdit*>("Text2"), " kb1xyz");
    typeInto(form.findChild<QPlainTextEdit*>("Text11"), "Great \"fun\"!\nSee you.");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text6")->text(), "12 Main Street");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), "W1AW KB1XYZ");
    EXPECT_EQ(form.state().Text11, "Great fun!\r\nSee you.");

    form.findChild<QPushButton*>("Command4")->click();
    ASSERT_TRUE(s.dir.exists("W1AW.log"));
    const std::string file = s.dir.read("W1AW.log");
    for (const char* line : {
             "START-OF-LOG: 2.0\r\nCREATED-BY: Velmark's Quorvane Log 1.5\r\n",
             "\r\nOPERATORS: W1AW KB1XYZ\r\nCLUB NAME: Quorvane Radio Club\r\n",
             "\r\nCLAIMED-SCORE:  10 \r\nNAME: Anne Smith\r\nADDRESS: 12 Main Street\r\n"
             "ADDRESS: \r\nADDRESS: (e-mail) anne@example.org\r\n"
             "SOAPBOX: Great fun!\r\nSOAPBOX: See you.\r\n",
             "\r\nSCORE SUMMARY: MA \r\n",
             "\r\nQSO:  7000 PH 2007-01-13 1422 W1AW     CT L  Anne      K1ABC     MA M  "
             "John\r\nEND-OF-LOG:\r\n",
         }) {
        EXPECT_NE(file.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(s.beeper.beeps, 2);
    ASSERT_EQ(s.dialogs.shown.size(), 2u);
    EXPECT_EQ(s.dialogs.shown[0].title, "Log Written Successfully!");
    EXPECT_EQ(s.dialogs.shown[1].title, "  Thanks!");
    EXPECT_EQ(s.settings.values[key("UserAddressLine1")], "12 Main Street");
    EXPECT_EQ(s.settings.values[key("UserEMail")], "anne@example.org");
    EXPECT_EQ(form.state().focus, Form2Control::Command3);
    EXPECT_TRUE(form.isVisible());

    form.findChild<QPushButton*>("Command3")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(Form2Window, RunOpensModallyAndCopiesTheMainWindowTitle) {
    Station s;
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("  Velmark's Quorvane Log 1.5 "));
    bool seen = false;
    whenOpen(main, [&](Form2& form) {
        seen = true;
        typeInto(form.findChild<QLineEdit*>("Text7"), "Newington, CT 06111");
        form.findChild<QPushButton*>("Command4")->click();
        form.findChild<QPushButton*>("Command3")->click();
    });
    Form2::run(&main, s.log, s.totals, s.profile, s.settings, s.dialogs, s.beeper, s.files);
    EXPECT_TRUE(seen);
    const std::string file = s.dir.read("W1AW.log");
    EXPECT_EQ(file.rfind("START-OF-LOG: 2.0\r\nCREATED-BY: Velmark's Quorvane Log 1.5\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nADDRESS: Newington, CT 06111\r\n"), std::string::npos);
    EXPECT_EQ(s.settings.values[key("UserAddressLine2")], "Newington, CT 06111");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Form2Window, ClosingWithoutWritingStoresNothing) {
    Station s;
    s.settings.values.clear();
    QMainWindow main;
    whenOpen(main, [&](Form2& form) {
        typeInto(form.findChild<QLineEdit*>("Text5"), "Anne");
        form.close();
    });
    Form2::run(&main, s.log, s.totals, s.profile, s.settings, s.dialogs, s.beeper, s.files);
    EXPECT_TRUE(s.settings.values.empty());
    EXPECT_FALSE(s.dir.exists("W1AW.log"));
    EXPECT_TRUE(s.dialogs.shown.empty());
    EXPECT_EQ(main.findChild<Form2*>(), nullptr); // discarded when it closed
}

} // namespace
} // namespace qv
