#include "ui/frmEditCon.h"

#include "platform/qt/QtText.h"
#include "ui/LineEditBinding.h"

#include <vector>

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

EditOutcome frmEditCon::run(QWidget* parent, const ContestLog& log, std::size_t k,
                            const PrefixTable& prefixes, const MultiplierTable& multipliers,
                            Dialogs& dialogs, Beeper& beeper) {
    EditContactWindow logic(log, prefixes, multipliers, dialogs, beeper);
    if (!logic.open(k)) {
        return logic.outcome();
    }
    frmEditCon window(logic, parent);
    window.exec();
    return logic.outcome();
}

frmEditCon::frmEditCon(EditContactWindow& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("frmEditCon"));
    setWindowTitle(toQString(kEditWindowTitle));
    setModal(true);

    auto* grid = new QGridLayout;
    int row = 0;
    for (const EditControl field : kEditFieldOrder) {
        addField(grid, row, field);
        switch (field) {
        case EditControl::txtEditCall:
            lblDupe_ = addMarker(grid, row, "lblDupe", kDupeMarker);
            break;
        case EditControl::txtEditPre:
            lblSpcInvalid_ = addMarker(grid, row, "lblSpcInvalid", kInvalidMarker);
            break;
        case EditControl::Text1:
            lblBandInvalid_ = addMarker(grid, row, "lblBandInvalid", kInvalidMarker);
            break;
        default:
            break;
        }
        ++row;
    }
    addField(grid, row, EditControl::txtEditBnd)->hide();
    widgetOf(EditControl::txtEditBnd)->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const EditControl button : {EditControl::cmdDone, EditControl::cmdDeleteDupe}) {
        auto* push = new QPushButton(toQString(captionOf(button)), this);
        push->setObjectName(QString::fromLatin1(nameOf(button)));
        push->setAutoDefault(false);
        // A click must not take the focus first: "Done" runs the checks of the
        // box being left itself, and leaving it twice would show its box twice.
        push->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(push);
        widgetOf(button) = push;
    }
    connect(static_cast<QPushButton*>(widgetOf(EditControl::cmdDone)), &QPushButton::clicked, this,
            [this] { press(&EditContactWindow::pressDone); });
    connect(static_cast<QPushButton*>(widgetOf(EditControl::cmdDeleteDupe)), &QPushButton::clicked,
            this, [this] { press(&EditContactWindow::pressDeleteDupe); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    std::vector<QWidget*> tabOrder;
    for (const EditControl field : kEditFieldOrder) {
        tabOrder.push_back(widgetOf(field));
    }
    tabOrder.push_back(widgetOf(EditControl::cmdDone));
    tabOrder.push_back(widgetOf(EditControl::cmdDeleteDupe));
    setTabChain(tabOrder);

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    render();
    showFocus();
}

QLabel* frmEditCon::addField(QGridLayout* grid, int row, EditControl field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(nameOf(field)));
    edit->setAccessibleName(toQString(captionOf(field)));
    auto* caption = new QLabel(toQString(captionOf(field)), this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0, Qt::AlignRight);
    grid->addWidget(edit, row, 1);
    widgetOf(field) = edit;
    bindings_.push_back(new LineEditBinding(
        edit, *logic_.state().box(field), [this, field](int key) { keyTyped(field, key); },
        [this, field] {
            logic_.edited(field);
            render();
        }));
    return caption;
}

// A marker keeps its place when hidden, so the boxes do not move when it shows.
QLabel* frmEditCon::addMarker(QGridLayout* grid, int row, const char* name, const char* text) {
    auto* marker = new QLabel(toQString(text), this);
    marker->setObjectName(QString::fromLatin1(name));
    QSizePolicy policy = marker->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    marker->setSizePolicy(policy);
    marker->hide();
    grid->addWidget(marker, row, 2);
    return marker;
}

void frmEditCon::keyPressEvent(QKeyEvent* event) {
    // Esc does not close this window; only "Done", "Delete Dupe" and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmEditCon::keyTyped(EditControl field, int key) {
    busy_ = true;
    logic_.keyPressed(field, key);
    busy_ = false;
    afterLogic();
}

frmEditCon::~frmEditCon() {
    // Children losing the focus while the window is destroyed must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
}

void frmEditCon::focusChanged(QWidget* now) {
    if (busy_ || !now || now->window() != this || logic_.state().closed) {
        return; // a box of the logic, another window, or this one closing
    }
    if (const auto control = controlOf(now)) {
        busy_ = true;
        logic_.moveFocus(*control);
        busy_ = false;
        render();
        showFocus();
    }
}

void frmEditCon::press(void (EditContactWindow::*button)()) {
    busy_ = true;
    (logic_.*button)();
    busy_ = false;
    afterLogic();
}

void frmEditCon::afterLogic() {
    render();
    if (logic_.state().closed) {
        accept();
    } else {
        showFocus();
    }
}

void frmEditCon::render() {
    for (LineEditBinding* binding : bindings_) {
        binding->render();
    }
    const EditContactState& s = logic_.state();
    lblDupe_->setVisible(s.dupeShown);
    lblSpcInvalid_->setVisible(s.spcInvalidShown);
    lblBandInvalid_->setVisible(s.bandInvalidShown);
    widgetOf(EditControl::cmdDeleteDupe)->setVisible(s.deleteDupeShown);
}

// Only after the logic moved the focus: a box's own edits happen during focus
// changes, when the logic has not heard of the new focus yet.
void frmEditCon::showFocus() {
    controls_.focus(logic_.state().focus);
}

std::optional<EditControl> frmEditCon::controlOf(const QWidget* widget) const {
    return controls_.find(widget);
}

QWidget*& frmEditCon::widgetOf(EditControl control) {
    return controls_[control];
}

} // namespace qv
