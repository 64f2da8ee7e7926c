#include "ui/Form1.h"

#include "base/Band.h"
#include "platform/qt/QtText.h"
#include "ui/Accessible.h"
#include "ui/BandMapStrip.h"
#include "ui/BlindFrm.h"
#include "ui/CWFrm.h"
#include "ui/Form2.h"
#include "ui/Form6.h"
#include "ui/GraphQSO.h"
#include "ui/LineEditBinding.h"
#include "ui/MainMenu.h"
#include "ui/PacketSpotfrm.h"
#include "ui/PhoneFrm.h"
#include "ui/RecentContactsModel.h"
#include "ui/RigControlfrm.h"
#include "ui/ScorePanelWidget.h"
#include "ui/SectionMap.h"
#include "ui/SpectrumMap.h"
#include "ui/SuperCheckLine.h"
#include "ui/TextFileWindow.h"
#include "ui/UiText.h"
#include "ui/frmBandPlan.h"
#include "ui/frmCWStrings.h"
#include "ui/frmEditCon.h"
#include "ui/frmFrequencyTest.h"
#include "ui/frmRigTune.h"
#include "ui/frmStationID.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qv {
namespace {

std::size_t indexOf(EntryField f) {
    return static_cast<std::size_t>(f);
}

QString bandActionName(std::string_view band) {
    return QStringLiteral("mnuBand") + toQString(band);
}

} // namespace

Form1::Form1(Program& program, QWidget* parent)
    : QMainWindow(parent), program_(program), logic_(program.form1) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setMouseTracking(true);

    menu_ = new MainMenu(menuBar());

    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildTopLine());
    layout->addWidget(buildEntryLine());
    layout->addWidget(buildListArea(), 1);
    scorePanel_ = new ScorePanelWidget(central);
    layout->addWidget(scorePanel_);
    buildSpotStrip(layout);
    setCentralWidget(central);
    connect(scorePanel_, &ScorePanelWidget::multiplierClicked, this, [this](int j) {
        act([&] { logic_.entry().multiplierClicked(static_cast<std::size_t>(j)); });
    });
    connect(scorePanel_, &ScorePanelWidget::multiplierHovered, this, [this](int j) {
        act([&] { logic_.entry().multiplierHovered(static_cast<std::size_t>(j)); });
    });

    connectMenu();
    program_.windows.attach(this);
    program_.shortcuts.attach(this);
    program_.rigWindow.setWindows(this);
    program_.spotWindow.setWindows(this);
    if (program_.phoneWindow) {
        program_.phoneWindow->setWindows(this);
    }
    // The CW send loop moves on between events: each character shows its echo.
    if (program_.cwWindow) {
        program_.cwWindow->setWindows(this);
        program_.cwWindow->setChangedHandler([this] {
            if (!ending_) {
                render();
                if (cwWindow_) {
                    cwWindow_->render();
                }
            }
        });
    }
    program_.spotWindow.setSavePreferences([this] { logic_.storePreferences(); });
    program_.spotWindow.setProgramName(windowTitle().toStdString());
    // A spot's call goes into the call field as if typed: the focus enters the
    // field, the call is put in, and with Tab the focus moves on to SPC.
    program_.spotDisplay.setCallPicker([this](const std::string& call, bool tab) {
        QLineEdit* callField = fields_[indexOf(EntryField::Call)];
        callField->setFocus(Qt::OtherFocusReason);
        act([&] { logic_.putCall(call); });
        // Shown before the focus moves on: inside a click the window shows the state
        // only at the end, and the fields must not hand stale text back meanwhile.
        render();
        if (tab) {
            fields_[indexOf(EntryField::Spc)]->setFocus(Qt::TabFocusReason);
        }
    });
    // Spots are shown once per turn of the event loop, however many arrived.
    program_.spotDisplay.setChangedHandler([this] {
        if (spotsQueued_) {
            return;
        }
        spotsQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                spotsQueued_ = false;
                if (spectrumMap_) {
                    spectrumMap_->redrawSpots();
                }
                if (!ending_) {
                    render();
                }
            },
            Qt::QueuedConnection);
    });
    // A timer of the logic changed what the window shows.
    logic_.setChangedHandler([this](Outcome outcome) {
        if (ending_) {
            return;
        }
        if (outcome == Outcome::EndProgram) {
            endProgram();
            return;
        }
        render();
    });
    // One filter on the whole application sees every event of this window once:
    // the keys before the focused field, the focus changes of the entry line, the
    // clicks of the list and the band label, and input dropped while a key is
    // held after a duplicate.
    qApp->installEventFilter(this);
    render();
}

