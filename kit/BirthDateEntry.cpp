#include "kit/BirthDateEntry.h"

#include "ui/Platform.h"

#include <QComboBox>
#include <QStringList>

namespace velmora::kit {

void fillBirthDateLists(QComboBox* month, QComboBox* day, QComboBox* year, int firstYear, int lastYear)
{
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days.append(QString::number(d));
    QStringList years;
    for (int y = firstYear; y <= lastYear; ++y)
        years.append(QString::number(y));
    for (const std::string_view name : kMonthNames)
        month->addItem(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
    day->addItems(days);
    year->addItems(years);
    for (QComboBox* list : {month, day, year})
        list->setCurrentIndex(0);
}

void selectListEntry(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
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

bool acceptBirthDate(ui::Platform& platform, QWidget* window, Person person, const QComboBox* month,
                     const QComboBox* day, const QComboBox* year)
{
    const DateProblem problem = CheckBirthDate(year->currentText().toInt(), month->currentIndex(), day->currentIndex());
    if (problem == DateProblem::None)
        return true;
    platform.showMessage(window, dateMessage(person, problem), ui::MessageIcon::Information);
    return false;
}

} // namespace velmora::kit
