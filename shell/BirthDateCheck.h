#pragma once

#include <QString>

// The date checks that the Western, Chinese and Egyptian entry windows share.
// They work on list positions (month 0 = January, day 0 = the 1st) and treat
// every year divisible by 4 as a leap year, 1900 included.
namespace velmora::shell {

enum class DateProblem { None, NoSuchFebruaryDay, NoThirtyFirst };
enum class Person { User, Partner };

DateProblem CheckBirthDate(int year, int monthPosition, int dayPosition) noexcept;

// The message for a refused date, as every entry window words it.
QString dateMessage(Person person, DateProblem problem);

} // namespace velmora::shell
