#include "RadioSimulator.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace qv::test {
namespace {

using Mode = RadioSimulator::Mode;

bool isYaesuFiveByte(const std::string& rigType) {
    return rigType.starts_with("Yaesu") && rigType != "Yaesu FTdx9000";
}
bool isIcom(const std::string& rigType) {
    return rigType == "Icom" || rigType == "Icom 735" || rigType == "Ten Tec Omni VI";
}

std::string padded(std::uint64_t value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*llu", digits, static_cast<unsigned long long>(value));
    return text;
}

// Two decimal digits per byte, as BCD.
std::string bcdBytes(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        out.push_back(static_cast<char>(((digits[i] - '0') << 4) | (digits[i + 1] - '0')));
    }
    return out;
}

std::uint64_t fromBcd(std::string_view bytes) {
    std::uint64_t value = 0;
    for (unsigned char b : bytes) {
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return value;
}

std::string reversed(std::string s) {
    return {s.rbegin(), s.rend()};
}

std::string hexBytes(const std::string& hexDigits) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hexDigits.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(hexDigits.substr(i, 2), nullptr, 16)));
    }
    return out;
}

// Kenwood's mode digits, shared by the FTdx9000.
char kenwoodDigit(Mode m) {
    switch (m) {
    case Mode::LSB:
        return '1';
    case Mode::USB:
        return '2';
    case Mode::CW:
        return '3';
    case Mode::FM:
        return '4';
    case Mode::AM:
        return '5';
    }
    return '2';
}
std::optional<Mode> fromKenwoodDigit(char d) {
    switch (d) {
    case '1':
        return Mode::LSB;
    case '2':
        return Mode::USB;
    case '3':
    case '7':
        return Mode::CW;
    case '4':
        return Mode::FM;
    case '5':
        return Mode::AM;
    default:
        return std::nullopt;
    }
}

// The mode a command's code sets, by each family's table; nothing for a code
// the radio does not know.
struct ModeCode {
    unsigned char code;
    Mode mode;
};
template <std::size_t N> std::optional<Mode> modeOf(char code, const ModeCode (&table)[N]) {
    for (const ModeCode& c : table) {
        if (c.code == static_cast<unsigned char>(code)) {
            return c.mode;
        }
    }
    return std::nullopt;
}
constexpr ModeCode kIcomModes[] = {{0x00, Mode::LSB}, {0x01, Mode::USB}, {0x02, Mode::AM},
                                   {0x03, Mode::CW},  {0x07, Mode::CW},  {0x05, Mode::FM}};
constexpr ModeCode kYaesuModes[] = {{0x00, Mode::LSB}, {0x01, Mode::USB}, {0x02, Mode::CW},
                                    {0x03, Mode::CW},  {0x04, Mode::AM},  {0x08, Mode::FM}};
constexpr ModeCode kStatusYaesuModes[] = {{0x00, Mode::LSB}, {0x01, Mode::USB}, {0x02, Mode::CW},
                                          {0x03, Mode::CW},  {0x04, Mode::AM},  {0x06, Mode::FM}};

} // namespace

RadioSimulator::RadioSimulator(std::string rigType, std::uint64_t hz, Mode mode)
    : rigType_(std::move(rigType)), hz_(hz), mode_(mode) {
    thread_ = std::thread([this] { run(); });
}

RadioSimulator::~RadioSimulator() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::vector<std::string> RadioSimulator::commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void RadioSimulator::run() {
    while (!stop_) {
        pollfd p{pty_.master(), POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || (p.revents & POLLIN) == 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
        if (n > 0) {
            input_.append(buffer, static_cast<std::size_t>(n));
            serve();
        }
    }
}

void RadioSimulator::send(const std::string& bytes) {
    const bool paced = characterTime_.count() > 0;
    auto due = std::chrono::steady_clock::now();
    std::size_t done = 0;
    while (done < bytes.size() && !stop_) {
        if (paced) {
            std::this_thread::sleep_until(due + characterTime_);
        }
        const std::size_t chunk = paced ? 1 : bytes.size() - done;
        const ssize_t n = ::write(pty_.master(), bytes.data() + done, chunk);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            due += characterTime_ * static_cast<int>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            ::usleep(1000);
        }
    }
}

