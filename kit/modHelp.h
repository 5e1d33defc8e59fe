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

namespace detail {
inline constexpr PageKey kHome = PageKey::HomePage;
inline constexpr PageKey kFull = PageKey::FullyBranded;
inline constexpr PageKey kCo = PageKey::CoBrand;
} // namespace detail

// Every banner, offer and link label of every window, with its page.
inline constexpr auto kLinkControls = [] {
    using namespace detail;
    return std::to_array<LinkControl>({
        {"frmMDI", "lblOrbenlyBanner", kHome},
        {"frmMDI", "Picture6", kHome},
        {"frmMDI", "Label7", kFull},
        {"frmAbout", "lblHomePage", kHome},
        {"frmAbout", "lblCoBrand", kFull},
        {"frmZodiacCompatibilityMain", "Label14", kHome},
        {"frmZodiacCompatibilityMain", "lblFullBrand", kFull},
        {"frmZodiacCompatibilityMain", "lblCobrand", kCo},
        {"frmZodiacCompatibilityDisplay", "Label24", kHome},
        {"frmZodiacCompatibilityDisplay", "lblHyperlink", kHome},
        {"frmZodiacCompatibilityDisplay", "lblFullBrand", kFull},
        {"frmZodiacCompatibilityDisplay", "lblCobrand", kCo},
        {"frmZodiacCompatibilitySave", "Label1", kHome},
        {"frmZodiacCompatibilitySave", "Label14", kHome},
        {"frmZodiacCompatibilitySave", "Label9", kFull},
        {"frmChineseZodiacCompatibilityMain", "Label1", kHome},
        {"frmChineseZodiacCompatibilityMain", "Label2", kHome},
        {"frmChineseZodiacCompatibilityMain", "lblFullBrand", kFull},
        {"frmChineseZodiacCompatibilityMain", "lblCobrand", kCo},
        {"frmChineseZodiacCompatibilityDisplay", "Label1", kHome},
        {"frmChineseZodiacCompatibilityDisplay", "lblFullBrand", kFull},
        {"frmChineseZodiacCompatibilityDisplay", "lblCobrand", kCo},
        {"frmChineseZodiacCompatibilitySave", "Label1", kHome},
        {"frmChineseZodiacCompatibilitySave", "Label14", kHome},
        {"frmChineseZodiacCompatibilitySave", "Label16", kFull},
        {"frmEgyptianAstrologyCompatibilityMain", "Label61", kHome},
        {"frmEgyptianAstrologyCompatibilityMain", "Label7", kFull},
        {"frmEgyptianAstrologyCompatibilityDisplay", "Label61", kHome},
        {"frmEgyptianAstrologyCompatibilityDisplay", "Label1", kFull},
        {"frmJapaneseAstrologyCompatibilityMain", "Label61", kHome},
        {"frmJapaneseAstrologyCompatibilityMain", "lblFullBrand", kFull},
        {"frmJapaneseAstrologyCompatibilityMain", "lblCobrand", kCo},
        {"frmJapaneseAstrologyCompatibilityDisplay", "Label61", kHome},
        {"frmJapaneseAstrologyCompatibilityDisplay", "lblFullBrand", kFull},
        {"frmJapaneseAstrologyCompatibilityDisplay", "lblCobrand", kCo},
    });
}();

// No control is listed twice.
constexpr bool eachLinkControlOnce()
{
    for (std::size_t i = 0; i < kLinkControls.size(); ++i)
        for (std::size_t j = i + 1; j < kLinkControls.size(); ++j)
            if (kLinkControls[i].window == kLinkControls[j].window
                && kLinkControls[i].control == kLinkControls[j].control)
                return false;
    return true;
}
static_assert(eachLinkControlOnce());

// Makes the window's link controls (found by name) open their pages.
void connectLinkLabels(QWidget& window, ui::Platform& platform);

} // namespace velmora::kit::modHelp
