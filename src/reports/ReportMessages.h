#pragma once

// The message boxes of the report writers: titles and texts as the operator
// sees them.

#include <string>
#include <string_view>

namespace qv {

struct MessageText {
    std::string title;
    std::string text;
};

// After a Cabrillo file was written under fileName in directory.
MessageText cabrilloWrittenMessage(std::string_view fileName, std::string_view directory);
// The closing box after the Cabrillo file.
MessageText cabrilloThanksMessage();

// The input box that asks for the transmit power of the ADIF export.
MessageText adifPowerQuestion();
MessageText adifWrittenMessage(std::string_view directory);
MessageText adifFailedMessage();

} // namespace qv
