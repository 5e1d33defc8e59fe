#include "frmChineseZodiacCompatibilityMain.h"

#include "BirthDateEntry.h"
#include "ChineseReading.h"
#include "CommonMenus.h"
#include "Controls.h"
#include "Fonts.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "SiteTexts.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace velmora::chinese {
namespace {

const QColor kDarkRed(128, 0, 0);
const QColor kLightRed(255, 192, 192);
const QColor kPaleYellow(255, 255, 192);

// The year lists open on 1936, the year they began with before they reached
// back to 1900.
constexpr const char* kDefaultYear = "1936";

// The names of one person's controls: the user's carry "Male", the
// partner's "Female".
struct PersonNames {
    const char* name;
    const char* day;
    const char* month;
    const char* year;
};
constexpr PersonNames kUserNames = {"txtMaleName", "CboMaleDate", "cboMaleMonth", "cboMaleYear"};
constexpr PersonNames kPartnerNames = {"txtFemaleName", "cboFemaleDate", "cboFemaleMonth", "cboFemaleYear"};

} // namespace

frmChineseZodiacCompatibilityMain::frmChineseZodiacCompatibilityMain(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, QStringLiteral("Velmora Chinese Zodiac Compatibility"), 9720, 4740)
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
    user_ = createPerson(details, "Your", true);
    QGroupBox* partner =
        ui::addFrame(this, "fraPartnerDetails", QStringLiteral("Your Partner's Details"), 4920, 1620, 4725, 1215);
    partner_ = createPerson(partner, "Your partner's", false);

    auto* proceed = ui::addButton(this, "cmdProceed", QStringLiteral("Get Our &Chinese Zodiac Compatibility"), 2498,
                                  3000, 4725, 405);
    proceed->setFont(ui::verdana(8.25, true));
    connect(proceed, &QPushButton::clicked, this, &frmChineseZodiacCompatibilityMain::cmdProceed_Click);

    auto* visit = ui::addLinkLabel(this, "Label2", kit::texts::kForumBanner, 1380, 3510, 6960, 270);
    visit->setFont(ui::verdana(8.25, true, true));
    visit->setAlignment(Qt::AlignCenter);
    ui::setColors(visit, {}, kPaleYellow);

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 8, 3900, 9705, 810);
    ui::setColors(offers, {}, Qt::white);
    ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 120, 90, 4680, 615);
    ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 4920, 90, 4680, 615);

    setTabOrder(user_.name, user_.day);
    setTabOrder(user_.day, user_.month);
    setTabOrder(user_.month, user_.year);
    setTabOrder(user_.year, partner_.name);
    setTabOrder(partner_.name, partner_.day);
    setTabOrder(partner_.day, partner_.month);
    setTabOrder(partner_.month, partner_.year);
    setTabOrder(partner_.year, proceed);

    createMenus();
}

frmChineseZodiacCompatibilityMain::PersonControls
frmChineseZodiacCompatibilityMain::createPerson(QGroupBox* frame, const char* who, bool isUser)
{
    const PersonNames& names = isUser ? kUserNames : kPartnerNames;
    const QString owner = QLatin1String(who);
    ui::setColors(frame, {}, Qt::white);
    PersonControls person;
    QLabel* nameCaption = ui::addLabel(frame, isUser ? "lblMaleName" : "lblFemaleName", QStringLiteral("Name"), 360,
                                       360);
    person.name = ui::addTextBox(frame, names.name, 930, 270, 3705, 345);
    ui::labelInput(nameCaption, person.name);
    person.name->setAccessibleName(owner + QStringLiteral(" name"));

    QLabel* dateCaption = ui::addLabel(frame, isUser ? "lblMaleBirthDay" : "lblFemaleBirthDay",
                                       QStringLiteral("Birth Day"), 60, 810);
    person.day = ui::addList(frame, names.day, 930, 720, 735, 315);
    person.month = ui::addList(frame, names.month, 1755, 720, 1575, 315);
    person.year = ui::addList(frame, names.year, 3420, 720, 1215, 315);
    ui::labelInput(dateCaption, person.day);
    person.day->setAccessibleName(owner + QStringLiteral(" birth day of the month"));
    person.month->setAccessibleName(owner + QStringLiteral(" birth month"));
    person.year->setAccessibleName(owner + QStringLiteral(" birth year"));
    for (QWidget* input : {static_cast<QWidget*>(person.name), static_cast<QWidget*>(person.day),
                           static_cast<QWidget*>(person.month), static_cast<QWidget*>(person.year)})
        ui::setColors(input, Qt::white, Qt::black);
    return person;
}

void frmChineseZodiacCompatibilityMain::createMenus()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &CalculatorWindow::closeWindow);
    setMenuBar(file, kit::UpdateItemWording::Standard);
}

void frmChineseZodiacCompatibilityMain::Form_Load()
{
    CalculatorWindow::Form_Load();
    // Every year from the table's first day to its last new year.
    const auto& table = modchinesezodiac::NewYearTable;
    const int firstYear = static_cast<int>(table.front().firstDay.year());
    const int lastYear = static_cast<int>(table.back().firstDay.year());
    for (const PersonControls* person : {&user_, &partner_}) {
        kit::FillBirthDateLists(person->month, person->day, person->year, firstYear, lastYear);
        kit::SelectListEntry(person->year, QLatin1String(kDefaultYear));
    }
}


bool frmChineseZodiacCompatibilityMain::ValidateEntries()
{
    if (user_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please enter your Name"), ui::MessageIcon::Information);
        user_.name->setFocus();
        return false;
    }
    if (partner_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Youe Partner's Name"), ui::MessageIcon::Information);
        partner_.name->setFocus();
        return false;
    }
    return kit::AcceptBirthDate(platform(), this, kit::Person::User, user_.month, user_.day, user_.year)
           && kit::AcceptBirthDate(platform(), this, kit::Person::Partner, partner_.month, partner_.day,
                                     partner_.year);
}

PersonEntry frmChineseZodiacCompatibilityMain::entryOf(const PersonControls& person)
{
    const QString day = person.day->currentText().trimmed();
    const QString month = person.month->currentText().trimmed();
    const QString year = person.year->currentText().trimmed();
    const std::chrono::year_month_day date{std::chrono::year(year.toInt()),
                                           std::chrono::month(static_cast<unsigned>(person.month->currentIndex() + 1)),
                                           std::chrono::day(static_cast<unsigned>(person.day->currentIndex() + 1))};
    return {person.name->text(), day + QLatin1Char(' ') + month + QLatin1Char(' ') + year, date};
}

void frmChineseZodiacCompatibilityMain::cmdProceed_Click()
{
    if (!ValidateEntries())
        return;
    ChineseReading() = CalculateChineseReading(entryOf(user_), entryOf(partner_));

    auto& result = launcher().instance<frmChineseZodiacCompatibilityDisplay>();
    result.ShowReading(ChineseReading());
    result.showWindow();
    hideWindow();
    launcher().setWelcomePanelVisible(false);
}

} // namespace velmora::chinese
