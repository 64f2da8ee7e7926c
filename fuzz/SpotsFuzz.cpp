// Feeds arbitrary bytes to the spot sources' intake: as a TNC stream in chunks
// of a size taken from the first byte (which must give what the whole stream
// gives at once), as one Telnet arrival, and as packet-engine frames. Spots go
// into a store and a list, and both band maps are laid out from them. Nothing
// may crash, hang or grow without bound.

#include "base/Numbers.h"
#include "geo/PrefixTable.h"
#include "spots/BandMapLayout.h"
#include "spots/ReceiveBox.h"
#include "spots/SpotIntake.h"
#include "spots/SpotList.h"
#include "spots/SpotStore.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const qv::DateTime kStart = *qv::DateTime::fromFields(2007, 1, 13, 9, 0, 0);

// The main window's spot routine, with each spot a minute after the last.
class StoringSink : public qv::SpotSink {
public:
    explicit StoringSink(const qv::PrefixTable& prefixes) : list(prefixes) {}
    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override {
        check(spotText.find('\r') == std::string::npos);
        seen.push_back(frequencyText + '\x1F' + call + '\x1F' + spotText);
        check(spotLabelOk(call));
        if (!qv::isNumeric(frequencyText)) {
            return;
        }
        const float mhz = static_cast<float>(qv::leadingNumber(frequencyText) / 1000);
        now = now.addSeconds(60);
        store.add(call, mhz, now);
        list.add(call, mhz, spotText);
        check(list.rows().size() <= qv::SpotList::kMaxRows);
    }
    static bool spotLabelOk(std::string_view call) {
        const std::string label = qv::spotLabel(call);
        // A numeric suffix follows the call's letters before its first digit.
        return label.size() <= 2 * call.size();
    }

    qv::SpotStore store;
    qv::SpotList list;
    qv::DateTime now = kStart;
    std::vector<std::string> seen;
};

void checkTnc(const qv::TncLineAssembler& tnc, const qv::ReceiveBox& box) {
    const std::string& buffer = tnc.buffer();
    check(!buffer.empty() && buffer[0] == '\n');
    check(buffer.find('\n', 1) == std::string::npos);
    check(buffer.size() <= qv::TncLineAssembler::kMaxLine + 1);
    check(box.text().size() <= qv::ReceiveBox::kLimit);
}

void layOut(const qv::SpotStore& store, const qv::DateTime& now) {
    for (const char* band : {"160", "80", "40", "20", "15", "10", "6", "2", "70"}) {
        const qv::BandMapLayout map = qv::layoutBandMap(store, band, now, -5);
        check(map.scale.low <= map.scale.high);
        for (const qv::SpotLabel& label : map.labels) {
            check(label.slot < qv::SpotStore::kSlots);
            check(label.position >= 0 && label.position <= 1);
        }
    }
    const qv::SpectrumLayout spectrum = qv::layoutSpectrum(store, now, 3);
    for (const qv::SpotLabel& label : spectrum.labels) {
        check(std::isfinite(label.position));
        check(label.row >= 0 && label.row < 11);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool dxOnly = (data[0] & 0x80) != 0;
    const std::size_t chunk = (data[0] & 0x7F) + 1u;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const qv::PrefixTable prefixes({{"JA", "Japan", "AS", -140, 36}, {"W", "USA", "NA", 95, 38}});

    // A TNC stream, whole and in chunks: the same lines must come out.
    StoringSink whole(prefixes);
    qv::TncLineAssembler tncWhole;
    qv::ReceiveBox boxWhole;
    tncWhole.receive(text, boxWhole, dxOnly, whole);
    checkTnc(tncWhole, boxWhole);

    StoringSink chunked(prefixes);
    qv::TncLineAssembler tnc;
    qv::ReceiveBox box;
    for (std::size_t pos = 0; pos < text.size(); pos += chunk) {
        tnc.receive(text.substr(pos, chunk), box, dxOnly, chunked);
        checkTnc(tnc, box);
    }
    check(box.text() == boxWhole.text());
    check(chunked.seen == whole.seen);
    check(tnc.buffer() == tncWhole.buffer());

    // One Telnet arrival.
    qv::telnetArrival(text, box, dxOnly, chunked);
    check(box.text().size() <= qv::ReceiveBox::kLimit);

    // Packet-engine frames parted at each 0x01: kind, sender up to a blank, data.
    std::size_t start = 0;
    bool connected = false;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\x01', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        qv::EngineFrame frame;
        if (!part.empty()) {
            frame.kind = part[0];
            const std::string_view rest = part.substr(1);
            const std::size_t blank = std::min(rest.find(' '), rest.size());
            frame.from = std::string(rest.substr(0, blank));
            frame.data = std::string(rest.substr(std::min(blank + 1, rest.size())));
        }
        qv::engineFrameArrival(frame, connected ? frame.from : std::string(), box, dxOnly, chunked);
        check(box.text().size() <= qv::ReceiveBox::kLimit);
        connected = !connected;
        start = end + 1;
    }

    layOut(chunked.store, chunked.now);
    layOut(chunked.store, kStart);
    chunked.store.remove(static_cast<std::size_t>(data[0]) % 64);
    layOut(chunked.store, chunked.now.addSeconds(-3000));
    return 0;
}
