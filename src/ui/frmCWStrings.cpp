#include "ui/frmCWStrings.h"

#include "platform/qt/QtText.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

frmCWStrings::frmCWStrings(frmCWStringsLogic& logic, std::function<void()> afterClick,
                           QWidget* parent)
    : QDialog(parent), logic_(logic), afterClick_(std::move(afterClick)) {
    setObjectName(QStringLiteral("frmCWStrings"));
    setWindowTitle(QString::fromLatin1(kCWStringsCaption));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kCWStringsKeys; ++i) {
        const int row = static_cast<int>(i);
        const auto click = [this, i] {
            logic_.labelClicked(i);
            render();
            if (afterClick_) {
                afterClick_();
            }
        };
        // Flat buttons: labels that can be clicked and reached by the keyboard.
        auto* key = new QPushButton(QStringLiteral("F") + QString::number(row + 1), this);
        key->setFlat(true);
        key->setFocusPolicy(Qt::NoFocus);
        auto* text = new QPushButton(this);
        text->setFlat(true);
        text->setFocusPolicy(Qt::NoFocus);
        text->setObjectName(QStringLiteral("lblCWString") + QString::number(row));
        text->setStyleSheet(QStringLiteral("text-align: left"));
        connect(key, &QPushButton::clicked, this, click);
        connect(text, &QPushButton::clicked, this, click);
        lblCWString_[i] = text;
        grid->addWidget(key, row, 0);
        grid->addWidget(text, row, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QString::fromLatin1(kCWStringsHelp), this));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("cmdDone"));
    done->setAutoDefault(false);
    connect(done, &QPushButton::clicked, this, [this] {
        logic_.cmdDoneClick();
        showMinimized();
    });
    layout->addWidget(done);
}

frmCWStrings::~frmCWStrings() = default;

void frmCWStrings::showMinimised() {
    logic_.activated();
    render();
    showMinimized();
}

bool frmCWStrings::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        logic_.shown();
        logic_.activated();
        render();
    }
    return QDialog::event(event);
}

void frmCWStrings::render() {
    const frmCWStringsState& s = logic_.state();
    for (std::size_t i = 0; i < kCWStringsKeys; ++i) {
        lblCWString_[i]->setText(
            toQString(s.lblCWString[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

} // namespace qv
