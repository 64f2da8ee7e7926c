#include "app/frmCodePracticeLogic.h"

#include "base/Numbers.h"

#include <algorithm>

namespace qv {
namespace {

// A group count or size as a whole number, none below 0.
int wholeCount(const std::string& text) {
    const double n = leadingNumber(text);
    if (!(n > 0)) {
        return 0;
    }
    return static_cast<int>(std::min<std::int64_t>(
        roundHalfEven(std::min(n, 1e9)), static_cast<std::int64_t>(kCodePracticeMaxText)));
}

std::string capitals(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(capital(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

frmCodePracticeLogic::frmCodePracticeLogic(Uses uses)
    : u_(uses), timer_(u_.timers.create(kStepMs, [this] {
          step();
          if (changed_) {
              changed_();
          }
      })) {
    s_.Text3.setText("10");
    s_.Text4.setText("5");
}

void frmCodePracticeLogic::load() {
    s_.Label8 = std::to_string(u_.cw.speedWpm());
}

std::string frmCodePracticeLogic::generateGroups(int groups, int size, bool lettersOnly,
                                                 std::mt19937& rng) {
    const std::size_t n = lettersOnly ? kCodePracticeLetters : kCodePracticeCharacters.size();
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::string text;
    for (int g = 0; g < groups && text.size() < kCodePracticeMaxText; ++g) {
        for (int c = 0; c < size && text.size() < kCodePracticeMaxText; ++c) {
            const auto index = std::min(n - 1, static_cast<std::size_t>(n * uniform(rng)));
            text.push_back(kCodePracticeCharacters[index]);
        }
        text.push_back(' ');
    }
    return text;
}

void frmCodePracticeLogic::Command2_Click() {
    if (!isNumeric(s_.Text3.text)) {
        s_.Text3.setText("10");
    }
    if (!isNumeric(s_.Text4.text)) {
        s_.Text4.setText("5");
    }
    std::mt19937 rng(u_.clock.milliseconds());
    s_.Text1 =
        generateGroups(wholeCount(s_.Text3.text), wholeCount(s_.Text4.text), s_.lettersOnly, rng);
}

void frmCodePracticeLogic::Command1_Click(std::string_view clipboard) {
    s_.Text1 = std::string(clipboard);
}

void frmCodePracticeLogic::Text1Changed(std::string text) {
    s_.Text1 = capitals(std::move(text));
}

void frmCodePracticeLogic::Command3_Click() {
    sendText_ = s_.Text1;
    position_ = 0;
    s_.sending = !sendText_.empty();
    if (s_.sending) {
        step();
        if (s_.sending) {
            timer_->start();
        }
    }
}

void frmCodePracticeLogic::step() {
    // Edits made to Text1 while sending take effect; Stop empties the send text.
    if (!sendText_.empty()) {
        sendText_ = s_.Text1;
    }
    if (position_ >= sendText_.size()) {
        stopSending();
        return;
    }
    // One character at a time: the next waits until the send loop took this one.
    if (!u_.cw.bufferEmpty()) {
        return;
    }
    const char ch = sendText_[position_++];
    u_.cw.clearBuffer();
    u_.cw.appendToBuffer(ch);
    if (!u_.cw.sending()) {
        u_.cw.LoopThroughCWBuffer();
    }
    s_.Text2.push_back(ch);
    s_.Text1Caret = position_;
}

void frmCodePracticeLogic::stopSending() {
    timer_->stop();
    sendText_.clear();
    position_ = 0;
    s_.sending = false;
}

void frmCodePracticeLogic::Command4_Click() {
    stopSending();
    u_.cw.clearBuffer();
}

void frmCodePracticeLogic::Command7_Click() {
    s_.Label8 = std::to_string(u_.cw.UpDown1_UpClick());
}

void frmCodePracticeLogic::Command8_Click() {
    s_.Label8 = std::to_string(u_.cw.UpDown1_DownClick());
}

bool frmCodePracticeLogic::Text5KeyPress(int key) {
    if (key == keys::kTab) {
        return false;
    }
    if (key == keys::kBackspace) {
        u_.cw.removeLastFromBuffer();
        if (!s_.Text2.empty()) {
            s_.Text2.pop_back();
        }
        return true;
    }
    if (key <= 0 || key > 255) {
        return true;
    }
    const char ch = static_cast<char>(capital(key));
    s_.Text2.push_back(ch);
    u_.cw.appendToBuffer(ch);
    if (!u_.cw.sending()) {
        u_.cw.LoopThroughCWBuffer();
    }
    return true;
}

bool frmCodePracticeLogic::queryClose() {
    if (u_.cw.sending()) {
        return false;
    }
    stopSending();
    u_.cw.clearBuffer();
    return true;
}

} // namespace qv
