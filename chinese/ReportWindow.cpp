#include "chinese/ReportWindow.h"

#include "chinese/ChineseReading.h"
#include "chinese/Colours.h"
#include "chinese/ResultWindow.h"
#include "kit/ReadingView.h"
#include "kit/WebPages.h"
#include "kit/WindowHost.h"
#include "ui/Platform.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"

#include <QTextCursor>

#include <array>

namespace velmora::chinese {
namespace {

using colours::kDarkRed;
const QColor kBlack(0, 0, 0);

const QString kBlankLine = QStringLiteral("\r\n\r\n");

struct ReportField {
    const char* label;
    std::size_t field;
};

// The profile fields in the order each person's section prints them.
// clang-format off
constexpr std::array<ReportField, 13> kUserFields = {{
    {"Ruling Planet: ", RulingPlanet},          {"Positive Traits: ", PositiveTraits},
    {"Western Zodiac Sign: ", WesternZodiacSign}, {"Negative Traits: ", NegativeTraits},
    {"Lucky Color: ", LuckyColour},             {"Lucky Number: ", LuckyNumbers},
    {"GemStone: ", GemStone},                   {"Energy: ", Energy},
    {"Lucky Seasons: ", LuckySeasons},          {"Favourable Month: ", FavourableMonth},
    {"Most Compatible Sign: ", MostCompatibleSigns}, {"Least Compatible Sign: ", LeastCompatibleSign},
    {"Famous Persons of this Star Sign are: ", FamousPersons},
}};
constexpr std::array<ReportField, 13> kPartnerFields = {{
    {"Ruling Planet: ", RulingPlanet},          {"Wester Zodiac Sign: ", WesternZodiacSign},
    {"Positive Traits: ", PositiveTraits},      {"Negative Traits: ", NegativeTraits},
    {"Lucky Color: ", LuckyColour},             {"Lucky Number: ", LuckyNumbers},
    {"GemStone: ", GemStone},                   {"Energy: ", Energy},
    {"Lucky Seasons: ", LuckySeasons},          {"Favourable Month: ", FavourableMonth},
    {"Most Compatible Sign: ", MostCompatibleSigns}, {"Least Compatible Sign: ", LeastCompatibleSign},
    {"Famous Persons of this Star Sign are: ", FamousPersons},
}};
// clang-format on

} // namespace

ReportWindow::ReportWindow(kit::WindowHost& host, const ChineseReadingRecord& reading)
    : kit::ReportWindow(host, kWindowName, QStringLiteral("Velmora Chinese Zodiac Compatibility"), "Label16",
                        QStringLiteral("Chinese zodiac compatibility report"), ResultWindow::kWindowName)
    , reading_(reading)
{
}

// A label run (emphasised, dark red), then its value (plain, black) and a
// blank line.
void ReportWindow::appendField(const QString& label, const QString& value)
{
    RTB->setEmphasis(true);
    RTB->setRunColor(kDarkRed);
    RTB->appendRun(label);
    RTB->setEmphasis(false);
    RTB->setRunColor(kBlack);
    RTB->appendRun(value + kBlankLine);
}

void ReportWindow::appendPerson(const ChineseReadingRecord& reading, bool isUser)
{
    appendField(QStringLiteral("Name: "), ui::toQString(isUser ? reading.UserName : reading.PartnerName));
    appendField(QStringLiteral("Date of Birth: "), ui::toQString(kit::DateText(isUser ? reading.UserDate : reading.PartnerDate, kit::DateStyle::DayMonthYear)));
    appendField(QStringLiteral("Sign: "), ui::toQString(isUser ? reading.UserAnimal : reading.PartnerAnimal));
    appendField(QStringLiteral("Element: ") + ui::toQString(isUser ? reading.UserElement : reading.PartnerElement)
                    + QStringLiteral(": "),
                ui::toQString(isUser ? reading.UserElementReading : reading.PartnerElementReading));
    const AnimalProfile& profile = isUser ? reading.UserProfile : reading.PartnerProfile;
    for (const ReportField& field : isUser ? kUserFields : kPartnerFields)
        appendField(QLatin1String(field.label), ui::toQString(profile[field.field]));
}

void ReportWindow::composeReport()
{
    const ChineseReadingRecord& reading = reading_;
    appendPerson(reading, true);
    appendPerson(reading, false);
    appendField(QStringLiteral("Chinese Compatibility Number: "), QString::number(reading.CompatibilityNumber));
    appendField(QStringLiteral("Chinese Compatibility  Percentage: "), ui::toQString(reading.Percentage));
    appendField(QStringLiteral("Rating: "), ui::toQString(reading.Rating));
    appendField(QStringLiteral("Matching Description : "), ui::toQString(reading.MatchingDescription));
}

void ReportWindow::cmdSave_Click()
{
    kit::saveAsRichText(platform(), this, *RTB);
}

void ReportWindow::cmdPrint_Click()
{
    kit::printReading(platform(), this, *RTB);
}

} // namespace velmora::chinese
