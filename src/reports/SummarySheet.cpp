#include "reports/SummarySheet.h"

#include "base/Cp1252.h"
#include "reports/CabrilloFile.h"
#include "reports/ReportMessages.h"

#include <array>

namespace qv {
namespace {

constexpr std::array<Form2Field, 5> kRemembered = {
    Form2Field::Text5, Form2Field::Text6, Form2Field::Text7, Form2Field::Text8, Form2Field::Text1};

} // namespace

TextField& Form2State::field(Form2Field f) {
    switch (f) {
    case Form2Field::Text5:
        return Text5;
    case Form2Field::Text6:
        return Text6;
    case Form2Field::Text7:
        return Text7;
    case Form2Field::Text8:
        return Text8;
    case Form2Field::Text1:
        return Text1;
    case Form2Field::Text2:
        break;
    }
    return Text2;
}

const char* settingsKeyOf(Form2Field f) {
    switch (f) {
    case Form2Field::Text5:
        return "UserAddressName";
    case Form2Field::Text6:
        return "UserAddressLine1";
    case Form2Field::Text7:
        return "UserAddressLine2";
    case Form2Field::Text8:
        return "UserEMail";
    case Form2Field::Text1:
        return "UserClubName";
    case Form2Field::Text2:
        break;
    }
    return "";
}

void Form2Load(Form2State& s, const StationProfile& profile, SettingsStore& settings) {
    for (Form2Field f : kRemembered) {
        TextField& field = s.field(f);
        field.setText(settings.get(kSettingsApplication, kSettingsSection, settingsKeyOf(f), ""));
        // The store is shared with other programs: keep only what the file can hold.
        sanitize(field);
    }
    s.Text2.setText(profile.ownCall);
    sanitize(s.Text2);
    s.Text11.clear();
    s.focus = Form2Focus::Text5;
    s.visible = true;
}

void Form2KeyPress(Form2State& s, Form2Field f, int key) {
    if (key == keys::kQuote) {
        return;
    }
    if (f == Form2Field::Text2 && key > 0 && key < 256) {
        key = static_cast<unsigned char>(toUpper(static_cast<char>(key)));
    }
    typeKey(s.field(f), key);
}

void Form2Edited(Form2State& s, Form2Field f) {
    sanitize(s.field(f));
}

void Text11Change(Form2State& s, std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            clean.append("\r\n");
        } else if (isStorableChar(decodeCp1252(static_cast<unsigned char>(c)))) {
            clean.push_back(c);
        }
    }
    s.Text11 = std::move(clean);
}

Status Command4Click(Form2State& s, const Form2Context& c) {
    CabrilloHeader header;
    header.programTitle = c.programTitle;
    header.ownCall = std::string(trimBlanks(c.profile.ownCall));
    header.ownSpc = c.profile.ownSpc;
    header.ownCategory = c.profile.ownCategory;
    header.operators = s.Text2.text;
    header.clubName = s.Text1.text;
    header.name = s.Text5.text;
    header.addressLine1 = s.Text6.text;
    header.addressLine2 = s.Text7.text;
    header.email = s.Text8.text;
    header.soapbox = s.Text11;

    const CabrilloWriteResult written =
        WriteCabrilloFile(c.files, header, c.totals, c.log.records());
    if (!written.status) {
        return written.status;
    }
    c.beeper.beep();
    const MessageText done = cabrilloWrittenMessage(written.fileName, c.files.directory());
    c.dialogs.messageBox(done.title, done.text, MessageButtons::Ok, MessageIcon::Information);
    c.beeper.beep();
    const MessageText thanks = cabrilloThanksMessage();
    c.dialogs.messageBox(thanks.title, thanks.text, MessageButtons::Ok, MessageIcon::Information);

    s.focus = Form2Focus::Command3;
    for (Form2Field f : kRemembered) {
        c.settings.save(kSettingsApplication, kSettingsSection, settingsKeyOf(f),
                        std::string(trimBlanks(s.field(f).text)));
    }
    return written.status;
}

void Command3Click(Form2State& s) {
    s.visible = false;
}

} // namespace qv
