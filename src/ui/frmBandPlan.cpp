#include "ui/frmBandPlan.h"

#include "displays/BandPlanChart.h"
#include "displays/BandPlanFile.h"
#include "platform/qt/QtText.h"
#include "ui/BandPlanChartView.h"
#include "ui/UiText.h"
#include "ui/WorkArea.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

namespace qv {
namespace {

// The design size every window is scaled from.
constexpr double kDesignWidth = 9600;
constexpr double kDesignHeight = 7200;
constexpr double kTwipsPerPixel = 15;

// Places on the design size, in twips.
struct Place {
    int left;
    int top;
    int width;
    int height;
};
constexpr Place kLabel1{240, 120, 6600, 330};
constexpr Place kLabel2{240, 480, 6600, 420};
constexpr Place kLegendCw{7320, 240, 900, 330};
constexpr Place kLegendPhone{8340, 240, 900, 330};
constexpr Place kLine1{120, 1020, 9360, 15};
constexpr int kCommandsLeft = 240;
constexpr int kCommandsTop = 6630;
constexpr int kCommandWidth = 1140;
constexpr int kCommandHeight = 420;
constexpr int kCommandStep = 1320;

// Design font sizes in points, scaled with the screen.
constexpr double kLabel1Points = 9;
constexpr double kLabel2Points = 12;
constexpr double kLegendPoints = 8;
constexpr double kCommandPoints = 8;

constexpr const char* kCommandCaptions[] = {"Novice",   "Technician", "Tech +", "General",
                                            "Advanced", "Extra",      "Done"};

QLabel* headerLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* legend(QWidget* parent, const char* name, const char* text, Colour back, Colour fore) {
    QLabel* label = headerLabel(parent, name);
    label->setText(QString::fromLatin1(text));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(backgroundStyle(back) + QStringLiteral("color: rgb(%1,%2,%3);")
                                                     .arg(redOf(fore))
                                                     .arg(greenOf(fore))
                                                     .arg(blueOf(fore)));
    return label;
}

void setPoints(QWidget* widget, double points, bool bold = false) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

void frmBandPlan::run(QWidget* parent, ShippedFiles& shipped, Dialogs& dialogs) {
    frmBandPlan window(shipped, dialogs, parent);
    window.exec();
}

frmBandPlan::frmBandPlan(ShippedFiles& shipped, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), shownClass_(kExtraClassButton) {
    setObjectName(QStringLiteral("frmBandPlan"));
    setWindowTitle(QStringLiteral("Frequency Privileges"));
    setModal(true);

    label1_ = headerLabel(this, "Label1");
    label2_ = headerLabel(this, "Label2");
    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    legendCw_ = legend(this, "lblLegendCw", "CW", kCwBack, kCwText);
    legendPhone_ = legend(this, "lblLegendPhone", "Phone", kPhoneBack, kPhoneText);

    for (std::size_t i = 0; i < commands_.size(); ++i) {
        auto* command = new QPushButton(QString::fromLatin1(kCommandCaptions[i]), this);
        command->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        if (i < kLicenceClassButtons.size()) {
            connect(command, &QPushButton::clicked, this, [this, i] { showClass(i); });
        } else {
            connect(command, &QPushButton::clicked, this, &QDialog::reject);
        }
        commands_[i] = command;
    }
    // Behind every control, and after "Done" in the tab chain.
    chart_ = new BandPlanChartView(this);
    chart_->lower();
    commands_[kExtraClassButton]->setFocus();

    if (std::optional<BandPlan> plan = readBandPlanForChart(shipped, dialogs)) {
        plan_ = std::move(*plan);
    }
    label1_->setText(QStringLiteral("Frequencies Effective: ") + toQString(plan_.effective));

    fillWorkingArea(*this);
    showClass(kExtraClassButton);
}

void frmBandPlan::showClass(std::size_t button) {
    shownClass_ = button;
    label2_->setText(toQString(kLicenceClassButtons[button].title));
    layOut();
}

void frmBandPlan::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fillAgainOnceFramed(*this, sizedWithFrame_);
}

void frmBandPlan::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

// The controls scaled from the design size to the window, then the chart below
// the header line.
void frmBandPlan::layOut() {
    const double sx = width() / kDesignWidth;
    const double sy = height() / kDesignHeight;
    const auto place = [&](QWidget* widget, const Place& p) {
        widget->setGeometry(qRound(p.left * sx), qRound(p.top * sy), qRound(p.width * sx),
                            std::max(1, qRound(p.height * sy)));
    };
    const QScreen* shown = screen();
    const int screenWidth = shown ? shown->geometry().width() : width();
    const double fontScale = screenWidth * kTwipsPerPixel / kDesignWidth;

    place(label1_, kLabel1);
    place(label2_, kLabel2);
    place(legendCw_, kLegendCw);
    place(legendPhone_, kLegendPhone);
    place(line1_, kLine1);
    setPoints(label1_, kLabel1Points * fontScale);
    setPoints(label2_, kLabel2Points * fontScale, true);
    setPoints(legendCw_, kLegendPoints * fontScale, true);
    setPoints(legendPhone_, kLegendPoints * fontScale, true);
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        place(commands_[i],
              {kCommandsLeft + int(i) * kCommandStep, kCommandsTop, kCommandWidth, kCommandHeight});
        setPoints(commands_[i], kCommandPoints * fontScale);
    }

    chart_->setGeometry(rect());
    const ChartArea area{double(width()), double(height()), double(line1_->geometry().top()),
                         chartFontScale(screenWidth)};
    chart_->showChart(chartForClass(plan_, kLicenceClassButtons[shownClass_], area));
}

} // namespace qv
