#include "chinese/Lookups.h"

#include "content/chinese/ChineseTexts.h"
#include "content/TableKeys.h"

#include <algorithm>

namespace velmora::chinese {

using namespace std::chrono;

// Each row from the second on starts on a new-year day of the Chinese
// calendar as China reckons it (UTC+8); the first row is the end of the
// Earth Pig year of 1899.
// clang-format off
constexpr std::array<NewYearRow, 202> NewYearTable = {{
    // first day                  last day                     animal     element
    {1900y / January  /  1, 1900y / January  / 30, "Pig",     "Earth"},
    {1900y / January  / 31, 1901y / February / 18, "Rat",     "Metal"},
    {1901y / February / 19, 1902y / February /  7, "Ox",      "Metal"},
    {1902y / February /  8, 1903y / January  / 28, "Tiger",   "Water"},
    {1903y / January  / 29, 1904y / February / 15, "Rabbit",  "Water"},
    {1904y / February / 16, 1905y / February /  3, "Dragon",  "Wood"},
    {1905y / February /  4, 1906y / January  / 24, "Snake",   "Wood"},
    {1906y / January  / 25, 1907y / February / 12, "Horse",   "Fire"},
    {1907y / February / 13, 1908y / February /  1, "Goat",    "Fire"},
    {1908y / February /  2, 1909y / January  / 21, "Monkey",  "Earth"},
    {1909y / January  / 22, 1910y / February /  9, "Rooster", "Earth"},
    {1910y / February / 10, 1911y / January  / 29, "Dog",     "Metal"},
    {1911y / January  / 30, 1912y / February / 17, "Pig",     "Metal"},
    {1912y / February / 18, 1913y / February /  5, "Rat",     "Water"},
    {1913y / February /  6, 1914y / January  / 25, "Ox",      "Water"},
    {1914y / January  / 26, 1915y / February / 13, "Tiger",   "Wood"},
    {1915y / February / 14, 1916y / February /  2, "Rabbit",  "Wood"},
    {1916y / February /  3, 1917y / January  / 22, "Dragon",  "Fire"},
    {1917y / January  / 23, 1918y / February / 10, "Snake",   "Fire"},
    {1918y / February / 11, 1919y / January  / 31, "Horse",   "Earth"},
    {1919y / February /  1, 1920y / February / 19, "Goat",    "Earth"},
    {1920y / February / 20, 1921y / February /  7, "Monkey",  "Metal"},
    {1921y / February /  8, 1922y / January  / 27, "Rooster", "Metal"},
    {1922y / January  / 28, 1923y / February / 15, "Dog",     "Water"},
    {1923y / February / 16, 1924y / February /  4, "Pig",     "Water"},
    {1924y / February /  5, 1925y / January  / 23, "Rat",     "Wood"},
    {1925y / January  / 24, 1926y / February / 12, "Ox",      "Wood"},
    {1926y / February / 13, 1927y / February /  1, "Tiger",   "Fire"},
    {1927y / February /  2, 1928y / January  / 22, "Rabbit",  "Fire"},
    {1928y / January  / 23, 1929y / February /  9, "Dragon",  "Earth"},
    {1929y / February / 10, 1930y / January  / 29, "Snake",   "Earth"},
    {1930y / January  / 30, 1931y / February / 16, "Horse",   "Metal"},
    {1931y / February / 17, 1932y / February /  5, "Goat",    "Metal"},
    {1932y / February /  6, 1933y / January  / 25, "Monkey",  "Water"},
    {1933y / January  / 26, 1934y / February / 13, "Rooster", "Water"},
    {1934y / February / 14, 1935y / February /  3, "Dog",     "Wood"},
    {1935y / February /  4, 1936y / January  / 23, "Pig",     "Wood"},
    {1936y / January  / 24, 1937y / February / 10, "Rat",     "Fire"},
    {1937y / February / 11, 1938y / January  / 30, "Ox",      "Fire"},
    {1938y / January  / 31, 1939y / February / 18, "Tiger",   "Earth"},
    {1939y / February / 19, 1940y / February /  7, "Rabbit",  "Earth"},
    {1940y / February /  8, 1941y / January  / 26, "Dragon",  "Metal"},
    {1941y / January  / 27, 1942y / February / 14, "Snake",   "Metal"},
    {1942y / February / 15, 1943y / February /  4, "Horse",   "Water"},
    {1943y / February /  5, 1944y / January  / 24, "Goat",    "Water"},
    {1944y / January  / 25, 1945y / February / 12, "Monkey",  "Wood"},
    {1945y / February / 13, 1946y / February /  1, "Rooster", "Wood"},
    {1946y / February /  2, 1947y / January  / 21, "Dog",     "Fire"},
    {1947y / January  / 22, 1948y / February /  9, "Pig",     "Fire"},
    {1948y / February / 10, 1949y / January  / 28, "Rat",     "Earth"},
    {1949y / January  / 29, 1950y / February / 16, "Ox",      "Earth"},
    {1950y / February / 17, 1951y / February /  5, "Tiger",   "Metal"},
    {1951y / February /  6, 1952y / January  / 26, "Rabbit",  "Metal"},
    {1952y / January  / 27, 1953y / February / 13, "Dragon",  "Water"},
    {1953y / February / 14, 1954y / February /  2, "Snake",   "Water"},
    {1954y / February /  3, 1955y / January  / 23, "Horse",   "Wood"},
    {1955y / January  / 24, 1956y / February / 11, "Goat",    "Wood"},
    {1956y / February / 12, 1957y / January  / 30, "Monkey",  "Fire"},
    {1957y / January  / 31, 1958y / February / 17, "Rooster", "Fire"},
    {1958y / February / 18, 1959y / February /  7, "Dog",     "Earth"},
    {1959y / February /  8, 1960y / January  / 27, "Pig",     "Earth"},
    {1960y / January  / 28, 1961y / February / 14, "Rat",     "Metal"},
    {1961y / February / 15, 1962y / February /  4, "Ox",      "Metal"},
    {1962y / February /  5, 1963y / January  / 24, "Tiger",   "Water"},
    {1963y / January  / 25, 1964y / February / 12, "Rabbit",  "Water"},
    {1964y / February / 13, 1965y / February /  1, "Dragon",  "Wood"},
    {1965y / February /  2, 1966y / January  / 20, "Snake",   "Wood"},
    {1966y / January  / 21, 1967y / February /  8, "Horse",   "Fire"},
    {1967y / February /  9, 1968y / January  / 29, "Goat",    "Fire"},
    {1968y / January  / 30, 1969y / February / 16, "Monkey",  "Earth"},
    {1969y / February / 17, 1970y / February /  5, "Rooster", "Earth"},
    {1970y / February /  6, 1971y / January  / 26, "Dog",     "Metal"},
    {1971y / January  / 27, 1972y / February / 14, "Pig",     "Metal"},
    {1972y / February / 15, 1973y / February /  2, "Rat",     "Water"},
    {1973y / February /  3, 1974y / January  / 22, "Ox",      "Water"},
    {1974y / January  / 23, 1975y / February / 10, "Tiger",   "Wood"},
    {1975y / February / 11, 1976y / January  / 30, "Rabbit",  "Wood"},
    {1976y / January  / 31, 1977y / February / 17, "Dragon",  "Fire"},
    {1977y / February / 18, 1978y / February /  6, "Snake",   "Fire"},
    {1978y / February /  7, 1979y / January  / 27, "Horse",   "Earth"},
    {1979y / January  / 28, 1980y / February / 15, "Goat",    "Earth"},
    {1980y / February / 16, 1981y / February /  4, "Monkey",  "Metal"},
    {1981y / February /  5, 1982y / January  / 24, "Rooster", "Metal"},
    {1982y / January  / 25, 1983y / February / 12, "Dog",     "Water"},
    {1983y / February / 13, 1984y / February /  1, "Pig",     "Water"},
    {1984y / February /  2, 1985y / February / 19, "Rat",     "Wood"},
    {1985y / February / 20, 1986y / February /  8, "Ox",      "Wood"},
    {1986y / February /  9, 1987y / January  / 28, "Tiger",   "Fire"},
    {1987y / January  / 29, 1988y / February / 16, "Rabbit",  "Fire"},
    {1988y / February / 17, 1989y / February /  5, "Dragon",  "Earth"},
    {1989y / February /  6, 1990y / January  / 26, "Snake",   "Earth"},
    {1990y / January  / 27, 1991y / February / 14, "Horse",   "Metal"},
    {1991y / February / 15, 1992y / February /  3, "Goat",    "Metal"},
    {1992y / February /  4, 1993y / January  / 22, "Monkey",  "Water"},
    {1993y / January  / 23, 1994y / February /  9, "Rooster", "Water"},
    {1994y / February / 10, 1995y / January  / 30, "Dog",     "Wood"},
    {1995y / January  / 31, 1996y / February / 18, "Pig",     "Wood"},
    {1996y / February / 19, 1997y / February /  6, "Rat",     "Fire"},
    {1997y / February /  7, 1998y / January  / 27, "Ox",      "Fire"},
    {1998y / January  / 28, 1999y / February / 15, "Tiger",   "Earth"},
    {1999y / February / 16, 2000y / February /  4, "Rabbit",  "Earth"},
    {2000y / February /  5, 2001y / January  / 23, "Dragon",  "Metal"},
    {2001y / January  / 24, 2002y / February / 11, "Snake",   "Metal"},
    {2002y / February / 12, 2003y / January  / 31, "Horse",   "Water"},
    {2003y / February /  1, 2004y / January  / 21, "Goat",    "Water"},
    {2004y / January  / 22, 2005y / February /  8, "Monkey",  "Wood"},
    {2005y / February /  9, 2006y / January  / 28, "Rooster", "Wood"},
    {2006y / January  / 29, 2007y / February / 17, "Dog",     "Fire"},
    {2007y / February / 18, 2008y / February /  6, "Pig",     "Fire"},
    {2008y / February /  7, 2009y / January  / 25, "Rat",     "Earth"},
    {2009y / January  / 26, 2010y / February / 13, "Ox",      "Earth"},
    {2010y / February / 14, 2011y / February /  2, "Tiger",   "Metal"},
    {2011y / February /  3, 2012y / January  / 22, "Rabbit",  "Metal"},
    {2012y / January  / 23, 2013y / February /  9, "Dragon",  "Water"},
    {2013y / February / 10, 2014y / January  / 30, "Snake",   "Water"},
    {2014y / January  / 31, 2015y / February / 18, "Horse",   "Wood"},
    {2015y / February / 19, 2016y / February /  7, "Goat",    "Wood"},
    {2016y / February /  8, 2017y / January  / 27, "Monkey",  "Fire"},
    {2017y / January  / 28, 2018y / February / 15, "Rooster", "Fire"},
    {2018y / February / 16, 2019y / February /  4, "Dog",     "Earth"},
    {2019y / February /  5, 2020y / January  / 24, "Pig",     "Earth"},
    {2020y / January  / 25, 2021y / February / 11, "Rat",     "Metal"},
    {2021y / February / 12, 2022y / January  / 31, "Ox",      "Metal"},
    {2022y / February /  1, 2023y / January  / 21, "Tiger",   "Water"},
    {2023y / January  / 22, 2024y / February /  9, "Rabbit",  "Water"},
    {2024y / February / 10, 2025y / January  / 28, "Dragon",  "Wood"},
    {2025y / January  / 29, 2026y / February / 16, "Snake",   "Wood"},
    {2026y / February / 17, 2027y / February /  5, "Horse",   "Fire"},
    {2027y / February /  6, 2028y / January  / 25, "Goat",    "Fire"},
    {2028y / January  / 26, 2029y / February / 12, "Monkey",  "Earth"},
    {2029y / February / 13, 2030y / February /  2, "Rooster", "Earth"},
    {2030y / February /  3, 2031y / January  / 22, "Dog",     "Metal"},
    {2031y / January  / 23, 2032y / February / 10, "Pig",     "Metal"},
    {2032y / February / 11, 2033y / January  / 30, "Rat",     "Water"},
    {2033y / January  / 31, 2034y / February / 18, "Ox",      "Water"},
    {2034y / February / 19, 2035y / February /  7, "Tiger",   "Wood"},
    {2035y / February /  8, 2036y / January  / 27, "Rabbit",  "Wood"},
    {2036y / January  / 28, 2037y / February / 14, "Dragon",  "Fire"},
    {2037y / February / 15, 2038y / February /  3, "Snake",   "Fire"},
    {2038y / February /  4, 2039y / January  / 23, "Horse",   "Earth"},
    {2039y / January  / 24, 2040y / February / 11, "Goat",    "Earth"},
    {2040y / February / 12, 2041y / January  / 31, "Monkey",  "Metal"},
    {2041y / February /  1, 2042y / January  / 21, "Rooster", "Metal"},
    {2042y / January  / 22, 2043y / February /  9, "Dog",     "Water"},
    {2043y / February / 10, 2044y / January  / 29, "Pig",     "Water"},
    {2044y / January  / 30, 2045y / February / 16, "Rat",     "Wood"},
    {2045y / February / 17, 2046y / February /  5, "Ox",      "Wood"},
    {2046y / February /  6, 2047y / January  / 25, "Tiger",   "Fire"},
    {2047y / January  / 26, 2048y / February / 13, "Rabbit",  "Fire"},
    {2048y / February / 14, 2049y / February /  1, "Dragon",  "Earth"},
    {2049y / February /  2, 2050y / January  / 22, "Snake",   "Earth"},
    {2050y / January  / 23, 2051y / February / 10, "Horse",   "Metal"},
    {2051y / February / 11, 2052y / January  / 31, "Goat",    "Metal"},
    {2052y / February /  1, 2053y / February / 18, "Monkey",  "Water"},
    {2053y / February / 19, 2054y / February /  7, "Rooster", "Water"},
    {2054y / February /  8, 2055y / January  / 27, "Dog",     "Wood"},
    {2055y / January  / 28, 2056y / February / 14, "Pig",     "Wood"},
    {2056y / February / 15, 2057y / February /  3, "Rat",     "Fire"},
    {2057y / February /  4, 2058y / January  / 23, "Ox",      "Fire"},
    {2058y / January  / 24, 2059y / February / 11, "Tiger",   "Earth"},
    {2059y / February / 12, 2060y / February /  1, "Rabbit",  "Earth"},
    {2060y / February /  2, 2061y / January  / 20, "Dragon",  "Metal"},
    {2061y / January  / 21, 2062y / February /  8, "Snake",   "Metal"},
    {2062y / February /  9, 2063y / January  / 28, "Horse",   "Water"},
    {2063y / January  / 29, 2064y / February / 16, "Goat",    "Water"},
    {2064y / February / 17, 2065y / February /  4, "Monkey",  "Wood"},
    {2065y / February /  5, 2066y / January  / 25, "Rooster", "Wood"},
    {2066y / January  / 26, 2067y / February / 13, "Dog",     "Fire"},
    {2067y / February / 14, 2068y / February /  2, "Pig",     "Fire"},
    {2068y / February /  3, 2069y / January  / 22, "Rat",     "Earth"},
    {2069y / January  / 23, 2070y / February / 10, "Ox",      "Earth"},
    {2070y / February / 11, 2071y / January  / 30, "Tiger",   "Metal"},
    {2071y / January  / 31, 2072y / February / 18, "Rabbit",  "Metal"},
    {2072y / February / 19, 2073y / February /  6, "Dragon",  "Water"},
    {2073y / February /  7, 2074y / January  / 26, "Snake",   "Water"},
    {2074y / January  / 27, 2075y / February / 14, "Horse",   "Wood"},
    {2075y / February / 15, 2076y / February /  4, "Goat",    "Wood"},
    {2076y / February /  5, 2077y / January  / 23, "Monkey",  "Fire"},
    {2077y / January  / 24, 2078y / February / 11, "Rooster", "Fire"},
    {2078y / February / 12, 2079y / February /  1, "Dog",     "Earth"},
    {2079y / February /  2, 2080y / January  / 21, "Pig",     "Earth"},
    {2080y / January  / 22, 2081y / February /  8, "Rat",     "Metal"},
    {2081y / February /  9, 2082y / January  / 28, "Ox",      "Metal"},
    {2082y / January  / 29, 2083y / February / 16, "Tiger",   "Water"},
    {2083y / February / 17, 2084y / February /  5, "Rabbit",  "Water"},
    {2084y / February /  6, 2085y / January  / 25, "Dragon",  "Wood"},
    {2085y / January  / 26, 2086y / February / 13, "Snake",   "Wood"},
    {2086y / February / 14, 2087y / February /  2, "Horse",   "Fire"},
    {2087y / February /  3, 2088y / January  / 23, "Goat",    "Fire"},
    {2088y / January  / 24, 2089y / February /  9, "Monkey",  "Earth"},
    {2089y / February / 10, 2090y / January  / 29, "Rooster", "Earth"},
    {2090y / January  / 30, 2091y / February / 17, "Dog",     "Metal"},
    {2091y / February / 18, 2092y / February /  6, "Pig",     "Metal"},
    {2092y / February /  7, 2093y / January  / 26, "Rat",     "Water"},
    {2093y / January  / 27, 2094y / February / 14, "Ox",      "Water"},
    {2094y / February / 15, 2095y / February /  4, "Tiger",   "Wood"},
    {2095y / February /  5, 2096y / January  / 24, "Rabbit",  "Wood"},
    {2096y / January  / 25, 2097y / February / 11, "Dragon",  "Fire"},
    {2097y / February / 12, 2098y / January  / 31, "Snake",   "Fire"},
    {2098y / February /  1, 2099y / January  / 20, "Horse",   "Earth"},
    {2099y / January  / 21, 2100y / February /  8, "Goat",    "Earth"},
    {2100y / February /  9, 2101y / January  / 28, "Monkey",  "Metal"},
}};
// clang-format on

namespace {

namespace texts = content::chinese;

// Row k is the Chinese year that begins in 1899 + k: its animal follows the
// cycle from the Pig of 1899, its element follows the year's last digit, it
// starts the day after the row before it ends and, from the second row on, on
// a new-year day between 21 January and 20 February of its year.
constexpr int kFirstChineseYear = 1899;
constexpr std::size_t kPigPosition = 11;

constexpr bool isWellFormed(const std::array<NewYearRow, 202>& table)
{
    for (std::size_t k = 0; k < table.size(); ++k) {
        const NewYearRow& row = table[k];
        const int year = kFirstChineseYear + static_cast<int>(k);
        if (!row.firstDay.ok() || !row.lastDay.ok() || sys_days(row.lastDay) < sys_days(row.firstDay))
            return false;
        if (row.animal != kAnimals[(k + kPigPosition) % kAnimals.size()])
            return false;
        if (row.element != kElements[static_cast<std::size_t>(year % 10) / 2])
            return false;
        if (k == 0)
            continue;
        if (sys_days(table[k - 1].lastDay) + days(1) != sys_days(row.firstDay))
            return false;
        const auto newYearDay = sys_days(row.firstDay);
        if (newYearDay < sys_days(std::chrono::year(year) / January / 21)
            || newYearDay > sys_days(std::chrono::year(year) / February / 20))
            return false;
    }
    return table.front().firstDay == 1900y / January / 1 && table.back().lastDay == 2101y / January / 28;
}
static_assert(isWellFormed(NewYearTable));

// The rows' first days as day numbers, for a binary search: the rows are in
// order and without gaps, so the row of a date is the last one that starts
// on or before it, if the date is not past that row's last day.
constexpr std::array<sys_days, NewYearTable.size()> kFirstDays = [] {
    std::array<sys_days, NewYearTable.size()> firstDays{};
    for (std::size_t k = 0; k < firstDays.size(); ++k)
        firstDays[k] = sys_days(NewYearTable[k].firstDay);
    return firstDays;
}();

const NewYearRow* findYear(year_month_day birthDate) noexcept
{
    if (!birthDate.ok())
        return nullptr;
    const sys_days date(birthDate);
    const auto after = std::upper_bound(kFirstDays.begin(), kFirstDays.end(), date);
    if (after == kFirstDays.begin())
        return nullptr;
    const NewYearRow& row = NewYearTable[static_cast<std::size_t>(after - kFirstDays.begin() - 1)];
    return date <= sys_days(row.lastDay) ? &row : nullptr;
}

static_assert(content::AllDistinct(kAnimals) && content::AllDistinct(kElements));

// The position of a name in a list; -1 when the list does not hold it.
template <std::size_t N>
constexpr int positionIn(const std::array<std::string_view, N>& names, std::string_view name) noexcept
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

constexpr int indexOf(std::string_view animal) noexcept
{
    return positionIn(kAnimals, animal);
}

// The short fields of each profile, in cycle order.
struct ProfileFacts {
    std::string_view rulingPlanet, mostCompatible, leastCompatible, luckyColour, gemStone, energy, luckySeasons,
        favourableMonth, westernSign, luckyNumbers;
};

// clang-format off
constexpr std::array<ProfileFacts, 12> kFacts = {{
    // ruling planet  most compatible       least compatible  lucky colour      gem stone
    //   energy                   lucky seasons    favourable month  Western sign   lucky numbers
    {"Jupiter", "Dragon, Monkey",      "Horse",       "Light Blue",     "Carbuncle, Red Garnet",
       "Yin (positive)",        "Winter",        "December",  "Sagittarius", "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54"},
    {"Saturn",  "Snake, Rooster",      "Goat",        "Violet",         "White Onyx",
       "Yin (positive)",        "End of Winter", "January",   "Capricorn",   "1, 3, 5, 12, 15, 33, 35, 51 and 53"},
    {"Uranus",  "Horse, Dog",          "Monkey",      "Green",          "Sapphire",
       "Yang (Negative)",       "Early Spring",  "February",  "Aquarius",    "4, 5, 7, 9, 13, 34, 44, 45 and 54"},
    {"Jupiter", "Goat, Pig",           "Rooster",     "Pale Green",     "Chrysolite",
       "Yin (positive)",        "Mid Spring",    "March",     "Pisces",      "1, 3, 5, 9, 15, 19 and 35"},
    {"Mars",    "Rat, Monkey",         "Dog",         "Turquoise",      "Amethyst",
       "Yang (Negative)",       "End of Spring", "April",     "Aries",       "3, 4, 5, 6, 15, 21, 34, 35, 36 and 45"},
    {"Venus",   "Ox, Rooster",         "Tiger, Pig",  "Red",            "Mossagate",
       "Yin (Positive Energy)", "Early Summer",  "May",       "Taurus",      "1, 2, 4, 6, 13, 24, 42 and 46"},
    {"Mercury", "Tiger, Dog",          "Rat",         "Orange",         "Beryl",
       "Yang (Negative)",       "Mid Summer",    "June",      "Gemini",      "1, 3, 4, 8, 13, 14, 41 and 43"},
    {"Moon",    "Rabbit, Pig",         "Ox",          "Pink, Purple",   "Emerald",
       "Yin (Positive)",        "End of Summer", "July",      "Cancer",      "3, 4, 5, 12, 34, 45 and 54"},
    {"Sun",     "Rat, Dragon",         "Tiger",       "Yellow, Gold",   "Emerald",
       "Yang (Negative)",       "Early Autumn",  "August",    "Leo",         "3, 4, 5, 7, 16, 23, 34, 45 and 54"},
    {"Mercury", "Ox, Dragon, Snake",   "Rabbit",      "Peach, Apricot", "Pin Jasper",
       "Yin (Positive)",        "Mid Autumn",    "September", "Virgo",       "1, 5, 6, 12, 15, 16, 24 and 51"},
    {"Venus",   "Tiger, Horse",        "Dragon",      "Pale Yellow",    "Diamond",
       "Yang (Negative)",       "Winter",        "October",   "Libra",
       "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54"},
    {"Mars",    "Rabbit, Goat",        "Snake",       "Dark Blue",      "Topaz",
       "Yin (Positive)",        "Early Winter",  "October",   "Scorpio",     "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48"},
}};

// By the user's animal (rows) and the partner's (columns), in cycle order.
constexpr std::array<std::array<int, 12>, 12> CompatibilityMatrix = {{
    //        Rat Ox Tig Rab Dra Sna Hor Goa Mon Roo Dog Pig
    /* Rat */ {9,  6, 4,  7,  10, 7,  3,  4,  10, 6,  8,  8},
    /* Ox  */ {6,  8, 4,  8,  7,  9,  5,  2,  4,  9,  7,  7},
    /* Tig */ {4,  4, 5,  5,  6,  3,  9,  4,  2,  4,  9,  7},
    /* Rab */ {7,  8, 5,  8,  7,  7,  5,  9,  4,  2,  8,  9},
    /* Dra */ {10, 7, 6,  7,  9,  8,  8,  7,  10, 9,  2,  8},
    /* Sna */ {7,  9, 3,  7,  8,  8,  4,  7,  4,  9,  8,  4},
    /* Hor */ {3,  5, 9,  5,  8,  4,  8,  8,  5,  6,  9,  6},
    /* Goa */ {4,  2, 4,  9,  7,  7,  8,  9,  5,  5,  4,  9},
    /* Mon */ {10, 4, 2,  4,  10, 4,  5,  5,  9,  4,  8,  7},
    /* Roo */ {6,  9, 4,  2,  9,  9,  6,  5,  4,  4,  5,  5},
    /* Dog */ {8,  7, 9,  8,  2,  8,  9,  4,  8,  5,  7,  7},
    /* Pig */ {8,  7, 7,  9,  8,  4,  6,  9,  7,  5,  7,  8},
}};

// By compatibility number, from 2.
constexpr std::array<CompatibilityRating, 9> kRatings = {{
    {"20%",  " A Poor Match"},
    {"30%",  "A Poor Match"},
    {"40%",  "A Difficult Match"},
    {"50%",  "A Difficult Match"},
    {"60%",  "An Easy Match"},
    {"70%",  "An Easy Match"},
    {"80%",  "A Great Match"},
    {"90%",  "A Great Match"},
    {"100%", "A Perfect Match"},
}};
// clang-format on
constexpr int kLowestNumber = 2;

constexpr bool isSymmetricFromTwoToTen(const std::array<std::array<int, 12>, 12>& matrix)
{
    for (std::size_t row = 0; row < matrix.size(); ++row) {
        for (std::size_t column = 0; column < matrix.size(); ++column) {
            const int number = matrix[row][column];
            if (number != matrix[column][row] || number < kLowestNumber
                || number >= kLowestNumber + static_cast<int>(kRatings.size()))
                return false;
        }
    }
    return true;
}
static_assert(isSymmetricFromTwoToTen(CompatibilityMatrix));

// Description keys are made once, at compile time, in cycle order.
struct KeyText {
    std::array<char, 20> chars{};
    std::size_t size = 0;

