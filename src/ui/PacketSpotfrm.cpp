#include "ui/PacketSpotfrm.h"

#include "platform/qt/QtText.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qv {
namespace {

using C = PacketSpotfrmControl;
using G = SpotOptionGroup;

} // namespace

PacketSpotfrm::PacketSpotfrm(PacketSpotfrmLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), binding_(*this, logic, [this] { render(); }),
      options_([this](std::size_t group, int index) {
          act([&] { logic_.optionClick(static_cast<SpotOptionGroup>(group), index); });
      }) {
    setObjectName(QStringLiteral("PacketSpotfrm"));
    setWindowTitle(toQString(logic_.state().caption));

    auto* top = new QHBoxLayout;
    top->addWidget(buildKinds());
    top->addWidget(buildOptions(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildBoxes(), 1);

    auto* buttons = new QHBoxLayout;
    struct Action {
        C control;
        const char* name;
        const char* caption;
        std::function<void()> press;
    };
    const Action actions[] = {
        {C::Command1, "Command1", "Open Port", [this] { logic_.Command1Click(); }},
        {C::Command2, "Command2", "Close Port", [this] { logic_.Command2Click(); }},
        {C::Command3, "Command3", "&Spot Last", [this] { logic_.Command3Click(); }},
        {C::cmdDone, "cmdDone", "&Done", [this] { logic_.cmdDoneClick(); }},
    };
    for (const Action& a : actions) {
        buttons->addWidget(binding_.addButton(a.control, QString::fromLatin1(a.name),
                                              QString::fromLatin1(a.caption), a.press));
    }
    listening_ = new QLabel(QStringLiteral("Listening"), this);
    listening_->setObjectName(QStringLiteral("Label4"));
    QSizePolicy keepPlace = listening_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    listening_->setSizePolicy(keepPlace);
    buttons->addStretch();
    buttons->addWidget(listening_);
    layout->addLayout(buttons);

    connect(this, &QDialog::rejected, this, [this] { hidden(); });
    logic_.setChangedHandler([this] {
        if (isVisible()) {
            render();
        }
    });
    // Esc and Ctrl+C anywhere in the window reach the logic first.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
    installEventFilter(this);
    render();
}

PacketSpotfrm::~PacketSpotfrm() {
    logic_.setChangedHandler(nullptr);
}

QWidget* PacketSpotfrm::buildKinds() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Select Option:"), box);
    list1_ = new QListWidget(box);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Select Option:"));
    caption->setBuddy(list1_);
    for (std::string_view kind : kSpotKinds) {
        list1_->addItem(toQString(kind));
    }
    list1_->setMinimumWidth(list1_->sizeHintForColumn(0) + 2 * list1_->frameWidth() + 8);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_) {
            act([&] { logic_.List1Click(row); });
        }
    });
    layout->addWidget(caption);
    layout->addWidget(list1_, 1);
    return box;
}

QRadioButton* PacketSpotfrm::addOption(QButtonGroup* group, const QString& name,
                                       const QString& caption, SpotOptionGroup which, int) {
    return options_.add(group, static_cast<std::size_t>(which), name, caption, this);
}

