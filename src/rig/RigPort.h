#pragma once

#include "base/Status.h"
#include "rig/RigConfig.h"
#include "rig/serial/SerialLink.h"

namespace qv {

// Opens the rig's port for the configured radio: closed first if open, the port
// number, RTS/CTS for the two radios that need it, the settings, both modem
// lines down, open, the line that powers the interface raised, then the bytes a
// radio wants right after the open. A failing step skips the rest.
[[nodiscard]] Status OpenRigPort(SerialLink& link, const RigConfig& config);

} // namespace qv
