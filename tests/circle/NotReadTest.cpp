// Cards that give no person: each reason, and the name or place the window
// shows with it.
#include "kit/BirthDate.h"
#include "tests/circle/CircleTestSupport.h"

namespace {

using namespace velmora::circle;
using namespace velmora::circle::testing;

struct NotReadCase {
    const char* what;
    std::string file;
    NotReadReason reason;
    const char* label; // UTF-8
};

class NotRead : public ::testing::TestWithParam<NotReadCase> {};

TEST_P(NotRead, GivesTheReasonAndTheNameOrPlace)
{
    const NotReadCase& c = GetParam();
    const AddressBook book = readAddressBook(c.file);
    EXPECT_EQ(book.problem, FileProblem::None);
    EXPECT_TRUE(book.people.empty());
    ASSERT_EQ(book.notRead.size(), 1u);
    EXPECT_EQ(notReadText(book.notRead.front().reason), notReadText(c.reason));
    EXPECT_EQ(utf8(book.notRead.front().label()), c.label);
}

// A card of version 3.0 with Anna's name and birthday and the given lines.
std::string anna(std::string_view lines)
{
    return card("3.0", "FN:Anna\r\nBDAY:1985-04-12\r\n" + std::string(lines));
}

std::string nameless(std::string_view lines)
{
    return card("3.0", lines);
}

const std::string kTooLongName(velmora::kit::kMaxNameLength + 1, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cards, NotRead,
    ::testing::Values(
        // The card itself
        NotReadCase{"EndOfFileBeforeEnd", "BEGIN:VCARD\r\nFN:Anna\r\nBDAY:1985-04-12\r\n", NotReadReason::NoEnd,
                    "Anna"},
        NotReadCase{"EndSwallowedBySoftLineBreak",
                    "BEGIN:VCARD\r\nFN:Anna\r\nBDAY:1985-04-12\r\nNOTE;QUOTED-PRINTABLE:x=\r\nEND:VCARD\r\n",
                    NotReadReason::NoEnd, "Anna"},
        NotReadCase{"NulInAValue", anna(std::string("NOTE:a\0b\r\n", 11)), NotReadReason::BinaryData, "Anna"},
        NotReadCase{"EscapeCharacter", anna("NOTE:\x1B[31m\r\n"), NotReadReason::BinaryData, "Anna"},
        NotReadCase{"LoneCarriageReturn", anna("NOTE:a\rb\r\n"), NotReadReason::BinaryData, "Anna"},
        NotReadCase{"ControlHiddenByQuotedPrintable", nameless("FN;QUOTED-PRINTABLE:Anna=01\r\nBDAY:19850412\r\n"),
                    NotReadReason::BinaryData, "card 1"},
        NotReadCase{"LineWithoutColon", anna("just some words\r\n"), NotReadReason::DamagedLine, "Anna"},
        NotReadCase{"LineWithoutName", anna(":value\r\n"), NotReadReason::DamagedLine, "Anna"},
        NotReadCase{"ColonOnlyInsideQuotes", anna("X-A;B=\"c:d\r\n"), NotReadReason::DamagedLine, "Anna"},
        NotReadCase{"BrokenQuotedPrintableInAKeptLine", anna("NOTE;QUOTED-PRINTABLE:caf=E\r\n"),
                    NotReadReason::BrokenQuotedPrintable, "Anna"},
        NotReadCase{"BrokenQuotedPrintableInTheName", nameless("FN;QUOTED-PRINTABLE:Ann=ZZa\r\nBDAY:19850412\r\n"),
                    NotReadReason::BrokenQuotedPrintable, "card 1"},
        NotReadCase{"EightBitInQuotedPrintable", anna("NOTE;QUOTED-PRINTABLE:caf\xC3\xA9\r\n"),
                    NotReadReason::BrokenQuotedPrintable, "Anna"},
        NotReadCase{"Base64Name", nameless("FN;ENCODING=b:QW5uYQ==\r\nBDAY:19850412\r\n"),
                    NotReadReason::UnknownEncoding, "card 1"},
        NotReadCase{"UnknownCharsetOfTheName", nameless("FN;CHARSET=SHIFT_JIS:\x83\x41\x83\x93\r\nBDAY:19850412\r\n"),
                    NotReadReason::UnknownCharset, "card 1"},
        NotReadCase{"UnknownCharsetOfAKeptLine", anna("NOTE;CHARSET=KOI8-R:\xF0\xD2\xC9\r\n"),
                    NotReadReason::UnknownCharset, "Anna"},
        NotReadCase{"TruncatedUtf8Name", nameless("FN:Ann\xC3\r\nBDAY:19850412\r\n"), NotReadReason::InvalidUtf8,
                    "card 1"},
        NotReadCase{"OverlongUtf8", anna("NOTE:\xC0\xAF\r\n"), NotReadReason::InvalidUtf8, "Anna"},
        NotReadCase{"Utf8Surrogate", anna("NOTE:\xED\xA0\x80\r\n"), NotReadReason::InvalidUtf8, "Anna"},
        NotReadCase{"Utf8PastTheLastCharacter", anna("NOTE:\xF4\x90\x80\x80\r\n"), NotReadReason::InvalidUtf8, "Anna"},
        NotReadCase{"Latin1WithoutCharset", anna("NOTE:caf\xE9\r\n"), NotReadReason::InvalidUtf8, "Anna"},
        NotReadCase{"StructureBeforeLines", "BEGIN:VCARD\r\nFN:Anna\r\nno colon\r\nBDAY:19850412\r\n",
                    NotReadReason::NoEnd, "Anna"},
        NotReadCase{"LineFaultBeforeBirthday", nameless("FN:Anna\r\nno colon\r\n"), NotReadReason::DamagedLine, "Anna"},
        // The birthday
        NotReadCase{"NoBirthday", nameless("FN:Anna\r\nTEL:123\r\n"), NotReadReason::NoBirthday, "Anna"},
        NotReadCase{"EmptyBirthday", nameless("FN:Anna\r\nBDAY:\r\n"), NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"BirthdayAsText", nameless("FN:Anna\r\nBDAY;VALUE=text:circa 1985\r\n"),
                    NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"TextThatLooksLikeADate", nameless("FN:Anna\r\nBDAY;VALUE=TEXT:1985-04-12\r\n"),
                    NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"BirthdayInWords", nameless("FN:Anna\r\nBDAY:April 12\r\n"), NotReadReason::BirthdayNotADate,
                    "Anna"},
        NotReadCase{"YearAlone", nameless("FN:Anna\r\nBDAY:1985\r\n"), NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"YearAndMonth", nameless("FN:Anna\r\nBDAY:1985-04\r\n"), NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"MonthAlone", nameless("FN:Anna\r\nBDAY:--04\r\n"), NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"OneDigitMonth", nameless("FN:Anna\r\nBDAY:1985-4-12\r\n"), NotReadReason::BirthdayNotADate,
                    "Anna"},
        NotReadCase{"TimeThatIsNot", nameless("FN:Anna\r\nBDAY:1985-04-12Tomorrow\r\n"),
                    NotReadReason::BirthdayNotADate, "Anna"},
        NotReadCase{"ThirtiethFebruary", nameless("FN:Anna\r\nBDAY:1985-02-30\r\n"), NotReadReason::ImpossibleDate,
                    "Anna"},
        NotReadCase{"ThirtiethFebruaryWithoutYear", nameless("FN:Anna\r\nBDAY:--0230\r\n"),
                    NotReadReason::ImpossibleDate, "Anna"},
        NotReadCase{"NoLeapDayIn1900", nameless("FN:Anna\r\nBDAY:1900-02-29\r\n"), NotReadReason::ImpossibleDate,
                    "Anna"},
        NotReadCase{"ThirtyFirstApril", nameless("FN:Anna\r\nBDAY:19850431\r\n"), NotReadReason::ImpossibleDate,
                    "Anna"},
        NotReadCase{"MonthThirteen", nameless("FN:Anna\r\nBDAY:1985-13-01\r\n"), NotReadReason::ImpossibleDate,
                    "Anna"},
        NotReadCase{"DayNought", nameless("FN:Anna\r\nBDAY:--0400\r\n"), NotReadReason::ImpossibleDate, "Anna"},
        NotReadCase{"YearBefore1900", nameless("FN:Anna\r\nBDAY:1899-12-31\r\n"), NotReadReason::YearOutOfRange,
                    "Anna"},
        NotReadCase{"YearAfter2050", nameless("FN:Anna\r\nBDAY:20510101\r\n"), NotReadReason::YearOutOfRange, "Anna"},
        NotReadCase{"ImpossibleBeforeOutOfRange", nameless("FN:Anna\r\nBDAY:1899-02-29\r\n"),
                    NotReadReason::ImpossibleDate, "Anna"},
        NotReadCase{"FirstBirthdaysProblem", nameless("FN:Anna\r\nBDAY:1850-01-01\r\nBDAY:1985-02-30\r\n"),
                    NotReadReason::YearOutOfRange, "Anna"},
        // The name
        NotReadCase{"NoName", nameless("BDAY:1985-04-12\r\n"), NotReadReason::NoName, "card 1"},
        NotReadCase{"BlankNames", nameless("FN: \r\nN:;;;;\r\nBDAY:1985-04-12\r\n"), NotReadReason::NoName,
                    "card 1"},
        NotReadCase{"BirthdayBeforeName", nameless("TEL:1\r\n"), NotReadReason::NoBirthday, "card 1"},
        NotReadCase{"NameLongerThanTheEntryWindowsTake",
                    nameless("FN:" + kTooLongName + "\r\nBDAY:1985-04-12\r\n"), NotReadReason::NameTooLong,
                    "card 1"}),
    caseName<NotReadCase>);

TEST(NotReadPlaces, CountEveryCardOfTheFile)
{
    const std::string file = nameless("TEL:1\r\n") + anna("") + card("4.0", "BDAY:--0101\r\n") +
                             "END:VCARD\r\n" + card("2.1", "FN:Bo\r\nBDAY:19900101\r\n") + nameless("FN:Cy\r\n");
    const AddressBook book = readAddressBook(file);
    ASSERT_EQ(book.notRead.size(), 3u);
    EXPECT_EQ(utf8(book.notRead[0].label()), "card 1");
    EXPECT_EQ(utf8(book.notRead[1].label()), "card 3");
    EXPECT_EQ(utf8(book.notRead[2].label()), "Cy");
    EXPECT_EQ(book.notRead[2].place, 5u);
    EXPECT_EQ(book.summary(), "2 people read, 3 not read");
}

TEST(NotReadPlaces, ACardCutOffCostsOnlyItself)
{
    const std::string file = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cut\r\nBDAY:19900101\r\n" + anna("");
    const AddressBook book = readAddressBook(file);
    ASSERT_EQ(book.people.size(), 1u);
    EXPECT_EQ(utf8(book.people.front().name), "Anna");
    ASSERT_EQ(book.notRead.size(), 1u);
    EXPECT_EQ(book.notRead.front(), (NotReadCard{u"Cut", 1, NotReadReason::NoEnd}));
}

} // namespace
