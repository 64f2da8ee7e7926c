#pragma once

// The real Form1 over a temporary working directory, fake clock and scripted
// dialogs, with helpers that type on the keyboard.

#include "app/Program.h"
#include "core/LogFileFormat.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtClipboard.h"
#include "ui/Form1.h"

#include <functional>
#include <memory>
#include <string>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv::test {

// `count` contacts K1AA, K2AA, ... of a working log, all on 40 m phone from CT.
inline std::string contactLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "\"K" + std::to_string(i) +
                "AA\",\"M\",\"John\",\"Anne\",\"CT\",\"2007/01/13\",\"14:10:00\",\"PH\",\"40\","
                "10,\"\"\r\n";
    }
    return text;
}

struct Form1Harness {
    TempDir dir;
    PosixFileStore files{dir.path()};
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    FakeClock clock;
    FakeBeeper beeper;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    QtClipboard clipboard;
    FakeSerialLink rigLink; // the radio, scripted
    FakeEventWait wait{clock};
    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    {},
                    {&rigLink, &wait}};
    StationProfile& profile = program.profile;
    Preferences& prefs = program.prefs;
    OperatingState& op = program.op;
    std::unique_ptr<Form1> form;

    Form1Harness() {
        profile.ownName = "Anne";
        profile.ownCall = "K1QV";
        profile.utcOffsetHours = 5;
        clock.setLocal(2007, 1, 13, 9, 22, 5);
        clock.utc = *DateTime::fromFields(2007, 1, 13, 14, 22, 5);
    }

    Form1Harness(const Form1Harness&) = delete;
    Form1Harness& operator=(const Form1Harness&) = delete;
    // A test that ended the program left the application quitting, which would
    // make every later modal window of this process return at once: run the
    // application's event loop once to clear that.
    ~Form1Harness() {
        form.reset();
        QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        QApplication::exec();
    }

    // Starts the window; the station window that start-up opens is closed with "Done".
    bool start() {
        dir.write("Quorvpref.txt", *formatPreferences(profile, prefs, op));
        form = std::make_unique<Form1>(program);
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == "frmStationID" && w->isVisible()) {
                    w->findChild<QPushButton*>("Command1")->click();
                }
            }
        });
        const bool started = form->start();
        form->show();
        form->activateWindow();
        QApplication::processEvents();
        return started;
    }

    QLineEdit* field(const char* name) { return form->findChild<QLineEdit*>(name); }

    // Runs `act` on the next modal window named `name` as soon as it is shown.
    static void onWindow(const char* name, std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [name, act] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String(name) && w->isVisible()) {
                    act(w);
                    return;
                }
            }
        });
    }
    // The text of a cell of a list view.
    static QString cell(const QAbstractItemView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    QString label(const char* name) {
        auto* l = form->findChild<QLabel*>(name);
        return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }

    // Sends key presses to whichever widget has the focus, as the keyboard does.
    void key(int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the focus";
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
    void typeText(const QString& text) {
        for (QChar ch : text) {
            const int code =
                ch == QLatin1Char(' ') ? static_cast<int>(Qt::Key_Space) : ch.toUpper().unicode();
            key(code, QString(ch));
        }
    }
    void enter() { key(Qt::Key_Return, QStringLiteral("\r")); }
};

} // namespace qv::test
