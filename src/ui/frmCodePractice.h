#pragma once

#include "app/frmCodePracticeLogic.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace qv {

// "On the Air Code Practice": shows a frmCodePracticeLogic and forwards the
// clicks, edits and Text5's keys to it. Made for one showing; closing it is
// refused while the keyer is in the middle of a character.
class frmCodePractice : public QDialog {
    Q_OBJECT
public:
    frmCodePractice(frmCodePracticeLogic& logic, QWidget* parent = nullptr);
    ~frmCodePractice() override;

    void render();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F> void act(F&& f);

    frmCodePracticeLogic& logic_;
    QPlainTextEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* label8_ = nullptr;
    bool rendering_ = false;
};

} // namespace qv
