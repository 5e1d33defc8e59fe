#include "western/WesternReading.h"

namespace velmora::western {
namespace {

// The name's characters: pairs of surrogates joined, a surrogate without its
// partner kept as the replacement character, as the name boxes do.
std::u32string charactersOf(std::u16string_view text)
{
    constexpr char32_t kReplacement = 0xFFFD;
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHigh(unit) && i + 1 < text.size() && isLow(text[i + 1])) {
            out += 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10)
                   + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else {
            out += isHigh(unit) || isLow(unit) ? kReplacement : static_cast<char32_t>(unit);
        }
    }
    return out;
}

std::u32string characters(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// A birth date as the entry lists hold it: the month's name, the day's and
// the year's numbers.
std::array<std::u32string, 3> dateFields(std::chrono::year_month_day date)
{
    return {characters(kit::MonthName(date.month())), characters(std::to_string(static_cast<unsigned>(date.day()))),
            characters(std::to_string(static_cast<int>(date.year())))};
}

SignProfile profileOf(std::string_view sign)
{
    const SignProfile* profile = FindSignProfile(sign);
    return profile ? *profile : SignProfile{};
}

} // namespace

WesternReadingRecord CalculateWesternReading(const kit::BirthDetails& user, const kit::BirthDetails& partner)
{
    WesternReadingRecord reading;
    reading.UserName = user.name;
    reading.UserBirthDate = user.birthDate;
    reading.PartnerName = partner.name;
    reading.PartnerBirthDate = partner.birthDate;
    reading.UserSign = GetSunSign(user.birthDate);
    reading.PartnerSign = GetSunSign(partner.birthDate);
    reading.UserProfile = profileOf(reading.UserSign);
    reading.PartnerProfile = profileOf(reading.PartnerSign);
    if (const PairResult* pair = FindPairResult(reading.UserSign, reading.PartnerSign))
        reading.Pair = *pair;
    return reading;
}

ReadingLines SavedReadingLines(const WesternReadingRecord& reading)
{
    const auto [userMonth, userDay, userYear] = dateFields(reading.UserBirthDate);
    const auto [partnerMonth, partnerDay, partnerYear] = dateFields(reading.PartnerBirthDate);
    return {charactersOf(reading.UserName), userMonth, userDay, userYear,
            charactersOf(reading.PartnerName), partnerMonth, partnerDay, partnerYear};
}

} // namespace velmora::western
