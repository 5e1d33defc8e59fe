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

void frmChineseZodiacCompatibilitySave::appendPerson(bool isUser)
{
    const ChineseReadingRecord& reading = ChineseReading();
    appendField(QStringLiteral("Name: "), isUser ? reading.UserName : reading.PartnerName);
    appendField(QStringLiteral("Date of Birth: "), isUser ? reading.UserDate : reading.PartnerDate);
    appendField(QStringLiteral("Sign: "), ui::toQString(isUser ? reading.UserAnimal : reading.PartnerAnimal));
    appendField(QStringLiteral("Element: ") + ui::toQString(isUser ? reading.UserElement : reading.PartnerElement)
                    + QStringLiteral(": "),
                ui::toQString(isUser ? reading.UserElementReading : reading.PartnerElementReading));
    const mcz::AnimalProfile& profile = isUser ? reading.UserProfile : reading.PartnerProfile;
    for (const ReportField& field : isUser ? kUserFields : kPartnerFields)
        appendField(QLatin1String(field.label), ui::toQString(profile[field.field]));
}

void frmChineseZodiacCompatibilitySave::composeReport()
{
    appendPerson(true);
    appendPerson(false);

    const auto* result = qobject_cast<const frmChineseZodiacCompatibilityDisplay*>(
        launcher().findWindow(frmChineseZodiacCompatibilityDisplay::kWindowName));
    appendField(QStringLiteral("Chinese Compatibility Number: "),
                result ? result->compatibilityNumberText() : QString());
    appendField(QStringLiteral("Chinese Compatibility  Percentage: "), result ? result->percentageText() : QString());
    appendField(QStringLiteral("Rating: "), result ? result->ratingText() : QString());
    appendField(QStringLiteral("Matching Description : "), result ? result->matchingDescriptionText() : QString());
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
