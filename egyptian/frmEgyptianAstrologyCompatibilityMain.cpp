#include "frmEgyptianAstrologyCompatibilityMain.h"

#include "BirthDateEntry.h"
#include "Controls.h"
#include "EgyptianWindows.h"
#include "Fonts.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "RichTextBox.h"
#include "Text.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>

namespace velmora::egyptian {
namespace {

namespace mec = modegyptianCompatibility;
using Display = frmEgyptianAstrologyCompatibilityDisplay;

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;

const QColor kDarkRed(128, 0, 0);  // label style
const QColor kDarkBlue(0, 0, 128); // the sign's name
const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = kLineBreak + kLineBreak;

const QString kUserHeading = QStringLiteral("Your Egyptian Astrology Sign is :-");
const QString kPartnerHeading = QStringLiteral("Your Partner's Egyptian Astrology Sign is :-");

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

QString dateOfBirth(const QComboBox* date, const QComboBox* month, const QComboBox* year)
{
    return date->currentText() + QLatin1Char('/') + month->currentText() + QLatin1Char('/') + year->currentText();
}

// A tab caption shows an ampersand of the name rather than taking it as a mnemonic.
QString characteristicsCaption(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&")) + QStringLiteral("'s Characteristics");
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

    user_ = createPerson(outer, "", QStringLiteral("Your Details"), 240);
    partner_ = createPerson(outer, "Partner", QStringLiteral("Your Partner's Details"), 5280);

    QPushButton* compute = ui::addButton(outer, "Command1", QStringLiteral("Get My &Egyptian Astrology Compatibility"),
                                         2940, 2940, 4560, 450);
    connect(compute, &QPushButton::clicked, this, &frmEgyptianAstrologyCompatibilityMain::Command1_Click);

    ui::LinkLabel* offer = addBrandedOffer(this, "Label7", 120, 4140, kWindowWidth - 240, 435);

    QWidget* const order[] = {forum,         user_.name,     user_.date,    user_.month, user_.year, partner_.name,
                              partner_.date, partner_.month, partner_.year, compute,     offer};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    createMenus();
}

// One person's frame; the controls are named with `who` ("" for the user,
// "Partner" for the partner) after their kind: txtPartnerName, cmbPartnerDate...
frmEgyptianAstrologyCompatibilityMain::PersonControls
frmEgyptianAstrologyCompatibilityMain::createPerson(QWidget* parent, const QByteArray& who, const QString& caption,
                                                    int left)
{
    const auto named = [&who](const char* kind, const char* what) { return QByteArray(kind) + who + what; };
    QGroupBox* frame = ui::addFrame(parent, named("fra", "Details").constData(), caption, left, 960, 4920, 1800);
    ui::setColors(frame, {}, kUmber);

    PersonControls person{};
    QLabel* nameCaption =
        ui::addLabel(frame, named("lbl", "NameCaption").constData(), QStringLiteral("Name :-"), 120, 420);
    person.name = ui::addTextBox(frame, named("txt", "Name").constData(), 1620, 360, 3180, 345);
    person.name->installEventFilter(this);
    ui::labelInput(nameCaption, person.name);

    ui::addLabel(frame, named("lbl", "DateOfBirthCaption").constData(), QStringLiteral("Date O Birth :-"), 120, 1140);
    struct List {
        const char* caption;
        int left;
        int width;
        QComboBox** control;
    };
    const List lists[] = {{"Date", 1620, 660, &person.date},
                          {"Month", 2340, 1500, &person.month},
                          {"Year", 3900, 900, &person.year}};
    for (const List& list : lists) {
        QLabel* listCaption = ui::addLabel(frame, named("lbl", list.caption).append("Caption").constData(),
                                           QLatin1String(list.caption), list.left, 840);
        *list.control = ui::addList(frame, named("cmb", list.caption).constData(), list.left, 1080, list.width, 315);
        ui::labelInput(listCaption, *list.control);
    }
    for (QLabel* label : frame->findChildren<QLabel*>())
        ui::setColors(label, {}, Qt::black);
    for (QWidget* input : {static_cast<QWidget*>(person.name), static_cast<QWidget*>(person.date),
                           static_cast<QWidget*>(person.month), static_cast<QWidget*>(person.year)})
        ui::setColors(input, Qt::white, Qt::black);
    return person;
}

void frmEgyptianAstrologyCompatibilityMain::createMenus()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    QAction* astro = file->addAction(QStringLiteral("Get My Egyptian Astrology Compatibility"));
    astro->setObjectName(QStringLiteral("mnuAstro"));
    connect(astro, &QAction::triggered, this, &frmEgyptianAstrologyCompatibilityMain::Command1_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &CalculatorWindow::closeWindow);
    setMenuBarActions(egyptianMenuBar(*this, *file, kit::UpdateItemWording::Standard, launcher()));
}

void frmEgyptianAstrologyCompatibilityMain::Form_Load()
{
    CalculatorWindow::Form_Load();
    for (const PersonControls* person : {&user_, &partner_}) {
        kit::FillBirthDateLists(person->month, person->date, person->year, kFirstYear, kLastYear);
        kit::SelectListEntry(person->year, QStringLiteral("1950"));
    }
}


bool frmEgyptianAstrologyCompatibilityMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == user_.name || watched == partner_.name))
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
    if (user_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Name!"), ui::MessageIcon::Information);
        user_.name->setFocus();
        return false;
    }
    if (partner_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Partner's Name!"), ui::MessageIcon::Information);
        partner_.name->setFocus();
        return false;
    }
    return kit::AcceptBirthDate(platform(), this, kit::Person::User, user_.month, user_.date, user_.year)
           && kit::AcceptBirthDate(platform(), this, kit::Person::Partner, partner_.month, partner_.date,
                                     partner_.year);
}

