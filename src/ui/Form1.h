#pragma once

#include "core/KeyDispatch.h"
#include "core/MainWindow.h"
#include "platform/Clipboard.h"
#include "platform/SettingsStore.h"
#include "reports/LogArchive.h"

#include <array>
#include <optional>
#include <type_traits>

#include <QMainWindow>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace qv {

class LineEditBinding;
class TextFileWindow;
class MainMenu;
class ScorePanelWidget;

// The main window: builds the widgets, forwards every event to the MainWindow
// logic and copies its state back into the widgets.
class Form1 : public QMainWindow, private StartupWindows {
    Q_OBJECT
public:
    Form1(MainContext& context, SettingsStore& settings, Clipboard& clipboard, Keyers keyers,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence. False when log.txt could not be read: the program must
    // end without touching anything else.
    bool start();

    MainWindow& logic() { return logic_; }

    // "&Exit": the operating time is saved and the program ends at once. Also what
    // a termination signal does, between two events.
    void exitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The entry fields in tab order, as the widgets and bindings are kept.
    static constexpr std::array<EntryField, 6> kEntryFields = {
        EntryField::Call, EntryField::Spc,         EntryField::Category,
        EntryField::Name, EntryField::PostConTime, EntryField::PostConDate};

    // StartupWindows
    void showStationWindow() override;
    void backupLog() override { (void)archive_.Backup(); }
    Status backupBeforeNewLog() override { return archive_.BackupOnDisk(); }

    QWidget* buildTopLine();
    QWidget* buildEntryLine();
    QWidget* buildListArea();
    void connectMenu();
    void bindField(EntryField field, QLineEdit* edit);
    // The record number of the selected row of the list, if one is selected.
    std::optional<std::size_t> selectedRecord() const;
    void editSelected();
    void deleteSelected();
    // The main window's keyboard: every key of this window passes here first.
    bool dispatchKey(QKeyEvent* event);
    void renderList();
    // "&Read Help File" and "&3Rd Party List": the text read whole into its window.
    void showTextFile(TextFileWindow*& window, const char* title, const char* fileName);

    // Runs a logic call, then shows the state. This is the one place where an
    // action's outcome is acted on: a reload that failed ends the program.
    template <typename F> void act(F&& f);
    void render();
    void renderOnce();
    void applyWindowSize();
    void endProgram();

    MainContext& c_;
    SettingsStore& settings_;
    Clipboard& clipboard_;
    MainWindow logic_;
    Keyers keyers_;
    KeyDispatch keys_;
    LogArchive archive_;
    TextFileWindow* helpWindow_ = nullptr;
    TextFileWindow* thirdPartyWindow_ = nullptr;

    MainMenu* menu_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
    std::array<LineEditBinding*, 6> bindings_{};
    QLabel* lblDialog_ = nullptr;
    QLabel* lblDupe_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label25_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label19_ = nullptr;
    QLabel* label22_ = nullptr;
    QLabel* label23_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label24_ = nullptr;
    QLabel* lblutctime_ = nullptr;
    QLabel* lblCurTime_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* lblttrack_ = nullptr;
    QLabel* postTimeCaption_ = nullptr;
    QLabel* postDateCaption_ = nullptr;
    QPushButton* cmdLogOn_ = nullptr;
    QPushButton* cmdDup_ = nullptr;
    QPushButton* cmdList_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QTreeWidget* listView1_ = nullptr;
    ScorePanelWidget* scorePanel_ = nullptr;
    QTimer* timer1_ = nullptr; // contact rates, every minute
    QTimer* timer2_ = nullptr; // clocks, every second
    QTimer* holdTimer_ = nullptr;

    std::uint32_t shownFocusRequest_ = 0;
    std::uint64_t shownListRevision_ = ~std::uint64_t{0};
    bool rendering_ = false;
    bool dirty_ = false;
    bool ending_ = false;
};

template <typename F> void Form1::act(F&& f) {
    if (ending_) {
        return;
    }
    if constexpr (std::is_same_v<decltype(f()), Outcome>) {
        if (f() == Outcome::EndProgram) {
            endProgram();
            return;
        }
    } else {
        f();
    }
    render();
}

} // namespace qv
