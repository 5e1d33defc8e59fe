// The reader's bounds against bad input: the largest file, the most cards,
// the longest line, cards without END, binary data and files that are not
// vCards. Each is read or refused in one pass: an input that cost quadratic
// time would run past the test's time-out.
#include "circle/Limits.h"
#include "tests/circle/CircleTestSupport.h"

#include <functional>
#include <random>

namespace {

using namespace velmora::circle;
using namespace velmora::circle::testing;

const std::string kAnna = card("3.0", "FN:Anna\r\nBDAY:1985-04-12\r\n");

// A file of exactly `size` octets: Anna's card and lines of text outside any
// card after it.
std::string annaPaddedTo(std::size_t size)
{
    std::string file = kAnna;
    file.reserve(size);
    while (file.size() < size)
        file += (file.size() % 1024 == 0) ? '\n' : 'x';
    return file;
}

std::string cards(std::size_t count, std::string_view oneCard)
{
    std::string file;
    file.reserve(count * oneCard.size());
    for (std::size_t i = 0; i < count; ++i)
        file += oneCard;
    return file;
}

struct FileCase {
    const char* what;
    std::function<std::string()> file;
    FileProblem problem;
    std::size_t people;
    std::size_t notRead;
};

class WholeFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(WholeFiles, AreReadOrRefusedAsAWhole)
{
    const FileCase& c = GetParam();
    const AddressBook book = readAddressBook(c.file());
    EXPECT_EQ(fileProblemText(book.problem), fileProblemText(c.problem));
    EXPECT_EQ(book.people.size(), c.people);
    EXPECT_EQ(book.notRead.size(), c.notRead);
}

std::string randomBytes(std::size_t size)
{
    std::mt19937 random(20);
    std::uniform_int_distribution<int> octet(0, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(octet(random));
    return bytes;
}

std::string utf16le(std::string_view ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

const std::string kNoEnd = "BEGIN:VCARD\r\nFN:Anna\r\nBDAY:19850412\r\n";

INSTANTIATE_TEST_SUITE_P(
    Limits, WholeFiles,
    ::testing::Values(
        FileCase{"LargestFile", [] { return annaPaddedTo(kMaxFileOctets); }, FileProblem::None, 1, 0},
        FileCase{"OneOctetOverTheLargest", [] { return annaPaddedTo(kMaxFileOctets + 1); }, FileProblem::TooLarge, 0, 0},
        FileCase{"MostCards", [] { return cards(kMaxCards, kAnna); }, FileProblem::None, kMaxCards, 0},
        FileCase{"OneCardOverTheMost", [] { return cards(kMaxCards + 1, kAnna); }, FileProblem::TooManyCards, 0, 0},
        FileCase{"MostCardsNoneEnded", [] { return cards(kMaxCards, kNoEnd); }, FileProblem::None, 0, kMaxCards},
        FileCase{"Empty", [] { return std::string(); }, FileProblem::NotAVCard, 0, 0},
        FileCase{"PlainText", [] { return std::string("Anna, 12 April 1985\nBo, 1 January 1990\n"); },
                 FileProblem::NotAVCard, 0, 0},
        FileCase{"CalendarNotCards", [] { return std::string("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"); },
                 FileProblem::NotAVCard, 0, 0},
        FileCase{"EndsWithoutBegins", [] { return std::string("END:VCARD\r\nEND:VCARD\r\n"); },
                 FileProblem::NotAVCard, 0, 0},
        FileCase{"BinaryData", [] { return randomBytes(1 << 20); }, FileProblem::NotAVCard, 0, 0},
        FileCase{"Utf16", [] { return utf16le(kAnna); }, FileProblem::NotAVCard, 0, 0},
        FileCase{"BinaryAroundACard", [] { return randomBytes(4096) + "\r\n" + kAnna + randomBytes(4096); },
                 FileProblem::None, 1, 0},
        FileCase{"OnlyBegins", [] { return cards(1000, "BEGIN:VCARD\r\n"); }, FileProblem::None, 0, 1000}),
    caseName<FileCase>);

struct LineCase {
    const char* what;
    std::function<std::string()> lines; // lines of Anna's card
    bool read;                          // else not read for a line too long
};

class LongLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(LongLines, AreReadUpToTheLongest)
{
    const LineCase& c = GetParam();
    const AddressBook book = readAddressBook(card("3.0", "FN:Anna\r\nBDAY:1985-04-12\r\n" + c.lines()) + kAnna);
    EXPECT_EQ(book.people.size(), c.read ? 2u : 1u);
    if (c.read)
        return;
    ASSERT_EQ(book.notRead.size(), 1u);
    EXPECT_EQ(book.notRead.front(), (NotReadCard{u"Anna", 1, NotReadReason::LineTooLong}));
}

// A NOTE line whose unfolded length is `length` octets.
std::string noteOfLength(std::size_t length)
{
    return "NOTE:" + std::string(length - 5, 'x') + "\r\n";
}

// A NOTE of `octets` octets with a line break after each one.
std::string noteFoldedEveryOctet(std::size_t octets)
{
    std::string line = "NOTE:";
    line.reserve(octets * 4);
    for (std::size_t i = 0; i < octets; ++i)
        line += "x\r\n ";
    return line + "\r\n";
}

// A quoted-printable NOTE with a long parameter and a soft line break after
// each character: the parameters are looked at once, not at every break.
std::string noteOfSoftBreaks(std::size_t breaks)
{
    std::string line = "NOTE;X-PAD=" + std::string(1 << 20, 'p') + ";ENCODING=QUOTED-PRINTABLE:";
    for (std::size_t i = 0; i < breaks; ++i)
        line += "A=\r\n";
    return line + "B\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LongLines,
    ::testing::Values(
        LineCase{"Megabyte", [] { return noteOfLength(1 << 20); }, true},
        LineCase{"Longest", [] { return noteOfLength(kMaxLineOctets); }, true},
        LineCase{"OneOctetOverTheLongest", [] { return noteOfLength(kMaxLineOctets + 1); }, false},
        LineCase{"FoldedAfterEveryOctet", [] { return noteFoldedEveryOctet(1 << 20); }, true},
        LineCase{"FoldedPastTheLongest", [] { return noteFoldedEveryOctet(kMaxLineOctets); }, false},
        LineCase{"SoftLineBreaksUnderALongParameter", [] { return noteOfSoftBreaks(1 << 19); }, true},
        LineCase{"AsLongAsTheFileAllows", [] { return std::string(kMaxFileOctets - 200, 'x') + "\r\n"; }, false}),
    caseName<LineCase>);

} // namespace
