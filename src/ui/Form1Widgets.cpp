// The widgets of the main window and their layout.

#include "ui/Accessible.h"
#include "ui/ControlTable.h"
#include "ui/Form1.h"
#include "ui/LabelSlot.h"
#include "ui/LineEditBinding.h"
#include "ui/RecentContactsDelegate.h"
#include "ui/RecentContactsModel.h"
#include "ui/RecentContactsView.h"
#include "ui/SuperCheckLine.h"
#include "ui/UiText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace qv {
namespace {

// A label that shows a value: the screen reader says the value, and its caption
// is the description.
QLabel* valueLabel(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleDescription(QLatin1String(caption));
    return l;
}

// A clock label: read by its caption and, on demand, its time.
QLabel* clockLabel(QWidget* parent, const char* name, const char* caption) {
    auto* l = new ClockLabel(QLatin1String(caption), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A tooltip that carries meaning is also what assistive technology says about
// the widget, after its caption if it has one.
void explain(QWidget* w, const QString& tip) {
    w->setToolTip(tip);
    const QString caption = w->accessibleDescription();
    w->setAccessibleDescription(caption.isEmpty() ? tip : caption + QStringLiteral(". ") + tip);
}

const QString kEntryFieldStyle = QStringLiteral(
    "QLineEdit { border: 1px solid palette(dark); padding: 2px; background: palette(base); }"
    "QLineEdit:focus { border: 1px solid palette(highlight); }");

} // namespace

QWidget* Form1::buildTopLine() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto caption = [&](const char* text) { row->addWidget(new QLabel(QLatin1String(text), box)); };

    auto* band = new QLabel(QStringLiteral("Band"), box);
    band->setObjectName(QStringLiteral("lblBand"));
    row->addWidget(band);
    label24_ = valueLabel(box, "Label24", "Band");
    explain(label24_, QStringLiteral("Click to change modes."));
    label24_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt;"));
    label24_->ensurePolished();
    fixLabelSize(label24_, QStringLiteral("160"));
    row->addWidget(label24_);
    row->addSpacing(20);

    caption("UTC");
    lblutctime_ = clockLabel(box, "lblutctime", "UTC");
    row->addWidget(lblutctime_);
    caption("Local");
    lblCurTime_ = clockLabel(box, "lblCurTime", "Local time");
    row->addWidget(lblCurTime_);
    label16_ = valueLabel(box, "Label16", "AM or PM");
    row->addWidget(label16_);
    caption("Operating Time");
    lblttrack_ = clockLabel(box, "lblttrack", "Operating Time");
    row->addWidget(lblttrack_);
    row->addStretch(1);
    // The clocks change every second: each keeps its size.
    for (QLabel* clock : {lblutctime_, lblCurTime_, lblttrack_}) {
        fixLabelSize(clock, QStringLiteral("00:00:00"));
    }
    fixLabelSize(label16_, QStringLiteral("PM"));

    cmdLogOn_ = new QPushButton(box);
    cmdLogOn_->setObjectName(QStringLiteral("cmdLogOn"));
    cmdLogOn_->setToolTip(QStringLiteral("Records On/Off times and controls duration clock."));
    cmdLogOn_->setFocusPolicy(Qt::TabFocus);
    connect(cmdLogOn_, &QPushButton::clicked, this,
            [this] { act([&] { logic_.cmdLogOn_Click(); }); });
    row->addWidget(cmdLogOn_);
    return box;
}

QWidget* Form1::buildEntryLine() {
    auto* box = new QWidget(this);
    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout();
    outer->addLayout(grid);

    // Own station above the received exchange: call, SPC, category, name.
    label2_ = valueLabel(box, "Label2", "Your call");
    label25_ = valueLabel(box, "Label25", "Your SPC");
    label1_ = valueLabel(box, "Label1", "Your category");
    label4_ = valueLabel(box, "Label4", "Your name");
    QLabel* own[] = {label2_, label25_, label1_, label4_};
    for (int i = 0; i < 4; ++i) {
        own[i]->setToolTip(own[i]->accessibleDescription());
        own[i]->setStyleSheet(QStringLiteral("font-weight: bold;"));
        grid->addWidget(own[i], 0, i);
    }
    const char* captions[] = {"Call", "SPC", "Cat", "Name", "Time", "Date"};
    const char* names[] = {"txtCall", "txtCntry",       "txtRSTR",
                           "txtSec",  "txtPostConTime", "txtPostConDate"};
    const int stretch[] = {3, 4, 1, 3, 1, 2};
    for (int i = 0; i < 6; ++i) {
        auto* cap = new QLabel(QLatin1String(captions[i]), box);
        grid->addWidget(cap, 1, i);
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QLatin1String(names[i]));
        edit->setAccessibleName(QLatin1String(captions[i]));
        QFont f = edit->font();
        f.setPointSize(f.pointSize() + 4);
        edit->setFont(f);
        // A plain frame: these boxes are drawn again at every key, and the style's
        // rounded, smoothed frame costs several times the text they show.
        edit->setStyleSheet(kEntryFieldStyle);
        grid->addWidget(edit, 2, i);
        grid->setColumnStretch(i, stretch[i]);
        bindField(kEntryFields[i], edit);
        if (i == 4) {
            postTimeCaption_ = cap;
        } else if (i == 5) {
            postDateCaption_ = cap;
        }
    }
    setTabChain(fields_);

