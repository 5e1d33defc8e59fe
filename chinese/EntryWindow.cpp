#include "chinese/EntryWindow.h"

#include "chinese/ChineseReading.h"
#include "chinese/Colours.h"
#include "chinese/ResultWindow.h"
#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace velmora::chinese {
namespace {

using namespace colours;

// Each year list opens on 1936.
constexpr const char* kDefaultYear = "1936";

// One person's controls: the user's carry "Male" in their names, the
// partner's "Female".
constexpr kit::PersonEntryLayout personLayout(bool isUser)
{
    return {
        {isUser ? "lblMaleName" : "lblFemaleName", 360, 360, 0, 0}, "Name",
        {isUser ? "txtMaleName" : "txtFemaleName", 930, 270, 3705, 345},
        kit::BirthDateLayout{
            {isUser ? "lblMaleBirthDay" : "lblFemaleBirthDay", 60, 810, 0, 0}, "Birth Day",
            {{
                {kit::DatePart::Day, {isUser ? "CboMaleDate" : "cboFemaleDate", 930, 720, 735, 315}, {}, nullptr},
                {kit::DatePart::Month, {isUser ? "cboMaleMonth" : "cboFemaleMonth", 1755, 720, 1575, 315}, {},
                 nullptr},
                {kit::DatePart::Year, {isUser ? "cboMaleYear" : "cboFemaleYear", 3420, 720, 1215, 315}, {}, nullptr},
            }},
        },
    };
}

} // namespace

EntryWindow::EntryWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Chinese Zodiac Compatibility"), 9720, 4740)
{
    ui::setColors(this, kDarkRed, Qt::white);

    auto* forum = ui::addLinkLabel(this, "Label1", kit::texts::kForumInvitation, 2273, 120, 5175, 435);
    forum->setFont(ui::verdana(9.75, true, true));
    forum->setAlignment(Qt::AlignCenter);
    ui::setColors(forum, {}, kPaleYellow);

    QGroupBox* note = ui::addFrame(this, "fraNote", QStringLiteral("Note"), 75, 600, 9570, 915);
    ui::setColors(note, {}, Qt::white);
    const QString notices[] = {
        QStringLiteral("Please set your Regional and Language Settings to US English for proper working of this "
                       "software."),
        QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY "
                       "format"),
    };
    ui::setColors(ui::addLabel(note, "lblRegionalSettings", notices[0], 120, 240, 4500, 615), {}, kLightRed);
    ui::setColors(ui::addLabel(note, "lblDateFormat", notices[1], 4860, 240, 4590, 615), {}, kLightRed);

    QGroupBox* details = ui::addFrame(this, "fraYourDetails", QStringLiteral("Your Details"), 75, 1620, 4725, 1215);
    ui::setColors(details, {}, Qt::white);
    user_ = kit::PersonEntry(details, personLayout(true), kit::Person::User, kit::NameForm::Trimmed);
    QGroupBox* partner =
        ui::addFrame(this, "fraPartnerDetails", QStringLiteral("Your Partner's Details"), 4920, 1620, 4725, 1215);
    ui::setColors(partner, {}, Qt::white);
    partner_ = kit::PersonEntry(partner, personLayout(false), kit::Person::Partner, kit::NameForm::Trimmed);

    auto* proceed = ui::addButton(this, "cmdProceed", QStringLiteral("Get Our &Chinese Zodiac Compatibility"), 2498,
                                  3000, 4725, 405);
    proceed->setFont(ui::verdana(8.25, true));
    connect(proceed, &QPushButton::clicked, this, &EntryWindow::cmdProceed_Click);

    auto* visit = ui::addLinkLabel(this, "Label2", kit::texts::kForumBanner, 1380, 3510, 6960, 270);
    visit->setFont(ui::verdana(8.25, true, true));
    visit->setAlignment(Qt::AlignCenter);
    ui::setColors(visit, {}, kPaleYellow);

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 8, 3900, 9705, 810);
    ui::setColors(offers, {}, Qt::white);
    ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 120, 90, 4680, 615);
    ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 4920, 90, 4680, 615);

    setTabOrder(partner_.chainTabOrder(user_.chainTabOrder(nullptr)), proceed);

    createMenus();
}

void EntryWindow::createMenus()
{
    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file);
}

void EntryWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    // Every year from the table's first day to its last new year.
    const auto& table = NewYearTable;
    const int firstYear = static_cast<int>(table.front().firstDay.year());
    const int lastYear = static_cast<int>(table.back().firstDay.year());
    for (const kit::PersonEntry* person : {&user_, &partner_})
        person->fillDateLists(firstYear, lastYear, QLatin1String(kDefaultYear));
}

bool EntryWindow::ValidateEntries()
{
    return kit::acceptEntries(platform(), this, user_, partner_,
                              {"Please enter your Name", "Please Enter Youe Partner's Name",
                               ui::MessageIcon::Information});
}

void EntryWindow::cmdProceed_Click()
{
    if (!ValidateEntries())
        return;
    auto& result = host().instance<ResultWindow>();
    result.showReading(CalculateChineseReading(user_.details(), partner_.details()));
    handOverTo(result);
}

} // namespace velmora::chinese
