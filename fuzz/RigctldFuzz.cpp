// Feeds arbitrary bytes to the reader of rigctld's answers, whole and cut at every
// point as the network may cut them, and to the reader of "rigctl -l" with the
// model search. Nothing may crash or hang, a frequency is always finite, the
// reader never takes more than it was given, and what it leaves is taken once the
// rest arrives.

#include "rig/RigctldProtocol.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkReply(const qv::RigctldReply& reply, std::size_t size) {
    check(reply.consumed <= size);
    if (reply.frequencyMHz) {
        check(std::isfinite(*reply.frequencyMHz) && *reply.frequencyMHz >= 0);
    }
    if (reply.modeText) {
        check(*reply.modeText == "CW" || *reply.modeText == "PH" || *reply.modeText == "AM" ||
              *reply.modeText == "FM");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    checkReply(qv::decodeRigctldReply(input), input.size());

    // Cut where the first byte says: what the first part leaves, with the rest,
    // is read to the end once the text ends with a line break.
    if (!input.empty()) {
        const std::size_t cut = static_cast<unsigned char>(input[0]) % (input.size() + 1);
        const qv::RigctldReply first = qv::decodeRigctldReply(input.substr(0, cut));
        checkReply(first, cut);
        std::string rest(input.substr(first.consumed));
        rest += "\n\n";
        const qv::RigctldReply second = qv::decodeRigctldReply(rest);
        checkReply(second, rest.size());
        check(second.consumed == rest.size());
    }

    const std::vector<qv::HamlibModel> models = qv::parseHamlibModels(input);
    for (const qv::HamlibModel& model : models) {
        check(model.number > 0 && !model.model.empty());
    }
    const std::string_view typed = input.substr(0, std::min<std::size_t>(input.size(), 8));
    if (const auto found = qv::findHamlibModel(models, typed, size)) {
        check(*found < models.size());
    }
    return 0;
}