    constexpr void append(std::string_view text)
    {
        for (const char c : text)
            chars[size++] = c;
    }
    constexpr std::string_view view() const { return {chars.data(), size}; }
};

constexpr std::string_view keyFormOf(std::string_view animal) noexcept
{
    if (animal == "Rabbit")
        return "AnimalOne";
    if (animal == "Rooster")
        return "AnimalTwo";
    return animal;
}

// The animals in key form, in cycle order.
constexpr std::array<std::string_view, 12> kKeyForms = [] {
    std::array<std::string_view, 12> forms{};
    for (std::size_t i = 0; i < forms.size(); ++i)
        forms[i] = keyFormOf(kAnimals[i]);
    return forms;
}();

constexpr std::array<KeyText, 144> kPairKeys = [] {
    std::array<KeyText, 144> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i].append(kKeyForms[i / kAnimals.size()]);
        keys[i].append("_");
        keys[i].append(kKeyForms[i % kAnimals.size()]);
    }
    return keys;
}();

constexpr bool keysAreUnique()
{
    for (std::size_t i = 0; i < kPairKeys.size(); ++i) {
        for (std::size_t j = i + 1; j < kPairKeys.size(); ++j) {
            if (kPairKeys[i].view() == kPairKeys[j].view())
                return false;
        }
    }
    return true;
}
static_assert(keysAreUnique());

