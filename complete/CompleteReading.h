#pragma once

#include "bloodtype/JapaneseReading.h"
#include "chinese/ChineseReading.h"
#include "egyptian/EgyptianReading.h"
#include "kit/BirthDate.h"
#include "kit/Facts.h"
#include "western/WesternReading.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One reading of two people by all four systems at once: the four
// calculators' own readings, and what the complete reading shows of them, as
// plain text.
namespace velmora::complete {

// The blood-type list's first entry, and its default: the person does not
// know their blood type.
inline constexpr std::string_view kBloodTypeNotKnown = "Not known";
// A blood type that was not given; any other value is a position in
// kBloodTypes.
inline constexpr int kNoBloodType = -1;
// What the Japanese row shows for its rating when a blood type is missing.
inline constexpr std::string_view kBloodTypesNotGiven = "Blood types not given";

// One person as the complete reading's entry takes them.
struct CompletePerson {
    kit::BirthDetails details;
    int bloodType = kNoBloodType;
};

struct CompleteReadingRecord {
    western::WesternReadingRecord Western;
    chinese::ChineseReadingRecord Chinese;
    egyptian::EgyptianReadingRecord Egyptian;
    bloodtype::JapaneseReadingRecord Japanese;
};

// Runs the four calculators' readings for the two people, the user first.
CompleteReadingRecord CalculateCompleteReading(const CompletePerson& user, const CompletePerson& partner);

// The systems in the order the reading shows them.
inline constexpr std::array<std::string_view, 4> kSystemHeadings = {"Western Zodiac", "Chinese Zodiac",
                                                                    "Egyptian Astrology", "Japanese Astrology"};

// One row of the summary table: a system, each person's sign by it, and the
// pair's rating as that calculator shows it, one line each.
struct SummaryRow {
    std::string_view system;
    std::string userSign;
    std::string partnerSign;
    std::vector<std::string> pairLines;

    bool operator==(const SummaryRow&) const = default;
};
std::array<SummaryRow, 4> SummaryRows(const CompleteReadingRecord& reading);
// Each system's row, from that calculator's own reading.
SummaryRow WesternSummary(const western::WesternReadingRecord& reading);
SummaryRow ChineseSummary(const chinese::ChineseReadingRecord& reading);
SummaryRow EgyptianSummary(const egyptian::EgyptianReadingRecord& reading);
SummaryRow JapaneseSummary(const bloodtype::JapaneseReadingRecord& reading);

// One person's part of a system's section: the sign, the compiled-in picture
// of it (a resource path, empty where the system has none), and the short
// facts of its profile, as that system's lookups caption them.
struct PersonSection {
    std::string sign;
    std::string_view picture;
    std::vector<kit::Fact> facts;
};

// A system's section: the pair's description where the calculator has one,
// and each person's sign and facts.
struct SystemSection {
    std::string_view heading;
    std::string_view pairDescription;
    PersonSection user;
    PersonSection partner;
};
std::array<SystemSection, 4> Sections(const CompleteReadingRecord& reading);

// The file name offered when the reading is saved, without extension: both
// names, each cut to a length a file system takes, with the characters that
// no file name may hold replaced by "_".
std::u16string DefaultFileName(std::u16string_view user, std::u16string_view partner);

} // namespace velmora::complete
