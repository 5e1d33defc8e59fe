#include "kit/WebPages.h"

#include "ui/LinkLabel.h"
#include "ui/Platform.h"

#include <QString>

namespace velmora::kit {
namespace {

struct Page {
    PageKey key;
    std::string_view address;
};

constexpr std::array<Page, 5> kPages = {{
    {PageKey::HelpWebPage, "https://velmora.example/suite/ssd.php?page=help-web-page"},
    {PageKey::HomePage, "https://velmora.example/suite/ssd.php?page=home-page"},
    {PageKey::DownloadWebPage, "https://velmora.example/suite/ssd.php?page=download-web-page"},
    {PageKey::FullyBranded, "https://velmora.example/suite/ssd.php?page=fully-branded"},
    {PageKey::CoBrand, "https://velmora.example/suite/ssd.php?page=co-brand"},
}};

} // namespace

std::string_view pageAddress(PageKey page)
{
    for (const Page& entry : kPages) {
        if (entry.key == page)
            return entry.address;
    }
    return {};
}

void OpenWebPage(ui::Platform& platform, PageKey page)
{
    const std::string_view address = pageAddress(page);
    platform.openWebPage(nullptr, QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
}

void connectLinkLabels(QWidget& window, std::span<const LinkControl> links, ui::Platform& platform)
{
    const QString windowName = window.objectName();
    for (const LinkControl& link : links) {
        if (windowName != QLatin1String(link.window.data(), static_cast<qsizetype>(link.window.size())))
            continue;
        const QString controlName = QLatin1String(link.control.data(), static_cast<qsizetype>(link.control.size()));
        auto* label = window.findChild<ui::LinkLabel*>(controlName);
        if (!label)
            continue;
        const PageKey page = link.page;
        QObject::connect(label, &ui::LinkLabel::clicked, label, [&platform, page] { OpenWebPage(platform, page); });
    }
}

} // namespace velmora::kit
