#include "frmEgyptianAstrologyCompatibilityDisplay.h"

#include "Contrast.h"
#include "Controls.h"
#include "EgyptianWindows.h"
#include "Fonts.h"
#include "Launcher.h"
#include "Pictures.h"
#include "ReadingView.h"
#include "RichTextBox.h"
#include "Text.h"
#include "Twips.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>

#include <array>

namespace velmora::egyptian {
namespace {

// The list of sign pictures, in the order of the sign numbers.
constexpr std::array<const char*, 12> kSignPictures = {
    ":/egyptian/signs/AmonRa.svg",  ":/egyptian/signs/Anubis.svg", ":/egyptian/signs/Bastet.svg",
    ":/egyptian/signs/Geb.svg",     ":/egyptian/signs/Horus.svg",  ":/egyptian/signs/Isis.svg",
    ":/egyptian/signs/Mut.svg",     ":/egyptian/signs/TheNile.svg", ":/egyptian/signs/Osiris.svg",
    ":/egyptian/signs/Sekhmet.svg", ":/egyptian/signs/Seth.svg",   ":/egyptian/signs/Thoth.svg",
};

constexpr int kPictureSize = 2700;
constexpr int kFrameWidth = 10200;
constexpr int kFrameHeight = 5520;
constexpr int kPairTab = 2;
const QString kPairTabCaption = QStringLiteral("Compatibility With Your Partner");

const QColor kDarkRed(128, 0, 0);  // label style
const QColor kDarkBlue(0, 0, 128); // the sign's name
const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = kLineBreak + kLineBreak;

const QString kUserHeading = QStringLiteral("Your Egyptian Astrology Sign is :-");
const QString kPartnerHeading = QStringLiteral("Your Partner's Egyptian Astrology Sign is :-");

using Handler = void (frmEgyptianAstrologyCompatibilityDisplay::*)();

QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    ui::setColors(page, kSand, Qt::black);
    tabs->addTab(page, caption);
    return page;
}

QGroupBox* addCaptionedFrame(QWidget* parent, const char* name, const QString& caption)
{
    QGroupBox* frame = ui::addFrame(parent, name, caption, 60, 60, kFrameWidth, kFrameHeight);
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kUmber);
    return frame;
}

// A value label of the pair's summary; names are shown as typed, never as markup.
QLabel* addValue(QWidget* frame, const char* name, int left, int top, const QColor& color)
{
    QLabel* value = ui::addLabel(frame, name, QString(), left, top, 3120, 360);
    value->setTextFormat(Qt::PlainText);
    value->setFont(ui::verdana(9.75, true));
    ui::setColors(value, {}, color);
    return value;
}

QLabel* addCaption(QWidget* frame, const char* name, const QString& text, int left, int top)
{
    QLabel* caption = ui::addLabel(frame, name, text, left, top, 3120, 285);
    caption->setFont(ui::verdana(8.25));
    ui::setColors(caption, {}, Qt::black);
    return caption;
}

// A tab caption shows an ampersand of the name rather than taking it as a mnemonic.
QString characteristicsCaption(const std::u16string& name)
{
    return QString::fromStdU16String(name).replace(QLatin1Char('&'), QLatin1String("&&"))
           + QStringLiteral("'s Characteristics");
}

// The birth date as the lists showed it: day, month name and year.
QString dateOfBirth(const std::chrono::year_month_day& date)
{
    return QString::number(static_cast<unsigned>(date.day())) + QLatin1Char('/')
           + ui::toQString(kit::monthName(date.month())) + QLatin1Char('/')
           + QString::number(static_cast<int>(date.year()));
}

} // namespace

frmEgyptianAstrologyCompatibilityDisplay::frmEgyptianAstrologyCompatibilityDisplay(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, kWindowCaption, kWindowWidth, 7440)
{
    ui::setColors(this, kSand, Qt::black);
    addForumBanner(this);

    tabSelect_ = new QTabWidget(this);
    tabSelect_->setObjectName(QStringLiteral("tabSelect"));
    tabSelect_->setGeometry(ui::twipsRect(120, 420, kWindowWidth - 240, 6180));
    tabSelect_->setFont(ui::verdana(8.25, true));
    user_ = createSignTab({"picUser", QStringLiteral("Your Characteristics"), "fraGod", "picGod",
                           QStringLiteral("Your sign's picture"), "lblGodName", "RTB",
                           QStringLiteral("Your Egyptian astrology reading")});
    partner_ = createSignTab({"picPartner", QStringLiteral("Your Partner's Characteristics"), "fraPartnerGod",
                              "picPartnerGod", QStringLiteral("Your partner's sign's picture"), "lblPartnerGodName",
                              "PartnerRTB", QStringLiteral("Your partner's Egyptian astrology reading")});
    createCompatibilityTab();
    tabSelect_->setCurrentIndex(kPairTab);

    addBrandedOffer(this, "Label1", 120, 6720, 5520, 615);
    createButtons();
    createMenus();
}

