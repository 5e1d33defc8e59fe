#include "bloodtype/EntryWindow.h"

#include "bloodtype/Calculator.h"
#include "bloodtype/Colours.h"
#include "bloodtype/JapaneseReading.h"
#include "bloodtype/Lookups.h"
#include "bloodtype/ResultWindow.h"
#include "bloodtype/WindowParts.h"
#include "kit/Pictures.h"
#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

namespace velmora::bloodtype {
namespace {

using namespace colours;

const QString kFind = QStringLiteral("Find My Compatibility With My Partner");

// One person's controls in their frame: the partner's carry "Partner" in
// their names.
constexpr kit::PersonEntryLayout personLayout(bool isUser)
{
    return {{isUser ? "lblNameCaption" : "lblPartnerNameCaption", 720, 570, 0, 0},
            "Name :-",
            {isUser ? "txtName" : "txtPartnerName", 1680, 480, 3495, 375},
            std::nullopt};
}

constexpr kit::ChoiceLayout sexLayout(bool isUser)
{
    return {{isUser ? "lblSexCaption" : "lblPartnerSexCaption", 720, 1140, 0, 0},
            "Sex :-",
            {isUser ? "cboSex" : "cboPartnerSex", 1680, 1080, 1095, 315},
            "sex"};
}

constexpr kit::ChoiceLayout bloodTypeLayout(bool isUser)
{
    return {{isUser ? "lblBloodTypeCaption" : "lblPartnerBloodTypeCaption", 2880, 1140, 0, 0},
            "Blood Type :-",
            {isUser ? "cboBloodType" : "cboPartnerBloodType", 4320, 1080, 855, 315},
            "blood type"};
}

template <std::size_t N>
QStringList listOf(const std::array<std::string_view, N>& texts)
{
    QStringList items;
    for (const std::string_view text : texts)
        items.append(ui::toQString(text));
    return items;
}

} // namespace

EntryWindow::EntryWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Japanese Astrology Compatibility"), 6315, 6270)
{
    ui::setColors(this, kDarkBrown, kLightYellow);

    QWidget* bannerBand = addBand(this, "fraBanner", 0, 0, 6300, 800);
    auto* banner = ui::addLinkLabel(bannerBand, "Label61", kit::texts::kForumInvitation, 120, 135, 6000, 585);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);

    QGroupBox* intro = ui::addFrame(this, "fraIntro", QString(), 0, 720, 6300, 855);
    QLabel* about = ui::addLabel(intro, "Label7",
                                 QStringLiteral("Velmora Japanese Atrology Compatibility is based on matching "
                                                "personalities with blood type. Enter your blood type and know more "
                                                "about yourself and your compatibility traits."),
                                 150, 160, 6015, 615);
    about->setFont(ui::verdana(8.25, true));
    about->setAlignment(Qt::AlignCenter);
    ui::setColors(about, {}, kPeach);

    user_ = createPerson("fraYourDetails", QStringLiteral("Enter Your Details"), 1560, kit::Person::User);
    partner_ = createPerson("fraPartnerDetails", QStringLiteral("Enter Your Partner Details"), 3240,
                            kit::Person::Partner);

    // The offer band overlaps the buttons' lower edge, so it goes beneath them.
    QWidget* offers = addBand(this, "fraBrand", 0, 5400, 6300, 855);
    addOfferLabels(offers, 120, 60, 6105, 780);

    cmdProceed_ = addButton(this, "cmdProceed", kFind, 20, 4980, 4860, 465);
    cmdProceed_->setAutoDefault(true);
    connect(cmdProceed_, &QPushButton::clicked, this, &EntryWindow::cmdProceed_Click);
    cmdExit_ = addButton(this, "cmdExit", QStringLiteral("&Exit"), 4920, 4980, 1380, 465);
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &EntryWindow::cmdExit_Click);

    // Tab visits the inputs and the buttons; the window base puts the links
    // after them.
    setTabOrder(partner_.entry.chainTabOrder(user_.entry.chainTabOrder(nullptr)), cmdProceed_);
    setTabOrder(cmdProceed_, cmdExit_);

    createMenus();
}

EntryWindow::Person EntryWindow::createPerson(const char* frameName, const QString& caption, int top,
                                             kit::Person person)
{
    const bool isUser = person == kit::Person::User;
    QGroupBox* frame = ui::addFrame(this, frameName, caption, 0, top, 6300, 1695);
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kPeach);

    Person created{kit::PersonEntry(frame, personLayout(isUser), person, kit::NameForm::AsTyped)};
    created.sex = created.entry.addChoice(sexLayout(isUser), listOf(kSexes));
    created.bloodType = created.entry.addChoice(bloodTypeLayout(isUser), listOf(kBloodTypes));
    created.entry.filterNameKeys(platform(), this, QStringLiteral("Please Enter only Letters"));
    for (QLabel* label : created.entry.captions()) {
        label->setFont(ui::verdana(8.25, true));
        ui::setColors(label, {}, kLightYellow);
        label->adjustSize();
    }
    for (QWidget* input : created.entry.inputs()) {
        input->setFont(ui::verdana(8.25));
        ui::setColors(input, kPeach, kDarkRed);
    }
    return created;
}

void EntryWindow::createMenus()
{
    QMenu* file = createFileMenu();
    using Self = EntryWindow;
    addMenuItem(file, kFind, "mnuTesBloodType", &Self::mnuTesBloodType_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &Self::mnuExit_Click);
    setMenuBar(file);
}

void EntryWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    if (QMdiSubWindow* frame = subWindow())
        frame->setWindowIcon(kit::pictures::windowIcon(kCalculator.icon));
    user_.entry.nameBox()->setFocus();
}

void EntryWindow::keyPressEvent(QKeyEvent* event)
{
    if (isEnterOrEscape(*event))
        cmdExit_->click();
    else
        CalculatorWindow::keyPressEvent(event);
}

bool EntryWindow::ValidateEntries()
{
    return kit::acceptEntries(platform(), this, user_.entry, partner_.entry,
                              {"Please Enter Your Name !", "Please Enter Your Partner Name !", ui::MessageIcon::None});
}

void EntryWindow::cmdProceed_Click()
{
    if (!ValidateEntries())
        return;
    auto& result = host().instance<ResultWindow>();
    result.showReading(CalculateJapaneseReading(entries(user_), entries(partner_)));
    handOverTo(result);
}

JapanesePerson EntryWindow::entries(const Person& person)
{
    return {person.entry.name(), static_cast<Sex>(person.sex->currentIndex()), person.bloodType->currentIndex()};
}

void EntryWindow::mnuTesBloodType_Click()
{
    cmdProceed_Click();
}

void EntryWindow::cmdExit_Click()
{
    closeWindow();
}

void EntryWindow::mnuExit_Click()
{
    closeWindow();
}

} // namespace velmora::bloodtype
