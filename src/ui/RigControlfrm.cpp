#include "ui/RigControlfrm.h"

#include "platform/qt/QtText.h"
#include "rig/RadioTable.h"
#include "ui/UiText.h"

#include <functional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = RigControlfrmControl;
using G = RigOptionGroup;

QGroupBox* frame(const char* caption, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setFlat(false);
    return box;
}

} // namespace

RigControlfrm::RigControlfrm(RigControlfrmLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { render(); }),
      options_([this](std::size_t group, int index) {
          act([&] { logic_.optionClick(static_cast<RigOptionGroup>(group), index); });
      }) {
    setObjectName(QStringLiteral("RigControlfrm"));
    setWindowTitle(QStringLiteral(" Rig Interface Setup"));

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildRadioList());
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildOptions());
    middle->addWidget(buildQueries());
    middle->addWidget(buildRigctld());
    columns->addLayout(middle, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buildReadouts());

    auto* buttons = new QHBoxLayout;
    struct Action {
        C control;
        const char* name;
        const char* caption;
        std::function<void()> press;
    };
    const Action actions[] = {
        {C::Command1, "Command1", "Test", [this] { logic_.Command1Click(); }},
        {C::Command2, "Command2", "End Test", [this] { logic_.Command2Click(); }},
        {C::Command3, "Command3", "Change Frequency", [this] { logic_.Command3Click(); }},
        {C::Command4, "Command4", "Copy unprocessed data to clipboard",
         [this] { logic_.Command4Click(); }},
        {C::cmdDone, "cmdDone", "&Done", [this] { logic_.cmdDoneClick(); }},
    };
    for (const Action& a : actions) {
        buttons->addWidget(binding_.addButton(a.control, QString::fromLatin1(a.name),
                                              QString::fromLatin1(a.caption), a.press));
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(this, &QDialog::rejected, this, [this] { hidden(); });
    logic_.rig().setChangedHandler([this] {
        if (isVisible()) {
            render();
        }
    });
    render();
}

RigControlfrm::~RigControlfrm() {
    logic_.rig().setChangedHandler(nullptr);
}

QWidget* RigControlfrm::buildRadioList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Select Rig:"), box);
    list1_ = new QListWidget(box);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Select Rig:"));
    caption->setBuddy(list1_);
    for (const Radio& radio : kRadios) {
        list1_->addItem(toQString(radio.rigType));
    }
    list1_->setMinimumWidth(list1_->sizeHintForColumn(0) + 24);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_) {
            act([&] { logic_.List1Click(row); });
        }
    });
    layout->addWidget(caption);
    layout->addWidget(list1_, 1);
    auto* hint = new QLabel(
        QStringLiteral("Choose your radio, check the port and its settings, then click Test. "
                       "The frequency and mode the radio reports appear below."),
        box);
    hint->setWordWrap(true);
    hint->setMaximumWidth(list1_->minimumWidth() + 60);
    layout->addWidget(hint);
    return box;
}

QRadioButton* RigControlfrm::addOption(QButtonGroup* group, const QString& name,
                                       const QString& caption, RigOptionGroup which, int) {
    return options_.add(group, static_cast<std::size_t>(which), name, caption, this);
}

