#include "frmZodiacCompatibilityMain.h"

#include "BirthDateEntry.h"
#include "CommonMenus.h"
#include "Controls.h"
#include "Fonts.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "ProfileFields.h"
#include "SiteTexts.h"
#include "Text.h"
#include "WesternReading.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "modCheckForUniqueUser.h"
#include "modHelp.h"
#include "modZodiacCompatibility.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace velmora::western {
namespace {

const QColor kDarkGreen(0, 64, 0);
const QColor kLightRed(255, 192, 192);
const QColor kPaleYellow(255, 255, 192);

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

} // namespace

frmZodiacCompatibilityMain::frmZodiacCompatibilityMain(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, QStringLiteral("Velmora Zodiac Compatibility"), 9720, 4335)
{
    ui::setColors(this, kDarkGreen, Qt::white);

    auto* forum = ui::addLinkLabel(this, "Label14", kit::texts::kForumInvitation, 2273, 120, 5175, 435);
    forum->setFont(ui::verdana(9.75, true, true));
    forum->setAlignment(Qt::AlignCenter);
    ui::setColors(forum, {}, kPaleYellow);

    auto* open = ui::addButton(this, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"), 75, 770, 4725, 850);
    open->setFont(ui::verdana(11.25, true));
    connect(open, &QPushButton::clicked, this, &frmZodiacCompatibilityMain::cmdOpen_Click);

    QGroupBox* note = ui::addFrame(this, "fraNote", QStringLiteral("Note"), 4920, 645, 4725, 975);
    QLabel* noteText = ui::addLabel(note, "Label8",
                                    QStringLiteral("Please set your Regional and Language Settings to US English "
                                                   "for proper working of this software."),
                                    120, 240, 4335, 615);
    ui::setColors(noteText, {}, kLightRed);

    QGroupBox* details = ui::addFrame(this, "fraDetails", QStringLiteral("Your Details"), 75, 1680, 4725, 1215);
    user_ = createPerson(details, kUserSuffix);
    QGroupBox* partner =
        ui::addFrame(this, "fraPartnerDetails", QStringLiteral("Your Partner's Details"), 4920, 1680, 4725, 1215);
    partner_ = createPerson(partner, kPartnerSuffix);

    auto* compute =
        ui::addButton(this, "cmdSunSign", QStringLiteral("Check Our &Zodiac Compatibility Now !"), 2498, 3120, 4725, 375);
    compute->setFont(ui::verdana(8.25, true));
    connect(compute, &QPushButton::clicked, this, &frmZodiacCompatibilityMain::cmdSunSign_Click);

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 8, 3600, 9705, 735);
    ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 120, 60, 4680, 615);
    ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 4920, 60, 4680, 615);

    setTabOrder(open, user_.name);
    setTabOrder(user_.name, user_.month);
    setTabOrder(user_.month, user_.day);
    setTabOrder(user_.day, user_.year);
    setTabOrder(user_.year, partner_.name);
    setTabOrder(partner_.name, partner_.month);
    setTabOrder(partner_.month, partner_.day);
    setTabOrder(partner_.day, partner_.year);
    setTabOrder(partner_.year, compute);

    createMenus();
}

frmZodiacCompatibilityMain::PersonControls frmZodiacCompatibilityMain::createPerson(QWidget* frame, char suffix)
{
    const auto name = [suffix](const char* base) { return QByteArray(base) + suffix; };
    ui::setColors(frame, {}, Qt::white);
    PersonControls person;
    QLabel* nameCaption = ui::addLabel(frame, name("lblName").constData(), QStringLiteral("Name"), 360, 360);
    person.name = ui::addTextBox(frame, name("txtName").constData(), 930, 270, 3705, 345);
    person.name->setMaxLength(static_cast<int>(modCheckForUniqueUser::kMaxNameLength));
    ui::labelInput(nameCaption, person.name);
    QLabel* dateCaption = ui::addLabel(frame, name("lblBirthDay").constData(), QStringLiteral("Birth Day"), 60, 810);
    person.month = ui::addList(frame, name("cboMonth").constData(), 930, 720, 1335, 315);
    person.day = ui::addList(frame, name("cboDate").constData(), 2415, 720, 735, 315);
    person.year = ui::addList(frame, name("cboYear").constData(), 3300, 720, 1335, 315);
    ui::labelInput(dateCaption, person.month);
    const QString owner = suffix == kUserSuffix ? QStringLiteral("Your") : QStringLiteral("Your partner's");
    person.day->setAccessibleName(owner + QStringLiteral(" birth day of the month"));
    person.year->setAccessibleName(owner + QStringLiteral(" birth year"));
    person.month->setAccessibleName(owner + QStringLiteral(" birth month"));
    person.name->setAccessibleName(owner + QStringLiteral(" name"));
    for (QWidget* input : {static_cast<QWidget*>(person.name), static_cast<QWidget*>(person.month),
                           static_cast<QWidget*>(person.day), static_cast<QWidget*>(person.year)}) {
        ui::setColors(input, Qt::white, Qt::black);
    }
    return person;
}