    auto* geo = new QHBoxLayout();
    outer->addLayout(geo);
    auto pair = [&](const char* caption, QLabel*& target, const char* name) {
        geo->addWidget(new QLabel(QLatin1String(caption), box));
        target = valueLabel(box, name, caption);
        fixLabelSize(target, QStringLiteral("12,345 "));
        geo->addWidget(target);
    };
    pair("Continent", label19_, "Label19");
    pair("Bearing", label22_, "Label22");
    pair("Miles", label23_, "Label23");
    label3_ = new QLabel(QStringLiteral("New"), box);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    label3_->ensurePolished();
    fixLabelSize(label3_, label3_->text());
    // Shown and hidden as the SPC is typed; it keeps its place meanwhile.
    QSizePolicy keepPlace = label3_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    label3_->setSizePolicy(keepPlace);
    geo->addWidget(label3_);
    geo->addStretch(1);
    auto* clear = new QPushButton(QStringLiteral("&Clear"), box);
    clear->setObjectName(QStringLiteral("cmdClear"));
    clear->setFocusPolicy(Qt::TabFocus);
    connect(clear, &QPushButton::clicked, this,
            [this] { act([&] { logic_.entry().cmdClear_Click(); }); });
    geo->addWidget(clear);

    lblDialog_ = valueLabel(box, "lblDialog", "Status");
    announcer_ = new Announcer(box);
    lblDialog_->setAutoFillBackground(true);
    lblDialog_->setMinimumHeight(28);
    QFont f = lblDialog_->font();
    f.setPointSize(f.pointSize() + 2);
    f.setBold(true);
    lblDialog_->setFont(f);
    // A long message is cut at the window's edge; it never widens the window,
    // and a new message never lays the window out again.
    outer->addWidget(new LabelSlot(lblDialog_, box));
    return box;
}