// Every animal and every element has its prose in the row of its position,
// and every ordered pair its description in the row of the pair.
static_assert(content::KeyedInOrder(texts::kAnimalTexts, &texts::AnimalTexts::animal, kAnimals));
static_assert(content::KeyedInOrder(texts::kElementTexts, &texts::ElementText::element, kElements));

constexpr bool everyPairHasItsDescription() noexcept
{
    for (std::size_t i = 0; i < texts::kPairDescriptions.size(); ++i) {
        const texts::PairDescription& row = texts::kPairDescriptions[i];
        if (row.user != kAnimals[i / kAnimals.size()] || row.partner != kAnimals[i % kAnimals.size()]
            || row.text.empty())
            return false;
    }
    return true;
}
static_assert(everyPairHasItsDescription());

// The profiles: the facts with the prose of the same position.
constexpr std::array<AnimalProfile, 12> kProfiles = [] {
    std::array<AnimalProfile, 12> profiles{};
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const ProfileFacts& f = kFacts[i];
        const texts::AnimalTexts& prose = texts::kAnimalTexts[i];
        AnimalProfile& p = profiles[i];
        p[RulingPlanet] = f.rulingPlanet;
        p[PositiveTraits] = prose.positiveTraits;
        p[NegativeTraits] = prose.negativeTraits;
        p[MostCompatibleSigns] = f.mostCompatible;
        p[LeastCompatibleSign] = f.leastCompatible;
        p[LuckyColour] = f.luckyColour;
        p[GemStone] = f.gemStone;
        p[Energy] = f.energy;
        p[LuckySeasons] = f.luckySeasons;
        p[FavourableMonth] = f.favourableMonth;
        p[FamousPersons] = prose.famousPersons;
        p[WesternZodiacSign] = f.westernSign;
        p[LuckyNumbers] = f.luckyNumbers;
    }
    return profiles;
}();

