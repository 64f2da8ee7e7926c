#include "ui/frmStationID.h"

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
namespace {

QString nameOf(StationControl control) {
    const int n = static_cast<int>(control);
    return control >= StationControl::Command1
               ? QStringLiteral("Command%1").arg(n - static_cast<int>(StationControl::Command1) + 1)
               : QStringLiteral("Text%1").arg(n + 1);
}

} // namespace

void frmStationID::run(QWidget* parent, StationProfile& profile, const PrefixTable& prefixes,
                       SettingsStore& settings, Dialogs& dialogs, Beeper& beeper) {
    StationWindow logic(prefixes, dialogs, beeper);
    logic.open(profile, settings);
    frmStationID window(logic, parent);
    window.exec();
    if (logic.state().hidden) {
        logic.copyInto(profile);
    } else {
        keepProfileOnClose(profile, settings);
    }
}

frmStationID::frmStationID(StationWindow& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("frmStationID"));
    setWindowTitle(toQString(kStationWindowTitle));
    setModal(true);

    auto* grid = new QGridLayout;
    int row = 0;
    for (const StationControl field : kStationFieldOrder) {
        addField(grid, row++, field);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const StationControl button : {StationControl::Command1, StationControl::Command2}) {
        auto* push = new QPushButton(toQString(captionOf(button)), this);
        push->setObjectName(nameOf(button));
        buttons->addWidget(push);
        widgetOf(button) = push;
    }
    connect(static_cast<QPushButton*>(widgetOf(StationControl::Command1)), &QPushButton::clicked,
            this, &frmStationID::pressDone);
    connect(static_cast<QPushButton*>(widgetOf(StationControl::Command2)), &QPushButton::clicked,
            this, &frmStationID::pressDetails);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    std::vector<QWidget*> tabOrder;
    for (const StationControl field : kStationFieldOrder) {
        tabOrder.push_back(widgetOf(field));
    }
    tabOrder.push_back(widgetOf(StationControl::Command1));
    tabOrder.push_back(widgetOf(StationControl::Command2));
    setTabChain(tabOrder);

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    render();
    showFocus();
}

void frmStationID::addField(QGridLayout* grid, int row, StationControl field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(nameOf(field));
    edit->setAccessibleName(toQString(captionOf(field)));
    auto* caption = new QLabel(toQString(captionOf(field)), this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0, Qt::AlignRight);
    grid->addWidget(edit, row, 1);
    if (field == StationControl::Text8) {
        grid->addWidget(new QLabel(toQString(kCategoryHint), this), row, 2);
        edit->setAccessibleDescription(toQString(kCategoryHint));
    }
    widgetOf(field) = edit;
    bindings_.push_back(new LineEditBinding(
        edit, *logic_.state().box(field), [this, field](int key) { keyTyped(field, key); },
        [this, field] {
            logic_.edited(field);
            render();
        }));
}

void frmStationID::keyPressEvent(QKeyEvent* event) {
    // Esc does not close this window; only "Done" and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmStationID::keyTyped(StationControl field, int key) {
    logic_.keyPressed(field, key);
    render();
    if (logic_.state().hidden) {
        accept();
    }
}

frmStationID::~frmStationID() {
    // Children losing the focus while the window is destroyed must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
}

void frmStationID::focusChanged(QWidget* now) {
    if (!now || now->window() != this || logic_.state().hidden) {
        return; // no focus, another window (a message box), or this one closing
    }
    if (const auto control = controlOf(now)) {
        logic_.moveFocus(*control);
        showFocus();
    }
}

void frmStationID::pressDone() {
    logic_.pressDone();
    render();
    accept();
}

void frmStationID::pressDetails() {
    logic_.pressDetails();
    render();
    showFocus();
}

void frmStationID::render() {
    for (LineEditBinding* binding : bindings_) {
        binding->render();
    }
}

// Only after the logic moved the focus: a box's own edits happen during focus
// changes, when the logic has not heard of the new focus yet.
void frmStationID::showFocus() {
    controls_.focus(logic_.state().focus);
}

std::optional<StationControl> frmStationID::controlOf(const QWidget* widget) const {
    return controls_.find(widget);
}

QWidget*& frmStationID::widgetOf(StationControl control) {
    return controls_[control];
}

} // namespace qv
