// The circle written as vCard 4.0: each person's card as written, lines
// folded at 75 octets, and the lines a card keeps as read.
#include "circle/VCard.h"
#include "tests/circle/CircleTestSupport.h"

#include <array>
#include <random>

namespace {

using namespace velmora::circle;
using namespace velmora::circle::testing;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

struct WrittenCase {
    const char* what;
    Person person;
    std::string lines; // between VERSION and END
};

class WrittenCards : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenCards, HoldThePersonIn40Form)
{
    const WrittenCase& c = GetParam();
    EXPECT_EQ(writeAddressBook(std::span(&c.person, 1)), card("4.0", c.lines));
}

const Birthday k12April1985{month{4}, day{12}, year{1985}};

INSTANTIATE_TEST_SUITE_P(
    People, WrittenCards,
    ::testing::Values(
        WrittenCase{"WithYear", {u"Anna Berg", k12April1985, std::nullopt, {}}, "FN:Anna Berg\r\nBDAY:19850412\r\n"},
        WrittenCase{"WithoutYearPadded", {u"Bo", {month{1}, day{5}, std::nullopt}, std::nullopt, {}},
                    "FN:Bo\r\nBDAY:--0105\r\n"},
        WrittenCase{"FirstYear", {u"Bo", {month{1}, day{1}, year{1900}}, std::nullopt, {}},
                    "FN:Bo\r\nBDAY:19000101\r\n"},
        WrittenCase{"BloodType", {u"Bo", k12April1985, 5, {}}, "FN:Bo\r\nBDAY:19850412\r\nX-VELMORA-BLOOD-TYPE:AB-\r\n"},
        WrittenCase{"BloodTypeOutsideTheList", {u"Bo", k12April1985, 8, {}}, "FN:Bo\r\nBDAY:19850412\r\n"},
        WrittenCase{"KeptLinesAsTheyAreAfterTheUsedOnes",
                    {u"Bo", k12April1985, 0, {"N:Berg;Bo;;;", "item1.TEL;TYPE=cell:+49 30", "FN:Other"}},
                    "FN:Bo\r\nBDAY:19850412\r\nX-VELMORA-BLOOD-TYPE:A+\r\nN:Berg;Bo;;;\r\n"
                    "item1.TEL;TYPE=cell:+49 30\r\nFN:Other\r\n"},
        WrittenCase{"NameEscaped", {u"Berg, Anna; \\ Jr.\nSecond", k12April1985, std::nullopt, {}},
                    "FN:Berg\\, Anna\\; \\\\ Jr.\\nSecond\r\nBDAY:19850412\r\n"},
        WrittenCase{"NameControlsLeftOutAndBreaksAsLineFeeds", {u"A\u0001n\u007Fna\r\nB\rC\tD", k12April1985,
                    std::nullopt, {}}, "FN:Anna\\nB\\nC\tD\r\nBDAY:19850412\r\n"},
        WrittenCase{"NameBeyondTheBmp", {u"\u674E \U0001F409", k12April1985, std::nullopt, {}},
                    "FN:\xE6\x9D\x8E \xF0\x9F\x90\x89\r\nBDAY:19850412\r\n"},
        WrittenCase{"LoneSurrogateAsReplacement", {u"A\xD800" u"B", k12April1985, std::nullopt, {}},
                    "FN:A\xEF\xBF\xBD" "B\r\nBDAY:19850412\r\n"},
        WrittenCase{"LongNameFolded", {std::u16string(80, u'a'), k12April1985, std::nullopt, {}},
                    "FN:" + std::string(72, 'a') + "\r\n " + std::string(8, 'a') + "\r\nBDAY:19850412\r\n"}),
    caseName<WrittenCase>);

// Folding, checked by what a fold must keep rather than by where it cuts:
// lines of at most 75 octets ended by CR LF, each whole UTF-8, none ending
// with "=", none shorter than the UTF-8 sequences and quoted-printable
// escapes it must not split require, and the line given back unfolded.
TEST(Folding, KeepsEveryLineWholeAndShort)
{
    constexpr std::array<std::string_view, 9> kPieces = {"a", " ", "\t", "=3D", "\xC3\xA9", "\xE2\x82\xAC",
                                                         "\xF0\x9F\x90\x89", ":", ";"};
    std::mt19937 random(75);
    for (std::size_t length = 0; length < 600; ++length) {
        std::string line = "NOTE:";
        while (line.size() < length)
            line += kPieces[random() % kPieces.size()];
        std::string folded;
        appendFoldedLine(folded, line);
        SCOPED_TRACE(folded);
        ASSERT_TRUE(folded.ends_with("\r\n"));
        std::string unfolded;
        std::string_view rest = folded;
        for (bool first = true; !rest.empty(); first = false) {
            const std::size_t end = rest.find("\r\n");
            const std::string_view physical = rest.substr(0, end);
            rest.remove_prefix(end + 2);
            EXPECT_LE(physical.size(), kFoldOctets);
            EXPECT_TRUE(rest.empty() || physical.size() >= kFoldOctets - 3) << "needlessly short";
            EXPECT_TRUE(rest.empty() || !physical.ends_with("="));
            ASSERT_TRUE(first || physical.starts_with(" "));
            const std::string_view content = first ? physical : physical.substr(1);
            EXPECT_TRUE(isValidUtf8(content));
            unfolded += content;
        }
        EXPECT_EQ(unfolded, line);
    }
}

