#pragma once

#include "app/PacketSpotfrmLogic.h"
#include "ui/DialogBinding.h"
#include "ui/OptionButtons.h"

#include <array>
#include <vector>

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace qv {

// " DX Spotting Setup": shows a PacketSpotfrmLogic and forwards clicks, keys and
// focus moves to it. Made once; "&Done" and the close box hide it, and the spot
// source stays open while it is hidden.
class PacketSpotfrm : public QDialog {
    Q_OBJECT
public:
    explicit PacketSpotfrm(PacketSpotfrmLogic& logic, QWidget* parent = nullptr);
    ~PacketSpotfrm() override;

    void render();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildKinds();
    QWidget* buildOptions();
    QWidget* buildBoxes();
    QRadioButton* addOption(QButtonGroup* group, const QString& name, const QString& caption,
                            SpotOptionGroup which, int index);
    template <typename F> void act(F&& f);
    void hidden();

    PacketSpotfrmLogic& logic_;
    DialogBinding<PacketSpotfrmLogic, 10> binding_;
    QListWidget* list1_ = nullptr;
    OptionButtons<7> options_;
    std::array<QGroupBox*, 7> frames_{};
    QGroupBox* display_ = nullptr;
    QRadioButton* optBand_ = nullptr;
    QRadioButton* optList_ = nullptr;
    QCheckBox* chkDX_ = nullptr;
    QCheckBox* chkConvToHex_ = nullptr;
    QPlainTextEdit* received_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* listening_ = nullptr;
    std::vector<QWidget*> telnetControls_;
    std::vector<QWidget*> tncControls_;
    std::size_t shownRevision_ = static_cast<std::size_t>(-1);
    std::uint32_t shownFocusRequest_ = 0;
    bool rendering_ = false;
};

} // namespace qv
