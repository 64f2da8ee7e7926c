#pragma once

#include "core/ScorePanel.h"
#include "core/StationProfile.h"
#include "core/WorkingLog.h"
#include "geo/PrefixTable.h"
#include "platform/Clock.h"
#include "platform/ShippedFiles.h"

#include <QMainWindow>

class QTimer;

namespace qv {

class ScorePanelWidget;

// The main window.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    struct Services {
        WorkingLog& workingLog;
        const MultiplierTable& multipliers;
        StationProfile& profile;
        PrefixTable& prefixes;
        ShippedFiles& shipped;
        Clock& clock;
        Dialogs& dialogs;
    };

    explicit Form1(Services services, QWidget* parent = nullptr);

    // The start-up sequence. False when the log could not be read: the program
    // must end without touching anything else. A step that fails otherwise shows
    // "Error opening file" and skips the remaining steps.
    bool start();

private:
    Status readPrefixTable();
    void showScore();
    void refreshRates();

    Services s_;
    MultiplierColours colours_;
    ScorePanelView score_;
    ScorePanelWidget* scorePanel_ = nullptr;
    QTimer* timer1_ = nullptr; // contact rates, every minute
};

} // namespace qv
