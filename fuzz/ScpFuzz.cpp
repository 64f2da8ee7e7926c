// Feeds arbitrary bytes to the master-list reader and queries the index built
// from whatever it accepted. Nothing may crash or read out of bounds; every call
// kept is a call, and every answer holds what was asked.

#include "scp/CallIndex.h"
#include "scp/MasterList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::MasterListText list = qv::parseMasterList(text);
    if (!list.ok()) {
        if (!list.calls.empty()) {
            std::abort(); // refused, yet calls were kept
        }
        return 0;
    }
    for (const std::string& call : list.calls) {
        if (call.empty() || call.size() > qv::kMaxListedCall ||
            call.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/") != std::string::npos) {
            std::abort();
        }
    }
    const qv::CallIndex index(list.calls);
    // The first call and a piece of it as the typed text.
    const std::string& first = list.calls.front();
    const std::string part = first.substr(first.size() / 2);
    for (std::uint32_t id : index.containing(part, 20)) {
        if (index.call(id).find(part) == std::string_view::npos) {
            std::abort();
        }
    }
    if (index.find(first) != 0u) {
        std::abort();
    }
    (void)index.oneEditAway(first, 20);
    (void)index.oneEditAway(text.substr(0, 12), 20);
    (void)index.containing(text.substr(0, 8), 20);
    return 0;
}