QWidget* RigControlfrm::buildOptions() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    // Each port number with the device it stands for on this computer.
    auto* comm = frame("Comm Port:", box);
    auto* commGrid = new QGridLayout(comm);
    auto* commGroup = new QButtonGroup(comm);
    for (int k = 1; k <= 10; ++k) {
        QRadioButton* b = addOption(commGroup, QStringLiteral("optComm(%1)").arg(k),
                                    QString::number(k), G::Comm, k - 1);
        const QString device = toQString(logic_.portDevice(k));
        b->setToolTip(device);
        b->setAccessibleDescription(device);
        auto* where = new QLabel(device, comm);
        where->setEnabled(false);
        commGrid->addWidget(b, (k - 1) % 5, ((k - 1) / 5) * 2);
        commGrid->addWidget(where, (k - 1) % 5, ((k - 1) / 5) * 2 + 1);
    }
    grid->addWidget(comm, 0, 0, 2, 1);
    serialOnly_.push_back(comm);

    const auto simpleGroup =
        [&](const char* caption, G which,
            std::initializer_list<std::pair<const char*, const char*>> buttons) {
            auto* f = frame(caption, box);
            auto* l = new QHBoxLayout(f);
            auto* group = new QButtonGroup(f);
            int i = 0;
            for (const auto& [name, text] : buttons) {
                l->addWidget(addOption(group, QString::fromLatin1(name), QString::fromLatin1(text),
                                       which, i++));
            }
            return f;
        };
    auto* baud = frame("Baud Rate (k):", box);
    auto* baudGrid = new QGridLayout(baud);
    auto* baudGroup = new QButtonGroup(baud);
    const char* baudNames[] = {"optBaud12",  "optBaud24",  "optBaud48",  "optBaud96", "optBaud144",
                               "optBaud192", "optBaud288", "optBaud384", "optBaud560"};
    for (std::size_t i = 0; i < kRigBaudCaptions.size(); ++i) {
        baudGrid->addWidget(addOption(baudGroup, QString::fromLatin1(baudNames[i]),
                                      toQString(kRigBaudCaptions[i]), G::Baud, static_cast<int>(i)),
                            static_cast<int>(i % 3), static_cast<int>(i / 3));
    }
    grid->addWidget(baud, 0, 1);
    QWidget* parity = simpleGroup(
        "Parity:", G::Parity,
        {{"optParityOdd", "Odd"}, {"optParityNone", "None"}, {"optParityEven", "Even"}});
    grid->addWidget(parity, 0, 2);
    QWidget* data = simpleGroup("Data Bits:", G::Data, {{"optData7", "7"}, {"optData8", "8"}});
    grid->addWidget(data, 1, 1);
    QWidget* stop = simpleGroup("Stop Bits:", G::Stop, {{"optStop1", "1"}, {"optStop2", "2"}});
    grid->addWidget(stop, 1, 2);
    QWidget* power =
        simpleGroup("Connection Power:", G::Power,
                    {{"optPowerNone", "None"}, {"optPowerRTS", "RTS"}, {"optPowerDTR", "DTR"}});
    grid->addWidget(power, 2, 0);
    serialOnly_.insert(serialOnly_.end(), {baud, parity, data, stop, power});
    grid->addWidget(simpleGroup("Radio Polling Rate:", G::Poll,
                                {{"optPollFast", "100 ms"},
                                 {"optPollMed", "500 ms"},
                                 {"optPollSlow", "2 Sec"},
                                 {"optReallySlow", "10 Sec"}}),
                    2, 1, 1, 2);
    return box;
}

QWidget* RigControlfrm::buildQueries() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto freq = binding_.addBox(C::txtFreq, QStringLiteral("txtFreq"),
                                      QStringLiteral("String to read frequency:"));
    const auto mode = binding_.addBox(C::txtMode, QStringLiteral("txtMode"),
                                      QStringLiteral("String to read mode:"));
    grid->addWidget(freq.caption, 0, 0);
    grid->addWidget(freq.edit, 0, 1);
    grid->addWidget(mode.caption, 1, 0);
    grid->addWidget(mode.edit, 1, 1);

    chkConvToHex_ = new QCheckBox(QStringLiteral("Convert to Hex"), box);
    chkConvToHex_->setObjectName(QStringLiteral("chkConvToHex"));
    chkConvHex_ = new QCheckBox(QStringLiteral("Convert from Hex"), box);
    chkConvHex_->setObjectName(QStringLiteral("ChkConvHex"));
    chkFrequency_ = new QCheckBox(QStringLiteral("Use Frequency"), box);
    chkFrequency_->setObjectName(QStringLiteral("chkFrequency"));
    connect(chkConvToHex_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.chkConvToHexClick(on); }); });
    connect(chkConvHex_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.ChkConvHexClick(on); }); });
    connect(chkFrequency_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.chkFrequencyClick(on); }); });
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkConvToHex_);
    checks->addWidget(chkConvHex_);
    checks->addWidget(chkFrequency_);
    serialOnly_.insert(serialOnly_.end(), {freq.caption, freq.edit, mode.caption, mode.edit,
                                           chkConvToHex_, chkConvHex_});
    checks->addStretch();
    grid->addLayout(checks, 2, 0, 1, 2);

    auto* modeBy = frame("Mode by:", box);
    auto* modeLayout = new QHBoxLayout(modeBy);
    const char* names[] = {"OptRig", "OptFreq", "OptDont"};
    const char* captions[] = {"Rig", "Frequency", "Don't Use"};
    for (int i = 0; i < 3; ++i) {
        modeBy_[static_cast<std::size_t>(i)] =
            new QRadioButton(QString::fromLatin1(captions[i]), modeBy);
        QRadioButton* b = modeBy_[static_cast<std::size_t>(i)];
        b->setObjectName(QString::fromLatin1(names[i]));
        modeLayout->addWidget(b);
        connect(b, &QRadioButton::clicked, this, [this, i] {
            if (!rendering_) {
                act([&] { logic_.modeByClick(i + 1); });
            }
        });
    }
    grid->addWidget(modeBy, 3, 0, 1, 2);

    label10_ = new QLabel(QStringLiteral("Icom radio users will have to replace the 64 in the "
                                         "string with the ID for your particular radio.  Please "
                                         "check your Icom user's manual for details."),
                          box);
    label10_->setObjectName(QStringLiteral("Label10"));
    label10_->setWordWrap(true);
    QSizePolicy keepPlace = label10_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    label10_->setSizePolicy(keepPlace);
    grid->addWidget(label10_, 4, 0, 1, 2);
    auto* hint = new QLabel(QStringLiteral("The strings are sent to the radio as they stand; "
                                           "with Convert to Hex they are read as hex pairs "
                                           "(FE FE 64 E0 03 FD)."),
                            box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 5, 0, 1, 2);
    // The strings are the serial radios' business; rigctld takes none.
    serialOnly_.push_back(hint);
    return box;
}

