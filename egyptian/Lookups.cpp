#include "egyptian/Lookups.h"

#include "content/egyptian/EgyptianTexts.h"
#include "content/TableKeys.h"

namespace velmora::egyptian {
namespace {

using enum EgyptianSign;

constexpr std::array<std::string_view, kSignCount> kDisplayNames = {
    "Amon Ra", "Anubis", "Bastet", "Geb", "Horus", "Isis", "Mut", "The Nile", "Osiris", "Sekhmet", "Seth", "Thoth",
};
static_assert(content::AllDistinct(kDisplayNames));

// The signs' pictures, in the order of the sign numbers, and the picture of
// no sign.
constexpr std::array<std::string_view, kSignCount> kPictures = {
    ":/egyptian/signs/AmonRa.svg",  ":/egyptian/signs/Anubis.svg",  ":/egyptian/signs/Bastet.svg",
    ":/egyptian/signs/Geb.svg",     ":/egyptian/signs/Horus.svg",   ":/egyptian/signs/Isis.svg",
    ":/egyptian/signs/Mut.svg",     ":/egyptian/signs/TheNile.svg", ":/egyptian/signs/Osiris.svg",
    ":/egyptian/signs/Sekhmet.svg", ":/egyptian/signs/Seth.svg",    ":/egyptian/signs/Thoth.svg",
};
constexpr std::string_view kDefaultPicture = ":/egyptian/signs/default.svg";

// Each picture is named for its sign, written without blanks.
constexpr bool picturesFollowTheSigns() noexcept
{
    constexpr std::string_view kFolder = ":/egyptian/signs/";
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        std::string_view file = kPictures[i].substr(kFolder.size());
        for (const char c : kDisplayNames[i]) {
            if (c == ' ')
                continue;
            if (file.empty() || file.front() != c)
                return false;
            file.remove_prefix(1);
        }
        if (file != ".svg")
            return false;
    }
    return true;
}
static_assert(picturesFollowTheSigns());

// The reading's fields before the two paragraphs of prose are short facts.
constexpr std::size_t kShortFactCount = 10;
static_assert(kReadingFields[kShortFactCount].field == &EgyptianProfile::Description
              && kReadingFields[kShortFactCount + 1].field == &EgyptianProfile::Characteristics);

constexpr bool isSign(EgyptianSign sign) noexcept
{
    return SignNumber(sign) >= 1 && SignNumber(sign) <= kSignCount;
}

constexpr std::size_t indexOf(EgyptianSign sign) noexcept
{
    return static_cast<std::size_t>(SignNumber(sign) - 1);
}

// A stretch of one month, both days inclusive.
struct Stretch {
    int month;
    int firstDay;
    int lastDay;
    EgyptianSign sign;
};

constexpr std::array<Stretch, 35> kCalendar = {{
    // month, first day, last day, sign
    {1, 1, 7, TheNile},
    {1, 8, 21, AmonRa},
    {1, 22, 31, Mut},
    {2, 1, 11, AmonRa},
    {2, 12, 29, Geb},
    {3, 1, 10, Osiris},
    {3, 11, 31, Isis},
    {4, 1, 19, Thoth},
    {4, 20, 30, Horus},
    {5, 1, 7, Horus},
    {5, 8, 27, Anubis},
    {5, 28, 31, Seth},
    {6, 1, 18, Seth},
    {6, 19, 28, TheNile},
    {6, 29, 30, Anubis},
    {7, 1, 13, Anubis},
    {7, 14, 28, Bastet},
    {7, 29, 31, Sekhmet},
    {8, 1, 11, Sekhmet},
    {8, 12, 19, Horus},
    {8, 20, 31, Geb},
    {9, 1, 7, TheNile},
    {9, 8, 22, Mut},
    {9, 23, 27, Bastet},
    {9, 28, 30, Seth},
    {10, 1, 2, Seth},
    {10, 3, 17, Bastet},
    {10, 18, 29, Isis},
    {10, 30, 31, Sekhmet},
    {11, 1, 7, Sekhmet},
    {11, 8, 17, Thoth},
    {11, 18, 26, TheNile},
    {11, 27, 30, Osiris},
    {12, 1, 18, Osiris},
    {12, 19, 31, Isis},
}};

// Every month is covered from the 1st to its last day (February to the 29th),
// month after month, without gap or overlap.
constexpr bool coversTheYear() noexcept
{
    constexpr std::array<int, 12> kMonthLengths = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 1;
    int nextDay = 1;
    for (const Stretch& stretch : kCalendar) {
        if (nextDay > kMonthLengths[static_cast<std::size_t>(month - 1)]) {
            ++month;
            nextDay = 1;
        }
        if (stretch.month != month || stretch.firstDay != nextDay || stretch.lastDay < stretch.firstDay
            || !isSign(stretch.sign))
            return false;
        nextDay = stretch.lastDay + 1;
    }
    return month == 12 && nextDay == 32;
}
static_assert(coversTheYear());

struct ShortFacts {
    EgyptianSign sign;
    std::string_view rulingDeity;
    std::string_view role;
    std::string_view sacredAnimal;
    std::string_view polarity;
    std::string_view zodiacSign;
};

constexpr std::array<ShortFacts, kSignCount> kShortFacts = {{
    // sign, ruling deity, role, sacred animal, polarity, corresponding zodiac sign
    {AmonRa, "Amon-Ra", "The god of Creation", "Ram and Goose", "Masculine", "Taurus"},
    {Anubis, "Anubis", "The god of Death", "Jackal", "Masculine", "Leo"},
    {Bastet, "Bastet", "The goddess of Cats", "Cat", "Feminine", "Cancer"},
    {Geb, "Geb", "The god of the Earth", "Goose", "Masculine", "Aquarius"},
    {Horus, "Horus", "The god of Pharaoh", "Snake", "Feminine", "Libra"},
    {Isis, "Isis", "The goddess of Motherhood.", "Ram", "Feminine", "Pisces"},
    {Mut, "Mut", "The Creator goddess", "Vulture", "Feminine", "Scorpio"},
    {TheNile, "Nile", "The goddess of who saved the Nile", "Antelope", "Feminine", "Capricorn"},
    {Osiris, "Osiris", "The god of after life", "Bull", "Masculine", "Aries"},
    {Sekhmet, "Sekhmet", "The goddess of War", "Lion", "Masculine", "Sagittarius"},
    {Seth, "Seth", "The god of Evil", "The legendary 'Seth' animal", "Feminine", "Gemini"},
    {Thoth, "Thoth", "The god of Wisdom", "Baboon and Ibis", "Masculine", "Virgo"},
}};

struct TraitsAndColours {
    EgyptianSign sign;
    std::string_view keywords;
    std::string_view compatibleSigns;
    std::string_view luckyColorMale;
    std::string_view luckyColorFemale;
};

constexpr std::array<TraitsAndColours, kSignCount> kTraitsAndColours = {{
    // sign, keywords, compatible signs, lucky colour for a man, lucky colour for a woman
    {AmonRa, "Generous, Fruitful and Helpful", "The Nile and Horus", "Yellow", "Orange"},
    {Anubis, "Cunning, Clever, Sympathetic and Persevering", "Bastet and Isis", "Sienna", "Crimson"},
    {Bastet, "Anxious and Balanced", "Horus and Sekhmet", "Yellow Ochre", "Grey"},
    {Geb, "Sensitive, Proud and Modest", "Seth and Horus", "Violet Ochre", "Rose"},
    {Horus, "Witty, Powerful will and Impatient", "Geb and Bastet", "Red carmine", "Gold"},
    {Isis, "Active, Confident, Respectable and Outspoken", "Osiris and Thoth", "White", "Blue"},
    {Mut, "Ironic", "Amon-Ra and Thoth", "Brown", "Red carmine"},
    {TheNile, "Peace loving, Practical and Logical minded", "Amon-Ra and Seth", "Deep red", "Deep blue"},
    {Osiris, "Dual Personality and Indecisive", "Isis and Thoth", "Yellow", "Green"},
    {Sekhmet, "Intelligent, Observant and Authoritative", "Geb and Bastet", "Green", "Turquoise"},
    {Seth, "Irrational and Perfectionist", "Geb and The Nile", "Turquoise", "Black"},
    {Thoth, "Kind, Enthusiastic and Brave", "Isis and Bastet", "Rose", "White"},
}};

struct Appearance {
    EgyptianSign sign;
    std::string_view appearance;
};

constexpr std::array<Appearance, kSignCount> kAppearances = {{
    {AmonRa, "A man with blue skin wearing a crown having double feather plumes"},
    {Anubis, "A jackal headed man"},
    {Bastet, "A cat headed woman"},
    {Geb, "A man with green skin wearing leaves and with a goose over his head"},
    {Horus, "A man falcon headed man"},
    {Isis, "A woman wearing the hieroglyph on her head"},
    {Mut, "A woman with the wings of a vulture"},
    {TheNile, "A woman with antelope horns"},
    {Osiris, "A mummy like green skinned man"},
    {Sekhmet, "A lion headed woman"},
    {Seth, "Sometimes seen as a pig or a hippopotamus, a man with a donkey head"},
    {Thoth, "A baboon or an ibis headed man"},
}};

// The compatibility relation: each sign's two compatible signs, the signs its
// compatible-signs field names.
struct CompatibleSigns {
    EgyptianSign sign;
    std::array<EgyptianSign, 2> compatible;
};

constexpr std::array<CompatibleSigns, kSignCount> kRelation = {{
    {AmonRa, {TheNile, Horus}},
    {Anubis, {Bastet, Isis}},
    {Bastet, {Horus, Sekhmet}},
    {Geb, {Seth, Horus}},
    {Horus, {Geb, Bastet}},
    {Isis, {Osiris, Thoth}},
    {Mut, {AmonRa, Thoth}},
    {TheNile, {AmonRa, Seth}},
    {Osiris, {Isis, Thoth}},
    {Sekhmet, {Geb, Bastet}},
    {Seth, {Geb, TheNile}},
    {Thoth, {Isis, Bastet}},
}};

// Each table has one row per sign, in sign-number order, so a sign's row is
// found by its number.
template <class Row>
constexpr bool inSignOrder(const std::array<Row, kSignCount>& rows) noexcept
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (indexOf(rows[i].sign) != i)
            return false;
    }
    return true;
}
static_assert(inSignOrder(kShortFacts) && inSignOrder(kTraitsAndColours) && inSignOrder(kAppearances)
              && inSignOrder(kRelation));