// The animals' pictures, keyed by the Western zodiac sign each animal's
// profile gives.
struct KeyedPicture {
    std::string_view key;
    std::string_view picture;
};
constexpr std::array<KeyedPicture, 12> kPictures = {{
    {"Sagittarius", ":/chinese/animals/Rat.svg"},
    {"Capricorn", ":/chinese/animals/Ox.svg"},
    {"Aquarius", ":/chinese/animals/Tiger.svg"},
    {"Pisces", ":/chinese/animals/Rabbit.svg"},
    {"Aries", ":/chinese/animals/Dragon.svg"},
    {"Taurus", ":/chinese/animals/Snake.svg"},
    {"Gemini", ":/chinese/animals/Horse.svg"},
    {"Cancer", ":/chinese/animals/Goat.svg"},
    {"Leo", ":/chinese/animals/Monkey.svg"},
    {"Virgo", ":/chinese/animals/Rooster.svg"},
    {"Libra", ":/chinese/animals/Dog.svg"},
    {"Scorpio", ":/chinese/animals/Pig.svg"},
}};

// Each animal's Western sign keys that animal's own picture.
constexpr bool everyAnimalFindsItsPicture() noexcept
{
    constexpr std::string_view kFolder = ":/chinese/animals/";
    for (std::size_t i = 0; i < kAnimals.size(); ++i) {
        bool found = false;
        for (const KeyedPicture& entry : kPictures) {
            if (entry.key != kFacts[i].westernSign)
                continue;
            const std::string_view file = entry.picture.substr(kFolder.size());
            found = file.starts_with(kAnimals[i]) && file.substr(kAnimals[i].size()) == ".svg";
        }
        if (!found)
            return false;
    }
    return true;
}
static_assert(everyAnimalFindsItsPicture());