Form1::~Form1() {
    // Widgets losing the focus while the window is destroyed must not reach it.
    qApp->removeEventFilter(this);
    logic_.setChangedHandler(nullptr);
    program_.windows.attach(nullptr);
    program_.shortcuts.attach(nullptr);
    program_.rigWindow.setWindows(nullptr);
    program_.spotWindow.unload();
    program_.spotDisplay.setCallPicker(nullptr);
    program_.spotDisplay.setChangedHandler(nullptr);
    program_.spotWindow.setWindows(nullptr);
    program_.spotWindow.setSavePreferences(nullptr);
    spotWindow_.reset();
    blindWindow_.reset();
    if (program_.phoneWindow) {
        program_.phoneWindow->setWindows(nullptr);
    }
    phoneWindow_.reset();
    if (program_.cwWindow) {
        program_.cwWindow->setWindows(nullptr);
        program_.cwWindow->setChangedHandler(nullptr);
    }
    cwStrings_.reset();
    cwStringsLogic_.reset();
    cwWindow_.reset();
    rigWindow_.reset();
}

PhoneFrm* Form1::phoneFrm() {
    if (!program_.phoneWindow) {
        return nullptr;
    }
    if (!phoneWindow_) {
        phoneWindow_ = std::make_unique<PhoneFrm>(*program_.phoneWindow, this);
    }
    return phoneWindow_.get();
}

void Form1::showPhoneFrmModally() {
    if (PhoneFrm* w = phoneFrm()) {
        w->showModal();
    }
}

CWFrm* Form1::cwFrm() {
    if (!program_.cwWindow) {
        return nullptr;
    }
    if (!cwWindow_) {
        cwWindow_ = std::make_unique<CWFrm>(*program_.cwWindow, program_, this);
    }
    return cwWindow_.get();
}

void Form1::showCWFrmModally() {
    if (CWFrm* w = cwFrm()) {
        w->showModal();
    }
    render();
}

void Form1::showCWStringsMinimised() {
    if (!program_.cwWindow) {
        return;
    }
    if (!cwStrings_) {
        cwStringsLogic_ = std::make_unique<frmCWStringsLogic>(*program_.cwWindow);
        cwStrings_ = std::make_unique<frmCWStrings>(
            *cwStringsLogic_, [this] { render(); }, this);
    }
    cwStrings_->showMinimised();
}

void Form1::takeSpot(QTreeWidgetItem* item) {
    if (const int row = txtDX_->indexOfTopLevelItem(item); row >= 0) {
        act([&] { program_.spotDisplay.listClicked(static_cast<std::size_t>(row)); });
    }
}

PacketSpotfrm& Form1::spottingWindow() {
    if (!spotWindow_) {
        spotWindow_ = std::make_unique<PacketSpotfrm>(program_.spotWindow, this);
    }
    return *spotWindow_;
}

void Form1::showSpottingWindowModally() {
    PacketSpotfrm& w = spottingWindow();
    program_.spotWindow.show();
    w.render();
    w.exec();
}

void Form1::layOutSpotDisplay() {
    program_.spotDisplay.layOut(program_.spotWindow.kind(), program_.spotWindow.listDisplay());
    render();
}

