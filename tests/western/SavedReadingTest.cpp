#include "western/SavedReadingFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
namespace fs = std::filesystem;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (const int value : values)
        out += static_cast<char>(value);
    return out;
}

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/velmora-zcm-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(path_); }
    fs::path file(const char* name) const { return path_ / name; }

private:
    fs::path path_;
};

void write(const fs::path& path, std::string_view content)
{
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace

TEST(Codec, ShiftsEachCharacterBy85)
{
    EXPECT_EQ(velmora::western::EncodeText(U"21"), bytes({135, 134}));
    EXPECT_EQ(velmora::western::EncodeText(U""), "");
    EXPECT_EQ(velmora::western::DecodeText(""), U"");
    EXPECT_EQ(velmora::western::DecodeText(bytes({135, 134, 40, 84})), U"21") << "bytes below 85 are dropped";
}

TEST(Codec, EveryTextOfCodes0To170RoundTripsByteForByte)
{
    std::u32string all;
    for (char32_t c = 0; c <= 127; ++c)
        all += c;
    all += U"\u20AC\u2019\u00A0\u00A9\u00AA"; // Windows-1252 bytes 0x80, 0x92, 0xA0, 0xA9, 0xAA
    const std::string encoded = velmora::western::EncodeText(all);
    EXPECT_EQ(encoded.size(), all.size());
    for (const char byte : encoded)
        EXPECT_GE(static_cast<unsigned char>(byte), 85);
    // Written exactly; read back without the control characters.
    EXPECT_EQ(velmora::western::DecodeText(encoded), all.substr(32, 127 - 32) + all.substr(128));
}

TEST(Codec, DropsControlCharactersHoweverTheyAreStored)
{
    const std::string shifted = bytes({85 + 'A', 85, 85 + 10, 85 + 13, 85 + 27, 85 + 31, 85 + 127, 85 + 'B'});
    EXPECT_EQ(velmora::western::DecodeText(shifted), U"AB");
    EXPECT_EQ(velmora::western::DecodeText("\x1b" "0;" "\x1b" "A;" "\x1b" "1B;" "\x1b" "7F;" "\x1b" "20;"), U" ");
    EXPECT_EQ(velmora::western::DecodeText(velmora::western::EncodeText(U"Zo\u00EB\n\u00A0\u0080")), U"Zo\u00EB\u00A0\u0080")
        << "only codes below 32 and 127 are control characters here";
}

TEST(Codec, KeepsCharactersBeyondTheShiftByAnEscapeOldReadersSkip)
{
    for (const std::u32string name : {U"Łukasz", U"Renée Zoë", U"Иван Петров", U"陈伟", U"🙂 Smile"}) {
        const std::string encoded = velmora::western::EncodeText(name);
        EXPECT_EQ(velmora::western::DecodeText(encoded), name);
        EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
    }
    // A reader that knows only the shift drops the escape and keeps the rest.
    std::u32string oldReading;
    for (const char byte : velmora::western::EncodeText(U"Łukasz"))
        if (static_cast<unsigned char>(byte) >= 85)
            oldReading += static_cast<char32_t>(static_cast<unsigned char>(byte) - 85);
    EXPECT_EQ(oldReading, U"ukasz");
}

TEST(Codec, DropsBrokenEscapes)
{
    EXPECT_EQ(velmora::western::DecodeText("\x1b" "141"), U"") << "no terminator";
    EXPECT_EQ(velmora::western::DecodeText("\x1b;"), U"") << "no digits";
    EXPECT_EQ(velmora::western::DecodeText("\x1b" "D800;"), U"") << "a surrogate is no character";
    EXPECT_EQ(velmora::western::DecodeText("\x1b" "1234567;"), U"") << "too many digits";
    EXPECT_EQ(velmora::western::DecodeText("\x1b" "110000;"), U"") << "beyond Unicode";
}

TEST(SavedReadingFile, HoldsEightCrLfLines)
{
    const velmora::western::ReadingLines fields = {U"Anna", U"March", U"21", U"1980", U"Tom", U"July", U"4", U"1950"};
    const std::string file = velmora::western::FormatReadingFile(fields);
    EXPECT_EQ(file.substr(0, 6), bytes({150, 195, 195, 182, 13, 10}));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 8);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    EXPECT_EQ(velmora::western::ParseReadingFile(file), fields);
    EXPECT_EQ(velmora::western::ParseReadingFile(file + "\r\n\n\r"), fields) << "blank lines may follow";
    EXPECT_EQ(velmora::western::ParseReadingFile(file + velmora::western::EncodeText(U"x")), std::nullopt) << "a ninth line is refused";
}

