#include "egyptian/Calculator.h"

#include "egyptian/EntryWindow.h"
#include "egyptian/ResultWindow.h"
#include "kit/WindowHost.h"

#include <array>

namespace velmora::egyptian {
namespace {

using kit::PageKey;

constexpr std::array<std::string_view, 2> kWindows = {ResultWindow::kWindowName, EntryWindow::kWindowName};

constexpr auto kLinks = std::to_array<kit::LinkControl>({
    {EntryWindow::kWindowName, "Label61", PageKey::HomePage},
    {EntryWindow::kWindowName, "Label7", PageKey::FullyBranded},
    {ResultWindow::kWindowName, "Label61", PageKey::HomePage},
    {ResultWindow::kWindowName, "Label1", PageKey::FullyBranded},
});
static_assert(kit::eachLinkControlOnce(kLinks));
static_assert(kit::linksNameItsWindows(kLinks, kWindows));

constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtName", "NADIA FARES"},
    {"cmbDate", "15"},
    {"cmbMonth", "May"},
    {"cmbYear", "1984"},
    {"txtPartnerName", "OMAR HADDAD"},
    {"cmbPartnerDate", "20"},
    {"cmbPartnerMonth", "October"},
    {"cmbPartnerYear", "1981"},
    {"Command1", {}},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({
    {"result-user", 0},
    {"result-partner", 1},
    {"result-compatibility", 2},
});

} // namespace

const kit::Calculator kCalculator{
    .key = "egyptian",
    .title = "Egyptian Astrology Compatibility",
    .icon = ":/icons/egyptian.svg",
    .button = kit::LauncherButton{.left = 3600,
                                  .top = 180,
                                  .iconBox = "Picture2",
                                  .iconLeft = 3000,
                                  .linkColour = {255, 0, 255},
                                  .linkLeft = 3840,
                                  .linkTop = 3480,
                                  .linkWidth = 4215},
    .menuItem = std::nullopt,
    .windows = kWindows,
    .links = kLinks,
    .open = kit::openWindow<EntryWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = ResultWindow::kWindowName,
               .tabs = "tabSelect",
               .views = kSampleViews,
               .reportButton = {},
               .reportWindow = {}},
};

} // namespace velmora::egyptian
