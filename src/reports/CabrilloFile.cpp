#include "reports/CabrilloFile.h"

namespace qv {

CabrilloWriteResult WriteCabrilloFile(FileStore& files, const CabrilloHeader& header,
                                      const OperatingState& totals,
                                      const std::vector<ContactRecord>& contacts) {
    CabrilloWriteResult result;
    result.fileName = cabrilloFileName(header.ownCall);
    result.status = files.replace(result.fileName, cabrilloText(header, totals, contacts));
    return result;
}

} // namespace qv
