#include "app/frmFrequencyTestLogic.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "rig/HexText.h"

namespace qv {
namespace {

using C = frmFrequencyTestControl;

} // namespace

frmFrequencyTestLogic::frmFrequencyTestLogic(RigControl& rig) : rig_(rig) {
    s_[C::Text1].setText("FA00028475000;");
    s_[C::Text2].setText("28.475");
}

void frmFrequencyTestLogic::keyPressed(Control c, int key) {
    if (TextBoxes<Control, 2>::isBox(c) && key != keys::kEnter) {
        typeKey(s_[c], key);
    }
}

void frmFrequencyTestLogic::edited(Control c) {
    if (TextBoxes<Control, 2>::isBox(c)) {
        sanitize(s_[c]);
    }
}

void frmFrequencyTestLogic::Command1Click() {
    const std::string_view command = trimSpaces(s_[C::Text1].text);
    rig_.sendRaw(s_.Check1 ? HexTextToBytes(command) : std::string(command));
}

void frmFrequencyTestLogic::Command2Click() {
    const std::string& text = s_[C::Text2].text;
    if (isNumeric(text)) {
        rig_.ChangeFrequency(static_cast<float>(leadingNumber(text)));
    }
}

} // namespace qv
