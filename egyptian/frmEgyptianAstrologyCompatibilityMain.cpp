#include "frmEgyptianAstrologyCompatibilityMain.h"

#include "Controls.h"
#include "EgyptianReading.h"
#include "EgyptianWindows.h"
#include "Fonts.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace velmora::egyptian {
namespace {

using Display = frmEgyptianAstrologyCompatibilityDisplay;

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
    };
}

enum class NameKey { Pass, Capitalise, Refuse };

// Names are typed in capital letters with blanks between them. Keys that type
// no character, and the keys of focus, menus and deleting, are not filtered.
NameKey classifyNameKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return NameKey::Pass;
    default: break;
    }
    const QString text = key.text();
    if (text.isEmpty() || key.modifiers().testAnyFlags(Qt::AltModifier | Qt::MetaModifier))
        return NameKey::Pass;
    // With Control held the key types a control character, not a letter.
    if (text.size() != 1 || key.modifiers().testFlag(Qt::ControlModifier))
        return NameKey::Refuse;
    const char16_t c = text.front().unicode();
    if (c >= u'A' && c <= u'Z')
        return NameKey::Pass;
    if (c >= u'a' && c <= u'z')
        return NameKey::Capitalise;
    return NameKey::Refuse;
}

} // namespace

frmEgyptianAstrologyCompatibilityMain::frmEgyptianAstrologyCompatibilityMain(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, kWindowCaption, kWindowWidth, 4680)
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
    connect(compute, &QPushButton::clicked, this, &frmEgyptianAstrologyCompatibilityMain::Command1_Click);

    ui::LinkLabel* offer = addBrandedOffer(this, "Label7", 120, 4140, kWindowWidth - 240, 435);

    QWidget* last = partner_.chainTabOrder(user_.chainTabOrder(forum));
    setTabOrder(last, compute);
    setTabOrder(compute, offer);

    createMenus();
}

kit::PersonEntry frmEgyptianAstrologyCompatibilityMain::createPerson(QWidget* parent, const char* frameName,
                                                                    const QString& caption, int left,
                                                                    const kit::PersonEntryLayout& layout,
                                                                    kit::Person person)
{
    QGroupBox* frame = ui::addFrame(parent, frameName, caption, left, 960, 4920, 1800);
    ui::setColors(frame, {}, kUmber);
    kit::PersonEntry entry(frame, layout, person);
    entry.nameBox()->installEventFilter(this);
    for (QLabel* label : frame->findChildren<QLabel*>())
        ui::setColors(label, {}, Qt::black);
    return entry;
}

void frmEgyptianAstrologyCompatibilityMain::createMenus()
{
    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("Get My Egyptian Astrology Compatibility"), "mnuAstro",
                &frmEgyptianAstrologyCompatibilityMain::Command1_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file, kit::UpdateItemWording::Standard);
    nameHelpItems(menuBarActions());
}

void frmEgyptianAstrologyCompatibilityMain::Form_Load()
{
    CalculatorWindow::Form_Load();
    user_.fillDateLists(kFirstYear, kLastYear, kDefaultYear);
    partner_.fillDateLists(kFirstYear, kLastYear, kDefaultYear);
}

bool frmEgyptianAstrologyCompatibilityMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == user_.nameBox() || watched == partner_.nameBox()))
        return txtName_KeyPress(*static_cast<QLineEdit*>(watched), *static_cast<QKeyEvent*>(event));
    return CalculatorWindow::eventFilter(watched, event);
}

bool frmEgyptianAstrologyCompatibilityMain::txtName_KeyPress(QLineEdit& box, const QKeyEvent& key)
{
    switch (classifyNameKey(key)) {
    case NameKey::Pass: return false;
    case NameKey::Capitalise: box.insert(key.text().toUpper()); return true;
    case NameKey::Refuse: break;
    }
    platform().showMessage(this, QStringLiteral("Please Enter Only Alphabet"), ui::MessageIcon::Information);
    return true;
}

bool frmEgyptianAstrologyCompatibilityMain::ValidateEntries()
{
    return kit::AcceptEntries(platform(), this, user_, partner_,
                              {"Please Enter Your Name!", "Please Enter Your Partner's Name!",
                               ui::MessageIcon::Information});
}

void frmEgyptianAstrologyCompatibilityMain::Command1_Click()
{
    if (!ValidateEntries())
        return;
    // Each calculation is shown in a fresh result window.
    Display& display = launcher().freshInstance<Display>();
    display.ShowReading(CalculateEgyptianReading(user_.details(), partner_.details()));
    handOverTo(display);
}

} // namespace velmora::egyptian