void RadioSimulator::serve() {
    for (;;) {
        std::string command;
        if (isIcom(rigType_)) {
            const std::size_t start = input_.find("\xFE\xFE");
            if (start == std::string::npos) {
                return;
            }
            const std::size_t end = input_.find('\xFD', start + 2);
            if (end == std::string::npos) {
                return;
            }
            command = input_.substr(start, end + 1 - start);
            input_.erase(0, end + 1);
        } else if (isYaesuFiveByte(rigType_)) {
            if (input_.size() < 5) {
                return;
            }
            command = input_.substr(0, 5);
            input_.erase(0, 5);
        } else if (rigType_ == "Ten Tec Fnt Pnl") {
            if (input_.empty()) {
                return;
            }
            const std::size_t length = input_[0] == '*' ? 7 : input_[0] == '?' ? 3 : 1;
            if (input_.size() < length) {
                return;
            }
            command = input_.substr(0, length);
            input_.erase(0, length);
        } else {
            const char end = rigType_ == "Ten Tec Orion" ? '\r' : ';';
            const std::size_t at = input_.find(end);
            if (at == std::string::npos) {
                return;
            }
            command = input_.substr(0, at + 1);
            input_.erase(0, at + 1);
        }
        {
            std::lock_guard lock(mutex_);
            commands_.push_back(command);
        }
        if (characterTime_.count() > 0) {
            std::this_thread::sleep_for(characterTime_ * static_cast<int>(command.size()));
        }
        answer(command);
    }
}

void RadioSimulator::answer(const std::string& command) {
    if (isIcom(rigType_)) {
        answerIcom(command);
    } else if (isYaesuFiveByte(rigType_)) {
        answerYaesu(command);
    } else if (rigType_ == "Ten Tec Fnt Pnl") {
        answerFrontPanel(command);
    } else if (rigType_ == "Ten Tec Orion") {
        answerOrion(command);
    } else {
        answerText(command);
    }
}

void RadioSimulator::answerText(const std::string& c) {
    const bool ftdx = rigType_ == "Yaesu FTdx9000";
    const int width = ftdx ? 8 : 11;
    const std::string body = c.substr(0, c.size() - 1);
    if (body == "FA" || body == "FB") {
        send(body + padded(hz_, width) + ";");
    } else if (body == "MD" || body == "MD0") {
        send(body + kenwoodDigit(mode_) + ";");
    } else if (body == "IF") {
        // A TS-2000's answer: frequency, step, RIT, memory, TX, mode, VFO A, ...
        std::string reply = "IF000140250000010+0000000000020000000;";
        reply.replace(2, 11, padded(hz_, 11));
        reply[29] = kenwoodDigit(mode_);
        send(reply);
    } else if ((body.starts_with("FA") || body.starts_with("FB")) && body.size() > 2 &&
               body.find_first_not_of("0123456789", 2) == std::string::npos) {
        hz_ = std::strtoull(body.c_str() + 2, nullptr, 10);
    } else if (body.size() == (ftdx ? 4u : 3u) && body.starts_with(ftdx ? "MD0" : "MD")) {
        if (const auto m = fromKenwoodDigit(body.back())) {
            mode_ = *m;
        }
    }
}

void RadioSimulator::answerIcom(const std::string& frame) {
    // On the CI-V bus every frame comes back to its sender first.
    send(frame);
    if (frame.size() < 6) {
        return;
    }
    const char address = rigType_ == "Ten Tec Omni VI" ? '\x04' : '\x64';
    if (frame[2] != address) {
        return;
    }
    const std::string head = std::string("\xFE\xFE\xE0") + address;
    const std::string data = frame.substr(5, frame.size() - 6);
    switch (static_cast<unsigned char>(frame[4])) {
    case 0x03: {
        const int digits = rigType_ == "Icom 735" ? 8 : 10;
        send(head + "\x03" + reversed(bcdBytes(padded(hz_, digits))) + "\xFD");
        break;
    }
    case 0x04: {
        static constexpr char kCodes[] = {'\x00', '\x01', '\x03', '\x02', '\x05'};
        send(head + "\x04" + kCodes[static_cast<int>(mode_.load())] + "\x01\xFD");
        break;
    }
    case 0x05:
        hz_ = fromBcd(reversed(data));
        send(head + "\xFB\xFD");
        break;
    case 0x06:
        if (!data.empty()) {
            if (const auto m = modeOf(data[0], kIcomModes)) {
                mode_ = *m;
            }
        }
        send(head + "\xFB\xFD");
        break;
    default:
        break;
    }
}