QWidget* RigControlfrm::buildReadouts() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto readout = [&](const char* caption, const char* name, int row) {
        auto* label = new QLabel(QString::fromLatin1(caption), box);
        auto* value = new QLabel(box);
        value->setObjectName(QString::fromLatin1(name));
        value->setAccessibleName(QString::fromLatin1(caption));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        return value;
    };
    lblFreq_ = readout("Frequency:", "lblFreq", 0);
    lblMode_ = readout("Mode:", "lblMode", 1);
    grid->addWidget(new QLabel(QStringLiteral("(Should be PH or CW)"), box), 1, 2);
    lblUnProcess_ = readout("Unprocessed data returned:", "lblUnProcess", 2);
    lblUnProcess_->setWordWrap(true);
    polling_ = new QLabel(QStringLiteral("Polling Rig"), box);
    polling_->setObjectName(QStringLiteral("lblPolling"));
    QSizePolicy keepPlace = polling_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    polling_->setSizePolicy(keepPlace);
    grid->addWidget(polling_, 0, 3);
    grid->setColumnStretch(1, 1);
    auto* hint = new QLabel(QStringLiteral("Click Done to keep these settings; the radio is then "
                                           "read at every start."),
                            box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 3, 0, 1, 4);
    return box;
}

QWidget* RigControlfrm::buildRigctld() {
    rigctld_ = new QWidget(this);
    auto* form = new QFormLayout(rigctld_);
    form->setContentsMargins(0, 0, 0, 0);
    const auto edit = [&](const char* name, const char* caption, auto edited) {
        auto* line = new QLineEdit(rigctld_);
        line->setObjectName(QString::fromLatin1(name));
        line->setAccessibleName(QString::fromLatin1(caption));
        connect(line, &QLineEdit::textEdited, this, [this, edited](const QString& text) {
            act([&] { edited(logic_, fromQString(text)); });
        });
        form->addRow(QString::fromLatin1(caption), line);
        return line;
    };
    rigctldHost_ =
        edit("txtRigctldHost", "rigctld host:", [](RigControlfrmLogic& l, const std::string& t) {
            l.rigctldHostEdited(t);
        });
    rigctldPort_ =
        edit("txtRigctldPort", "rigctld port:", [](RigControlfrmLogic& l, const std::string& t) {
            l.rigctldPortEdited(t);
        });

    chkStartRigctld_ = new QCheckBox(QStringLiteral("Start rigctld"), rigctld_);
    chkStartRigctld_->setObjectName(QStringLiteral("chkStartRigctld"));
    connect(chkStartRigctld_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.chkStartRigctldClick(on); }); });
    form->addRow(chkStartRigctld_);
    modelSearch_ =
        edit("txtModelSearch", "Find model:", [](RigControlfrmLogic& l, const std::string& t) {
            l.modelSearchEdited(t);
        });
    models_ = new QListWidget(rigctld_);
    models_->setObjectName(QStringLiteral("lstRigctldModel"));
    models_->setAccessibleName(QStringLiteral("Radio model:"));
    connect(models_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_) {
            act([&] { logic_.modelClick(row); });
        }
    });
    form->addRow(QStringLiteral("Radio model:"), models_);
    rigctldDevice_ =
        edit("txtRigctldDevice", "Serial device:", [](RigControlfrmLogic& l, const std::string& t) {
            l.rigctldDeviceEdited(t);
        });
    rigctldBaud_ = new QComboBox(rigctld_);
    rigctldBaud_->setObjectName(QStringLiteral("cboRigctldBaud"));
    rigctldBaud_->setAccessibleName(QStringLiteral("Baud rate:"));
    for (const int baud : kRigctldBauds) {
        rigctldBaud_->addItem(QString::number(baud));
    }
    connect(rigctldBaud_, &QComboBox::activated, this,
            [this](int index) { act([&] { logic_.rigctldBaudClick(index); }); });
    form->addRow(QStringLiteral("Baud rate:"), rigctldBaud_);
    return rigctld_;
}

