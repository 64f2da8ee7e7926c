#include "app/SpottingTexts.h"

#include "base/Cp1252.h"

namespace qv {
namespace {

constexpr const char* kTwoCrLf = "\r\n\r\n";

// The help paragraphs, each followed by CR LF CR LF when shown.
constexpr const char* kGeneral[] = {
    "Use this form to configure your DX spotting options.  After you make your selections, a "
    "list or band map will display on the main form (as selected here) to keep you updated on "
    "the latest packet spots.",
    "The list will show the last 2-3 posts on the main form depending on your screen size.  The "
    "band map will display the prefixes posted for your current band.  To see the whole call "
    "and frequency, move your mouse over the prefix and observe either the tool tip or the "
    "Possible Duplicates box.",
    "The program keeps the last 50 DX posts regardless of band in memory. Your band map will "
    "cycle through these posts as they are received.  Posts received within the last 10 "
    "minutes will be yellow; posts 10-30 minutes old will be white and posts 30-60 minutes old "
    "will be gray.",
    "If you are using the program's rig control features, you can right click any spot "
    "displayed on the main form's band map or HF spectrum map to tune your rig to the spot "
    "frequency. Right clicking will not change frequency when displaying the DX spots in list "
    "mode.",
};
constexpr const char* kTelnet[] = {
    "If you have an Internet connection (either telephone line or high speed), the Telnet "
    "option is very easy to implement.  Just connect to the Internet by your regular ISP and "
    "click Open on this form.  Type your call sign when prompted and press enter.",
};
constexpr const char* kTnc[] = {
    "To use a Packet TNC, you will have to check your modem documentation for the proper "
    "serial port settings.  Use either Crtl C or the Esc key to send the Hex character to put "
    "your TNC in command mode (you do not have to press enter to send the Hex character).  "
    "Otherwise, just type and press enter to send text.",
    "One nice feature with the packet option is that you don't actually have to connect to "
    "another packet station.  Just click the DX Only check box so that only packets identified "
    "as DX will be displayed.  As long as DX posts are being transmitted the software will "
    "check recent posts to eliminate duplicate posts.  Even if you are connected, it is a good "
    "idea to check this box to eliminate miscellaneous comments, etc.",
};
// The engine is any program that speaks the AGW Packet Engine's TCP interface.
const std::string kEngine[] = {
    "This program will also interface with the AGW Packet Engine, or with any packet engine "
    "that speaks its TCP/IP interface (direwolf and others on Linux).  The packet engine will "
    "interface with your existing sound card (or TNC including Baypac) to send and receive "
    "Packet.  To use a packet engine:",
    std::string("The AGW Packet Engine can be downloaded from ") + kEngineDownload +
        "; the interface it offers other programs is described at " + kEngineProtocol + ".",
    "The file to download is AGWPE.zip.  Instructions for use are on this website as well.",
    "- Run the Packet Engine software and configure it as described on the AGW Packet Engine "
    "website for your sound card or TNC (direwolf: its AGWPORT, normally 8000).",
    "- Click Open from this program.",
    "To send a connect request using the AGW packet engine, type in the format of",
    ":C Velmark     or to disconnect :D",
    "and press enter (you can also use the Esc key to add a colon).",
};
constexpr const char* kClosing[] = {
    "When you have configured your DX spotting options, click Open to initiate the "
    "communication.  Then click Done to return to the main form.",
    "If the list is being displayed on the main form, you can click on it to quickly return to "
    "this form.  To return the main form to the original display, select None from the "
    "spotting options.",
};
constexpr const char* kHardware[] = {
    "This code was developed and tested with a Kantronics KPC3+ TNC.  I look forward to "
    "hearing about your experiences with different hardware.",
};

template <typename Paragraphs> void addParagraphs(std::string& out, const Paragraphs& paragraphs) {
    for (const auto& p : paragraphs) {
        out += p;
        out += kTwoCrLf;
    }
}

const std::string kUnableFirst =
    "Unable to connect to the AGW Packet Engine.  To use the AGW Packet Engine to send and "
    "receive packet with your soundcard or devices such a Baypac:";
const std::string kDownloadLine = std::string("- Download the freely available software from ") +
                                  kEngineDownload +
                                  " (or run another packet engine that speaks its TCP/IP "
                                  "interface, such as direwolf, on the port set as AGWPort)";

} // namespace

std::string spottingHelp(std::string_view kind) {
    std::string help;
    if (equalsIgnoreCase(kind, "None")) {
        addParagraphs(help, kGeneral);
        addParagraphs(help, kTelnet);
        addParagraphs(help, kTnc);
        addParagraphs(help, kEngine);
        addParagraphs(help, kClosing);
        addParagraphs(help, kHardware);
    } else if (equalsIgnoreCase(kind, "TNC")) {
        addParagraphs(help, kTnc);
        addParagraphs(help, kClosing);
        addParagraphs(help, kHardware);
    } else if (equalsIgnoreCase(kind, "Telnet")) {
        addParagraphs(help, kTelnet);
        addParagraphs(help, kClosing);
    } else {
        addParagraphs(help, kEngine);
        addParagraphs(help, kClosing);
        addParagraphs(help, kHardware);
    }
    return help;
}

std::string engineUnreachableMessage() {
    return kUnableFirst + kTwoCrLf + kDownloadLine + kTwoCrLf +
           "- Make sure the AGW Packet Engine software is running and configure it as "
           "described on the AGW Packet Engine website.";
}

std::string engineUnreachableNote() {
    return kUnableFirst + kTwoCrLf + kDownloadLine + kTwoCrLf +
           "- Run the Packet Engine software and configure it as described on the AGW Packet "
           "Engine website for your sound card or TNC." +
           kTwoCrLf + "- Click Open from this program." + kTwoCrLf;
}

} // namespace qv
