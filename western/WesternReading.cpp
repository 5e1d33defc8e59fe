#include "WesternReading.h"

namespace velmora::western {

WesternReadingRecord& WesternReading()
{
    static WesternReadingRecord record;
    return record;
}

} // namespace velmora::western