void Form1::refreshBandMap() {
    program_.spotDisplay.redraw();
    render();
}

// Modal, made afresh each time; a spot chosen with the right button goes into
// the call field (no Tab), and spots removed on it are gone from the band map.
void Form1::showSpectrumMap() {
    if (spectrumMap_) {
        return;
    }
    SpectrumMapLogic logic(
        {program_.spots, program_.platform.clock, program_.profile, program_.rig});
    spectrumMap_ = &logic;
    const std::optional<std::string> call = SpectrumMap::run(this, logic);
    spectrumMap_ = nullptr;
    if (call) {
        QLineEdit* callField = fields_[indexOf(EntryField::Call)];
        callField->setFocus(Qt::OtherFocusReason);
        act([&] { logic_.putCall(*call); });
    }
    program_.spotDisplay.redraw();
    render();
}

void Form1::buildSpotStrip(QVBoxLayout* layout) {
    txtDX_ = new QTreeWidget(centralWidget() ? centralWidget() : this);
    txtDX_->setObjectName(QStringLiteral("txtDX"));
    txtDX_->setAccessibleName(QStringLiteral("DX spots"));
    txtDX_->setRootIsDecorated(false);
    txtDX_->setUniformRowHeights(true);
    txtDX_->setColumnCount(static_cast<int>(kSpotListColumns.size()));
    QStringList headings;
    for (const SpotListColumn& c : kSpotListColumns) {
        headings << QString::fromLatin1(c.heading);
    }
    txtDX_->setHeaderLabels(headings);
    // In the tab chain when shown: Enter on a spot takes it, as a click does.
    txtDX_->setFocusPolicy(Qt::StrongFocus);
    // A strip of the latest few spots under the panels, as tall as the band map
    // strip would be: the recent contacts keep the room they had.
    txtDX_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    txtDX_->setFixedHeight(txtDX_->fontMetrics().height() * 6);
    txtDX_->hide();
    connect(txtDX_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { takeSpot(item); });
    connect(txtDX_, &QTreeWidget::itemDoubleClicked, this,
            [this] { open(ShortcutWindow::SpectrumMap); });
    layout->addWidget(txtDX_);

    bandMap_ = new BandMapStrip(program_.spotDisplay, this);
    bandMap_->hide();
    connect(bandMap_, &BandMapStrip::labelRightClicked, this, [this](std::size_t slot) {
        act([&] { program_.spotDisplay.labelRightClicked(slot); });
    });
    connect(bandMap_, &BandMapStrip::labelClicked, this,
            [this](std::size_t slot) { act([&] { program_.spotDisplay.labelClicked(slot); }); });
    connect(bandMap_, &BandMapStrip::labelHovered, this,
            [this](std::size_t slot) { act([&] { program_.spotDisplay.labelHovered(slot); }); });
    connect(bandMap_, &BandMapStrip::areaClicked, this, [this] { open(ShortcutWindow::Spotting); });
    connect(bandMap_, &BandMapStrip::areaDoubleClicked, this,
            [this] { open(ShortcutWindow::SpectrumMap); });
    layout->addWidget(bandMap_);
}

void Form1::sizeSpotColumns() {
    // Each column's share of the window's width, as the columns table gives it.
    for (std::size_t i = 0; i < kSpotListColumns.size(); ++i) {
        const int w = width() * kSpotListColumns[i].widthTwips / 9600;
        txtDX_->setColumnHidden(static_cast<int>(i), w == 0);
        if (w > 0) {
            txtDX_->setColumnWidth(static_cast<int>(i), w);
        }
    }
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (txtDX_) {
        sizeSpotColumns();
    }
}

