#include "circle/Calculator.h"

#include "circle/CircleWindow.h"
#include "kit/WindowHost.h"

#include <array>

namespace velmora::circle {
namespace {

constexpr std::array<std::string_view, 1> kWindows = {CircleWindow::kWindowName};

// Five friends typed in, one of them without a birth year, one without a
// blood type; the last step says who the user is.
constexpr auto kSampleSteps = std::to_array<kit::SampleStep>({
    {"txtName", "Anna Lindqvist"}, {"cboDay", "5"},   {"cboMonth", "March"},    {"cboYear", "1980"},
    {"cboBloodType", "A+"},        {"cmdAdd", {}},    {"txtName", "Tomas Brandt"}, {"cboDay", "2"},
    {"cboMonth", "August"},        {"cboYear", "1978"}, {"cboBloodType", "O-"},   {"cmdAdd", {}},
    {"txtName", "Mei Lin Chen"},   {"cboDay", "15"},  {"cboMonth", "January"},  {"cboYear", "Not known"},
    {"cboBloodType", "B+"},        {"cmdAdd", {}},    {"txtName", "Omar Haddad"}, {"cboDay", "20"},
    {"cboMonth", "October"},       {"cboYear", "1981"}, {"cboBloodType", "Not known"}, {"cmdAdd", {}},
    {"txtName", "Nadia Fares"},    {"cboDay", "29"},  {"cboMonth", "February"}, {"cboYear", "1984"},
    {"cboBloodType", "AB-"},       {"cmdAdd", {}},    {"cboYou", "Anna Lindqvist"},
});
constexpr auto kSampleViews = std::to_array<kit::SampleView>({{"ranking", 0}, {"picture", 1}, {"people", 2}});

} // namespace

const kit::Calculator kCalculator{
    .key = "circle",
    .title = "Circle",
    .icon = ":/icons/velmora.svg",
    .button = std::nullopt,
    .menuItem = kit::FileMenuItem{"C&ircle...", "mnuCircle"},
    .windows = kWindows,
    .links = {},
    .open = kit::openWindow<CircleWindow>,
    .sample = {.steps = kSampleSteps,
               .resultWindow = {},
               .tabs = "tabsCircle",
               .views = kSampleViews,
               .reportButton = {},
               .reportWindow = {}},
};

} // namespace velmora::circle