QWidget* PacketSpotfrm::buildOptions() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto group = [&](const char* caption, G which, int columns,
                           std::initializer_list<std::pair<const char*, const char*>> buttons) {
        auto* f = new QGroupBox(QString::fromLatin1(caption), box);
        frames_[static_cast<std::size_t>(which)] = f;
        auto* l = new QGridLayout(f);
        auto* g = new QButtonGroup(f);
        int i = 0;
        for (const auto& [name, text] : buttons) {
            l->addWidget(
                addOption(g, QString::fromLatin1(name), QString::fromLatin1(text), which, i),
                i / columns, i % columns);
            ++i;
        }
        return f;
    };
    grid->addWidget(group("Handshaking", G::Handshaking, 2,
                          {{"optHandNone", "None"},
                           {"optHandXon", "Xon Xoff"},
                           {"optHandRTS", "RTS"},
                           {"optHandRTSOn", "RTS OnOff"}}),
                    0, 0);
    grid->addWidget(group("Baud Rate of Com Port to TNC (not necessarily transmitted baud rate)",
                          G::Baud, 3,
                          {{"optBaud12", "1.2k"},
                           {"optBaud24", "2.4k"},
                           {"optBaud48", "4.8k"},
                           {"optBaud96", "9.6k"},
                           {"optBaud144", "14.4k"},
                           {"optBaud192", "19.2k"}}),
                    0, 1, 1, 2);
    grid->addWidget(
        group("Parity", G::Parity, 3,
              {{"optParityOdd", "Odd"}, {"optParityNone", "None"}, {"optParityEven", "Even"}}),
        1, 0);
    grid->addWidget(group("Data Bits", G::Data, 2, {{"optData7", "7"}, {"optData8", "8"}}), 1, 1);
    grid->addWidget(group("Stop Bits", G::Stop, 2, {{"optStop1", "1"}, {"optStop2", "2"}}), 1, 2);
    grid->addWidget(group("Comm Port", G::Comm, 5,
                          {{"optComm1", "1"},
                           {"optComm2", "2"},
                           {"optComm3", "3"},
                           {"optComm4", "4"},
                           {"optComm5", "5"},
                           {"optComm6", "6"},
                           {"optComm7", "7"},
                           {"optComm8", "8"},
                           {"optComm9", "9"},
                           {"optComm10", "10"}}),
                    2, 0, 1, 2);
    grid->addWidget(
        group("Connection Power", G::Power, 3,
              {{"optPowerNone", "None"}, {"optPowerRTS", "RTS"}, {"optPowerDTR", "DTR"}}),
        2, 2);

    display_ = new QGroupBox(QStringLiteral("Main Form Display"), box);
    auto* d = new QVBoxLayout(display_);
    optBand_ = new QRadioButton(QStringLiteral("Band Map"), display_);
    optBand_->setObjectName(QStringLiteral("OptBand"));
    optList_ = new QRadioButton(QStringLiteral("List"), display_);
    optList_->setObjectName(QStringLiteral("OptList"));
    chkDX_ = new QCheckBox(QStringLiteral("List DX Only (also controls main form)"), display_);
    chkDX_->setObjectName(QStringLiteral("chkDX"));
    d->addWidget(optBand_);
    d->addWidget(optList_);
    d->addWidget(chkDX_);
    connect(optBand_, &QRadioButton::clicked, this,
            [this] { act([&] { logic_.displayClick(false); }); });
    connect(optList_, &QRadioButton::clicked, this,
            [this] { act([&] { logic_.displayClick(true); }); });
    connect(chkDX_, &QCheckBox::clicked, this,
            [this](bool on) { act([&] { logic_.chkDXClick(on); }); });
    grid->addWidget(display_, 0, 3, 2, 1);
    chkConvToHex_ = new QCheckBox(QStringLiteral("Convert to Hex"), box);
    chkConvToHex_->setObjectName(QStringLiteral("chkConvToHex"));
    chkConvToHex_->setEnabled(false);
    grid->addWidget(chkConvToHex_, 2, 3);
    return box;
}

QWidget* PacketSpotfrm::buildBoxes() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto host = binding_.addBox(C::txtTelnetHost, QStringLiteral("txtTelnetHost"),
                                      QStringLiteral("Telnet Host:"));
    const auto port = binding_.addBox(C::txtTelnetPort, QStringLiteral("txtTelnetPort"),
                                      QStringLiteral("Telnet Port:"));
    const auto hex = binding_.addBox(C::txtHex, QStringLiteral("txtHex"),
                                     QStringLiteral("TNC cmd mode hex character:"));
    grid->addWidget(host.caption, 0, 0);
    grid->addWidget(host.edit, 0, 1);
    grid->addWidget(port.caption, 0, 2);
    grid->addWidget(port.edit, 0, 3);
    grid->addWidget(hex.caption, 0, 4);
    grid->addWidget(hex.edit, 0, 5);
    telnetControls_ = {host.caption, host.edit, port.caption, port.edit};
    tncControls_ = {hex.caption, hex.edit};

    received_ = new QPlainTextEdit(box);
    received_->setObjectName(QStringLiteral("txtUnProcessed"));
    received_->setAccessibleName(QStringLiteral("Received"));
    received_->setReadOnly(true);
    received_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    received_->setMinimumHeight(received_->fontMetrics().height() * 14);
    grid->addWidget(received_, 1, 0, 1, 6);

    const auto sent =
        binding_.addBox(C::txtSent, QStringLiteral("txtSent"), QStringLiteral("Send text:"));
    label6_ = sent.caption;
    label6_->setObjectName(QStringLiteral("Label6"));
    grid->addWidget(label6_, 2, 0, 1, 6);
    grid->addWidget(sent.edit, 3, 0, 1, 6);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

