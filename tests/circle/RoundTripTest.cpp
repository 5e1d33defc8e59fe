// Write, read, the same people: for generated circles with odd names and
// kept lines, and for every file of the fuzzing seed corpus, read as an
// address book exports it.
#include "circle/TextEncoding.h"
#include "tests/circle/CircleTestSupport.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

using namespace velmora::circle;
using namespace velmora::circle::testing;

// Text pieces that a reader or writer may mistake: separators and escapes
// of vCard, quoted-printable's "=", blanks, line breaks, non-Latin scripts,
// characters beyond the Basic Multilingual Plane, and long runs that fold.
constexpr std::array<std::string_view, 20> kPieces = {
    "Anna", "Berg", ",", ";", "\\", "\\n", "\n", "\t", " ", ":", "=", "\"", "=3D",
    "\xC3\xA9",                         // é
    "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99", // three CJK characters
    "\xD0\x96\xD0\xB5\xD0\xBD\xD1\x8F", // Cyrillic
    "\xF0\x9F\x90\x89",                 // beyond the BMP
    "\xE2\x80\x8F",                     // a right-to-left mark
    "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
    "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
    "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
    "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
};

// Kept lines' heads: groups, parameters in each version's forms, and names
// the suite also reads, which a card keeps when it used another line.
constexpr std::array<std::string_view, 11> kHeads = {
    "TEL", "item1.EMAIL;TYPE=INTERNET", "NOTE;LANGUAGE=de", "N", "ADR;TYPE=\"home,postal\"", "X-CUSTOM;X-P=\"a:b;c\"",
    "TEL;WORK;VOICE", "NOTE;CHARSET=UTF-8", "FN", "BDAY;VALUE=text", "X-VELMORA-BLOOD-TYPE;X-NOTE=\"Q\"",
};

class CircleMaker {
public:
    explicit CircleMaker(unsigned seed) : random_(seed) {}

    std::vector<Person> circle()
    {
        std::vector<Person> people(1 + random_() % 12);
        for (Person& person : people)
            person = {name(), birthday(), bloodType(), keptLines()};
        return people;
    }

private:
    // A kept line never holds a raw line break: a break ends the line.
    enum class LineFeeds { Allowed, LeftOut };

    std::string text(std::size_t pieces, LineFeeds lineFeeds)
    {
        std::string out;
        while (pieces > 0) {
            const std::string_view piece = kPieces[random_() % kPieces.size()];
            if (piece == "\n" && lineFeeds == LineFeeds::LeftOut)
                continue;
            out += piece;
            --pieces;
        }
        return out;
    }

    // As the reader gives names: without blanks and line breaks around them.
    std::u16string name()
    {
        std::string raw = "N" + text(random_() % 8, LineFeeds::Allowed) + "e";
        return utf8ToUtf16(raw);
    }

    Birthday birthday()
    {
        using namespace std::chrono;
        for (;;) {
            const month m{1 + static_cast<unsigned>(random_() % 12)};
            const day d{1 + static_cast<unsigned>(random_() % 31)};
            if (random_() % 4 == 0 && (m / d).ok())
                return {m, d, std::nullopt};
            const year y{kFirstYear + static_cast<int>(random_() % (kLastYear - kFirstYear + 1))};
            if ((y / m / d).ok())
                return {m, d, y};
        }
    }

    std::optional<int> bloodType()
    {
        const int position = static_cast<int>(random_() % 9);
        return position < 8 ? std::optional<int>(position) : std::nullopt;
    }

    std::vector<std::string> keptLines()
    {
        std::vector<std::string> lines(random_() % 6);
        for (std::string& line : lines) {
            if (random_() % 4 == 0)
                line = "NOTE;ENCODING=QUOTED-PRINTABLE:" + quotedPrintable(text(random_() % 12, LineFeeds::Allowed));
            else
                line = std::string(kHeads[random_() % kHeads.size()]) + ":" + text(random_() % 12, LineFeeds::LeftOut);
        }
        return lines;
    }

    static std::string quotedPrintable(std::string_view text)
    {
        constexpr std::string_view kHex = "0123456789ABCDEF";
        std::string out;
        for (const char c : text) {
            const auto octet = static_cast<unsigned char>(c);
            if (octet >= 0x21 && octet <= 0x7E && c != '=')
                out += c;
            else
                out += {'=', kHex[octet >> 4], kHex[octet & 0xF]};
        }
        return out;
    }

    std::mt19937 random_;
};

TEST(RoundTrip, GeneratedCirclesReadBackTheSame)
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<Person> people = CircleMaker(seed).circle();
        const std::string written = writeAddressBook(people);
        const AddressBook book = readAddressBook(written);
        EXPECT_EQ(book.problem, FileProblem::None);
        EXPECT_EQ(book.notRead, std::vector<NotReadCard>{});
        ASSERT_EQ(book.people, people);
        EXPECT_EQ(writeAddressBook(book.people), written);
    }
}

std::string contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(RoundTrip, ExportsReadAsWrittenAgain)
{
    std::size_t people = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CIRCLE_CORPUS_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        const AddressBook book = readAddressBook(contents(entry.path()));
        const AddressBook again = readAddressBook(writeAddressBook(book.people));
        EXPECT_EQ(again.people, book.people);
        EXPECT_EQ(again.notRead, std::vector<NotReadCard>{});
        people += book.people.size();
    }
    EXPECT_GE(people, 8u) << "the corpus lost its readable cards";
}

} // namespace