QWidget* Form1::buildListArea() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* recent = new QLabel(QStringLiteral("Recent Contacts"), box);
    recent->setObjectName(QStringLiteral("lblRecentContacts"));
    grid->addWidget(recent, 0, 0);
    listView1_ = new RecentContactsView(box);
    listView1_->setObjectName(QStringLiteral("ListView1"));
    listView1_->setAccessibleName(QStringLiteral("Recent Contacts"));
    explain(listView1_, QStringLiteral("Click record to edit or delete."));
    listView1_->setRootIsDecorated(false);
    listView1_->setUniformRowHeights(true);
    listView1_->setItemsExpandable(false);
    listModel_ = new RecentContactsModel(logic_.state().recent, listView1_);
    listView1_->setModel(listModel_);
    listView1_->setItemDelegate(new RecentContactsDelegate(*listModel_, listView1_));
    // Reached by Tab after the entry fields: arrows choose a row, Enter edits it,
    // Delete deletes it, the context-menu key offers both and the sorts.
    listView1_->setFocusPolicy(Qt::StrongFocus);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView1_->header()->setSectionsClickable(true);
    connect(listView1_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { act([&] { logic_.headingClicked(column); }); });
    connect(listView1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                logic_.listRowChosen(
                    current.isValid()
                        ? std::optional<std::size_t>(static_cast<std::size_t>(current.row()))
                        : std::nullopt);
                // A row chosen from the keyboard is chosen as a click chooses it.
                if (current.isValid() && listView1_->hasFocus()) {
                    act([&] { logic_.listClicked(); });
                }
            });
    connect(listView1_, &QTreeView::clicked, this, [this] { act([&] { logic_.listClicked(); }); });
    grid->addWidget(listView1_, 1, 0, 1, 4);
    QWidget::setTabOrder(fields_.back(), listView1_);

    cmdList_ = new QPushButton(box);
    cmdList_->setObjectName(QStringLiteral("cmdList"));
    cmdList_->setToolTip(
        QStringLiteral("List all or last 20 contacts (Listing all will slow the program)"));
    cmdList_->setFocusPolicy(Qt::TabFocus);
    connect(cmdList_, &QPushButton::clicked, this,
            [this] { act([&] { logic_.cmdList_Click(); }); });
    grid->addWidget(cmdList_, 0, 1);
    cmdEdit_ = new QPushButton(QStringLiteral("Edit Contact"), box);
    cmdEdit_->setObjectName(QStringLiteral("cmdEdit"));
    connect(cmdEdit_, &QPushButton::clicked, this,
            [this] { act([&] { return logic_.cmdEdit_Click(); }); });
    grid->addWidget(cmdEdit_, 0, 2);
    cmdDelete_ = new QPushButton(QStringLiteral("Delete Contact"), box);
    cmdDelete_->setObjectName(QStringLiteral("cmdDelete"));
    connect(cmdDelete_, &QPushButton::clicked, this,
            [this] { act([&] { return logic_.cmdDelete_Click(); }); });
    grid->addWidget(cmdDelete_, 0, 3);
    // The two buttons come and go; their places stay, so nothing else moves.
    for (QPushButton* button : {cmdEdit_, cmdDelete_}) {
        QSizePolicy keepPlace = button->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        button->setSizePolicy(keepPlace);
    }

    auto* possible = new QLabel(QStringLiteral("Possible Duplicates"), box);
    possible->setObjectName(QStringLiteral("lblPossDup"));
    grid->addWidget(possible, 2, 0);
    cmdDup_ = new QPushButton(box);
    cmdDup_->setObjectName(QStringLiteral("cmdDup"));
    cmdDup_->setToolTip(
        QStringLiteral("Displaying partial dupes slows the program on older pc's."));
    cmdDup_->setFocusPolicy(Qt::TabFocus);
    connect(cmdDup_, &QPushButton::clicked, this,
            [this] { act([&] { logic_.dupes().cmdDup_Click(); }); });
    grid->addWidget(cmdDup_, 2, 1);
    lblDupe_ = valueLabel(box, "lblDupe", "Possible Duplicates");
    lblDupe_->setAutoFillBackground(true);
    lblDupe_->setMinimumHeight(22);
    grid->addWidget(new LabelSlot(lblDupe_, box), 3, 0, 1, 4);
    superCheckLine_ = new SuperCheckLine(box);
    grid->addWidget(superCheckLine_, 4, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    return box;
}

} // namespace qv
