#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace velmora::ui {
class Platform;
}

// The publisher's web pages that the suite opens, and the clickable controls
// that open them.
namespace velmora::kit {

enum class PageKey { HelpWebPage, HomePage, DownloadWebPage, FullyBranded, CoBrand };

// The publisher's site, as the reports' credit lines name it.
inline constexpr std::string_view kPublisherSite = "https://velmora.example/suite/";

// Each page's complete address: the site, "ssd.php?page=" and the page key.
std::string_view pageAddress(PageKey page);
// Hands the page to the browser; a page that cannot be opened fails silently.
void OpenWebPage(ui::Platform& platform, PageKey page);

// A banner, offer or link label of a window (both by name) and its page.
struct LinkControl {
    std::string_view window;
    std::string_view control;
    PageKey page;
};

// No control is listed twice.
constexpr bool eachLinkControlOnce(std::span<const LinkControl> links)
{
    for (std::size_t i = 0; i < links.size(); ++i)
        for (std::size_t j = i + 1; j < links.size(); ++j)
            if (links[i].window == links[j].window && links[i].control == links[j].control)
                return false;
    return true;
}

// Makes the window's link controls among `links` (found by name) open their
// pages; rows of other windows are passed over.
void connectLinkLabels(QWidget& window, std::span<const LinkControl> links, ui::Platform& platform);

} // namespace velmora::kit
