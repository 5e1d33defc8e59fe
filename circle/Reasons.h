#pragma once

#include "circle/Limits.h"

#include <array>
#include <cstddef>
#include <string_view>

// Why a card or a whole file was not read, and the English text the window
// shows for each. The texts are one table apiece, in the order of their enum.
namespace velmora::circle {

// Why one card of a file was not read. A card has one reason: the first fault
// of its structure, else the first fault of its lines in order, else its
// birthday's problem, else its name's.
enum class NotReadReason {
    // The card itself
    NoEnd,                 // the file ends, or the next card begins, before its END line
    BinaryData,            // a control character other than tab in a line
    LineTooLong,           // an unfolded line longer than kMaxLineOctets
    DamagedLine,           // a line without a colon, or without a property name
    BrokenQuotedPrintable, // "=" not followed by two hex digits, or 8-bit octets
    UnknownEncoding,       // an ENCODING other than quoted-printable, 7bit or 8bit on a text the suite reads
    UnknownCharset,        // a CHARSET the reader does not know, on text it must decode
    InvalidUtf8,           // text that is neither valid UTF-8 nor in a declared character set
    // Its birthday
    NoBirthday,
    BirthdayNotADate,      // text, a year or month alone, or no date form at all
    ImpossibleDate,        // 1985-02-30, --0230, 1900-02-29, month 13
    YearOutOfRange,        // a year the calculators do not take
    // Its name
    NoName,
    NameTooLong,           // longer than the entry windows take
};

// What a whole file gets instead of its cards.
enum class FileProblem {
    None,
    TooLarge,     // over kMaxFileOctets
    NotAVCard,    // no BEGIN:VCARD line at all
    TooManyCards, // over kMaxCards
    OutOfMemory,  // the machine could not hold what the file asks for
};

namespace detail {

struct NotReadRow {
    NotReadReason reason;
    std::string_view text;
};

// reason                                  text (after the card's name or place)
inline constexpr std::array<NotReadRow, 14> kNotReadTexts = {{
    {NotReadReason::NoEnd,                 "card has no END line"},
    {NotReadReason::BinaryData,            "binary data in the card"},
    {NotReadReason::LineTooLong,           "line longer than 4 MiB"},
    {NotReadReason::DamagedLine,           "damaged line"},
    {NotReadReason::BrokenQuotedPrintable, "broken quoted-printable text"},
    {NotReadReason::UnknownEncoding,       "unknown encoding"},
    {NotReadReason::UnknownCharset,        "unknown character set"},
    {NotReadReason::InvalidUtf8,           "text is not valid UTF-8"},
    {NotReadReason::NoBirthday,            "no birthday"},
    {NotReadReason::BirthdayNotADate,      "birthday is not a date"},
    {NotReadReason::ImpossibleDate,        "impossible date"},
    {NotReadReason::YearOutOfRange,        "year before 1900 or after 2050"},
    {NotReadReason::NoName,                "no name"},
    {NotReadReason::NameTooLong,           "name too long"},
}};

struct FileProblemRow {
    FileProblem problem;
    std::string_view text;
};

// problem                        text
inline constexpr std::array<FileProblemRow, 5> kFileProblemTexts = {{
    {FileProblem::None,           ""},
    {FileProblem::TooLarge,       "The file is larger than 32 MiB."},
    {FileProblem::NotAVCard,      "The file is not a vCard address book."},
    {FileProblem::TooManyCards,   "The file holds more than 100,000 cards."},
    {FileProblem::OutOfMemory,    "There is not enough memory to read the file."},
}};

// Each row stands at its enum's position, so a lookup is an index.
template <typename Rows, typename Key>
constexpr bool inEnumOrder(const Rows& rows, Key Rows::value_type::*key) noexcept
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].*key) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(kNotReadTexts, &NotReadRow::reason));
static_assert(kNotReadTexts.size() == static_cast<std::size_t>(NotReadReason::NameTooLong) + 1);
static_assert(inEnumOrder(kFileProblemTexts, &FileProblemRow::problem));
static_assert(kFileProblemTexts.size() == static_cast<std::size_t>(FileProblem::OutOfMemory) + 1);

// The texts name these limits.
static_assert(kMaxFileOctets == 32 * 1024 * 1024 && kMaxLineOctets == 4 * 1024 * 1024 && kMaxCards == 100'000);

} // namespace detail

constexpr std::string_view notReadText(NotReadReason reason) noexcept
{
    return detail::kNotReadTexts[static_cast<std::size_t>(reason)].text;
}

// Empty for FileProblem::None.
constexpr std::string_view fileProblemText(FileProblem problem) noexcept
{
    return detail::kFileProblemTexts[static_cast<std::size_t>(problem)].text;
}

} // namespace velmora::circle
