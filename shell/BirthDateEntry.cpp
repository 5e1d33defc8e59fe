#include "BirthDateEntry.h"

#include "Platform.h"

#include <QComboBox>
#include <QStringList>

#include <array>

namespace velmora::shell {
namespace {

constexpr int kFebruary = 1;
constexpr std::array<int, 4> kThirtyDayMonths = {3, 5, 8, 10}; // April, June, September, November
constexpr int kThirtyFirst = 30;

// The Gregorian rule: 1900 and 2100 have no 29 February, 2000 has one.
constexpr bool isLeapYear(int year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

void FillBirthDateLists(QComboBox* month, QComboBox* day, QComboBox* year, int firstYear, int lastYear)
{
    static const QStringList months = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days.append(QString::number(d));
    QStringList years;
    for (int y = firstYear; y <= lastYear; ++y)
        years.append(QString::number(y));
    month->addItems(months);
    day->addItems(days);
    year->addItems(years);
    for (QComboBox* list : {month, day, year})
        list->setCurrentIndex(0);
}

void SelectListEntry(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

DateProblem CheckBirthDate(int year, int monthPosition, int dayPosition) noexcept
{
    const int firstMissingFebruaryDay = isLeapYear(year) ? 29 : 28; // positions of the 30th or the 29th
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

bool AcceptBirthDate(ui::Platform& platform, QWidget* window, Person person, const QComboBox* month,
                     const QComboBox* day, const QComboBox* year)
{
    const DateProblem problem = CheckBirthDate(year->currentText().toInt(), month->currentIndex(), day->currentIndex());
    if (problem == DateProblem::None)
        return true;
    platform.showMessage(window, dateMessage(person, problem), ui::MessageIcon::Information);
    return false;
}

} // namespace velmora::shell
