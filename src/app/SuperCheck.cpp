#include "app/SuperCheck.h"

#include "base/Cp1252.h"
#include "scp/MasterList.h"

#include <algorithm>

namespace qv {

MasterListLoad loadMasterList(FileStore& working, FileStore& installed) {
    MasterListLoad out;
    std::string passedOver;
    for (FileStore* store : {&working, &installed}) {
        const std::string where = store->directory() + "/" + kMasterListName;
        const FileContents file = store->read(kMasterListName);
        if (file.error == FileContents::Error::NotFound) {
            continue;
        }
        if (file.error != FileContents::Error::None) {
            passedOver += where + " cannot be read (" + file.reason + "). ";
            continue;
        }
        const MasterListText list = parseMasterList(file.bytes);
        if (!list.ok()) {
            passedOver += where + " was ignored: " + list.problem + ". ";
            continue;
        }
        out.index = std::make_shared<const CallIndex>(list.calls);
        out.note = passedOver + "Known calls from " + where + ": " +
                   std::to_string(list.calls.size()) + " calls";
        if (list.skipped > 0) {
            out.note += " (" + std::to_string(list.skipped) + " lines that hold no call skipped)";
        }
        return out;
    }
    out.note = passedOver.empty() ? std::string("Super check partial shows nothing: there is no ") +
                                        kMasterListName + " in the working directory nor in " +
                                        installed.directory() + " (Debian package hamradio-files)"
                                  : "Super check partial shows nothing: " + passedOver;
    return out;
}

SuperCheck::SuperCheck(Uses uses) : u_(uses) {
    s_.on = u_.settings.get(kSettingsApplication, kSettingsSection, kSettingsKey, "1") != "0";
    u_.working.subscribe(*this);
    describe();
}

SuperCheck::~SuperCheck() {
    u_.working.unsubscribe(*this);
}

void SuperCheck::listArrived(MasterListLoad loaded) {
    index_ = std::move(loaded.index);
    note_ = std::move(loaded.note);
    shownFor_.reset();
    describe();
    follow();
}

void SuperCheck::toggle() {
    s_.on = !s_.on;
    u_.settings.save(kSettingsApplication, kSettingsSection, kSettingsKey, s_.on ? "1" : "0");
    shownFor_.reset();
    describe();
    follow();
}

void SuperCheck::describe() {
    // Until the list arrives the note says it is loading.
    s_.tooltip = s_.on ? note_ : "Super check partial is off (Options, Super Check Partial)";
}

void SuperCheck::follow() {
    if (!s_.on || !index_) {
        s_.rows.clear();
        s_.chosen.reset();
        s_.line.clear();
        shownFor_.reset();
        return;
    }
    const std::string typed = toUpper(u_.ui.txtCall.text);
    const bool bandChanged = shownBand_ != u_.op.currentBand;
    if (shownFor_ == typed && !bandChanged && !workedStale_) {
        return;
    }
    query(typed);
}

void SuperCheck::refreshWorked() {
    shownBand_ = u_.op.currentBand;
    workedStale_ = false;
    worked_.clear();
    for (const ContactRecord& r : u_.working.log().records()) {
        if (equalsIgnoreCase(r.band, shownBand_)) {
            worked_.insert(toUpper(r.call));
        }
    }
}

void SuperCheck::query(const std::string& typed) {
    shownFor_ = typed;
    s_.rows.clear();
    s_.chosen.reset();
    s_.line.clear();
    if (workedStale_ || shownBand_ != u_.op.currentBand) {
        refreshWorked();
    }
    if (typed.size() < 2) {
        return;
    }
    const auto row = [&](std::uint32_t id, bool oneEdit) {
        std::string call(index_->call(id));
        const bool worked = worked_.count(call) != 0;
        s_.rows.push_back({std::move(call), worked, oneEdit});
    };
    const std::vector<std::uint32_t> hits = index_->containing(typed, kMaxRows);
    for (std::uint32_t id : hits) {
        row(id, false);
    }
    // A call the list does not know may be a busted one: the calls it could have
    // been follow.
    if (typed.size() >= 3 && !index_->find(typed)) {
        std::size_t added = 0;
        for (std::uint32_t id : index_->oneEditAway(typed, kMaxRows + hits.size())) {
            if (added < kMaxRows && !std::binary_search(hits.begin(), hits.end(), id)) {
                row(id, true);
                ++added;
            }
        }
    }
    for (std::size_t i = 0; i < s_.rows.size(); ++i) {
        const SuperCheckRow& r = s_.rows[i];
        if (i > 0) {
            s_.line += r.oneEdit && !s_.rows[i - 1].oneEdit ? "; " : ", ";
        }
        if (r.oneEdit && (i == 0 || !s_.rows[i - 1].oneEdit)) {
            s_.line += "one edit away: ";
        }
        s_.line += r.call;
        if (r.worked) {
            s_.line += " worked";
        }
    }
}

bool SuperCheck::keyDown(const KeyDown& key) {
    if (!key.ctrl || key.shift || key.alt || s_.rows.empty()) {
        return false;
    }
    const std::size_t last = s_.rows.size() - 1;
    if (key.code == keycodes::kDown) {
        s_.chosen = s_.chosen ? std::min(*s_.chosen + 1, last) : 0;
        return true;
    }
    if (key.code == keycodes::kUp) {
        s_.chosen = s_.chosen ? (*s_.chosen > 0 ? *s_.chosen - 1 : 0) : last;
        return true;
    }
    if (key.code == kEnterCode) {
        take();
        return true;
    }
    return false;
}

void SuperCheck::take() {
    if (s_.rows.empty()) {
        return;
    }
    TextField& field = u_.ui.txtCall;
    const std::string call =
        s_.rows[std::min(s_.chosen.value_or(0), s_.rows.size() - 1)].call.substr(0,
                                                                                 field.maxLength);
    // As if typed: the partial-duplicate scan sees the last character arrive,
    // then the call field's change runs the prefix lookup.
    field.setText(call.substr(0, call.size() - 1));
    u_.dupes.PartialDupes(static_cast<unsigned char>(call.back()));
    field.setText(call);
    u_.entry.edited(EntryField::Call);
    focusOn(u_.ui, EntryField::Call);
    follow();
}

} // namespace qv
