#include "reports/AdifExport.h"

#include "reports/AdifWriter.h"
#include "reports/ReportMessages.h"

namespace qv {
namespace {

Status readCountries(const FileContents& file, AdifCountryTable& table) {
    switch (file.error) {
    case FileContents::Error::NotFound:
        return Status::failure(std::string(AdifCountryTable::kFileName) + " is missing");
    case FileContents::Error::Unreadable:
        return Status::failure(std::string(AdifCountryTable::kFileName) + " cannot be read (" +
                               file.reason + ")");
    case FileContents::Error::None:
        break;
    }
    return table.load(file.bytes);
}

Status tryExport(Dialogs& dialogs, Clock& clock, FileStore& files, const FileContents& countryFile,
                 const ContestLog& log, std::string_view programTitle) {
    const MessageText question = adifPowerQuestion();
    const std::string power = dialogs.inputBox(question.title, question.text, {});
    AdifCountryTable countries;
    if (Status read = readCountries(countryFile, countries); !read) {
        return read;
    }
    // The general date-and-time form the main window's status line uses too.
    const DateTime now = clock.localNow();
    const std::string exportedOn = std::to_string(now.month()) + "/" + std::to_string(now.day()) +
                                   "/" + std::to_string(now.year()) + " " + now.timeText();
    return files.replace(kAdifFileName,
                         adifText(log.records(), countries, power, programTitle, exportedOn));
}

} // namespace

Status ExportAdifFile(Dialogs& dialogs, Beeper& beeper, Clock& clock, FileStore& workingFiles,
                      const FileContents& countryFile, const ContestLog& log,
                      std::string_view programTitle) {
    Status result = tryExport(dialogs, clock, workingFiles, countryFile, log, programTitle);
    if (result) {
        const MessageText done = adifWrittenMessage(workingFiles.directory());
        dialogs.messageBox(done.title, done.text, MessageButtons::Ok, MessageIcon::Information);
    } else {
        beeper.beep();
        const MessageText failed = adifFailedMessage();
        dialogs.messageBox(failed.title, failed.text, MessageButtons::Ok, MessageIcon::Critical);
    }
    return result;
}

} // namespace qv
