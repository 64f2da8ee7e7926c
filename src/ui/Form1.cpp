#include "ui/Form1.h"

#include "platform/qt/QtText.h"
#include "reports/AdifCountryTable.h"
#include "reports/AdifExport.h"
#include "reports/LogListClipboard.h"
#include "ui/Form2.h"
#include "ui/LineEditBinding.h"
#include "ui/MainMenu.h"
#include "ui/ScorePanelWidget.h"
#include "ui/TextFileWindow.h"
#include "ui/UiText.h"
#include "ui/frmEditCon.h"
#include "ui/frmStationID.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qv {
namespace {

std::size_t indexOf(EntryField f) {
    return static_cast<std::size_t>(f);
}

// The design's column widths in 1/9600 of the window width.
constexpr int kColumnWidths[] = {550, 900, 920, 430, 725, 900, 430, 370, 725};
const char* const kColumnHeadings[] = {"Rec#",      "Call", "SPC", "Cat",   "Name",
                                       "Date/Time", "Bnd",  "Pts", "Name S"};

} // namespace

Form1::Form1(MainContext& context, SettingsStore& settings, Clipboard& clipboard, Keyers keyers,
             QWidget* parent)
    : QMainWindow(parent), c_(context), settings_(settings), clipboard_(clipboard),
      logic_(context, *this), keyers_(keyers), keys_(context, logic_.entry(), keyers),
      archive_(context.working, context.files, context.dialogs, context.clock, context.profile) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmark's Quorvane Log 1.5"));
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
    setCentralWidget(central);
    connect(scorePanel_, &ScorePanelWidget::multiplierClicked, this, [this](int j) {
        act([&] { logic_.entry().multiplierClicked(static_cast<std::size_t>(j)); });
    });
    connect(scorePanel_, &ScorePanelWidget::multiplierHovered, this, [this](int j) {
        act([&] { logic_.entry().multiplierHovered(static_cast<std::size_t>(j)); });
    });

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(60000);
    connect(timer1_, &QTimer::timeout, this, [this] { act([&] { logic_.timer1Tick(); }); });
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(1000);
    connect(timer2_, &QTimer::timeout, this, [this] { act([&] { logic_.timer2Tick(); }); });
    holdTimer_ = new QTimer(this);
    holdTimer_->setSingleShot(true);
    connect(holdTimer_, &QTimer::timeout, this,
            [this] { act([&] { logic_.entry().releaseHeldKey(); }); });

    connectMenu();
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
    on("mnuArchive", [this] { archive_.Archive(); });
    on("mnuCabrillo", [this] {
        Form2::run(this, c_.log(), c_.op, c_.profile, settings_, c_.dialogs, c_.beeper, c_.files);
    });
    on("mnuADIF", [this] {
        // The export shows its own success or failure box.
        (void)ExportAdifFile(c_.dialogs, c_.beeper, c_.clock, c_.files,
                             c_.shipped.read(AdifCountryTable::kFileName), c_.log(),
                             fromQString(windowTitle()));
    });
    on("mnuCopy", [this] { copyListedItems(logic_.state().recent.rows, clipboard_); });
    on("mnuRestore", [this] { return archive_.Restore(); });
    on("mnuReadHelp", [this] { showTextFile(helpWindow_, "Help", "help.txt"); });
    on("mnuThirdParty",
       [this] { showTextFile(thirdPartyWindow_, "Third Party Traffic", "thirdparty.txt"); });
    on("mnuDefaultCategory", [this] { logic_.menuDefaultCategory(); });
    on("mnuListPrevious", [this] { logic_.menuListPreviousContacts(); });
    on("mnuPostContest", [this] { logic_.menuPostContestMode(); });
    on("mnuFormSize", [this] { logic_.menuFormSize(); });
    on("mnuTaskbar", [this] {
        if (logic_.menuTaskbar()) {
            applyWindowSize();
        }
    });
    for (std::string_view band : kBands) {
        const QString name = QStringLiteral("mnuBand") + toQString(band);
        connect(menu_->action(name), &QAction::triggered, this,
                [this, band](bool) { act([&] { return logic_.selectBand(band); }); });
    }
}

