#include "Platform.h"

#include "RtfWriter.h"

namespace velmora::ui {

bool Platform::saveRichText(const QTextDocument& document, const QString& path)
{
    return writeFile(path, toRtf(document));
}

} // namespace velmora::ui
