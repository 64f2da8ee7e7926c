// The composition root: creates the platform adapters once, builds the program
// over them and hands it to the main window.

#include "app/BlindFrmLogic.h"
#include "app/CWFrmLogic.h"
#include "app/PhoneFrmLogic.h"
#include "app/Program.h"
#include "app/ProgramStart.h"
#include "app/frmWinKeyLogic.h"
#include "cw/CwPortRule.h"
#include "cw/KeyingThread.h"
#include "cw/SelectedKeyingLine.h"
#include "cw/winkeyer/WinKeyerDevice.h"
#include "cw/winkeyer/WinKeyerSender.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PpdevParallelPort.h"
#include "platform/posix/SystemDevices.h"
#include "platform/posix/WorkingDirectoryLock.h"
#include "platform/qt/QtBeeper.h"
#include "platform/qt/QtChildProcess.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtQueuedCall.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTcpLink.h"
#include "platform/qt/QtTerminationWatch.h"
#include "platform/qt/QtTextSpeaker.h"
#include "platform/qt/QtTimers.h"
#include "platform/qt/QtWavePlayer.h"
#include "ui/Form1.h"
#include "voice/KeyingPortRule.h"
#include "voice/Navigator.h"
#include "voice/PhoneKeyer.h"

#include <cstdio>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QTimer>

namespace {

// The folder of the settings store, made first when create is set.
std::string settingsStoreFolder(bool create) {
    const QString folder = QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                               qv::kSettingsApplication, qv::kSettingsApplication)
                                         .fileName())
                               .absolutePath();
    if (create) {
        QDir().mkpath(folder);
    }
    return folder.toStdString();
}

