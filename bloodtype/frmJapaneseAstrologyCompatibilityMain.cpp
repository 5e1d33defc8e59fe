#include "frmJapaneseAstrologyCompatibilityMain.h"

#include "Controls.h"
#include "Fonts.h"
#include "JapaneseLayout.h"
#include "JapaneseReading.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "NameKeyFilter.h"
#include "Pictures.h"
#include "Platform.h"
#include "SiteTexts.h"
#include "Text.h"
#include "frmJapaneseAstrologyCompatibilityDisplay.h"
#include "modJapaneseCompatibility.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include <iterator>

namespace velmora::bloodtype {
namespace {

namespace mjc = modJapaneseCompatibility;
using namespace layout;

const QString kFind = QStringLiteral("Find My Compatibility With My Partner");

QLabel* addCaption(QWidget* frame, const QByteArray& name, const QString& text, int left, int top)
{
    QLabel* caption = ui::addLabel(frame, name.constData(), text, left, top);
    caption->setFont(ui::verdana(8.25, true));
    ui::setColors(caption, {}, kLightYellow);
    caption->adjustSize();
    return caption;
}

// A key that types a character into the box. Esc and Tab belong to the
// window, and Delete, like the arrows, edits without typing.
bool typesACharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return false;
    default: return !event.text().isEmpty();
    }
}

} // namespace

frmJapaneseAstrologyCompatibilityMain::frmJapaneseAstrologyCompatibilityMain(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, QStringLiteral("Velmora Japanese Astrology Compatibility"), 6315, 6270)
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

    user_ = createPerson("fraYourDetails", QStringLiteral("Enter Your Details"), 1560, "");
    partner_ = createPerson("fraPartnerDetails", QStringLiteral("Enter Your Partner Details"), 3240, "Partner");

    // The offer band overlaps the buttons' lower edge, so it goes beneath them.
    QWidget* offers = addBand(this, "fraBrand", 0, 5400, 6300, 855);
    addOfferLabels(offers, 120, 60, 6105, 780);

    cmdProceed_ = addButton(this, "cmdProceed", kFind, 20, 4980, 4860, 465);
    cmdProceed_->setAutoDefault(true);
    connect(cmdProceed_, &QPushButton::clicked, this, &frmJapaneseAstrologyCompatibilityMain::cmdProceed_Click);
    cmdExit_ = addButton(this, "cmdExit", QStringLiteral("&Exit"), 4920, 4980, 1380, 465);
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &frmJapaneseAstrologyCompatibilityMain::cmdExit_Click);

    // Tab visits the inputs and the buttons; the window base puts the links
    // after them.
    QWidget* const tabOrder[] = {user_.name,   user_.sex,          user_.bloodType, partner_.name,
                                 partner_.sex, partner_.bloodType, cmdProceed_,     cmdExit_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    createMenus();
}

frmJapaneseAstrologyCompatibilityMain::PersonControls
frmJapaneseAstrologyCompatibilityMain::createPerson(const char* frameName, const QString& caption, int top,
                                                    const char* mark)
{
    QGroupBox* frame = ui::addFrame(this, frameName, caption, 0, top, 6300, 1695);
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kPeach);
    const auto name = [mark](const char* kind, const char* base) { return QByteArray(kind) + mark + base; };

    PersonControls person;
    person.name = ui::addTextBox(frame, name("txt", "Name").constData(), 1680, 480, 3495, 375);
    // Wide enough for "Female" beside the drop-down arrow.
    person.sex = ui::addList(frame, name("cbo", "Sex").constData(), 1680, 1080, 1095, 315);
    person.bloodType = ui::addList(frame, name("cbo", "BloodType").constData(), 4320, 1080, 855, 315);
    ui::labelInput(addCaption(frame, name("lbl", "NameCaption"), QStringLiteral("Name :-"), 720, 570), person.name);
    ui::labelInput(addCaption(frame, name("lbl", "SexCaption"), QStringLiteral("Sex :-"), 720, 1140), person.sex);
    ui::labelInput(addCaption(frame, name("lbl", "BloodTypeCaption"), QStringLiteral("Blood Type :-"), 2880, 1140),
                   person.bloodType);
    // Both frames' captions read alike; screen readers are told whose each input is.
    const QString owner = *mark ? QStringLiteral("Your partner's") : QStringLiteral("Your");
    person.name->setAccessibleName(owner + QStringLiteral(" name"));
    person.sex->setAccessibleName(owner + QStringLiteral(" sex"));
    person.bloodType->setAccessibleName(owner + QStringLiteral(" blood type"));

    for (QWidget* input : {static_cast<QWidget*>(person.name), static_cast<QWidget*>(person.sex),
                           static_cast<QWidget*>(person.bloodType)}) {
        input->setFont(ui::verdana(8.25));
        ui::setColors(input, kPeach, kDarkRed);
    }
    // Typed keys must reach the key filter as key presses, not as composed text.
    person.name->setAttribute(Qt::WA_InputMethodEnabled, false);
    person.name->installEventFilter(this);
    return person;
}