constexpr bool noSignIsCompatibleWithItself() noexcept
{
    for (const CompatibleSigns& row : kRelation) {
        const auto [a, b] = row.compatible;
        if (a == row.sign || b == row.sign || a == b || !isSign(a) || !isSign(b))
            return false;
    }
    return true;
}
static_assert(noSignIsCompatibleWithItself());

namespace texts = content::egyptian;

// Every sign has its prose in the row of its number.
static_assert(content::KeyedInOrder(texts::kSignTexts, &texts::SignTexts::sign, kDisplayNames));

// The profiles, in sign-number order: the facts with the prose of the same
// sign.
constexpr std::array<EgyptianProfile, kSignCount> kProfiles = [] {
    std::array<EgyptianProfile, kSignCount> profiles{};
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const ShortFacts& facts = kShortFacts[i];
        const TraitsAndColours& traits = kTraitsAndColours[i];
        const texts::SignTexts& prose = texts::kSignTexts[i];
        profiles[i] = {
            .CompatibleSigns = traits.compatibleSigns,
            .LuckyColorMale = traits.luckyColorMale,
            .LuckyColorFemale = traits.luckyColorFemale,
            .Polarity = facts.polarity,
            .RulingDeity = facts.rulingDeity,
            .Keywords = traits.keywords,
            .Role = facts.role,
            .SacredAnimal = facts.sacredAnimal,
            .Appearance = kAppearances[i].appearance,
            .ZodiacSign = facts.zodiacSign,
            .Description = prose.deityDescription,
            .Characteristics = prose.characteristics,
        };
    }
    return profiles;
}();

} // namespace

