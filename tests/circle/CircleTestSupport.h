#pragma once

#include "circle/AddressBook.h"
#include "circle/TextEncoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

// What the circle's tests share: cards built from their lines, and names
// shown as UTF-8 so that a failure prints them.
namespace velmora::circle {

// How GoogleTest prints people and cards not read in a failure.
inline void PrintTo(const Birthday& birthday, std::ostream* out)
{
    *out << birthdayText(birthday);
}

inline void PrintTo(const Person& person, std::ostream* out)
{
    *out << "{" << ::testing::PrintToString(utf16ToUtf8(person.name)) << ", " << birthdayText(person.birthday)
         << ", blood " << (person.bloodType ? std::to_string(*person.bloodType) : "none") << ", kept "
         << ::testing::PrintToString(person.keptProperties) << "}";
}

inline void PrintTo(const NotReadCard& card, std::ostream* out)
{
    *out << "{" << ::testing::PrintToString(utf16ToUtf8(card.label())) << ": " << notReadText(card.reason) << "}";
}

} // namespace velmora::circle

namespace velmora::circle::testing {

inline constexpr std::string_view kCrLf = "\r\n";

// A card of the given version around `body`, whose lines carry their own
// line breaks (folding is part of what the tables show).
inline std::string card(std::string_view version, std::string_view body)
{
    return "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\n" + std::string(body) + "END:VCARD\r\n";
}

inline std::string utf8(const std::u16string& text)
{
    return utf16ToUtf8(text);
}

// The one person of a file that must give exactly one.
inline Person onlyPerson(std::string_view file)
{
    const AddressBook book = readAddressBook(file);
    EXPECT_EQ(book.problem, FileProblem::None);
    for (const NotReadCard& card : book.notRead)
        ADD_FAILURE() << utf8(card.label()) << ": " << notReadText(card.reason);
    if (book.people.size() != 1) {
        ADD_FAILURE() << book.summary();
        return {};
    }
    return book.people.front();
}

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return std::string(info.param.what);
}

} // namespace velmora::circle::testing
