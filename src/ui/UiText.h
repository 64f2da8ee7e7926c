#pragma once

#include <string_view>

#include <QString>

namespace qv {

// A label caption as the window shows it: "&&" stands for one "&".
QString captionText(std::string_view caption);

} // namespace qv
