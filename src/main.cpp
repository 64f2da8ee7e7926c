// The composition root: creates the platform adapters once, builds the program
// over them and hands it to the main window.

#include "app/BlindFrmLogic.h"
#include "app/PhoneFrmLogic.h"
#include "app/Program.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PpdevParallelPort.h"
#include "platform/posix/SystemDevices.h"
#include "platform/posix/WorkingDirectoryLock.h"
#include "platform/qt/QtBeeper.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtEventWait.h"
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

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The directory the program starts in is the working directory of every file.
    const std::string workingDirectory = qv::PosixFileStore::currentDirectory();
    qv::QtDialogs dialogs;

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
    qv::PosixFileStore installedData(programDir + "/../share/quorvane-log");
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
    qv::NoKeyingPortRule portRule;
    qv::PhoneKeyer voiceKeyer(
        {keyerPlayer, pttLink, parallelPort, timers, dialogs, beeper, portRule, &speaker});
    qv::PhoneFrmLogic phoneWindow({voiceKeyer, files, dialogs, beeper});
    phoneWindow.startUp();

    qv::Subsystems subsystems;
    subsystems.voice = &navigator;
    subsystems.voiceKeyer = &voiceKeyer;
    qv::Program program({clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                        subsystems,
                        {&rigLink, &wait, &pegasus, &ports, &spotLink, &telnet, &engineLink});
    navigator.follow(program.prefs);
    qv::BlindFrmLogic blindWindow({navigator, program.prefs, files});
    program.blindWindow = &blindWindow;
    program.phoneWindow = &phoneWindow;
    qv::Form1 form1(program);
    blindWindow.setSavePreferences([&] { program.form1.storePreferences(); });
    dialogs.setParent(&form1);
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