void frmJapaneseAstrologyCompatibilityMain::createMenus()
{
    QMenu* file = createFileMenu();
    using Self = frmJapaneseAstrologyCompatibilityMain;
    addMenuItem(file, kFind, "mnuTesBloodType", &Self::mnuTesBloodType_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &Self::mnuExit_Click);
    setMenuBar(file, kit::UpdateItemWording::Standard);
}

void frmJapaneseAstrologyCompatibilityMain::Form_Load()
{
    CalculatorWindow::Form_Load();
    if (QMdiSubWindow* frame = subWindow())
        frame->setWindowIcon(kit::pictures::windowIcon(kit::pictures::Icon::Japanese));
    for (const PersonControls* person : {&user_, &partner_}) {
        for (std::string_view sex : kSexes)
            person->sex->addItem(ui::toQString(sex));
        for (std::string_view bloodType : mjc::kBloodTypes)
            person->bloodType->addItem(ui::toQString(bloodType));
        person->sex->setCurrentIndex(0);
        person->bloodType->setCurrentIndex(0);
    }
    user_.name->setFocus();
}

bool frmJapaneseAstrologyCompatibilityMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == user_.name)
            return txtName_KeyPress(key);
        if (watched == partner_.name)
            return txtPartnerName_KeyPress(key);
    }
    return CalculatorWindow::eventFilter(watched, event);
}

void frmJapaneseAstrologyCompatibilityMain::keyPressEvent(QKeyEvent* event)
{
    if (isEnterOrEscape(*event))
        cmdExit_->click();
    else
        CalculatorWindow::keyPressEvent(event);
}

bool frmJapaneseAstrologyCompatibilityMain::txtName_KeyPress(const QKeyEvent& event)
{
    return filterNameKey(*user_.name, event);
}

bool frmJapaneseAstrologyCompatibilityMain::txtPartnerName_KeyPress(const QKeyEvent& event)
{
    return filterNameKey(*partner_.name, event);
}

bool frmJapaneseAstrologyCompatibilityMain::filterNameKey(QLineEdit& box, const QKeyEvent& event)
{
    if (!typesACharacter(event))
        return false;
    const QString text = event.text();
    const int k = text.size() == 1 ? text.at(0).unicode() : 0;
    const int kept = FilterNameKey(k);
    if (kept == 0) {
        platform().showMessage(this, QStringLiteral("Please Enter only Letters"), ui::MessageIcon::Information);
        return true;
    }
    if (kept == k)
        return false;
    box.insert(QString(QChar(kept)));
    return true;
}

bool frmJapaneseAstrologyCompatibilityMain::ValidateEntries()
{
    if (user_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Name !"), ui::MessageIcon::None);
        user_.name->setFocus();
        return false;
    }
    if (partner_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Partner Name !"), ui::MessageIcon::None);
        partner_.name->setFocus();
        return false;
    }
    return true;
}

void frmJapaneseAstrologyCompatibilityMain::cmdProceed_Click()
{
    if (!ValidateEntries())
        return;
    auto& result = launcher().instance<frmJapaneseAstrologyCompatibilityDisplay>();
    result.ShowReading(CalculateJapaneseReading(person(user_), person(partner_)));
    handOverTo(result);
}

JapanesePerson frmJapaneseAstrologyCompatibilityMain::person(const PersonControls& controls)
{
    return {controls.name->text().toStdU16String(), static_cast<Sex>(controls.sex->currentIndex()),
            controls.bloodType->currentIndex()};
}

void frmJapaneseAstrologyCompatibilityMain::mnuTesBloodType_Click()
{
    cmdProceed_Click();
}

void frmJapaneseAstrologyCompatibilityMain::cmdExit_Click()
{
    closeWindow();
}

void frmJapaneseAstrologyCompatibilityMain::mnuExit_Click()
{
    closeWindow();
}

} // namespace velmora::bloodtype