void Form1::renderSpots() {
    const SpotDisplayState& s = program_.spotDisplay.state();
    txtDX_->setVisible(s.listShown);
    bandMap_->setVisible(s.bandMapShown);
    if (s.listShown && program_.spotList.revision() != shownSpotRows_) {
        shownSpotRows_ = program_.spotList.revision();
        txtDX_->clear();
        QList<QTreeWidgetItem*> items;
        for (const SpotListRow& r : program_.spotList.rows()) {
            items << new QTreeWidgetItem(QStringList{
                toQString(r.call), toQString(r.frequency), toQString(r.qth), toQString(r.status),
                toQString(r.comments), toQString(r.prefix), toQString(r.time), toQString(r.from)});
        }
        txtDX_->addTopLevelItems(items);
        sizeSpotColumns();
    }
    if (s.bandMapShown && s.revision != shownBandMap_) {
        shownBandMap_ = s.revision;
        bandMap_->update();
    }
}

RigControlfrm& Form1::rigWindow() {
    if (!rigWindow_) {
        program_.rigWindow.ensureLoaded();
        rigWindow_ = std::make_unique<RigControlfrm>(program_.rigWindow, this);
    }
    return *rigWindow_;
}

void Form1::open(ShortcutWindow window) {
    switch (window) {
    case ShortcutWindow::Rig: {
        RigControlfrm& w = rigWindow();
        program_.rigWindow.show();
        w.render();
        w.show();
        w.raise();
        w.activateWindow();
        break;
    }
    case ShortcutWindow::Tuning:
        frmRigTune::run(this, program_.rig, program_.platform.timers);
        break;
    case ShortcutWindow::Privileges:
        frmBandPlan::run(this, program_.platform.shipped, program_.platform.dialogs);
        break;
    case ShortcutWindow::Spotting: {
        PacketSpotfrm& w = spottingWindow();
        program_.spotWindow.show();
        w.render();
        w.show();
        w.raise();
        w.activateWindow();
        break;
    }
    case ShortcutWindow::SpectrumMap:
        showSpectrumMap();
        break;
    case ShortcutWindow::VoiceKeyer:
        if (PhoneFrm* w = phoneFrm()) {
            w->showModeless();
        }
        break;
    }
}

void Form1::showRigWindowModally() {
    RigControlfrm& w = rigWindow();
    program_.rigWindow.show();
    w.render();
    w.exec();
}

void Form1::showFrequencyTest() {
    QWidget* over =
        rigWindow_ && rigWindow_->isVisible() ? static_cast<QWidget*>(rigWindow_.get()) : this;
    frmFrequencyTest::run(over, program_.rig);
}

void Form1::bindField(EntryField field, QLineEdit* edit) {
    const std::size_t i = indexOf(field);
    fields_[i] = edit;
    bindings_[i] = new LineEditBinding(
        edit, fieldOf(logic_.state(), field),
        [this, field](int key) { act([&] { logic_.entry().keyPress(field, key); }); },
        [this, field] { act([&] { logic_.entry().edited(field); }); });
}

