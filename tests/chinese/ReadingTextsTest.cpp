#include "chinese/Lookups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>
using namespace std::chrono;

namespace {

int wordCount(std::string_view text)
{
    std::istringstream words{std::string(text)};
    return static_cast<int>(std::distance(std::istream_iterator<std::string>(words), {}));
}

// How often the text says "you", "your", "yours" or "yourself".
int timesAddressed(std::string_view text)
{
    std::istringstream words{std::string(text)};
    int addressed = 0;
    for (std::string word; words >> word;) {
        std::erase_if(word, [](char c) { return !std::isalpha(static_cast<unsigned char>(c)); });
        std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
        addressed += (word == "you" || word == "your" || word == "yours" || word == "yourself") ? 1 : 0;
    }
    return addressed;
}

// Opens with "You" and keeps addressing the reader.
bool speaksToTheReader(std::string_view text)
{
    return text.starts_with("You ") && timesAddressed(text) >= 5;
}

std::string plural(std::string_view animal)
{
    return animal == "Ox" ? "Oxen" : std::string(animal) + "s";
}

// The last number word of a closing sentence: the score (same-animal closings
// also say "two", as in "two Rats").
int scoreOf(std::string_view closing)
{
    static const std::map<std::string, int> kNumbers = {{"one", 1}, {"two", 2}, {"three", 3}, {"four", 4},
                                                        {"five", 5}, {"six", 6}, {"seven", 7}, {"eight", 8},
                                                        {"nine", 9}, {"ten", 10}};
    std::string word;
    int score = 0;
    for (const char c : std::string(closing) + " ") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            if (const auto it = kNumbers.find(word); it != kNumbers.end())
                score = it->second;
            word.clear();
        }
    }
    return score;
}

constexpr std::string_view kClosingStart = "On the compatibility scale of one to ten, ";
constexpr std::string_view kBlankLine = "\r\n\r\n";

std::string lowerCase(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

// The sentences of a text, each with its closing full stop (or ! or ?).
std::vector<std::string_view> sentencesOf(std::string_view text)
{
    std::vector<std::string_view> sentences;
    for (std::size_t start = text.find_first_not_of(" \r\n"); start != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(".!?", start), text.size() - 1) + 1;
        sentences.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(" \r\n", end);
    }
    return sentences;
}

struct Word {
    std::string_view text;
    int clause; // counts the commas, semicolons and colons before the word
};

std::vector<Word> wordsOf(std::string_view sentence)
{
    const auto isWordCharacter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '\''; };
    std::vector<Word> words;
    int clause = 0;
    for (std::size_t at = 0; at < sentence.size();) {
        if (isWordCharacter(sentence[at])) {
            const auto end = std::find_if_not(sentence.begin() + at, sentence.end(), isWordCharacter);
            words.push_back({sentence.substr(at, end - sentence.begin() - at), clause});
            at = end - sentence.begin();
        } else {
            clause += std::string_view(",;:").find(sentence[at++]) != std::string_view::npos ? 1 : 0;
        }
    }
    return words;
}