TEST(SavedReadingFile, ShortOrOddFilesGiveWhatTheyHold)
{
    const std::string four = velmora::western::FormatReadingFile({U"Anna", U"March", U"21", U"1980"});
    EXPECT_EQ(velmora::western::ParseReadingFile(four).value()[0], U"Anna");
    EXPECT_EQ(velmora::western::ParseReadingFile(four).value()[4], U"");
    EXPECT_EQ(velmora::western::ParseReadingFile("").value()[0], U"");

    std::string lfOnly = four;
    std::erase(lfOnly, '\r');
    EXPECT_EQ(velmora::western::ParseReadingFile(lfOnly), velmora::western::ParseReadingFile(four));

    const std::string garbage = bytes({0, 255, 13, 200, 1, 10, 10, 27, 27, 59, 128});
    const velmora::western::ReadingLines lines = velmora::western::ParseReadingFile(garbage).value();
    EXPECT_EQ(lines[0], U"\u00AA");
    EXPECT_EQ(lines[1], U"s") << "a lone CR ends a line";
    EXPECT_EQ(lines[2], U"");
    EXPECT_EQ(lines[3], U"+") << "escapes without digits are dropped";
}

TEST(SavedReadingFile, AFileUpToTheLimitIsReadWholeAndOneByteMoreNotAtAll)
{
    TempFolder folder;
    velmora::western::ReadingLines fields = {U"", U"March", U"21", U"1980", U"Tom", U"July", U"4", U"1950"};
    const std::size_t rest = velmora::western::FormatReadingFile(fields).size();
    fields[0] = std::u32string(velmora::western::kMaxFileBytes - rest, U'A');
    const fs::path largest = folder.file("largest.zcm");
    write(largest, velmora::western::FormatReadingFile(fields));
    ASSERT_EQ(fs::file_size(largest), velmora::western::kMaxFileBytes);
    EXPECT_EQ(velmora::western::ReadReadingFile(largest), fields);

    fields[0] += U'A';
    const fs::path tooLarge = folder.file("too-large.zcm");
    write(tooLarge, velmora::western::FormatReadingFile(fields));
    EXPECT_EQ(velmora::western::ReadReadingFile(tooLarge), std::nullopt);
    EXPECT_EQ(velmora::western::ParseReadingFile(velmora::western::FormatReadingFile(fields)), std::nullopt);
}

TEST(SavedReadingFile, TwoNamesOfTheLongestAcceptedLengthFitInAnyScript)
{
    // The costliest characters: four escape digits for one UTF-16 unit.
    const std::u32string name(velmora::kit::kMaxNameLength, U'\uFFFD');
    const std::string file =
        velmora::western::FormatReadingFile({name, U"September", U"30", U"2050", name, U"September", U"30", U"2050"});
    EXPECT_LE(file.size(), velmora::western::kMaxFileBytes);
    EXPECT_EQ(velmora::western::ParseReadingFile(file).value()[4], name);
}

TEST(SavedReadingFile, BrokenAndMissingFilesAreRefused)
{
    TempFolder folder;
    fs::create_directory(folder.file("folder.zcm"));
    EXPECT_EQ(velmora::western::ReadReadingFile(folder.file("folder.zcm")), std::nullopt);
    EXPECT_EQ(velmora::western::ReadReadingFile(folder.file("missing.zcm")), std::nullopt);

    const fs::path ninth = folder.file("nine-lines.zcm");
    write(ninth, velmora::western::FormatReadingFile({U"Anna"}) + std::string(7, '\n') + velmora::western::EncodeText(U"extra"));
    EXPECT_EQ(velmora::western::ReadReadingFile(ninth), std::nullopt);

    const fs::path locked = folder.file("locked.zcm");
    write(locked, velmora::western::FormatReadingFile({U"Anna"}));
    fs::permissions(locked, fs::perms::none);
    if (geteuid() != 0) { // the superuser reads it anyway
        EXPECT_EQ(velmora::western::ReadReadingFile(locked), std::nullopt);
    }
}