bool PacketSpotfrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !rendering_) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool escape = key->key() == Qt::Key_Escape;
        const bool ctrlC = key->key() == Qt::Key_C && (key->modifiers() & Qt::ControlModifier) &&
                           !(key->modifiers() & (Qt::AltModifier | Qt::ShiftModifier));
        if (escape || ctrlC) {
            bool used = false;
            act([&] { used = logic_.escapeOrCtrlC(); });
            if (!used && escape && watched == binding_.widget(C::txtSent)) {
                act([&] { logic_.keyPressed(C::txtSent, keys::kEscape); });
            }
            binding_.showFocus();
            // Esc never closes the window; Ctrl+C copies unless the TNC took it.
            return used || escape;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PacketSpotfrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    binding_.followFocus();
    render();
    binding_.showFocus();
}

template <typename F> void PacketSpotfrm::act(F&& f) {
    f();
    render();
}

void PacketSpotfrm::hidden() {
    if (logic_.state().visible) {
        logic_.closed();
    }
}

void PacketSpotfrm::render() {
    rendering_ = true;
    const PacketSpotfrmState& s = logic_.state();
    binding_.render();
    setWindowTitle(toQString(s.caption));
    if (list1_->currentRow() != s.listIndex) {
        list1_->setCurrentRow(s.listIndex);
    }
    options_.show(s.options);
    const bool tnc = s.enabled == SpotControls::Tnc;
    const bool telnet = s.enabled == SpotControls::Telnet;
    const bool any = s.enabled != SpotControls::None;
    for (QGroupBox* f : frames_) {
        f->setEnabled(tnc);
    }
    for (QWidget* w : tncControls_) {
        w->setEnabled(tnc);
    }
    for (QWidget* w : telnetControls_) {
        w->setEnabled(telnet);
    }
    display_->setEnabled(any);
    label6_->setEnabled(any);
    binding_.widget(C::txtSent)->setEnabled(any);
    if (!s.label6.empty()) {
        label6_->setText(toQString(s.label6));
    }
    binding_.widget(C::Command1)->setEnabled(s.openCloseEnabled);
    binding_.widget(C::Command2)->setEnabled(s.openCloseEnabled);
    optBand_->setChecked(!s.listDisplay);
    optList_->setChecked(s.listDisplay);
    chkDX_->setChecked(s.dxOnly);
    chkConvToHex_->setChecked(s.convToHex);
    listening_->setVisible(s.listening);
    if (s.received.revision() != shownRevision_) {
        shownRevision_ = s.received.revision();
        // Shown with plain line feeds; the caret moves back by the CRs dropped before it.
        const std::string& text = s.received.text();
        const std::size_t caret = std::min(s.received.caret(), text.size());
        std::string shown;
        shown.reserve(text.size());
        std::size_t shownCaret = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == caret) {
                shownCaret = shown.size();
            }
            if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n') {
                shown.push_back(text[i]);
            }
        }
        if (caret >= text.size()) {
            shownCaret = shown.size();
        }
        received_->setPlainText(toQString(shown));
        QTextCursor cursor = received_->textCursor();
        cursor.setPosition(static_cast<int>(shownCaret));
        received_->setTextCursor(cursor);
        received_->ensureCursorVisible();
    }
    rendering_ = false;
    if (s.focusRequest != shownFocusRequest_ && isVisible()) {
        shownFocusRequest_ = s.focusRequest;
        binding_.showFocus();
    }
    if (!s.visible && isVisible()) {
        binding_.stopFollowingFocus();
        hide();
    }
}

} // namespace qv
