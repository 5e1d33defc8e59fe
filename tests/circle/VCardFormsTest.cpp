// The vCard forms address books write, as the circle reads them: each
// version's lines, folding, quoted-printable with its character sets, UTF-8,
// escapes, groups, FN or N, every BDAY form and the blood type.
#include "tests/circle/CircleTestSupport.h"

namespace {

using namespace velmora::circle;
using namespace velmora::circle::testing;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

struct NameCase {
    const char* what;
    const char* version;
    std::string_view lines; // the card's lines but BEGIN, VERSION, BDAY and END
    const char* name;       // UTF-8
};

class NameForms : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameForms, GiveTheName)
{
    const NameCase& c = GetParam();
    const Person person = onlyPerson(card(c.version, std::string(c.lines) + "BDAY:19850412\r\n"));
    EXPECT_EQ(utf8(person.name), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, NameForms,
    ::testing::Values(
        NameCase{"Version21", "2.1", "N:Berg;Anna;;;\r\nFN:Anna Berg\r\n", "Anna Berg"},
        NameCase{"Version30", "3.0", "N:Berg;Anna;;;\r\nFN:Anna Berg\r\n", "Anna Berg"},
        NameCase{"Version40", "4.0", "FN:Anna Berg\r\n", "Anna Berg"},
        NameCase{"LineFeedsAlone", "3.0", "FN:Anna Berg\n", "Anna Berg"},
        NameCase{"NamesAndParametersInAnyCase", "3.0", "fn;language=en:Anna Berg\r\n", "Anna Berg"},
        NameCase{"BlanksAroundTheNameDropped", "3.0", "FN:  Anna Berg\t \r\n", "Anna Berg"},
        // Folding: 3.0 and 4.0 drop the break and one blank or tab, 2.1 only the break.
        NameCase{"FoldedWithBlank", "4.0", "FN:Anna Be\r\n rg\r\n", "Anna Berg"},
        NameCase{"FoldedWithTabAfterLineFeed", "3.0", "FN:Anna Be\n\trg\r\n", "Anna Berg"},
        NameCase{"FoldedTwiceKeepsFurtherBlanks", "4.0", "FN:Anna\r\n  Be\r\n rg\r\n", "Anna Berg"},
        NameCase{"Folded21KeepsTheBlank", "2.1", "FN:Anna\r\n Berg\r\n", "Anna Berg"},
        NameCase{"FoldedInTheParameters", "3.0", "FN;LANG\r\n UAGE=en:Anna\r\n", "Anna"},
        // Quoted-printable and character sets.
        NameCase{"QuotedPrintableUtf8", "2.1", "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=B6rg M=C3=BCller\r\n",
                 "J\xC3\xB6rg M\xC3\xBCller"},
        NameCase{"BareQuotedPrintableLatin1", "2.1", "FN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:J=F6rg\r\n", "J\xC3\xB6rg"},
        NameCase{"QuotedPrintableLowerCaseHex", "2.1", "FN;QUOTED-PRINTABLE:J=c3=b6rg\r\n", "J\xC3\xB6rg"},
        NameCase{"SoftLineBreakJoinsWhateverFollows", "2.1",
                 "FN;ENCODING=QUOTED-PRINTABLE:Anna=\r\n Be=\r\nrg\r\n", "Anna Berg"},
        NameCase{"SoftLineBreakSplittingAnEscape", "2.1", "FN;QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3=\r\n=B6rg\r\n",
                 "J\xC3\xB6rg"},
        NameCase{"EightBitLatin1", "2.1", "FN;CHARSET=ISO-8859-1:Fran\xE7oise\r\n", "Fran\xC3\xA7oise"},
        NameCase{"Latin1ReadAsWindows1252", "2.1", "FN;CHARSET=iso-8859-1:\x80uro\r\n", "\xE2\x82\xACuro"},
        NameCase{"Windows1252", "3.0", "FN;CHARSET=WINDOWS-1252:\x93Zo\xEB\x94\r\n", "\xE2\x80\x9CZo\xC3\xAB\xE2\x80\x9D"},
        NameCase{"UnknownCharsetOfAsciiText", "2.1", "FN;CHARSET=SHIFT_JIS:Anna\r\n", "Anna"},
        NameCase{"Utf8NonLatinAndBeyondTheBmp", "4.0", "FN:\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 \xF0\x9F\x90\x89\r\n",
                 "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 \xF0\x9F\x90\x89"},
        NameCase{"ByteOrderMarkBeforeALine", "4.0", "\xEF\xBB\xBF" "FN:Anna\r\n", "Anna"},
        // Escapes.
        NameCase{"EscapedPunctuation", "3.0", "FN:Berg\\, Anna\\; Dr. \\\\ PhD\r\n", "Berg, Anna; Dr. \\ PhD"},
        NameCase{"EscapedLineBreaks", "4.0", "FN:Anna\\nBerg\\NJr.\r\n", "Anna\nBerg\nJr."},
        NameCase{"UnknownEscapeKept", "3.0", "FN:C:\\Temp\\x\r\n", "C:\\Temp\\x"},
        NameCase{"QuotedPrintableLineBreakAsLineFeed", "2.1", "FN;QUOTED-PRINTABLE:Anna=0D=0ABerg\r\n", "Anna\nBerg"},
        // Groups and parameters.
        NameCase{"Grouped", "3.0", "item1.FN:Anna Berg\r\n", "Anna Berg"},
        NameCase{"QuotedParameterWithColon", "4.0", "FN;ALTID=\"a:b;c\":Anna Berg\r\n", "Anna Berg"},
        NameCase{"Parameters21WithBlanks", "2.1", "FN ; CHARSET = UTF-8 ; QUOTED-PRINTABLE :J=C3=B6rg\r\n",
                 "J\xC3\xB6rg"},
        // FN, else N.
        NameCase{"FnBeforeN", "3.0", "N:Berg;Anna;;;\r\nFN:Ann B.\r\n", "Ann B."},
        NameCase{"FirstFnThatIsNotBlank", "4.0", "FN: \r\nFN:Anna\r\nFN:Other\r\n", "Anna"},
        NameCase{"NGivenFurtherFamily", "3.0", "N:Berg;Anna;Maria;Dr.;PhD\r\n", "Anna Maria Berg"},
        NameCase{"NEmptyComponentsDropped", "2.1", "N:;Anna;;;\r\n", "Anna"},
        NameCase{"NFamilyOnly", "3.0", "N:Berg\r\n", "Berg"},
        NameCase{"NValuesJoined", "4.0", "N:Berg,Lind;Anna,Lena;;;\r\n", "Anna Lena Berg Lind"},
        NameCase{"NEscapedSeparators", "3.0", "N:Berg\\;Lind;Anna\\,Lena;;;\r\n", "Anna,Lena Berg;Lind"},
        NameCase{"NWhenFnIsBlank", "3.0", "FN:\r\nN:Berg;Anna;;;\r\n", "Anna Berg"},
        NameCase{"NQuotedPrintable", "2.1", "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=B6rg;;;\r\n",
                 "J\xC3\xB6rg M\xC3\xBCller"}),
    caseName<NameCase>);

struct BirthdayCase {
    const char* what;
    const char* line; // the BDAY line
    Birthday birthday;
};

class BirthdayForms : public ::testing::TestWithParam<BirthdayCase> {};

TEST_P(BirthdayForms, GiveTheBirthday)
{
    const BirthdayCase& c = GetParam();
    const Person person = onlyPerson(card("3.0", "FN:Anna\r\n" + std::string(c.line) + "\r\n"));
    EXPECT_EQ(person.birthday, c.birthday);
}

constexpr year k1985{1985};

INSTANTIATE_TEST_SUITE_P(
    Cards, BirthdayForms,
    ::testing::Values(
        BirthdayCase{"Extended", "BDAY:1985-04-12", {month{4}, day{12}, k1985}},
        BirthdayCase{"Basic", "BDAY:19850412", {month{4}, day{12}, k1985}},
        BirthdayCase{"ExtendedDateTimeUtc", "BDAY:1985-04-12T10:00:00Z", {month{4}, day{12}, k1985}},
        BirthdayCase{"BasicDateTime", "BDAY:19850412T100000", {month{4}, day{12}, k1985}},
        BirthdayCase{"DateTimeWithOffsetTakesTheDateAsWritten", "BDAY:1985-04-12T23:30:00-05:00",
                     {month{4}, day{12}, k1985}},
        BirthdayCase{"NoYearBasic", "BDAY:--0412", {month{4}, day{12}, std::nullopt}},
        BirthdayCase{"NoYearExtended", "BDAY:--04-12", {month{4}, day{12}, std::nullopt}},
        BirthdayCase{"NoYearTwentyNinthFebruary", "BDAY:--0229", {month{2}, day{29}, std::nullopt}},
        BirthdayCase{"LeapDay", "BDAY:2000-02-29", {month{2}, day{29}, year{2000}}},
        BirthdayCase{"FirstYearTaken", "BDAY:1900-01-01", {month{1}, day{1}, year{1900}}},
        BirthdayCase{"LastYearTaken", "BDAY:2050-12-31", {month{12}, day{31}, year{2050}}},
        BirthdayCase{"ValueDate", "BDAY;VALUE=date:1985-04-12", {month{4}, day{12}, k1985}},
        BirthdayCase{"BlanksAround", "BDAY: 1985-04-12 ", {month{4}, day{12}, k1985}},
        BirthdayCase{"PlaceholderYearMeansNone", "BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-12",
                     {month{4}, day{12}, std::nullopt}},
        BirthdayCase{"PlaceholderYearOtherThanTheDate", "BDAY;X-APPLE-OMIT-YEAR=1604:1985-04-12",
                     {month{4}, day{12}, k1985}},
        BirthdayCase{"FirstDateTakenAfterText", "BDAY;VALUE=text:circa 1800\r\nBDAY:1985-04-12",
                     {month{4}, day{12}, k1985}},
        BirthdayCase{"LowerCaseName", "bday:1985-04-12", {month{4}, day{12}, k1985}}),
    caseName<BirthdayCase>);

struct BloodTypeCase {
    const char* what;
    const char* line;
    std::optional<int> position;
};

class BloodTypes : public ::testing::TestWithParam<BloodTypeCase> {};

TEST_P(BloodTypes, GiveThePosition)
{
    const BloodTypeCase& c = GetParam();
    const Person person = onlyPerson(card("4.0", "FN:Anna\r\nBDAY:--0412\r\n" + std::string(c.line)));
    EXPECT_EQ(person.bloodType, c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, BloodTypes,
    ::testing::Values(
        BloodTypeCase{"None", "", std::nullopt},
        BloodTypeCase{"First", "X-VELMORA-BLOOD-TYPE:A+\r\n", 0},
        BloodTypeCase{"Last", "X-VELMORA-BLOOD-TYPE:O-\r\n", 7},
        BloodTypeCase{"TwoLetters", "X-VELMORA-BLOOD-TYPE:AB-\r\n", 5},
        BloodTypeCase{"AnyCase", "x-velmora-blood-type: ab+ \r\n", 4},
        BloodTypeCase{"NotABloodType", "X-VELMORA-BLOOD-TYPE:C+\r\n", std::nullopt},
        BloodTypeCase{"FirstThatIsOne", "X-VELMORA-BLOOD-TYPE:\r\nX-VELMORA-BLOOD-TYPE:B-\r\n", 3}),
    caseName<BloodTypeCase>);

} // namespace
