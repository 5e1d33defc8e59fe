#pragma once

#include <array>
#include <string_view>

class QString;
class QWidget;

namespace velmora::ui {
class Platform;
}

// The publisher's web pages that the suite opens, and which clickable
// control of which window opens which page.
namespace velmora::kit::modHelp {

enum class PageKey { HelpWebPage, HomePage, DownloadWebPage, FullyBranded, CoBrand };

// The publisher's site, as the reports' credit lines name it.
inline constexpr std::string_view kPublisherSite = "https://velmora.example/suite/";

// Each page's complete address: the site, "ssd.php?page=" and the page key.
std::string_view pageAddress(PageKey page);
// Hands the page to the browser; a page that cannot be opened fails silently.
void OpenWebPage(ui::Platform& platform, PageKey page);

struct LinkControl {
    std::string_view window;
    std::string_view control;
    PageKey page;
};

// Every banner, offer and link label of every window, with its page.
extern const std::array<LinkControl, 35> kLinkControls;

// Makes the window's link controls (found by name) open their pages.
void connectLinkLabels(QWidget& window, ui::Platform& platform);

} // namespace velmora::kit::modHelp
