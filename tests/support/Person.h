#pragma once

#include "kit/BirthDate.h"
#include "tests/support/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <chrono>
#include <utility>

namespace velmora::testing {

// One person as a test enters them in any window: each window takes what it
// asks for. Sex and blood type are written as the lists show them ("Female",
// "AB-"); an empty blood type is not given.
struct Person {
    Person(QString name, std::chrono::year_month_day birthDate, QString bloodType = {})
        : name(std::move(name)), birthDate(birthDate), bloodType(std::move(bloodType))
    {
    }
    // As the Japanese window takes them: no birth date.
    Person(QString name, QString sex, QString bloodType)
        : name(std::move(name)), sex(std::move(sex)), bloodType(std::move(bloodType))
    {
    }

    QString name;
    std::chrono::year_month_day birthDate{};
    QString sex = QStringLiteral("Male");
    QString bloodType;
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
    const std::string_view month = kit::MonthName(date.month());
    control<QComboBox>(window, inputs.month)
        ->setCurrentText(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    control<QComboBox>(window, inputs.year)->setCurrentText(QString::number(static_cast<int>(date.year())));
}

} // namespace velmora::testing
