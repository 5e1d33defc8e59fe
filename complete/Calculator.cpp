#include "complete/Calculator.h"

#include "complete/ReadingWindow.h"
#include "kit/WindowHost.h"

#include <array>

namespace velmora::complete {
namespace {

constexpr std::array<std::string_view, 1> kWindows = {ReadingWindow::kWindowName};

constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtName", "Anna Lindqvist"},
    {"cboDay", "5"},
    {"cboMonth", "March"},
    {"cboYear", "1980"},
    {"cboBloodType", "A+"},
    {"txtPartnerName", "Tomas Brandt"},
    {"cboPartnerDay", "2"},
    {"cboPartnerMonth", "August"},
    {"cboPartnerYear", "1978"},
    {"cboPartnerBloodType", "O-"},
    {"cmdRead", {}},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({{"reading", 0}});

} // namespace

const kit::Calculator kCalculator{
    .key = "complete",
    .title = "Complete Reading",
    .icon = ":/icons/velmora.svg",
    .button = std::nullopt,
    .menuItem = kit::FileMenuItem{"&Complete Reading...", "mnuCompleteReading"},
    .windows = kWindows,
    .links = {},
    .open = kit::openWindow<ReadingWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = {},
               .tabs = {},
               .views = kSampleViews,
               .reportButton = {},
               .reportWindow = {}},
};

} // namespace velmora::complete
