#include "reports/ReportMessages.h"

#include "reports/CabrilloWriter.h"
#include "reports/MakerDetails.h"

namespace qv {

MessageText cabrilloWrittenMessage(std::string_view fileName, std::string_view directory) {
    std::string text;
    if (fileName == kCabrilloDefaultFileName) {
        text = "The file ASCIICab.txt has been written in your program's working directory ";
        text += directory;
        text += ".  Using Windows Explorer, navigate to this file and rename it as yourcall.log "
                "(ex: W1AW.log).  Attach this file to an email addressed to ";
        text += maker::kLogSubmissionAddress;
        text += ".  If you wish to print this files, you can open it with a text editor such as "
                "Windows Notepad.";
    } else {
        text = "The file ";
        text += fileName;
        text += " has been written in your program's working directory ";
        text += directory;
        text += ".  Attach this file to an email addressed to ";
        text += maker::kLogSubmissionAddress;
        text += ".  If you wish to print this file, you can open it with a text editor such as "
                "Windows Notepad.";
    }
    return {"Log Written Successfully!", std::move(text)};
}

MessageText cabrilloThanksMessage() {
    return {"  Thanks!", std::string("Thanks for using this program.  I hope that you enjoyed "
                                     "it!  If so, please tell a friend!\r\n\r\n") +
                             maker::kSignOff};
}

MessageText adifPowerQuestion() {
    return {"Please enter the power value.",
            "Please enter the power value you would like to record."};
}

MessageText adifWrittenMessage(std::string_view directory) {
    return {"File Written Successfully.",
            "The file Quorvex.adi was successfuly written to the directory " +
                std::string(directory) + "."};
}

MessageText adifFailedMessage() {
    return {"Unable to write file.",
            std::string("There was an error writing the file.  Please report the bug to ") +
                maker::kSupportContact + ".  Thanks and sorry for the problem."};
}

} // namespace qv
