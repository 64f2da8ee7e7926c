#include "app/Form2Logic.h"

#include "base/Cp1252.h"
#include "reports/CabrilloFile.h"
#include "reports/ReportMessages.h"

#include <array>

namespace qv {
namespace {

constexpr std::array<Form2Control, 5> kRemembered = {Form2Control::Text5, Form2Control::Text6,
                                                     Form2Control::Text7, Form2Control::Text8,
                                                     Form2Control::Text1};

} // namespace

const char* settingsKeyOf(Form2Control f) {
    switch (f) {
    case Form2Control::Text5:
        return "UserAddressName";
    case Form2Control::Text6:
        return "UserAddressLine1";
    case Form2Control::Text7:
        return "UserAddressLine2";
    case Form2Control::Text8:
        return "UserEMail";
    case Form2Control::Text1:
        return "UserClubName";
    default:
        break;
    }
    return "";
}

void Form2Logic::load() {
    for (Form2Control f : kRemembered) {
        TextField& field = s_[f];
        field.setText(
            c_.settings.get(kSettingsApplication, kSettingsSection, settingsKeyOf(f), ""));
        // The store is shared with other programs: keep only what the file can hold.
        sanitize(field);
    }
    s_[Form2Control::Text2].setText(c_.profile.ownCall);
    sanitize(s_[Form2Control::Text2]);
    s_.Text11.clear();
    s_.focus = Form2Control::Text5;
    s_.visible = true;
}

void Form2Logic::keyPressed(Form2Control f, int key) {
    if (key == keys::kQuote) {
        return;
    }
    if (f == Form2Control::Text2 && key > 0 && key < 256) {
        key = upperKey(key);
    }
    typeKey(s_[f], key);
}

void Form2Logic::edited(Form2Control f) {
    sanitize(s_[f]);
}

void Form2Logic::Text11Change(std::string_view text) {
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
    s_.Text11 = std::move(clean);
}

Status Form2Logic::Command4Click() {
    using F = Form2Control;
    CabrilloHeader header;
    header.programTitle = c_.programTitle;
    header.ownCall = std::string(trimBlanks(c_.profile.ownCall));
    header.ownSpc = c_.profile.ownSpc;
    header.ownCategory = c_.profile.ownCategory;
    header.operators = s_[F::Text2].text;
    header.clubName = s_[F::Text1].text;
    header.name = s_[F::Text5].text;
    header.addressLine1 = s_[F::Text6].text;
    header.addressLine2 = s_[F::Text7].text;
    header.email = s_[F::Text8].text;
    header.soapbox = s_.Text11;

    const CabrilloWriteResult written =
        WriteCabrilloFile(c_.files, header, c_.totals, c_.log.records());
    if (!written.status) {
        return written.status;
    }
    c_.beeper.beep();
    const MessageText done = cabrilloWrittenMessage(written.fileName, c_.files.directory());
    c_.dialogs.messageBox(done.title, done.text, MessageButtons::Ok, MessageIcon::Information);
    c_.beeper.beep();
    const MessageText thanks = cabrilloThanksMessage();
    c_.dialogs.messageBox(thanks.title, thanks.text, MessageButtons::Ok, MessageIcon::Information);

    s_.focus = F::Command3;
    for (F f : kRemembered) {
        c_.settings.save(kSettingsApplication, kSettingsSection, settingsKeyOf(f),
                         std::string(trimBlanks(s_[f].text)));
    }
    return written.status;
}

} // namespace qv
