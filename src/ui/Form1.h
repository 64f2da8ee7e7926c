#pragma once

#include "app/Program.h"

#include <array>
#include <memory>
#include <optional>
#include <type_traits>

#include <QMainWindow>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace qv {

class Announcer;
class LineEditBinding;
class BandMapStrip;
class BlindFrm;
class PhoneFrm;
class CWFrm;
class frmCWStrings;
class frmCWStringsLogic;
class PacketSpotfrm;
class SpectrumMapLogic;
class RigControlfrm;
class TextFileWindow;
class MainMenu;
class RecentContactsModel;
class ScorePanelWidget;
class SuperCheckLine;

// The main window: builds the widgets, forwards every event to the Form1Logic and
// shows its state record; it opens the other windows when the logic asks.
class Form1 : public QMainWindow,
              private Form1Windows,
              private ShortcutWindows,
              private RigWindows,
              private SpotWindows,
              private PhoneFrmWindows,
              private CWFrmWindows {
    Q_OBJECT
public:
    explicit Form1(Program& program, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence. False when log.txt could not be read: the program must
    // end without touching anything else.
    bool start();

    // The master list of known calls, read away from this thread, has arrived.
    void masterListArrived(MasterListLoad loaded);

    Form1Logic& logic() { return logic_; }

    // "&Exit": the operating time is saved and the program ends at once. Also what
    // a termination signal does, between two events.
    void exitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The entry fields in tab order, as the widgets and bindings are kept.
    static constexpr std::array<EntryField, 6> kEntryFields = {
        EntryField::Call, EntryField::Spc,         EntryField::Category,
        EntryField::Name, EntryField::PostConTime, EntryField::PostConDate};

    // Form1Windows
    bool showStationWindow() override;
    EditOutcome editContact(std::size_t k) override;
    void showSummarySheet() override;
    void showText(const std::string& title, const std::string& text) override;
    // ShortcutWindows: Ctrl+R, Ctrl+G, Ctrl+F and their menu items.
    void open(ShortcutWindow window) override;
    // RigWindows
    void showRigWindowModally() override;
    void showFrequencyTest() override;
    RigControlfrm& rigWindow();
    // SpotWindows
    void showSpottingWindowModally() override;
    void layOutSpotDisplay() override;
    void refreshBandMap() override;
    PacketSpotfrm& spottingWindow();
    void buildSpotStrip(QVBoxLayout* layout);
    // A spot of the list strip chosen by a click or Enter: its call is taken.
    void takeSpot(QTreeWidgetItem* item);
    void renderSpots();
    void sizeSpotColumns();

    QWidget* buildTopLine();
    QWidget* buildEntryLine();
    QWidget* buildListArea();
    void connectMenu();
    void bindField(EntryField field, QLineEdit* edit);
    // The main window's keyboard: every key of this window passes here first.
    bool dispatchKey(QKeyEvent* event);
    // A panel of the window rather than a control: the mouse over it is over the
    // window's background.
    bool isBackground(QObject* watched) const;
    // The list's own menu, from the context-menu key: edit, delete, sort.
    void showListMenu();

    // Runs a logic call, then shows the state once the outermost call is done.
    // This is the one place where an action's outcome is acted on: a reload that
    // failed ends the program.
    template <typename F> void act(F&& f);
    void render();
    void announceStatus(const Form1State& s);
    void applyWindowSize();
    void endProgram();

    Program& program_;
    Form1Logic& logic_;
    TextFileWindow* textWindows_[2] = {nullptr, nullptr};

    MainMenu* menu_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
    std::array<LineEditBinding*, 6> bindings_{};
    QLabel* lblDialog_ = nullptr;
    Announcer* announcer_ = nullptr; // speaks the status line's messages
    QString announced_;              // the status line as the last event left it
    std::uint32_t shownStatusAlerts_ = 0;
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
    QTreeView* listView1_ = nullptr;
    // The spot strip: the spot list txtDX or the band map lblDX.
    QTreeWidget* txtDX_ = nullptr;
    BandMapStrip* bandMap_ = nullptr;
    std::size_t shownSpotRows_ = static_cast<std::size_t>(-1);
    std::size_t shownBandMap_ = static_cast<std::size_t>(-1);
    RecentContactsModel* listModel_ = nullptr;
    ScorePanelWidget* scorePanel_ = nullptr;
    SuperCheckLine* superCheckLine_ = nullptr;

    std::uint32_t shownFocusRequest_ = 0;
    int depth_ = 0; // nested act calls; the state is shown when the outermost ends
    bool ending_ = false;
    bool sizedWithFrame_ = false;
    std::unique_ptr<RigControlfrm>
        rigWindow_; // made on first use, kept to the end // sized again once the frame was known
    std::unique_ptr<PacketSpotfrm> spotWindow_; // made on first use, kept to the end
    std::unique_ptr<BlindFrm> blindWindow_;     // made on first use, kept to the end
    std::unique_ptr<PhoneFrm> phoneWindow_;     // made on first use, kept to the end
    PhoneFrm* phoneFrm();
    // PhoneFrmWindows
    void showPhoneFrmModally() override;
    // CWFrmWindows: the CW setup window and the "CW Strings" card, made on first use.
    std::unique_ptr<CWFrm> cwWindow_;
    std::unique_ptr<frmCWStringsLogic> cwStringsLogic_;
    std::unique_ptr<frmCWStrings> cwStrings_;
    CWFrm* cwFrm();
    void showCWFrmModally() override;
    void showCWStringsMinimised() override;
    SpectrumMapLogic* spectrumMap_ = nullptr; // while the spectrum map is open
    bool spotsQueued_ = false;                // new spots wait to be shown
    void showSpectrumMap();
};

template <typename F> void Form1::act(F&& f) {
    if (ending_) {
        return;
    }
    ++depth_;
    bool end = false;
    if constexpr (std::is_same_v<decltype(f()), Outcome>) {
        end = f() == Outcome::EndProgram;
    } else {
        f();
    }
    --depth_;
    if (end) {
        endProgram();
        return;
    }
    if (depth_ == 0) {
        render();
    }
}

} // namespace qv