void frmEgyptianAstrologyCompatibilityMain::Command1_Click()
{
    if (!ValidateEntries())
        return;
    // Each calculation writes into a fresh result window, so every reading box
    // starts empty and holds one reading.
    launcher().unload(Display::kWindowName);
    Display& display = launcher().instance<Display>();

    const auto userSign = showSign(user_, {display.picGod, display.lblGodName, display.RTB}, kUserHeading);
    const auto partnerSign =
        showSign(partner_, {display.picPartnerGod, display.lblPartnerGodName, display.PartnerRTB}, kPartnerHeading);
    if (userSign && partnerSign)
        display.lblCompatibility->setText(ui::toQString(mec::EgyptianPairVerdict(*userSign, *partnerSign)));

    display.lblYourName->setText(user_.name->text());
    display.lblYourDateOfBirth->setText(dateOfBirth(user_.date, user_.month, user_.year));
    display.lblYourEgyptianSign->setText(display.lblGodName->text());
    display.lblYourPartnerName->setText(partner_.name->text());
    display.lblYourPartnerDateOfBirth->setText(dateOfBirth(partner_.date, partner_.month, partner_.year));
    display.lblYourPartnerEgyptianSign->setText(display.lblPartnerGodName->text());

    display.tabSelect->setTabText(0, characteristicsCaption(user_.name->text()));
    display.tabSelect->setTabText(1, characteristicsCaption(partner_.name->text()));
    display.tabSelect->setTabText(2, QStringLiteral("Compatibility With Your Partner"));
    display.RTB->moveCursor(QTextCursor::Start);
    display.PartnerRTB->moveCursor(QTextCursor::Start);

    display.showWindow();
    hideWindow();
    launcher().setWelcomePanelVisible(false);
}

std::optional<modegyptianCompatibility::EgyptianSign>
frmEgyptianAstrologyCompatibilityMain::showSign(const PersonControls& person, const SignView& view,
                                                const QString& heading)
{
    const std::optional<mec::EgyptianSign> sign =
        mec::FindEgyptianSign(person.month->currentIndex() + 1, person.date->currentIndex() + 1);
    // The validation lets through only dates that have a sign.
    if (!sign)
        return std::nullopt;
    view.picture->setPixmap(Display::IMGList(mec::SignNumber(*sign), view.picture->size()));
    view.name->setText(ui::toQString(mec::DisplayName(*sign)));
    WriteSignReading(*view.reading, heading, view.name->text(), mec::GetEgyptianProfile(*sign));
    return sign;
}

void frmEgyptianAstrologyCompatibilityMain::WriteSignReading(ui::RichTextBox& box, const QString& heading,
                                                             const QString& sign,
                                                             const modegyptianCompatibility::EgyptianProfile& profile)
{
    const auto label = [&box](const QString& text) {
        box.setEmphasis(true);
        box.setRunColor(kDarkRed);
        box.appendRun(text);
    };
    const auto value = [&box](std::string_view text, const QString& end) {
        box.setEmphasis(false);
        box.setRunColor(Qt::black);
        box.appendRun(ui::toQString(text) + end);
    };

    label(heading);
    box.setEmphasis(false);
    box.setRunColor(kDarkBlue);
    box.setEmphasis(true);
    box.appendRun(sign + kBlankLine);
    for (const mec::ReadingField& field : mec::kReadingFields) {
        label(ui::toQString(field.label));
        const bool last = &field == &mec::kReadingFields.back();
        value(profile.*field.field, last ? kLineBreak : kBlankLine);
    }
}

} // namespace velmora::egyptian
