#include "frmChineseZodiacCompatibilitySave.h"

#include "ChineseReading.h"
#include "Launcher.h"
#include "Platform.h"
#include "ReadingView.h"
#include "RichTextBox.h"
#include "Text.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "modHelp.h"

#include <QTextCursor>

#include <array>

namespace velmora::chinese {
namespace {

namespace mcz = modchinesezodiac;

const QColor kDarkRed(128, 0, 0);
const QColor kBlack(0, 0, 0);

const QString kBlankLine = QStringLiteral("\r\n\r\n");

// A birth date as the entry window's lists show it: "5 March 1980".
QString dateText(std::chrono::year_month_day date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(static_cast<unsigned>(date.day()))
        .arg(ui::toQString(kit::monthName(date.month())))
        .arg(static_cast<int>(date.year()));
}

struct ReportField {
    const char* label;
    std::size_t field;
};

// The profile fields in the order each person's section prints them.
// clang-format off
constexpr std::array<ReportField, 13> kUserFields = {{
    {"Ruling Planet: ", mcz::RulingPlanet},          {"Positive Traits: ", mcz::PositiveTraits},
    {"Western Zodiac Sign: ", mcz::WesternZodiacSign}, {"Negative Traits: ", mcz::NegativeTraits},
    {"Lucky Color: ", mcz::LuckyColour},             {"Lucky Number: ", mcz::LuckyNumbers},
    {"GemStone: ", mcz::GemStone},                   {"Energy: ", mcz::Energy},
    {"Lucky Seasons: ", mcz::LuckySeasons},          {"Favourable Month: ", mcz::FavourableMonth},
    {"Most Compatible Sign: ", mcz::MostCompatibleSigns}, {"Least Compatible Sign: ", mcz::LeastCompatibleSign},
    {"Famous Persons of this Star Sign are: ", mcz::FamousPersons},
}};
constexpr std::array<ReportField, 13> kPartnerFields = {{
    {"Ruling Planet: ", mcz::RulingPlanet},          {"Wester Zodiac Sign: ", mcz::WesternZodiacSign},
    {"Positive Traits: ", mcz::PositiveTraits},      {"Negative Traits: ", mcz::NegativeTraits},
    {"Lucky Color: ", mcz::LuckyColour},             {"Lucky Number: ", mcz::LuckyNumbers},
    {"GemStone: ", mcz::GemStone},                   {"Energy: ", mcz::Energy},
    {"Lucky Seasons: ", mcz::LuckySeasons},          {"Favourable Month: ", mcz::FavourableMonth},
    {"Most Compatible Sign: ", mcz::MostCompatibleSigns}, {"Least Compatible Sign: ", mcz::LeastCompatibleSign},
    {"Famous Persons of this Star Sign are: ", mcz::FamousPersons},
}};
// clang-format on

} // namespace

frmChineseZodiacCompatibilitySave::frmChineseZodiacCompatibilitySave(kit::Launcher& launcher)
    : ReportWindow(launcher, kWindowName, QStringLiteral("Velmora Chinese Zodiac Compatibility"), "Label16",
                   QStringLiteral("Chinese zodiac compatibility report"),
                   frmChineseZodiacCompatibilityDisplay::kWindowName)
{
}

// A label run (emphasised, dark red), then its value (plain, black) and a
// blank line.
void frmChineseZodiacCompatibilitySave::appendField(const QString& label, const QString& value)
{
    RTB->setEmphasis(true);
    RTB->setRunColor(kDarkRed);
    RTB->appendRun(label);
    RTB->setEmphasis(false);
    RTB->setRunColor(kBlack);
    RTB->appendRun(value + kBlankLine);
}

void frmChineseZodiacCompatibilitySave::appendPerson(const ChineseReadingRecord& reading, bool isUser)
{
    appendField(QStringLiteral("Name: "), ui::toQString(isUser ? reading.UserName : reading.PartnerName));
    appendField(QStringLiteral("Date of Birth: "), dateText(isUser ? reading.UserDate : reading.PartnerDate));
    appendField(QStringLiteral("Sign: "), ui::toQString(isUser ? reading.UserAnimal : reading.PartnerAnimal));
    appendField(QStringLiteral("Element: ") + ui::toQString(isUser ? reading.UserElement : reading.PartnerElement)
                    + QStringLiteral(": "),
                ui::toQString(isUser ? reading.UserElementReading : reading.PartnerElementReading));
    const mcz::AnimalProfile& profile = isUser ? reading.UserProfile : reading.PartnerProfile;
    for (const ReportField& field : isUser ? kUserFields : kPartnerFields)
        appendField(QLatin1String(field.label), ui::toQString(profile[field.field]));
}

// The reading of the result window that opened the report.
void frmChineseZodiacCompatibilitySave::composeReport()
{
    const auto* result = qobject_cast<const frmChineseZodiacCompatibilityDisplay*>(
        launcher().findWindow(frmChineseZodiacCompatibilityDisplay::kWindowName));
    if (!result)
        return;
    const ChineseReadingRecord& reading = result->reading();
    appendPerson(reading, true);
    appendPerson(reading, false);
    appendField(QStringLiteral("Chinese Compatibility Number: "), QString::number(reading.CompatibilityNumber));
    appendField(QStringLiteral("Chinese Compatibility  Percentage: "), ui::toQString(reading.Percentage));
    appendField(QStringLiteral("Rating: "), ui::toQString(reading.Rating));
    appendField(QStringLiteral("Matching Description : "), ui::toQString(reading.MatchingDescription));
}

void frmChineseZodiacCompatibilitySave::cmdSave_Click()
{
    kit::saveAsRichText(platform(), this, *RTB);
}

void frmChineseZodiacCompatibilitySave::cmdPrint_Click()
{
    kit::printReading(platform(), this, *RTB);
}

} // namespace velmora::chinese