void frmZodiacCompatibilityMain::createMenus()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &CalculatorWindow::closeWindow);
    setMenuBar(file, kit::UpdateItemWording::Standard);
}

void frmZodiacCompatibilityMain::Form_Load()
{
    CalculatorWindow::Form_Load();
    for (const PersonControls* person : {&user_, &partner_})
        kit::FillBirthDateLists(person->month, person->day, person->year, kFirstYear, kLastYear);
}


bool frmZodiacCompatibilityMain::ValidateEntries()
{
    if (user_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Name"), ui::MessageIcon::Error);
        user_.name->setFocus();
        return false;
    }
    if (partner_.name->text().isEmpty()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Partner's Name"), ui::MessageIcon::Error);
        partner_.name->setFocus();
        return false;
    }
    return kit::AcceptBirthDate(platform(), this, kit::Person::User, user_.month, user_.day, user_.year)
           && kit::AcceptBirthDate(platform(), this, kit::Person::Partner, partner_.month, partner_.day,
                                     partner_.year);
}

void frmZodiacCompatibilityMain::cmdSunSign_Click()
{
    if (!ValidateEntries())
        return;
    WesternReadingRecord& reading = WesternReading();
    reading.UserName = user_.name->text().trimmed();
    reading.UserMonth = user_.month->currentText().trimmed();
    reading.UserDay = user_.day->currentText().trimmed();
    reading.UserYear = user_.year->currentText().trimmed();
    reading.PartnerName = partner_.name->text().trimmed();
    reading.PartnerMonth = partner_.month->currentText().trimmed();
    reading.PartnerDay = partner_.day->currentText().trimmed();
    reading.PartnerYear = partner_.year->currentText().trimmed();
    reading.UserSign = ui::toQString(modZodiacCompatibility::GetSunSign(reading.UserMonth.toStdString(),
                                                                    reading.UserDay.toStdString()));
    reading.PartnerSign = ui::toQString(modZodiacCompatibility::GetSunSign(reading.PartnerMonth.toStdString(),
                                                                       reading.PartnerDay.toStdString()));

    launcher().instance<frmZodiacCompatibilityDisplay>().showWindow();
    hideWindow();
    launcher().setWelcomePanelVisible(false);
}

void frmZodiacCompatibilityMain::cmdOpen_Click()
{
    const std::optional<QString> chosen = platform().getOpenFileName(
        this, {QStringLiteral("Zodiac Compatibility (*.zcm)|*.zcm"), QStringLiteral("zcm"),
               QStringLiteral("Select the source file")});
    if (!chosen)
        return;
    const QString& path = *chosen;
    const std::optional<modCheckForUniqueUser::ReadingLines> lines =
        path.endsWith(QLatin1String("zcm"), Qt::CaseSensitive)
            ? modCheckForUniqueUser::ReadReadingFile(std::filesystem::path(path.toStdU16String()))
            : std::nullopt;
    if (!lines) {
        platform().showMessage(this, QStringLiteral("Please Check The File."), ui::MessageIcon::Error);
        return;
    }
    const auto line = [&lines](std::size_t index) { return ui::toQString(std::u32string_view((*lines)[index])); };
    user_.name->setText(line(0));
    kit::SelectListEntry(user_.month, line(1));
    kit::SelectListEntry(user_.day, line(2));
    kit::SelectListEntry(user_.year, line(3));
    partner_.name->setText(line(4));
    kit::SelectListEntry(partner_.month, line(5));
    kit::SelectListEntry(partner_.day, line(6));
    kit::SelectListEntry(partner_.year, line(7));
    cmdSunSign_Click();
}

} // namespace velmora::western
