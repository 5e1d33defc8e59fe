// libFuzzer target for web-address detection: for any text the ranges found
// lie inside the text, in order and apart, each non-empty and no longer than
// the browser's buffer, and each starts as an address does.
#include "ui/LinkDetection.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int end = 0;
    for (const velmora::ui::LinkRange& link : velmora::ui::findLinks(text)) {
        if (link.start < end || link.length <= 0 || link.length > velmora::ui::kLinkBufferLength
            || link.start + link.length > text.size())
            std::abort();
        const QString address = text.mid(link.start, link.length);
        if (!address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
            && !address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
            && !address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            std::abort();
        end = link.start + link.length;
    }
    return 0;
}