void Form1::showTextFile(TextFileWindow*& window, const char* title, const char* fileName) {
    const FileContents text = c_.shipped.read(fileName);
    if (text.error != FileContents::Error::None) {
        c_.dialogs.messageBox(title, std::string(fileName) + " could not be read.",
                              MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (!window) {
        window = new TextFileWindow(QLatin1String(title), this);
    }
    window->showText(text.bytes);
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
    const MainWindow::Started started = logic_.start();
    render();
    if (started == MainWindow::Started::Fatal) {
        ending_ = true;
        return false;
    }
    timer1_->start();
    timer2_->start();
    act([&] { logic_.timer2Tick(); });
    return true;
}

void Form1::showStationWindow() {
    frmStationID::run(this, c_.profile, c_.prefixes, settings_, c_.dialogs, c_.beeper);
}

void Form1::applyWindowSize() {
    const QScreen* screen = QApplication::primaryScreen();
    if (!screen) {
        return;
    }
    // The taskbar option keeps the desktop's panels visible at full size.
    const QRect area = c_.prefs.taskbar ? screen->availableGeometry() : screen->geometry();
    const int percent = std::clamp<int>(c_.prefs.sizePercent, 30, 100);
    const QSize size(area.width() * percent / 100, area.height() * percent / 100);
    resize(size.expandedTo(minimumSizeHint()));
    move(area.center() - rect().center());
    for (int i = 0; i < 9; ++i) {
        listView1_->setColumnWidth(i, size.width() * kColumnWidths[i] / 9600);
    }
}

void Form1::render() {
    if (rendering_) {
        dirty_ = true;
        return;
    }
    int passes = 0;
    do {
        dirty_ = false;
        rendering_ = true;
        renderOnce();
        rendering_ = false;
    } while (dirty_ && ++passes < 5);
}

void Form1::renderOnce() {
    const MainWindowState& s = logic_.state();
    for (LineEditBinding* b : bindings_) {
        b->render();
    }
    for (int i = 4; i < 6; ++i) {
        fields_[i]->setVisible(s.postContestMode);
    }
    postTimeCaption_->setVisible(s.postContestMode);
    postDateCaption_->setVisible(s.postContestMode);

    showValue(lblDialog_, toQString(s.lblDialog));
    setStyleIfChanged(lblDialog_, backgroundStyle(s.lblDialogBack));
    showValue(lblDupe_, toQString(s.lblDupe));
    if (const int points = s.lblDupeSmall ? 8 : 9; lblDupe_->font().pointSize() != points) {
        QFont dupeFont = lblDupe_->font();
        dupeFont.setPointSize(points);
        lblDupe_->setFont(dupeFont);
    }
    setStyleIfChanged(lblDupe_, s.lblDupeTeal ? backgroundStyle(kStatusTeal) : QString());

    showValue(label2_, toQString(s.label2));
    showValue(label25_, toQString(s.label25));
    showValue(label1_, toQString(s.label1));
    showValue(label4_, toQString(s.label4));
    showValue(label19_, toQString(s.label19));
    showValue(label22_, toQString(s.label22));
    showValue(label23_, toQString(s.label23));
    label3_->setVisible(s.label3Visible);
    showValue(label24_, toQString(s.label24));
    showValue(lblutctime_, toQString(s.lblutctime));
    showValue(lblCurTime_, toQString(s.lblCurTime));
    showValue(label16_, toQString(s.label16));
    showValue(lblttrack_, toQString(s.lblttrack));
    cmdLogOn_->setText(toQString(s.cmdLogOnCaption));
    cmdDup_->setText(s.partialDupesOn ? QStringLiteral("On") : QStringLiteral("Off"));
    cmdList_->setText(s.recent.showAll ? QStringLiteral("All") : QStringLiteral("Last 20"));
    cmdEdit_->setVisible(s.editButtonsVisible);
    cmdDelete_->setVisible(s.editButtonsVisible);

    renderList();

    scorePanel_->show(s.score);

    for (std::string_view band : kBands) {
        QAction* a = menu_->action(QStringLiteral("mnuBand") + toQString(band));
        a->setChecked(c_.op.currentBand == band);
    }
    menu_->action(QStringLiteral("mnuListPrevious"))
        ->setChecked(c_.prefs.listPreviousContacts != 0);
    menu_->action(QStringLiteral("mnuPostContest"))->setChecked(s.postContestMode);

    if (s.focusRequest != shownFocusRequest_) {
        shownFocusRequest_ = s.focusRequest;
        QLineEdit* target = fields_[indexOf(s.focus)];
        if (target->isVisible() && !target->hasFocus()) {
            target->setFocus(Qt::OtherFocusReason);
        }
    }
    if (s.inputBlocked && !holdTimer_->isActive()) {
        const auto left = static_cast<std::int32_t>(s.holdUntilMs - c_.clock.milliseconds());
        holdTimer_->start(left > 0 ? left : 0);
    }
}

void Form1::renderList() {
    const RecentContacts& recent = logic_.state().recent;
    if (recent.revision == shownListRevision_) {
        return;
    }
    shownListRevision_ = recent.revision;
    listView1_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(recent.rows.size()));
    for (const ListRow& row : recent.rows) {
        QStringList cols;
        for (const std::string& col : row.columns) {
            cols << toQString(col);
        }
        items << new QTreeWidgetItem(cols);
    }
    listView1_->addTopLevelItems(items);
    listView1_->header()->setSortIndicatorShown(recent.sortColumn >= 0);
    if (recent.sortColumn >= 0) {
        listView1_->header()->setSortIndicator(recent.sortColumn, Qt::AscendingOrder);
    }
}

std::optional<std::size_t> Form1::selectedRecord() const {
    const QTreeWidgetItem* item = listView1_->currentItem();
    if (!item) {
        return std::nullopt;
    }
    bool ok = false;
    const int k = item->text(0).toInt(&ok);
    return ok && k > 0 ? std::optional<std::size_t>(static_cast<std::size_t>(k)) : std::nullopt;
}

void Form1::editSelected() {
    const auto k = selectedRecord();
    if (!k || *k > c_.log().size()) {
        return;
    }
    const EditOutcome outcome =
        frmEditCon::run(this, c_.log(), *k, c_.prefixes, c_.multipliers, c_.dialogs, c_.beeper);
    act([&] {
        return logic_.editFinished(
            *k, outcome.kind == EditOutcome::Kind::Saved ? &outcome.record : nullptr,
            outcome.kind == EditOutcome::Kind::Delete);
    });
}

void Form1::deleteSelected() {
    const auto k = selectedRecord();
    if (!k) {
        return;
    }
    act([&] { return logic_.cmdDelete_Click(*k); });
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
    act([&] { consumed = keys_.handle(down, ch < 0 ? keys::kNone : ch); });
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
        if (w && w->window() == this && isActiveWindow() &&
            dispatchKey(static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    if (watched == listView1_->viewport() && t == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        !logic_.state().recent.rows.empty()) {
        if (QTreeWidgetItem* item = listView1_->itemAt(static_cast<QMouseEvent*>(event)->pos())) {
            listView1_->setCurrentItem(item);
        }
        editSelected();
        return true;
    }
    if (watched == listView1_ && t == QEvent::FocusOut) {
        act([&] { logic_.listClicked(); });
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
    keyers_.cw.clearBuffer();
    if (!ending_ && keyers_.cw.sending()) {
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
