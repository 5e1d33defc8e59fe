#include "modHelp.h"

#include "LinkLabel.h"
#include "Platform.h"

#include <QString>

namespace velmora::kit::modHelp {
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

constexpr PageKey kHome = PageKey::HomePage;
constexpr PageKey kFull = PageKey::FullyBranded;
constexpr PageKey kCo = PageKey::CoBrand;

} // namespace

const std::array<LinkControl, 35> kLinkControls = {{
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
}};

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

void connectLinkLabels(QWidget& window, ui::Platform& platform)
{
    const QString windowName = window.objectName();
    for (const LinkControl& link : kLinkControls) {
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

} // namespace velmora::kit::modHelp
