#pragma once

#include "kit/BirthDate.h"

#include <QString>

class QComboBox;
class QWidget;

namespace velmora::ui {
class Platform;
}

// The birth-date lists and checks that the Western, Chinese and Egyptian
// entry windows share. The checks work on list positions (month 0 = January,
// day 0 = the 1st) and follow the Gregorian leap rule, so 29 February 1900
// and 2100 are refused.
namespace velmora::kit {

// Fills the lists with "January" ... "December", "1" ... "31" and the years
// from `firstYear` to `lastYear`, and selects each list's first entry.
void fillBirthDateLists(QComboBox* month, QComboBox* day, QComboBox* year, int firstYear, int lastYear);
// Selects the entry equal to `text` (exactly, case included); a list without
// one keeps its selection.
void selectListEntry(QComboBox* list, const QString& text);

enum class Person { User, Partner };

// The message for a refused date, as every entry window words it.
QString dateMessage(Person person, DateProblem problem);

// Checks the date chosen in a person's three lists; a refused date is told to
// the user (information icon) and gives false.
bool acceptBirthDate(ui::Platform& platform, QWidget* window, Person person, const QComboBox* month,
                     const QComboBox* day, const QComboBox* year);

} // namespace velmora::kit