void Form1::connectMenu() {
    auto on = [this](const char* name, auto&& f) {
        connect(menu_->action(QLatin1String(name)), &QAction::triggered, this,
                [this, f](bool) { act(f); });
    };
    on("mnuNew", [this] { return logic_.menuNew(); });
    on("mnuOpen", [this] { return logic_.menuOpen(); });
    on("mnuExit", [this] { exitProgram(); });
    on("mnuSetup", [this] { logic_.menuSetup(); });
    on("mnuExport", [this] { logic_.menuExport(); });
    on("mnuArchive", [this] { logic_.menuArchive(); });
    on("mnuCabrillo", [this] { logic_.menuCabrillo(); });
    on("mnuADIF", [this] { logic_.menuAdif(); });
    on("mnuCopy", [this] { logic_.menuCopyListedItems(); });
    on("mnuRestore", [this] { return logic_.menuRestore(); });
    on("mnuReadHelp", [this] { logic_.menuReadHelp(); });
    on("mnuThirdParty", [this] { logic_.menuThirdParty(); });
    on("mnuDefaultCategory", [this] { logic_.menuDefaultCategory(); });
    on("mnuListPrevious", [this] { logic_.menuListPreviousContacts(); });
    on("mnuPostContest", [this] { logic_.menuPostContestMode(); });
    on("mnuSuperCheck", [this] { program_.superCheck.toggle(); });
    on("mnuFormSize", [this] { (void)logic_.menuFormSize(); });
    on("mnuRig", [this] { open(ShortcutWindow::Rig); });
    on("mnuPrivileges", [this] { open(ShortcutWindow::Privileges); });
    on("mnuSpectrum", [this] { open(ShortcutWindow::SpectrumMap); });
    on("mnuGraph",
       [this] { GraphQSO::run(this, program_.working.log(), program_.platform.dialogs); });
    on("mnuMap", [this] {
        const Platform& p = program_.platform;
        SectionMap::run(
            this, {program_.working.log(), program_.ui.score, program_.prefs, p.clock, p.timers},
            p.shipped, p.dialogs);
    });
    // The new colours reach the multiplier labels through the reloaded log.
    on("mnuColors", [this] {
        Form6::run(this, program_.prefs, program_.platform.dialogs);
        logic_.storePreferences();
        return program_.working.LoadLog();
    });
    // "&CW Setup" is wired but hidden in the menu: the program logs in phone mode.
    menu_->action(QStringLiteral("mnuCWSetup"))->setEnabled(program_.cwWindow != nullptr);
    on("mnuCWSetup", [this] {
        logic_.storePreferences();
        showCWFrmModally();
    });
    menu_->action(QStringLiteral("mnuVoiceSetup"))->setEnabled(program_.phoneWindow != nullptr);
    on("mnuVoiceSetup", [this] {
        logic_.storePreferences();
        showPhoneFrmModally();
    });
    menu_->action(QStringLiteral("mnuVoiceNavigation"))
        ->setEnabled(program_.blindWindow != nullptr);
    on("mnuVoiceNavigation", [this] {
        if (!program_.blindWindow) {
            return;
        }
        if (!blindWindow_) {
            blindWindow_ = std::make_unique<BlindFrm>(*program_.blindWindow, this);
        }
        blindWindow_->showWindow();
    });
    on("mnuConfigure", [this] {
        logic_.storePreferences();
        open(ShortcutWindow::Spotting);
    });
    on("mnuTaskbar", [this] {
        if (logic_.menuTaskbar()) {
            applyWindowSize();
        }
    });
    for (const Band& band : kBands) {
        const std::string_view text = band.text;
        connect(menu_->action(bandActionName(text)), &QAction::triggered, this,
                [this, text](bool) { act([&] { return logic_.selectBand(text); }); });
    }
}

bool Form1::showStationWindow() {
    const Platform& p = program_.platform;
    return frmStationID::run(this, program_.profile, program_.prefixes, p.settings, p.dialogs,
                             p.beeper);
}

EditOutcome Form1::editContact(std::size_t k) {
    const Platform& p = program_.platform;
    return frmEditCon::run(this, program_.working.log(), k, program_.prefixes, program_.multipliers,
                           p.dialogs, p.beeper);
}

void Form1::showSummarySheet() {
    const Platform& p = program_.platform;
    Form2::run(this, program_.working.log(), program_.op, program_.profile, p.settings, p.dialogs,
               p.beeper, p.files);
}

void Form1::showText(const std::string& title, const std::string& text) {
    // One window for each title, kept and shown again.
    TextFileWindow*& window = textWindows_[title == "Help" ? 0 : 1];
    if (!window) {
        window = new TextFileWindow(toQString(title), this);
    }
    window->showText(text);
}

void Form1::masterListArrived(MasterListLoad loaded) {
    act([&] { program_.superCheck.listArrived(std::move(loaded)); });
}

void Form1::exitProgram() {
    if (ending_) {
        return;
    }
    logic_.exiting();
    ending_ = true;
    QApplication::exit(0);
}

