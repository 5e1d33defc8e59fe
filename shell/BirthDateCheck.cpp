#include "BirthDateCheck.h"

#include <array>

namespace velmora::shell {
namespace {

constexpr int kFebruary = 1;
constexpr std::array<int, 4> kThirtyDayMonths = {3, 5, 8, 10}; // April, June, September, November
constexpr int kThirtyFirst = 30;

} // namespace

DateProblem CheckBirthDate(int year, int monthPosition, int dayPosition) noexcept
{
    const int firstMissingFebruaryDay = year % 4 == 0 ? 29 : 28; // positions of the 30th or the 29th
    if (monthPosition == kFebruary && dayPosition >= firstMissingFebruaryDay && dayPosition <= kThirtyFirst)
        return DateProblem::NoSuchFebruaryDay;
    for (const int month : kThirtyDayMonths) {
        if (monthPosition == month && dayPosition == kThirtyFirst)
            return DateProblem::NoThirtyFirst;
    }
    return DateProblem::None;
}

QString dateMessage(Person person, DateProblem problem)
{
    const QString whose = person == Person::User ? QStringLiteral("Your") : QStringLiteral("Your Partner's");
    switch (problem) {
    case DateProblem::NoSuchFebruaryDay: return QStringLiteral("Please Enter %1 Correct Date Or Month!").arg(whose);
    case DateProblem::NoThirtyFirst: return QStringLiteral("Please Enter %1 Correct Date Or Month !").arg(whose);
    case DateProblem::None: break;
    }
    return {};
}

} // namespace velmora::shell
