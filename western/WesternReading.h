#pragma once

#include <QString>

namespace velmora::western {

// The last Western calculation: the eight entries as typed (trimmed) and the
// two sun signs. The entry window writes it; the result and report windows
// and the saved-reading file read it. It lives until the next calculation.
struct WesternReadingRecord {
    QString UserName;
    QString UserMonth;
    QString UserDay;
    QString UserYear;
    QString PartnerName;
    QString PartnerMonth;
    QString PartnerDay;
    QString PartnerYear;
    QString UserSign;
    QString PartnerSign;
};

WesternReadingRecord& WesternReading();

} // namespace velmora::western
