#pragma once

#include "kit/BirthDate.h"
#include "tests/support/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <chrono>

namespace velmora::testing {

// One person as a test enters them: a name and a birth date.
struct Person {
    QString name;
    std::chrono::year_month_day birthDate;
};

// The names of one person's inputs in an entry window.
struct PersonInputs {
    QString name;
    QString day;
    QString month;
    QString year;
};

// Types the person's name and picks their birth date in the window's lists;
// a list without the entry keeps its selection, as a user cannot pick it.
inline void enter(const QWidget* window, const PersonInputs& inputs, const Person& person)
{
    const std::chrono::year_month_day date = person.birthDate;
    control<QLineEdit>(window, inputs.name)->setText(person.name);
    control<QComboBox>(window, inputs.day)->setCurrentText(QString::number(static_cast<unsigned>(date.day())));
    const std::string_view month = kit::monthName(date.month());
    control<QComboBox>(window, inputs.month)
        ->setCurrentText(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    control<QComboBox>(window, inputs.year)->setCurrentText(QString::number(static_cast<int>(date.year())));
}

} // namespace velmora::testing
