#include "bloodtype/Calculator.h"

#include "bloodtype/EntryWindow.h"
#include "bloodtype/ResultWindow.h"
#include "kit/WindowHost.h"

#include <array>

namespace velmora::bloodtype {
namespace {

using kit::PageKey;

constexpr std::array<std::string_view, 2> kWindows = {ResultWindow::kWindowName, EntryWindow::kWindowName};

constexpr auto kLinks = std::to_array<kit::LinkControl>({
    {EntryWindow::kWindowName, "Label61", PageKey::HomePage},
    {EntryWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {EntryWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
    {ResultWindow::kWindowName, "Label61", PageKey::HomePage},
    {ResultWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {ResultWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
});
static_assert(kit::eachLinkControlOnce(kLinks));
static_assert(kit::linksNameItsWindows(kLinks, kWindows));

constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtName", "HANA MORI"},
    {"cboSex", "Female"},
    {"cboBloodType", "B-"},
    {"txtPartnerName", "KENJI ARAI"},
    {"cboPartnerBloodType", "AB+"},
    {"cmdProceed", {}},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({
    {"result-compatibility", 1},
    {"result-personality", 0},
});

} // namespace

const kit::Calculator kCalculator{
    .key = "japanese",
    .title = "Japanese Astrology Compatibility",
    .icon = ":/icons/japanese.svg",
    .button = kit::LauncherButton{.left = 6480,
                                  .top = 188,
                                  .iconBox = "Picture4",
                                  .iconLeft = 5880,
                                  .linkColour = {0, 255, 0},
                                  .linkLeft = 3720,
                                  .linkTop = 4200,
                                  .linkWidth = 4335},
    .menuItem = std::nullopt,
    .windows = kWindows,
    .links = kLinks,
    .open = kit::openWindow<EntryWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = ResultWindow::kWindowName,
               .tabs = "SSTab1",
               .views = kSampleViews,
               .reportButton = {},
               .reportWindow = {}},
};

} // namespace velmora::bloodtype