// Each ordered pair's key and description, by the user's position and then
// the partner's.
constexpr std::array<PairDescriptionEntry, 144> kPairDescriptions = [] {
    std::array<PairDescriptionEntry, 144> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = {kPairKeys[i].view(), texts::kPairDescriptions[i].text};
    return entries;
}();

} // namespace

std::string_view FindYearAnimal(year_month_day birthDate) noexcept
{
    const NewYearRow* row = findYear(birthDate);
    return row ? row->animal : std::string_view();
}

std::string_view FindYearElement(year_month_day birthDate) noexcept
{
    const NewYearRow* row = findYear(birthDate);
    return row ? row->element : std::string_view();
}

AnimalProfile GetAnimalProfile(std::string_view animal) noexcept
{
    const int index = indexOf(animal);
    return index < 0 ? AnimalProfile{} : kProfiles[static_cast<std::size_t>(index)];
}

std::string_view GetElementDescription(std::string_view element) noexcept
{
    const int index = positionIn(kElements, element);
    return index < 0 ? std::string_view() : texts::kElementTexts[static_cast<std::size_t>(index)].reading;
}

int GetCompatibilityNumber(std::string_view userAnimal, std::string_view partnerAnimal) noexcept
{
    const int user = indexOf(userAnimal);
    const int partner = indexOf(partnerAnimal);
    if (user < 0 || partner < 0)
        return 0;
    return CompatibilityMatrix[static_cast<std::size_t>(user)][static_cast<std::size_t>(partner)];
}

