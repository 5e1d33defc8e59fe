#include "western/Calculator.h"

#include "kit/WindowHost.h"
#include "western/EntryWindow.h"
#include "western/ReportWindow.h"
#include "western/ResultWindow.h"

#include <array>

namespace velmora::western {
namespace {

using kit::PageKey;

constexpr std::array<std::string_view, 3> kWindows = {ResultWindow::kWindowName, EntryWindow::kWindowName,
                                                      ReportWindow::kWindowName};

constexpr auto kLinks = std::to_array<kit::LinkControl>({
    {EntryWindow::kWindowName, "Label14", PageKey::HomePage},
    {EntryWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {EntryWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
    {ResultWindow::kWindowName, "Label24", PageKey::HomePage},
    {ResultWindow::kWindowName, "lblHyperlink", PageKey::HomePage},
    {ResultWindow::kWindowName, "lblFullBrand", PageKey::FullyBranded},
    {ResultWindow::kWindowName, "lblCobrand", PageKey::CoBrand},
    {ReportWindow::kWindowName, "Label1", PageKey::HomePage},
    {ReportWindow::kWindowName, "Label14", PageKey::HomePage},
    {ReportWindow::kWindowName, "Label9", PageKey::FullyBranded},
});
static_assert(kit::eachLinkControlOnce(kLinks));
static_assert(kit::linksNameItsWindows(kLinks, kWindows));

constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtNameM", "Anna Lindqvist"},
    {"cboMonthM", "March"},
    {"cboDateM", "5"},
    {"cboYearM", "1980"},
    {"txtNameF", "Tomas Brandt"},
    {"cboMonthF", "August"},
    {"cboDateF", "2"},
    {"cboYearF", "1978"},
    {"cmdSunSign", {}},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({
    {"result-compatibility", 0},
    {"result-user", 1},
    {"result-partner", 2},
});

} // namespace

const kit::Calculator kCalculator{
    .key = "western",
    .title = "Zodiac Compatibility",
    .icon = ":/icons/western.svg",
    .button = kit::LauncherButton{.left = 9360,
                                  .top = 188,
                                  .iconBox = "Picture5",
                                  .iconLeft = 8760,
                                  .linkColour = {0, 255, 255},
                                  .linkLeft = 4800,
                                  .linkTop = 4920,
                                  .linkWidth = 2610},
    .menuItem = std::nullopt,
    .windows = kWindows,
    .links = kLinks,
    .open = kit::openWindow<EntryWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = ResultWindow::kWindowName,
               .tabs = "TS",
               .views = kSampleViews,
               .reportButton = "cmdSave",
               .reportWindow = ReportWindow::kWindowName},
};

} // namespace velmora::western