frmEgyptianAstrologyCompatibilityDisplay::SignTab frmEgyptianAstrologyCompatibilityDisplay::createSignTab(
    const SignTabNames& names)
{
    QWidget* tab = addPage(tabSelect_, names.page, names.tabCaption);
    QGroupBox* frame = addCaptionedFrame(tab, names.frame, QStringLiteral("Egyptian Astrology Sign"));

    QLabel* picture = ui::addLabel(frame, names.picture, QString(), 180, 360, kPictureSize, kPictureSize);
    picture->setPixmap(kit::pictures::render(QStringLiteral(":/egyptian/signs/default.svg"), picture->size()));
    picture->setAccessibleName(names.pictureDescription);

    QLabel* signName = ui::addLabel(frame, names.name, QString(), 180, 3180, kPictureSize, 480);
    signName->setTextFormat(Qt::PlainText);
    signName->setFont(ui::verdana(14.25, true));
    signName->setAlignment(Qt::AlignCenter);
    ui::setColors(signName, {}, Qt::red);

    ui::RichTextBox* reading =
        kit::addReadingView(frame, names.reading, 3060, 300, 6960, 5040, names.readingDescription, platform());
    ui::setColors(reading, Qt::white, Qt::black);
    reading->setReadOnly(true);
    reading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return {picture, signName, reading};
}

void frmEgyptianAstrologyCompatibilityDisplay::createCompatibilityTab()
{
    QWidget* tab = addPage(tabSelect_, "picCompatibility", kPairTabCaption);
    QGroupBox* frame = addCaptionedFrame(tab, "fraResult", QStringLiteral("Egyptian Astrology Compatibility Result"));

    constexpr std::array<int, 3> kColumns = {240, 3480, 6720};
    const struct {
        const char* captionName;
        const char* caption;
        QLabel** value;
        const char* valueName;
        int column;
        int top;
        QColor color;
    } fields[] = {
        {"lblYourNameCaption", "Your Name", &userRow_.name, "lblYourName", 0, 480, Qt::black},
        {"lblYourEgyptianSignCaption", "Your Egyptian Sign", &userRow_.sign, "lblYourEgyptianSign", 1, 480, Qt::red},
        {"lblYourDateOfBirthCaption", "Your Date Of Birth", &userRow_.dateOfBirth, "lblYourDateOfBirth", 2, 480,
         Qt::black},
        {"lblYourPartnerNameCaption", "Your Partner's Name", &partnerRow_.name, "lblYourPartnerName", 0, 1560,
         Qt::black},
        {"lblYourPartnerEgyptianSignCaption", "Your Partner's Egyptian Sign", &partnerRow_.sign,
         "lblYourPartnerEgyptianSign", 1, 1560, Qt::red},
        {"lblYourPartnerDateOfBirthCaption", "Your Partner's Date Of Birth", &partnerRow_.dateOfBirth,
         "lblYourPartnerDateOfBirth", 2, 1560, Qt::black},
    };
    for (const auto& field : fields) {
        const int left = kColumns[static_cast<std::size_t>(field.column)];
        QLabel* caption = addCaption(frame, field.captionName, QLatin1String(field.caption), left, field.top);
        *field.value = addValue(frame, field.valueName, left, field.top + 300, field.color);
        ui::labelValue(caption, *field.value);
    }

    QLabel* compatibilityCaption =
        addCaption(frame, "lblCompatibilityCaption", kPairTabCaption, kColumns[0], 2760);
    lblCompatibility_ = ui::addLabel(frame, "lblCompatibility", QString(), kColumns[0], 3060, 9720, 600);
    ui::labelValue(compatibilityCaption, lblCompatibility_);
    lblCompatibility_->setTextFormat(Qt::PlainText);
    lblCompatibility_->setFont(ui::verdana(12, true));
    lblCompatibility_->setAlignment(Qt::AlignCenter);
    // White on the desktop's menu text colour; where menu text is light (a dark
    // palette), the menu's own background colour takes the white's place.
    const QPalette menu = QApplication::palette("QMenu");
    const QColor menuText = menu.color(QPalette::WindowText);
    const bool whiteReads = ui::contrastRatio(Qt::white, menuText) >= ui::kReadableContrast;
    ui::setColors(lblCompatibility_, menuText, whiteReads ? QColor(Qt::white) : menu.color(QPalette::Window));
}

