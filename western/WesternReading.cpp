#include "WesternReading.h"

namespace velmora::western {
namespace {

namespace mzc = modZodiacCompatibility;

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

// The sign of the date as the entry lists give it: a month name and a day.
std::string_view sunSign(std::chrono::year_month_day date)
{
    const DateTexts texts = dateTexts(date);
    return mzc::GetSunSign(texts.month, texts.day);
}

mzc::SignProfile profileOf(std::string_view sign)
{
    const mzc::SignProfile* profile = mzc::FindSignProfile(sign);
    return profile ? *profile : mzc::SignProfile{};
}

} // namespace

WesternReadingRecord CalculateWesternReading(const kit::BirthDetails& user, const kit::BirthDetails& partner)
{
    WesternReadingRecord reading;
    reading.UserName = user.name;
    reading.UserBirthDate = user.birthDate;
    reading.PartnerName = partner.name;
    reading.PartnerBirthDate = partner.birthDate;
    reading.UserSign = sunSign(user.birthDate);
    reading.PartnerSign = sunSign(partner.birthDate);
    reading.UserProfile = profileOf(reading.UserSign);
    reading.PartnerProfile = profileOf(reading.PartnerSign);
    if (const mzc::PairResult* pair = mzc::FindPairResult(reading.UserSign, reading.PartnerSign))
        reading.Pair = *pair;
    return reading;
}

DateTexts dateTexts(std::chrono::year_month_day date)
{
    return {kit::monthName(date.month()), std::to_string(static_cast<unsigned>(date.day())),
            std::to_string(static_cast<int>(date.year()))};
}

modCheckForUniqueUser::ReadingLines SavedReadingLines(const WesternReadingRecord& reading)
{
    const DateTexts user = dateTexts(reading.UserBirthDate);
    const DateTexts partner = dateTexts(reading.PartnerBirthDate);
    return {charactersOf(reading.UserName),    characters(user.month),    characters(user.day),
            characters(user.year),             charactersOf(reading.PartnerName), characters(partner.month),
            characters(partner.day),           characters(partner.year)};
}

} // namespace velmora::western
