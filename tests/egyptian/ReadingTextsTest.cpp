#include "content/egyptian/EgyptianTexts.h"
#include "egyptian/Lookups.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>
namespace texts = velmora::content::egyptian;

namespace {

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) {
        std::string bare;
        for (char c : word) {
            if (std::isalpha(static_cast<unsigned char>(c)))
                bare += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        out.push_back(bare);
    }
    return out;
}

bool addressesTheReader(const std::string& word)
{
    return word == "you" || word == "your" || word == "yours" || word == "yourself";
}

std::vector<std::string> sentences(std::string_view text)
{
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        current += c;
        if (c == '.' || c == '!' || c == '?') {
            out.push_back(current);
            current.clear();
        }
    }
    return out;
}

} // namespace

TEST(ReadingTexts, OneRowPerSignInTheOrderOfTheSignNumbers)
{
    for (int number = 1; number <= velmora::egyptian::kSignCount; ++number) {
        const auto sign = static_cast<velmora::egyptian::EgyptianSign>(number);
        const texts::SignTexts& row = texts::kSignTexts[static_cast<std::size_t>(number - 1)];
        EXPECT_EQ(row.sign, velmora::egyptian::DisplayName(sign));
        EXPECT_EQ(velmora::egyptian::GetEgyptianProfile(sign).Description, row.deityDescription);
        EXPECT_EQ(velmora::egyptian::GetEgyptianProfile(sign).Characteristics, row.characteristics);
    }
}

TEST(ReadingTexts, DescriptionsTellOfTheDeityAndCharacteristicsSpeakToTheReader)
{
    for (const texts::SignTexts& row : texts::kSignTexts) {
        SCOPED_TRACE(std::string(row.sign));
        for (std::string_view text : {row.deityDescription, row.characteristics})
            EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos);

        const std::vector<std::string> description = words(row.deityDescription);
        EXPECT_GE(description.size(), 40u);
        EXPECT_LE(description.size(), 75u);
        for (const std::string& word : description)
            EXPECT_FALSE(addressesTheReader(word)) << "the description is told in the third person";

        EXPECT_GE(words(row.characteristics).size(), 50u);
        EXPECT_LE(words(row.characteristics).size(), 130u);
        std::size_t spokenToTheReader = 0;
        const std::vector<std::string> parts = sentences(row.characteristics);
        for (const std::string& sentence : parts) {
            for (const std::string& word : words(sentence)) {
                if (addressesTheReader(word)) {
                    ++spokenToTheReader;
                    break;
                }
            }
        }
        EXPECT_GT(2 * spokenToTheReader, parts.size()) << "most sentences address the reader";
    }
}
