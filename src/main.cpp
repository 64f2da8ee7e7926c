// The composition root: creates the platform adapters and the contest objects
// once and hands references to the windows.

#include "core/ContestLog.h"
#include "core/LogFile.h"
#include "core/MainContext.h"
#include "core/MultiplierTable.h"
#include "core/OperatingState.h"
#include "core/Preferences.h"
#include "core/StationProfile.h"
#include "core/Subsystems.h"
#include "core/WorkingLog.h"
#include "geo/PrefixTable.h"
#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtBeeper.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtSettingsStore.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The directory the program starts in is the working directory of every file.
    qv::PosixFileStore files(qv::PosixFileStore::currentDirectory());
    // Shipped data files: next to the executable (the build tree), then the
    // installed share folder.
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    qv::PosixFileStore besideProgram(programDir);
    qv::PosixFileStore installedData(programDir + "/../share/quorvane-log");
    qv::ShippedFiles shipped(files, {&besideProgram, &installedData});

    qv::QtClock clock;
    qv::QtDialogs dialogs;
    qv::QtBeeper beeper;
    qv::QtSettingsStore settings;
    qv::QtClipboard clipboard;

    qv::ContestLog log;
    qv::OperatingState state;
    qv::MultiplierTable multipliers;
    qv::StationProfile profile;
    qv::Preferences preferences;
    qv::PrefixTable prefixes;
    qv::LogFile logFile(files);
    qv::WorkingLog workingLog(log, state, multipliers, logFile, dialogs);

    qv::NoVoiceNavigation voice;
    qv::NoKeyerCallText keyer;
    qv::NoBandMap bandMap;
    qv::NoShortcutWindows shortcutWindows;
    qv::NoVoiceKeyer voiceKeyer;
    qv::NoCwKeyer cwKeyer;
    qv::NoWinKeyer winKeyer;

    qv::MainWindowState windowState;
    qv::MainContext context{windowState, workingLog,  state, profile, preferences,
                            prefixes,    multipliers, clock, beeper,  dialogs,
                            files,       shipped,     voice, keyer,   bandMap};

    qv::Form1 form1(context, settings, clipboard, {shortcutWindows, voiceKeyer, cwKeyer, winKeyer});
    dialogs.setParent(&form1);
    if (!form1.start()) {
        return 1;
    }
    form1.show();
    return app.exec();
}