void Form1::endProgram() {
    // A log.txt that cannot be read: end at once, saving nothing.
    ending_ = true;
    QApplication::exit(1);
}

bool Form1::start() {
    applyWindowSize();
    const Form1Logic::Started started = logic_.start();
    // The size percentage and the taskbar option come from the preferences file,
    // read during start-up.
    applyWindowSize();
    render();
    if (started == Form1Logic::Started::Fatal) {
        ending_ = true;
        return false;
    }
    return true;
}

void Form1::applyWindowSize() {
    const QScreen* screen = QApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const Preferences& prefs = program_.prefs;
    // The taskbar option keeps the desktop's panels visible at full size.
    const QRect area = prefs.taskbar ? screen->availableGeometry() : screen->geometry();
    const int percent = std::clamp<int>(prefs.sizePercent, 30, 100);
    const QSize outer(area.width() * percent / 100, area.height() * percent / 100);
    // The percentage is of the whole window, title bar included. The frame is
    // known once the window manager has framed the shown window; until then the
    // style's title bar stands in.
    const QSize framed = frameGeometry().size() - geometry().size();
    const QSize frame =
        framed.height() > 0 ? framed : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize inner = (outer - frame).expandedTo(minimumSizeHint());
    resize(inner);
    move(area.left() + (area.width() - inner.width() - frame.width()) / 2,
         area.top() + (area.height() - inner.height() - frame.height()) / 2);
    for (std::size_t i = 0; i < kLogListColumns; ++i) {
        listView1_->setColumnWidth(static_cast<int>(i), inner.width() * kLogListWidths[i] / 9600);
    }
}

void Form1::render() {
    const Form1State& s = logic_.state();
    for (LineEditBinding* b : bindings_) {
        b->render();
    }
    for (int i = 4; i < 6; ++i) {
        fields_[i]->setVisible(s.postContestMode);
    }
    postTimeCaption_->setVisible(s.postContestMode);
    postDateCaption_->setVisible(s.postContestMode);

    showValue(lblDialog_, toQString(s.lblDialog));
    announceStatus(s);
    setStyleIfChanged(lblDialog_, backgroundStyle(s.lblDialogBack));
    showValue(lblDupe_, toQString(s.lblDupe));
    program_.superCheck.follow();
    superCheckLine_->render(program_.superCheck.state());
    if (const int points = s.lblDupeSmall ? 8 : 9; lblDupe_->font().pointSize() != points) {
        QFont dupeFont = lblDupe_->font();
        dupeFont.setPointSize(points);
        lblDupe_->setFont(dupeFont);
    }
    setStyleIfChanged(lblDupe_, s.lblDupeTeal    ? backgroundStyle(kStatusTeal)
                                : s.lblDupeWhite ? backgroundStyle(rgb(255, 255, 255))
                                                 : QString());
    renderSpots();

    showValue(label2_, toQString(s.label2));
    showValue(label25_, toQString(s.label25));
    showValue(label1_, toQString(s.label1));
    showValue(label4_, toQString(s.label4));
    showValue(label19_, toQString(s.label19));
    showValue(label22_, toQString(s.label22));
    showValue(label23_, toQString(s.label23));
    label3_->setVisible(s.label3Visible);
    showValue(label24_, toQString(bandLabel(program_.op)));
    // The clocks keep their names: a new time is no news for a screen reader.
    for (const auto& [clock, time] :
         {std::pair{lblutctime_, &s.lblutctime}, std::pair{lblCurTime_, &s.lblCurTime},
          std::pair{lblttrack_, &s.lblttrack}}) {
        const QString text = toQString(*time);
        if (clock->text() != text) {
            clock->setText(text);
        }
    }
    showValue(label16_, toQString(s.label16));
    cmdLogOn_->setText(toQString(s.cmdLogOnCaption));
    cmdDup_->setText(s.partialDupesOn ? QStringLiteral("On") : QStringLiteral("Off"));
    cmdList_->setText(s.recent.showAll ? QStringLiteral("All") : QStringLiteral("Last 20"));
    cmdEdit_->setVisible(s.editButtonsVisible);
    cmdDelete_->setVisible(s.editButtonsVisible);

    QHeaderView* header = listView1_->header();
    header->setSortIndicatorShown(s.recent.sortColumn() >= 0);
    if (s.recent.sortColumn() >= 0 && header->sortIndicatorSection() != s.recent.sortColumn()) {
        header->setSortIndicator(s.recent.sortColumn(), Qt::AscendingOrder);
    }

    scorePanel_->show(s.score);

    for (const Band& band : kBands) {
        menu_->action(bandActionName(band.text))->setChecked(program_.op.currentBand == band.text);
    }
    menu_->action(QStringLiteral("mnuListPrevious"))
        ->setChecked(program_.prefs.listPreviousContacts != 0);
    menu_->action(QStringLiteral("mnuPostContest"))->setChecked(s.postContestMode);
    menu_->action(QStringLiteral("mnuSuperCheck"))->setChecked(program_.superCheck.state().on);

    if (s.focusRequest != shownFocusRequest_) {
        shownFocusRequest_ = s.focusRequest;
        QLineEdit* target = fields_[indexOf(s.focus)];
        if (target->isVisible() && !target->hasFocus()) {
            target->setFocus(Qt::OtherFocusReason);
        }
    }
}