void RigControlfrm::renderRigctld() {
    const RigctldPanel& p = logic_.state().rigctld;
    for (QWidget* w : serialOnly_) {
        w->setVisible(!p.shown);
    }
    rigctld_->setVisible(p.shown);
    if (!p.shown) {
        return;
    }
    const auto show = [](QLineEdit* line, const std::string& text) {
        const QString q = toQString(text);
        if (line->text() != q) {
            line->setText(q);
        }
    };
    show(rigctldHost_, p.host);
    show(rigctldPort_, p.port);
    show(modelSearch_, p.search);
    show(rigctldDevice_, p.device);
    chkStartRigctld_->setChecked(p.startDaemon);
    if (modelsShown_ != static_cast<int>(p.models.size())) {
        models_->clear();
        for (const HamlibModel& m : p.models) {
            models_->addItem(toQString(m.caption()));
        }
        modelsShown_ = static_cast<int>(p.models.size());
    }
    if (models_->currentRow() != p.modelIndex) {
        models_->setCurrentRow(p.modelIndex);
    }
    rigctldBaud_->setCurrentIndex(p.baudIndex);
    // The daemon's radio matters only when the program starts it.
    for (QWidget* w :
         {static_cast<QWidget*>(modelSearch_), static_cast<QWidget*>(models_),
          static_cast<QWidget*>(rigctldDevice_), static_cast<QWidget*>(rigctldBaud_)}) {
        w->setEnabled(p.startDaemon);
    }
}

void RigControlfrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    binding_.followFocus();
    render();
}

template <typename F> void RigControlfrm::act(F&& f) {
    f();
    render();
}

void RigControlfrm::hidden() {
    if (logic_.state().visible) {
        logic_.closed();
    }
}

void RigControlfrm::render() {
    rendering_ = true;
    const RigControlfrmState& s = logic_.state();
    binding_.render();
    if (list1_->currentRow() != s.listIndex) {
        list1_->setCurrentRow(s.listIndex);
    }
    options_.show(s.options);
    for (int i = 0; i < 3; ++i) {
        modeBy_[static_cast<std::size_t>(i)]->setChecked(s.modeBy == i + 1);
    }
    chkConvToHex_->setChecked(s.convToHex);
    chkConvToHex_->setEnabled(s.convToHexEnabled);
    chkConvHex_->setChecked(s.convFromHex);
    chkFrequency_->setChecked(s.useFrequency);
    binding_.widget(C::Command2)->setEnabled(s.endTestEnabled);
    polling_->setVisible(s.pollingShown);
    label10_->setVisible(s.label10Shown && !s.rigctld.shown);
    renderRigctld();
    const RigReadout& r = logic_.readout();
    lblFreq_->setText(toQString(r.frequency));
    lblMode_->setText(toQString(r.mode));
    lblUnProcess_->setText(toQString(r.unprocessed));
    rendering_ = false;
    if (!s.visible && isVisible()) {
        binding_.stopFollowingFocus();
        hide();
    }
}

} // namespace qv