struct KeptCase {
    const char* what;
    const char* version;
    std::string_view lines; // after FN:Anna
    std::vector<std::string> kept;
};

class KeptLines : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptLines, AreTheUnusedLinesAsRead)
{
    const KeptCase& c = GetParam();
    const Person person = onlyPerson(card(c.version, "FN:Anna\r\n" + std::string(c.lines)));
    EXPECT_EQ(person.keptProperties, c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, KeptLines,
    ::testing::Values(
        KeptCase{"UsedLinesAndVersionLeftOut", "3.0", "BDAY:19850412\r\nX-VELMORA-BLOOD-TYPE:O+\r\n", {}},
        KeptCase{"InTheCardsOrder", "3.0", "TEL:1\r\nBDAY:19850412\r\nEMAIL:a@b.example\r\nN:Berg;Anna;;;\r\n",
                 {"TEL:1", "EMAIL:a@b.example", "N:Berg;Anna;;;"}},
        KeptCase{"GroupsParametersAndCaseAsWritten", "3.0",
                 "BDAY:19850412\r\nitem1.tel;type=\"cell,voice\":+49\r\nitem1.X-ABLabel:mobile\r\n",
                 {"item1.tel;type=\"cell,voice\":+49", "item1.X-ABLabel:mobile"}},
        KeptCase{"BareParametersOf21", "2.1", "BDAY:19850412\r\nTEL;WORK;VOICE:+49\r\n", {"TEL;WORK;VOICE:+49"}},
        KeptCase{"EscapesAsWritten", "4.0", "BDAY:19850412\r\nNOTE:a\\,b\\;c\\nd\\\\\r\n", {"NOTE:a\\,b\\;c\\nd\\\\"}},
        KeptCase{"Unfolded", "4.0", "BDAY:19850412\r\nNOTE:ab\r\n  cd\r\n", {"NOTE:ab cd"}},
        KeptCase{"Unfolded21WithItsBlanks", "2.1",
                 "BDAY:19850412\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n  /9j/4AAQ\r\n  SkZJRg==\r\n\r\n",
                 {"PHOTO;ENCODING=BASE64;TYPE=JPEG:  /9j/4AAQ  SkZJRg=="}},
        KeptCase{"QuotedPrintableSoftBreaksJoinedStillEncoded", "2.1",
                 "BDAY:19850412\r\nNOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:caf=E9 =\r\nau lait\r\n",
                 {"NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:caf=E9 au lait"}},
        KeptCase{"EightBitLatin1InUtf8WithoutItsCharset", "2.1",
                 "BDAY:19850412\r\nNOTE;TYPE=x;CHARSET=ISO-8859-1;X-Y=z:caf\xE9\r\n", {"NOTE;TYPE=x;X-Y=z:caf\xC3\xA9"}},
        KeptCase{"AsciiKeepsItsCharset", "2.1", "BDAY:19850412\r\nNOTE;CHARSET=ISO-8859-1:cafe\r\n",
                 {"NOTE;CHARSET=ISO-8859-1:cafe"}},
        KeptCase{"Utf8", "4.0", "BDAY:19850412\r\nNOTE:\xE6\x9D\x8E \xF0\x9F\x90\x89\r\n",
                 {"NOTE:\xE6\x9D\x8E \xF0\x9F\x90\x89"}},
        KeptCase{"UnusedNameBirthdayAndBloodTypeLines", "4.0",
                 "FN:Second\r\nBDAY;VALUE=text:circa 1985\r\nBDAY:--0412\r\nBDAY:19850412\r\n"
                 "X-VELMORA-BLOOD-TYPE:Q\r\nX-VELMORA-BLOOD-TYPE:B+\r\nX-VELMORA-BLOOD-TYPE:A+\r\n",
                 {"FN:Second", "BDAY;VALUE=text:circa 1985", "BDAY:19850412", "X-VELMORA-BLOOD-TYPE:Q",
                  "X-VELMORA-BLOOD-TYPE:A+"}}),
    caseName<KeptCase>);

} // namespace