std::string_view DisplayName(EgyptianSign sign) noexcept
{
    return isSign(sign) ? kDisplayNames[indexOf(sign)] : std::string_view{};
}

std::optional<EgyptianSign> FindEgyptianSign(std::chrono::year_month_day birthDate) noexcept
{
    const int month = static_cast<int>(static_cast<unsigned>(birthDate.month()));
    const int day = static_cast<int>(static_cast<unsigned>(birthDate.day()));
    for (const Stretch& stretch : kCalendar) {
        if (stretch.month == month && stretch.firstDay <= day && day <= stretch.lastDay)
            return stretch.sign;
    }
    return std::nullopt;
}

std::string_view SignPicture(EgyptianSign sign) noexcept
{
    return isSign(sign) ? kPictures[indexOf(sign)] : kDefaultPicture;
}

EgyptianProfile GetEgyptianProfile(EgyptianSign sign) noexcept
{
    return isSign(sign) ? kProfiles[indexOf(sign)] : EgyptianProfile{};
}

std::string_view EgyptianPairVerdict(EgyptianSign first, EgyptianSign second) noexcept
{
    if (!isSign(first))
        return kNotCompatible;
    const auto [a, b] = kRelation[indexOf(first)].compatible;
    return second == a || second == b ? kVeryCompatible : kNotCompatible;
}

std::vector<kit::Fact> ShortFacts(const EgyptianProfile& profile)
{
    std::vector<kit::Fact> facts;
    for (std::size_t i = 0; i < kShortFactCount; ++i) {
        const ReadingField& field = kReadingFields[i];
        std::string_view caption = field.label;
        caption.remove_suffix(caption.ends_with(" :-") ? 3 : 0);
        facts.push_back({caption, profile.*field.field});
    }
    return facts;
}

} // namespace velmora::egyptian
