#include "chinese/Calculator.h"

#include "chinese/EntryWindow.h"
#include "chinese/ReportWindow.h"
#include "chinese/ResultWindow.h"
#include "kit/WindowHost.h"

#include <array>

namespace velmora::chinese {
namespace {

using kit::PageKey;

constexpr std::array<std::string_view, 3> kWindows = {ResultWindow::kWindowName, EntryWindow::kWindowName,
                                                      ReportWindow::kWindowName};

constexpr auto kLinks = std::to_array<kit::LinkControl>({
    {EntryWindow::kWindowName, "Label1", PageKey::HomePage},
    {EntryWindow::kWindowName, "Label2", PageKey::HomePage},
    {EntryWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {EntryWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
    {ResultWindow::kWindowName, "Label1", PageKey::HomePage},
    {ResultWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {ResultWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
    {ReportWindow::kWindowName, "Label1", PageKey::HomePage},
    {ReportWindow::kWindowName, "Label14", PageKey::HomePage},
    {ReportWindow::kWindowName, "Label16", PageKey::FullyBranded},
});
static_assert(kit::eachLinkControlOnce(kLinks));
static_assert(kit::linksNameItsWindows(kLinks, kWindows));

constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtMaleName", "Mei Lin Chen"},
    {"CboMaleDate", "15"},
    {"cboMaleMonth", "January"},
    {"cboMaleYear", "1980"},
    {"txtFemaleName", "David Okafor"},
    {"cboFemaleDate", "20"},
    {"cboFemaleMonth", "February"},
    {"cboFemaleYear", "1985"},
    {"cmdProceed", {}},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({
    {"result-compatibility", 0},
    {"result-user", 1},
    {"result-partner", 2},
});

} // namespace

const kit::Calculator kCalculator{
    .key = "chinese",
    .title = "Chinese Zodiac Compatibility",
    .icon = ":/icons/chinese.svg",
    .button = kit::LauncherButton{.left = 720,
                                  .top = 188,
                                  .iconBox = "Picture3",
                                  .iconLeft = 120,
                                  .linkColour = {255, 255, 0},
                                  .linkLeft = 4080,
                                  .linkTop = 2760,
                                  .linkWidth = 3720},
    .menuItem = std::nullopt,
    .windows = kWindows,
    .links = kLinks,
    .open = kit::openWindow<EntryWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = ResultWindow::kWindowName,
               .tabs = "SSTab",
               .views = kSampleViews,
               .reportButton = "cmdPrint",
               .reportWindow = ReportWindow::kWindowName},
};

} // namespace velmora::chinese