// Whether "it", "its" or "itself" in the sentence means the reader's own
// animal, who is to be "you" while the partner's animal is "it". A pronoun is
// taken to mean the nearest of the two animals or "you" before it, except that
// a partner met in a prepositional phrase of an earlier clause ("the first
// thing a Pig notices with a Rabbit, and the last thing it loses") yields to
// the players of that clause. A possessive ("a Monkey's charm") names no one a
// pronoun can mean. The two animals must differ. A reader described as "a
// partner who ..." and then called "it" slips through: word order alone cannot
// tell that from a partner called "it" inside such a clause.
bool callsTheReaderIt(std::string_view sentence, std::string_view reader, std::string_view partner)
{
    static const std::set<std::string, std::less<>> kPronouns = {"it", "its", "itself"};
    static const std::set<std::string, std::less<>> kSecondPerson = {"you", "your", "yours", "yourself"};
    static const std::set<std::string, std::less<>> kPrepositions = {
        "about", "at", "beside", "by", "for", "from", "in", "like", "of", "on", "than", "to", "with"};
    static const std::set<std::string, std::less<>> kArticles = {"a", "an", "the"};
    enum class Who { Reader, Partner, You };
    struct Mention {
        Who who;
        bool inPrepositionalPhrase;
        int clause;
    };

    const std::vector<Word> words = wordsOf(sentence);
    std::vector<Mention> mentions;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const Word& word = words[at];
        const std::string lower = lowerCase(word.text);
        if (word.text == reader || word.text == partner) {
            const std::size_t article = at > 0 && kArticles.contains(lowerCase(words[at - 1].text)) ? 1 : 0;
            const bool prepositional = at > article && kPrepositions.contains(lowerCase(words[at - article - 1].text));
            mentions.push_back({word.text == reader ? Who::Reader : Who::Partner, prepositional, word.clause});
        } else if (kSecondPerson.contains(lower)) {
            mentions.push_back({Who::You, false, word.clause});
        } else if (kPronouns.contains(lower)) {
            const auto meant = std::find_if(mentions.rbegin(), mentions.rend(), [&](const Mention& mention) {
                return !(mention.who == Who::Partner && mention.inPrepositionalPhrase && mention.clause < word.clause);
            });
            if (meant != mentions.rend() && meant->who == Who::Reader)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(AnimalTexts, TraitsAreParagraphsOfTheirLengthInTheSecondPerson)
{
    for (const std::string_view animal : velmora::chinese::kAnimals) {
        SCOPED_TRACE(std::string(animal));
        const velmora::chinese::AnimalProfile profile = velmora::chinese::GetAnimalProfile(animal);
        const int positive = wordCount(profile[velmora::chinese::PositiveTraits]);
        const int negative = wordCount(profile[velmora::chinese::NegativeTraits]);
        EXPECT_TRUE(positive >= 110 && positive <= 180) << positive;
        EXPECT_TRUE(negative >= 70 && negative <= 135) << negative;
        EXPECT_TRUE(speaksToTheReader(profile[velmora::chinese::PositiveTraits]));
        EXPECT_TRUE(speaksToTheReader(profile[velmora::chinese::NegativeTraits]));
    }
}

TEST(ElementTexts, AreParagraphsOfTheirLengthInTheSecondPerson)
{
    for (const std::string_view element : velmora::chinese::kElements) {
        const std::string_view reading = velmora::chinese::GetElementDescription(element);
        const int words = wordCount(reading);
        EXPECT_TRUE(words >= 50 && words <= 80) << element << ": " << words;
        EXPECT_TRUE(speaksToTheReader(reading)) << element;
        EXPECT_EQ(reading.find_first_of("\r\n"), std::string_view::npos) << element;
    }
}

// Everyone a profile names, with the birth date that puts them in the
// animal's year (a January or early February birthday may belong to the
// year before).
TEST(AnimalTexts, FamousPersonsWereBornInAYearOfTheirAnimal)
{
    static const std::map<std::string_view, year_month_day> kBirthDates = {
        {"Pope Francis", 1936y / December / 17},       {"King Charles III", 1948y / November / 14},
        {"Diego Maradona", 1960y / October / 30},      {"Cameron Diaz", 1972y / August / 30},
        {"Mark Zuckerberg", 1984y / May / 14},         {"LeBron James", 1984y / December / 30},
        {"Jack Nicholson", 1937y / April / 22},        {"Meryl Streep", 1949y / June / 22},
        {"Bruce Springsteen", 1949y / September / 23}, {"Princess Diana", 1961y / July / 1},
        {"Barack Obama", 1961y / August / 4},          {"George Clooney", 1961y / May / 6},
        {"Stevie Wonder", 1950y / May / 13},           {"Tom Cruise", 1962y / July / 3},
        {"Leonardo DiCaprio", 1974y / November / 11},  {"Lady Gaga", 1986y / March / 28},
        {"Rafael Nadal", 1986y / June / 3},            {"Usain Bolt", 1986y / August / 21},
        {"Francis Ford Coppola", 1939y / April / 7},   {"Michael Jordan", 1963y / February / 17},
        {"Brad Pitt", 1963y / December / 18},          {"Angelina Jolie", 1975y / June / 4},
        {"Tiger Woods", 1975y / December / 30},        {"Lionel Messi", 1987y / June / 24},
        {"John Lennon", 1940y / October / 9},          {"Bruce Lee", 1940y / November / 27},
        {"Sandra Bullock", 1964y / July / 26},         {"Keanu Reeves", 1964y / September / 2},
        {"Shakira", 1977y / February / 2},             {"Adele", 1988y / May / 5},
        {"Bob Dylan", 1941y / May / 24},               {"Muhammad Ali", 1942y / January / 17},
        {"Oprah Winfrey", 1954y / January / 29},       {"Robert Downey Jr.", 1965y / April / 4},
        {"J. K. Rowling", 1965y / July / 31},          {"Taylor Swift", 1989y / December / 13},
        {"Paul McCartney", 1942y / June / 18},         {"Harrison Ford", 1942y / July / 13},
        {"Jackie Chan", 1954y / April / 7},            {"Denzel Washington", 1954y / December / 28},
        {"Kobe Bryant", 1978y / August / 23},          {"Emma Watson", 1990y / April / 15},
        {"Mick Jagger", 1943y / July / 26},            {"Robert De Niro", 1943y / August / 17},
        {"Steve Jobs", 1955y / February / 24},         {"Bill Gates", 1955y / October / 28},
        {"Nicole Kidman", 1967y / June / 20},          {"Julia Roberts", 1967y / October / 28},
        {"George Lucas", 1944y / May / 14},            {"Bob Marley", 1945y / February / 6},
        {"Tom Hanks", 1956y / July / 9},               {"Celine Dion", 1968y / March / 30},
        {"Will Smith", 1968y / September / 25},        {"Selena Gomez", 1992y / July / 22},
        {"Eric Clapton", 1945y / March / 30},          {"Dolly Parton", 1946y / January / 19},
        {"Jennifer Lopez", 1969y / July / 24},         {"Natalie Portman", 1981y / June / 9},
        {"Roger Federer", 1981y / August / 8},         {"Serena Williams", 1981y / September / 26},
        {"Freddie Mercury", 1946y / September / 5},    {"Steven Spielberg", 1946y / December / 18},
        {"Madonna", 1958y / August / 16},              {"Michael Jackson", 1958y / August / 29},
        {"Matt Damon", 1970y / October / 8},           {"Prince William", 1982y / June / 21},
        {"Elton John", 1947y / March / 25},            {"Arnold Schwarzenegger", 1947y / July / 30},
        {"Stephen King", 1947y / September / 21},      {"Ewan McGregor", 1971y / March / 31},
        {"Ricky Martin", 1971y / December / 24},       {"Amy Winehouse", 1983y / September / 14},
    };
    for (const std::string_view animal : velmora::chinese::kAnimals) {
        const std::string_view list = velmora::chinese::GetAnimalProfile(animal)[velmora::chinese::FamousPersons];
        int count = 0;
        for (std::size_t start = 0; start <= list.size(); ++count) {
            const std::size_t end = std::min(list.find(", ", start), list.size());
            const std::string_view person = list.substr(start, end - start);
            start = end + 2;
            const auto born = kBirthDates.find(person);
            if (born == kBirthDates.end()) {
                ADD_FAILURE() << animal << ": no birth date for \"" << person << "\"";
                continue;
            }
            EXPECT_EQ(velmora::chinese::FindYearAnimal(born->second), animal) << person;
        }
        EXPECT_TRUE(count >= 1 && count <= 8) << animal << ": " << count;
    }
}

TEST(PairDescriptions, EachHasABodyABlankLineAndAClosingWithThePairsNumber)
{
    for (const std::string_view user : velmora::chinese::kAnimals) {
        for (const std::string_view partner : velmora::chinese::kAnimals) {
            SCOPED_TRACE(std::string(user) + " with " + std::string(partner));
            const std::string_view text = velmora::chinese::GetMatchingDescription(user, partner);
            const bool joinedByABlank =
                (user == "Goat" && partner == "Goat") || (user == "Tiger" && partner == "Rooster");

            std::size_t closingAt = 0;
            std::string_view body;
            if (joinedByABlank) {
                EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos);
                closingAt = text.rfind(kClosingStart);
                ASSERT_NE(closingAt, std::string_view::npos);
                ASSERT_GT(closingAt, 0u);
                EXPECT_EQ(text[closingAt - 1], ' ');
                body = text.substr(0, closingAt - 1);
            } else {
                const std::size_t blank = text.find(kBlankLine);
                ASSERT_NE(blank, std::string_view::npos);
                body = text.substr(0, blank);
                closingAt = blank + kBlankLine.size();
                EXPECT_EQ(text.substr(closingAt).find_first_of("\r\n"), std::string_view::npos);
            }
            const std::string_view closing = text.substr(closingAt);
            EXPECT_EQ(body.find_first_of("\r\n"), std::string_view::npos);
            const int words = wordCount(body);
            EXPECT_TRUE(words >= 110 && words <= 210) << words;
            // Every body speaks to the reader, whose animal is the first of the pair.
            EXPECT_GE(timesAddressed(body), 5) << body;

            EXPECT_TRUE(closing.starts_with(kClosingStart)) << closing;
            EXPECT_TRUE(closing.ends_with(".")) << closing;
            EXPECT_EQ(scoreOf(closing), velmora::chinese::GetCompatibilityNumber(user, partner)) << closing;
            if (user == partner) {
                EXPECT_NE(closing.find("two " + plural(user)), std::string_view::npos) << closing;
            } else {
                EXPECT_NE(closing.find(user), std::string_view::npos) << closing;
                EXPECT_NE(closing.find(partner), std::string_view::npos) << closing;
            }
        }
    }
}

// Sentences that name the reader's animal: whether each calls it "it".
TEST(PairDescriptions, AnItThatMeansTheReadersAnimalIsToldFromOneThatMeansThePartners)
{
    struct Case {
        std::string_view reader;
        std::string_view partner;
        std::string_view sentence;
        bool callsTheReaderIt;
    };
    const Case cases[] = {
        {"Goat", "Tiger", "A Tiger can sweep a Goat off its feet.", true},
        {"Dog", "Monkey", "Something about a Monkey makes a Dog laugh at itself, and that is a gift.", true},
        {"Pig", "Goat", "If a Pig could design the perfect companion, it might well draw a Goat.", true},
        // The partner met with "with" in the clause before the pronoun...
        {"Pig", "Rabbit", "Peace is the first thing a Pig notices with a Rabbit, and the last thing it loses.", true},
        // ... and in the pronoun's own clause.
        {"Dog", "Horse", "Loyalty usually costs a Dog a great deal of worry, but with a Horse it feels almost light.",
         false},
        {"Goat", "Dragon", "A Dragon can be a wonderful protector for a Goat, provided you do not mind its shadow.",
         false},
        {"Monkey", "Rabbit", "The Rabbit can seem a challenge to a Monkey's charm, but winning it over is easy.", false},
        {"Pig", "Dog", "It is firm ground that a Pig and a Dog share.", false},
    };
    for (const Case& row : cases)
        EXPECT_EQ(callsTheReaderIt(row.sentence, row.reader, row.partner), row.callsTheReaderIt) << row.sentence;
}

// The reader is "you" from the first sentence to the last; "it" is the
// partner. Pairs of one animal are left out, as their two animals share a name.
TEST(PairDescriptions, NeverCallTheReadersOwnAnimalIt)
{
    for (const std::string_view user : velmora::chinese::kAnimals) {
        for (const std::string_view partner : velmora::chinese::kAnimals) {
            if (user == partner)
                continue;
            for (const std::string_view sentence : sentencesOf(velmora::chinese::GetMatchingDescription(user, partner))) {
                if (callsTheReaderIt(sentence, user, partner))
                    ADD_FAILURE() << user << " with " << partner << ": " << sentence;
            }
        }
    }
}