// A message the status line shows after an event is spoken when it is new, or
// when it is a verdict on an entry, which is spoken each time.
void Form1::announceStatus(const Form1State& s) {
    const QString message = lblDialog_->text().trimmed();
    const bool alert = s.statusAlerts != shownStatusAlerts_;
    shownStatusAlerts_ = s.statusAlerts;
    if (!message.isEmpty() && (alert || message != announced_)) {
        announcer_->announce(lblDialog_, message);
    }
    announced_ = message;
}

bool Form1::dispatchKey(QKeyEvent* event) {
    KeyDown down;
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        down.code = keycodes::kF1 + (key - Qt::Key_F1);
    } else if (key == Qt::Key_Up) {
        down.code = keycodes::kUp;
    } else if (key == Qt::Key_Down) {
        down.code = keycodes::kDown;
    } else if (key < 128) {
        down.code = key; // letters and digits are their ASCII capitals
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    down.ctrl = mods.testFlag(Qt::ControlModifier);
    down.shift = mods.testFlag(Qt::ShiftModifier);
    down.alt = mods.testFlag(Qt::AltModifier);
    const int ch = logicKeyOf(*event);
    bool consumed = false;
    act([&] {
        consumed = logic_.keys().handle(down, ch < 0 ? keys::kNone : ch);
        // Ctrl+Down, Ctrl+Up and Ctrl+Enter work the known-calls line; the main
        // window's keys leave them free. Both Enter keys are one key to it.
        KeyDown check = down;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            check.code = SuperCheck::kEnterCode;
        }
        consumed = program_.superCheck.keyDown(check) || consumed;
    });
    return consumed;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if (logic_.state().inputBlocked &&
        (t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::MouseButtonPress ||
         t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick ||
         t == QEvent::ShortcutOverride)) {
        return true;
    }
    if (t == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        // Keys of this window, not of the boxes it opens.
        // The "CW Strings" card hands its keys to this window too.
        const bool cwStrings = w && cwStrings_ && w->window() == cwStrings_.get();
        if (w && ((w->window() == this && isActiveWindow()) || cwStrings) &&
            dispatchKey(static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    if (watched == listView1_ && t == QEvent::KeyPress) {
        // The list from the keyboard: Enter edits the chosen contact, Delete
        // deletes it (after "Are you sure?").
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            act([&] { return logic_.cmdEdit_Click(); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            act([&] { return logic_.cmdDelete_Click(); });
            return true;
        }
    }
    if ((watched == listView1_ || watched == listView1_->viewport()) && t == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showListMenu();
        return true;
    }
    if (t == QEvent::Enter && isBackground(watched)) {
        // The mouse over the window's background empties the multiplier's line.
        act([&] { logic_.entry().backgroundHovered(); });
    }
    if (watched == listView1_->viewport() && t == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        !logic_.state().recent.empty()) {
        const QModelIndex index = listView1_->indexAt(static_cast<QMouseEvent*>(event)->pos());
        if (index.isValid()) {
            listView1_->setCurrentIndex(index);
        }
        act([&] { return logic_.cmdEdit_Click(); });
        return true;
    }
    if (watched == listView1_ && t == QEvent::FocusOut) {
        act([&] { logic_.listClicked(); });
    }
    if (watched == txtDX_ && t == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeSpot(txtDX_->currentItem());
            return true;
        }
    }
    if (watched == this && t == QEvent::WindowActivate) {
        program_.spotDisplay.redraw();
        renderSpots();
    }
    if (watched == label24_ && t == QEvent::MouseButtonRelease) {
        act([&] { return logic_.bandLabelClicked(); });
        return true;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (watched != fields_[i]) {
            continue;
        }
        if (t == QEvent::FocusIn) {
            act([&] { logic_.entry().entered(kEntryFields[i]); });
        } else if (t == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Menus and other windows take the focus only for a moment.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                act([&] { logic_.entry().left(kEntryFields[i]); });
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::isBackground(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this) {
        return false;
    }
    // Panels that only hold other controls; the controls themselves are not
    // background.
    static const char* const kPanels[] = {"QWidget",      "QGroupBox", "QFrame",
                                          "QMainWindow",  "qv::Form1", "qv::ScorePanelWidget",
                                          "qv::LabelSlot"};
    const char* name = w->metaObject()->className();
    return std::any_of(std::begin(kPanels), std::end(kPanels),
                       [name](const char* panel) { return std::strcmp(name, panel) == 0; });
}

void Form1::showListMenu() {
    if (logic_.state().recent.empty()) {
        return;
    }
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Edit Contact"), this,
                   [this] { act([&] { return logic_.cmdEdit_Click(); }); });
    menu.addAction(QStringLiteral("&Delete Contact"), this,
                   [this] { act([&] { return logic_.cmdDelete_Click(); }); });
    menu.addSeparator();
    for (std::size_t c = 0; c < kLogListColumns; ++c) {
        const std::string_view heading = kLogListHeadings[c];
        menu.addAction(QStringLiteral("Sort by ") + toQString(heading), this,
                       [this, c] { act([&] { logic_.headingClicked(static_cast<int>(c)); }); });
    }
    const QModelIndex current = listView1_->currentIndex();
    const QRect at = current.isValid() ? listView1_->visualRect(current) : QRect();
    menu.exec(listView1_->viewport()->mapToGlobal(at.bottomLeft()));
}

void Form1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager has framed the window: size it again with the real
    // frame, once, so that the title bar fits on the screen too.
    if (!sizedWithFrame_ && isVisible() && frameGeometry().height() > geometry().height()) {
        sizedWithFrame_ = true;
        QMetaObject::invokeMethod(
            this, [this] { applyWindowSize(); }, Qt::QueuedConnection);
    }
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The entry line is where the operator starts typing.
    QLineEdit* target = fields_[indexOf(logic_.state().focus)];
    if (!target->isVisible()) {
        target = fields_[indexOf(EntryField::Call)];
    }
    activateWindow();
    target->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    act([&] { logic_.entry().backgroundHovered(); });
    QMainWindow::mouseMoveEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Keyboard CW still being sent keeps the window open; the operator closes again.
    CwKeyer& cw = program_.keyers.cw;
    cw.clearBuffer();
    if (!ending_ && cw.sending()) {
        event->ignore();
        return;
    }
    if (!ending_) {
        logic_.closing();
    }
    ending_ = true;
    event->accept();
}

} // namespace qv
