#include "egyptian/EntryWindow.h"

#include "egyptian/Colours.h"
#include "egyptian/EgyptianReading.h"
#include "egyptian/ResultWindow.h"
#include "egyptian/WindowParts.h"
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

namespace velmora::egyptian {
namespace {

using namespace colours;
using Display = ResultWindow;

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;
const QString kDefaultYear = QStringLiteral("1950");

// One person's controls in their frame: the name box beside "Name :-", and
// under "Date O Birth :-" the three lists, each with its caption above it.
// The partner's carry "Partner" in their names.
constexpr kit::PersonEntryLayout personLayout(bool isUser)
{
    return {
        {isUser ? "lblNameCaption" : "lblPartnerNameCaption", 120, 420, 0, 0},
        "Name :-",
        {isUser ? "txtName" : "txtPartnerName", 1620, 360, 3180, 345},
        kit::BirthDateLayout{
            {isUser ? "lblDateOfBirthCaption" : "lblPartnerDateOfBirthCaption", 120, 1140, 0, 0},
            "Date O Birth :-",
            {{
                {kit::DatePart::Day, {isUser ? "cmbDate" : "cmbPartnerDate", 1620, 1080, 660, 315},
                 {isUser ? "lblDateCaption" : "lblPartnerDateCaption", 1620, 840, 0, 0}, "Date"},
                {kit::DatePart::Month, {isUser ? "cmbMonth" : "cmbPartnerMonth", 2340, 1080, 1500, 315},
                 {isUser ? "lblMonthCaption" : "lblPartnerMonthCaption", 2340, 840, 0, 0}, "Month"},
                {kit::DatePart::Year, {isUser ? "cmbYear" : "cmbPartnerYear", 3900, 1080, 900, 315},
                 {isUser ? "lblYearCaption" : "lblPartnerYearCaption", 3900, 840, 0, 0}, "Year"},
            }},
        },
    };
}

} // namespace

EntryWindow::EntryWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, kWindowCaption, kWindowWidth, 4680)
{
    ui::setColors(this, kSand, Qt::black);
    ui::LinkLabel* forum = addForumBanner(this);

    QGroupBox* outer = ui::addFrame(this, "fraPersonalDetails", QStringLiteral("Please Fill in Your Personal Details"),
                                    120, 420, kWindowWidth - 240, 3600);
    outer->setFont(ui::verdana(8.25, true));
    ui::setColors(outer, {}, kUmber);
    QLabel* intro = ui::addLabel(outer, "lblIntroduction",
                                 QStringLiteral("Know your Egyptian Astrology Sign. Get your compatibility with your "
                                                "partner on the basis of Egyptian Astrology! Just enter your birth "
                                                "details and you are all set to go!"),
                                 240, 300, 9960, 600);
    ui::setColors(intro, {}, Qt::black);

    user_ = createPerson(outer, "fraDetails", QStringLiteral("Your Details"), 240, personLayout(true), kit::Person::User);
    partner_ = createPerson(outer, "fraPartnerDetails", QStringLiteral("Your Partner's Details"), 5280,
                            personLayout(false), kit::Person::Partner);

    QPushButton* compute = ui::addButton(outer, "Command1", QStringLiteral("Get My &Egyptian Astrology Compatibility"),
                                         2940, 2940, 4560, 450);
    connect(compute, &QPushButton::clicked, this, &EntryWindow::Command1_Click);

    ui::LinkLabel* offer = addBrandedOffer(this, "Label7", 120, 4140, kWindowWidth - 240, 435);

    QWidget* last = partner_.chainTabOrder(user_.chainTabOrder(forum));
    setTabOrder(last, compute);
    setTabOrder(compute, offer);

    createMenus();
}

kit::PersonEntry EntryWindow::createPerson(QWidget* parent, const char* frameName,
                                                                    const QString& caption, int left,
                                                                    const kit::PersonEntryLayout& layout,
                                                                    kit::Person person)
{
    QGroupBox* frame = ui::addFrame(parent, frameName, caption, left, 960, 4920, 1800);
    ui::setColors(frame, {}, kUmber);
    // Names are kept as typed, in capitals.
    kit::PersonEntry entry(frame, layout, person, kit::NameForm::AsTyped);
    entry.filterNameKeys(platform(), this, QStringLiteral("Please Enter Only Alphabet"));
    for (QLabel* caption : entry.captions())
        ui::setColors(caption, {}, Qt::black);
    return entry;
}

void EntryWindow::createMenus()
{
    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("Get My Egyptian Astrology Compatibility"), "mnuAstro",
                &EntryWindow::Command1_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file, helpMenu(kit::UpdateItemWording::Standard));
}

void EntryWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    user_.fillDateLists(kFirstYear, kLastYear, kDefaultYear);
    partner_.fillDateLists(kFirstYear, kLastYear, kDefaultYear);
}

bool EntryWindow::ValidateEntries()
{
    return kit::acceptEntries(platform(), this, user_, partner_,
                              {"Please Enter Your Name!", "Please Enter Your Partner's Name!",
                               ui::MessageIcon::Information});
}

void EntryWindow::Command1_Click()
{
    if (!ValidateEntries())
        return;
    // Each calculation is shown in a fresh result window.
    Display& display = host().freshInstance<Display>();
    display.showReading(CalculateEgyptianReading(user_.details(), partner_.details()));
    handOverTo(display);
}

} // namespace velmora::egyptian