// The known calls of super check partial: the working directory's MASTER.SCP,
// else the one of Debian's hamradio-files. Read and indexed on a thread of its
// own, started once the first window is up (the first turn of an event loop)
// so that it takes no time from it; the result is queued onto the window's thread.
void loadMasterListOnceShown(qv::Form1& window, const std::string& workingDirectory,
                             std::jthread& loader) {
    QTimer::singleShot(0, &window, [&window, &loader, workingDirectory] {
        loader = std::jthread([workingDirectory,
                               arrived = qv::queuedOnto<std::shared_ptr<qv::MasterListLoad>>(
                                   &window, [&window](std::shared_ptr<qv::MasterListLoad> loaded) {
                                       window.masterListArrived(std::move(*loaded));
                                   })] {
            // Below the window's thread, which then wins a busy processor.
            (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
            qv::PosixFileStore working(workingDirectory);
            qv::PosixFileStore installed("/usr/share/hamradio-files");
            arrived(std::make_shared<qv::MasterListLoad>(qv::loadMasterList(working, installed)));
        });
    });
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer before anything starts, without a display.
    if (const auto reply =
            qv::answerCommandLine(std::vector<std::string>(argv + 1, argv + argc), QV_VERSION)) {
        std::fputs(reply->text.c_str(), reply->toStandardError ? stderr : stdout);
        return reply->exitStatus;
    }
    QApplication app(argc, argv);
    // The desktop entry and the icon of an installed copy, for the task bar.
    QGuiApplication::setDesktopFileName("org.example.quorvane.QuorvaneLog");
    QApplication::setWindowIcon(QIcon::fromTheme("quorvane-log"));

    // The directory the program starts in is the working directory of every file;
    // a start in the home folder (from the desktop menu) works in ~/QuorvaneLog.
    const std::string startDirectory = qv::PosixFileStore::currentDirectory();
    const std::string workingDirectory = qv::workingDirectoryFor(
        startDirectory, QDir(QDir::homePath()).canonicalPath().toStdString());
    qv::QtDialogs dialogs;
    if (workingDirectory != startDirectory) {
        const QString folder = QString::fromStdString(workingDirectory);
        if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
            dialogs.messageBox("Working folder",
                               "The folder " + workingDirectory +
                                   " cannot be created or opened, so the program will now close.",
                               qv::MessageButtons::Ok, qv::MessageIcon::Warning);
            return 1;
        }
    }

    // One running copy per working directory: two would write their own memory
    // over each other's contacts.
    const qv::WorkingDirectoryLock lock(workingDirectory);
    if (lock.state() == qv::WorkingDirectoryLock::State::InUse) {
        dialogs.messageBox("Log in use",
                           "The log in " + workingDirectory +
                               " is in use by another running copy of this program.  Only one "
                               "copy may work on a log at a time, so this copy will now close.  "
                               "Switch to the copy that is running.",
                           qv::MessageButtons::Ok, qv::MessageIcon::Warning);
        return 1;
    }

    qv::PosixFileStore files(workingDirectory);
    // Shipped data files: next to the executable (the build tree), then the
    // installed share folder.
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    qv::PosixFileStore besideProgram(programDir);
    qv::PosixFileStore installedData(qv::installedDataFolder(programDir));
    qv::ShippedFiles shipped(files, {&besideProgram, &installedData});

    qv::QtClock clock;
    qv::QtTimers timers;
    qv::QtBeeper beeper;
    qv::QtSettingsStore settings;
    qv::QtClipboard clipboard;

    // The station's devices: the radio's serial port, and the folder the Pegasus
    // radio's own control program exchanges its files in.
    const qv::SerialPortResolver ports(settings, qv::deviceFileExists);
    qv::QtSerialLink rigLink(ports);
    qv::QtEventWait wait;
    qv::PosixFileStore pegasus(settings.get(qv::kSettingsApplication, qv::kSettingsSection,
                                            "PegasusFolder",
                                            QDir::homePath().toStdString() + "/Pegasus"));

    // DX spotting: the TNC's serial port, the Telnet cluster and the packet engine.
    qv::QtSerialLink spotLink(ports);
    qv::QtTcpLink telnet;
    qv::QtTcpLink engineLink;

    // Hamlib's rig daemon: its connection, and the daemon when the program starts it.
    qv::QtTcpLink rigctldLink;
    qv::QtChildProcess rigctldDaemon;

    // Voice navigation: the spoken words, on a player of their own.
    qv::QtWavePlayer navigationPlayer;
    qv::Navigator navigator({navigationPlayer, wait, files, {&besideProgram, &installedData}});

    // The voice keyer: its own player, push-to-talk port, the parallel port and
    // speech for messages typed instead of recorded.
    qv::QtWavePlayer keyerPlayer;
    qv::QtSerialLink pttLink(ports);
    const qv::ParallelPortResolver parallelPorts(settings, [] { return qv::listParallelPorts(); });
    qv::PpdevParallelPort parallelPort(parallelPorts);
    qv::QtTextSpeaker speaker;

    // The CW keyer's own engine: its keying serial port (or the parallel port),
    // and the thread that times the elements of one character at a time; each
    // finished character is queued back onto this thread for the send loop.
    qv::QtSerialLink cwLink(ports);
    qv::SelectedKeyingLine cwLine(cwLink, parallelPort);
    qv::SteadyTimebase keyingTime;
    qv::CWFrmLogic* cwSendLoop = nullptr;
    qv::KeyingThread keying(
        cwLine,
        qv::queuedOnto<const qv::KeyingResult&>(&app,
                                                [&cwSendLoop](const qv::KeyingResult& result) {
                                                    if (cwSendLoop) {
                                                        cwSendLoop->characterSent(result);
                                                    }
                                                }),
        &keyingTime);
    // One port for the CW line, the WinKeyer and push-to-talk: opening one closes
    // the others.
    qv::CwPortRule portRule({cwLink, keying, pttLink});
    qv::PhoneKeyer voiceKeyer(
        {keyerPlayer, pttLink, parallelPort, timers, dialogs, beeper, portRule, &speaker});
    qv::PhoneFrmLogic phoneWindow({voiceKeyer, files, dialogs, beeper});
    phoneWindow.startUp();

    // The CW send buffer, shared by the CW keyer, the WinKeyer and code practice.
    qv::CwSendBuffer cwBuffer;
    // The WinKeyer: its own serial port, our side of its host protocol, and the
    // sender that hands it the send buffer. Opening it closes the voice and CW links.
    qv::QtSerialLink winKeyerLink(ports);
    qv::WinKeyerDevice winKeyerDevice({winKeyerLink, clock, wait});
    qv::WinKeyerSender winKeyer({winKeyerDevice, cwBuffer, timers});
    portRule.attachWinKeyer(&winKeyer);

    // The CW setup window's logic, which holds the messages and the send loop.
    qv::CWFrmLogic cwWindow(
        {{keying, cwLine, cwLink, parallelPort, keyingTime, &portRule, dialogs, beeper},
         cwBuffer,
         winKeyer,
         timers,
         files,
         settings});
    cwSendLoop = &cwWindow;
    cwWindow.startUp();

    qv::Subsystems subsystems;
    subsystems.voice = &navigator;
    subsystems.voiceKeyer = &voiceKeyer;
    subsystems.winKeyer = &winKeyer;
    subsystems.cw = &cwWindow;
    subsystems.keyerCall = &cwWindow;
    qv::Program program({clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                        subsystems,
                        {&rigLink, &wait, &pegasus, &ports, &spotLink, &telnet, &engineLink,
                         &rigctldLink, &rigctldDaemon});
    navigator.follow(program.prefs);
    qv::BlindFrmLogic blindWindow({navigator, program.prefs, files});
    program.blindWindow = &blindWindow;
    program.phoneWindow = &phoneWindow;
    program.cwWindow = &cwWindow;
    cwWindow.attachMainWindow(&program.form1);
    // "WK.txt" lies beside the program, or in the settings store's folder when the
    // program's folder cannot be written (an installed copy).
    const bool programDirWritable = QFileInfo(QString::fromStdString(programDir)).isWritable();
    qv::PosixFileStore userSettingsFolder(settingsStoreFolder(!programDirWritable));
    qv::frmWinKeyLogic winKeyWindow({winKeyer,
                                     program.keyers.cw,
                                     cwBuffer,
                                     portRule,
                                     {besideProgram, userSettingsFolder, programDirWritable},
                                     dialogs,
                                     [&program] { return program.profile.ownCall; }});
    program.winKeyWindow = &winKeyWindow;
    qv::Form1 form1(program);
    blindWindow.setSavePreferences([&] { program.form1.storePreferences(); });
    dialogs.setParent(&form1);
    // Joined before the window it reports to is gone.
    std::jthread scpLoader;
    loadMasterListOnceShown(form1, workingDirectory, scpLoader);
    if (!form1.start()) {
        return 1;
    }
    // From here on a shutdown, Ctrl+C or a closed terminal ends the program as
    // "&Exit" does, between two events. Until now a signal simply ends it: start-up
    // writes files only by atomic replacement, which an ending cannot tear.
    qv::QtTerminationWatch terminationWatch([&form1] { form1.exitProgram(); });
    form1.show();
    return app.exec();
}