void frmEgyptianAstrologyCompatibilityDisplay::createButtons()
{
    struct Button {
        const char* name;
        const char* caption;
        Handler handler;
    };
    static constexpr std::array<Button, 4> kButtons = {{
        {"cmdSave", "&Save", &frmEgyptianAstrologyCompatibilityDisplay::cmdSave_Click},
        {"cmdPrint", "&Print", &frmEgyptianAstrologyCompatibilityDisplay::cmdPrint_Click},
        {"cmdBack", "&Back", &frmEgyptianAstrologyCompatibilityDisplay::cmdBack_Click},
        {"cmExit", "&Exit", &CalculatorWindow::closeWindow},
    }};
    int left = 5880;
    for (const Button& item : kButtons) {
        QPushButton* button = ui::addButton(this, item.name, QLatin1String(item.caption), left, 6780, 1080, 420);
        button->setFont(ui::verdana(8.25, true));
        connect(button, &QPushButton::clicked, this, item.handler);
        left += 1200;
    }
}

void frmEgyptianAstrologyCompatibilityDisplay::createMenus()
{
    using Self = frmEgyptianAstrologyCompatibilityDisplay;
    QMenu* file = createFileMenu();
    // Saving and printing are offered through the buttons only.
    addMenuItem(file, QStringLiteral("&Save"), "mnuSave", &Self::cmdSave_Click)->setEnabled(false);
    addMenuItem(file, QStringLiteral("&Print"), "mnuPrint", &Self::cmdPrint_Click)->setEnabled(false);
    addMenuItem(file, QStringLiteral("&Back"), "mnuBack", &Self::cmdBack_Click);
    addMenuItem<CalculatorWindow>(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file, kit::UpdateItemWording::CheckFirst);
    nameHelpItems(menuBarActions());
}

void frmEgyptianAstrologyCompatibilityDisplay::ShowReading(const EgyptianReadingRecord& reading)
{
    reading_ = reading;
    showPerson(reading_.User, user_, userRow_, kUserHeading);
    showPerson(reading_.Partner, partner_, partnerRow_, kPartnerHeading);
    lblCompatibility_->setText(ui::toQString(reading_.Verdict));
    tabSelect_->setTabText(0, characteristicsCaption(reading_.User.Name));
    tabSelect_->setTabText(1, characteristicsCaption(reading_.Partner.Name));
    tabSelect_->setTabText(kPairTab, kPairTabCaption);
}

void frmEgyptianAstrologyCompatibilityDisplay::showPerson(const EgyptianPersonReading& person, const SignTab& tab,
                                                          const SummaryRow& row, const QString& heading)
{
    const QString signName = ui::toQString(person.SignName);
    if (person.Sign)
        tab.picture->setPixmap(IMGList(modegyptianCompatibility::SignNumber(*person.Sign), tab.picture->size()));
    tab.name->setText(signName);
    tab.reading->clear();
    if (person.Sign)
        WriteSignReading(*tab.reading, heading, signName, person.Profile);
    tab.reading->moveCursor(QTextCursor::Start);

    row.name->setText(QString::fromStdU16String(person.Name));
    row.sign->setText(signName);
    row.dateOfBirth->setText(dateOfBirth(person.BirthDate));
}

void frmEgyptianAstrologyCompatibilityDisplay::WriteSignReading(
    ui::RichTextBox& box, const QString& heading, const QString& sign,
    const modegyptianCompatibility::EgyptianProfile& profile)
{
    namespace mec = modegyptianCompatibility;
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

QPixmap frmEgyptianAstrologyCompatibilityDisplay::IMGList(int number, QSize size)
{
    if (number < 1 || number > static_cast<int>(kSignPictures.size()))
        return {};
    return kit::pictures::render(QLatin1String(kSignPictures[static_cast<std::size_t>(number - 1)]), size);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdSave_Click()
{
    kit::saveAsRichText(platform(), this, *user_.reading);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdPrint_Click()
{
    kit::printReading(platform(), this, *user_.reading);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdBack_Click()
{
    returnTo(launcher().instance<frmEgyptianAstrologyCompatibilityMain>());
}

} // namespace velmora::egyptian