std::string_view AnimalPicture(const AnimalProfile& profile) noexcept
{
    for (const KeyedPicture& entry : kPictures) {
        if (entry.key == profile[WesternZodiacSign])
            return entry.picture;
    }
    return {};
}

CompatibilityRating GetCompatibilityRating(int number) noexcept
{
    const int index = number - kLowestNumber;
    if (index < 0 || index >= static_cast<int>(kRatings.size()))
        return {};
    return kRatings[static_cast<std::size_t>(index)];
}

std::string_view KeyForm(std::string_view animal) noexcept
{
    return keyFormOf(animal);
}

const std::array<PairDescriptionEntry, 144>& PairDescriptionTable() noexcept
{
    return kPairDescriptions;
}

std::string_view GetMatchingDescription(std::string_view userAnimal, std::string_view partnerAnimal) noexcept
{
    // A key joins two key forms, so the pair's key exists exactly when both
    // names are animals in key form or have one.
    const int user = positionIn(kKeyForms, keyFormOf(userAnimal));
    const int partner = positionIn(kKeyForms, keyFormOf(partnerAnimal));
    if (user < 0 || partner < 0)
        return {};
    return kPairDescriptions[static_cast<std::size_t>(user) * kAnimals.size() + static_cast<std::size_t>(partner)]
        .description;
}

} // namespace velmora::chinese