void RadioSimulator::answerYaesu(const std::string& b) {
    const auto op = static_cast<unsigned char>(b[4]);
    const std::uint64_t tens = hz_ / 10;
    const int m = static_cast<int>(mode_.load());
    if (rigType_ == "Yaesu") {
        if (op == 0x03) {
            static constexpr char kCodes[] = {'\x00', '\x01', '\x02', '\x04', '\x08'};
            send(bcdBytes(padded(tens, 8)) + kCodes[m]);
        } else if (op == 0x01) {
            hz_ = fromBcd(b.substr(0, 4)) * 10;
        } else if (op == 0x07) {
            if (const auto m = modeOf(b[0], kYaesuModes)) {
                mode_ = *m;
            }
        }
        return;
    }
    if (op == 0x0A) {
        hz_ = fromBcd(reversed(b.substr(0, 4))) * 10;
    } else if (op == 0x0C) {
        if (const auto m = modeOf(b[3], kStatusYaesuModes)) {
            mode_ = *m;
        }
    } else if (op == 0x10 && rigType_ == "Yaesu 757 GX II") {
        // Status block: bytes 6-9 the frequency in BCD 10 Hz units, least
        // significant first, byte 10 the mode.
        static constexpr char kCodes[] = {'\x00', '\x01', '\x02', '\x04', '\x05'};
        std::string block(75, '\0');
        block.replace(5, 4, reversed(bcdBytes(padded(tens, 8))));
        block[9] = kCodes[m];
        send(block);
    } else if (op == 0x10) {
        // Status block: the frequency as a binary number in a run of hex digits,
        // the mode in the low half of byte 8.
        std::string digits(36, '0');
        char text[32];
        if (rigType_ == "Yaesu 920") {
            std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(hz_));
            digits.replace(2, 8, text);
            digits[15] = mode_ == Mode::CW ? '1' : '2';
        } else {
            const std::size_t first = rigType_ == "Yaesu 890"    ? 4
                                      : rigType_ == "Yaesu 1000" ? 3
                                                                 : 2;
            std::snprintf(text, sizeof text, "%06llX", static_cast<unsigned long long>(tens));
            digits.replace(first, 6, text);
            static constexpr char kCodes[] = {'0', '1', '2', '4', '5'};
            digits[15] = kCodes[m];
        }
        send(hexBytes(digits));
    }
}

void RadioSimulator::answerFrontPanel(const std::string& c) {
    // The front panel's modes as ASCII digits: AM, USB, LSB, CW, FM.
    static constexpr char kCodes[] = {'2', '1', '3', '0', '4'};
    if (c == "?A\r") {
        std::string reply = "A";
        for (int shift = 24; shift >= 0; shift -= 8) {
            reply.push_back(static_cast<char>((hz_ >> shift) & 0xFF));
        }
        send(reply + "\r");
    } else if (c == "?M\r") {
        const char code = kCodes[static_cast<int>(mode_.load())];
        send(std::string("M") + code + code + "\r");
    } else if (c.size() == 7 && c.starts_with("*A") && c.back() == '\r') {
        std::uint64_t hz = 0;
        for (int i = 2; i < 6; ++i) {
            hz = (hz << 8) | static_cast<unsigned char>(c[static_cast<std::size_t>(i)]);
        }
        hz_ = hz;
    }
}

void RadioSimulator::answerOrion(const std::string& c) {
    // The Orion's modes: USB, LSB, UCW, LCW, AM, FM, ...
    static constexpr char kCodes[] = {'1', '0', '2', '4', '5'};
    const std::string body = c.substr(0, c.size() - 1);
    if (body == "?AF") {
        send("@AF" + std::to_string(hz_.load()) + "\r");
    } else if (body == "?RMM") {
        send(std::string("@RMM") + kCodes[static_cast<int>(mode_.load())] + "\r");
    } else if (body.starts_with("*AF")) {
        hz_ =
            static_cast<std::uint64_t>(std::llround(std::strtod(body.c_str() + 3, nullptr) * 1e6));
    }
}

} // namespace qv::test
