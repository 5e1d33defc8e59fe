#include "chinese/ResultWindow.h"

#include "chinese/ChineseReading.h"
#include "chinese/Colours.h"
#include "chinese/EntryWindow.h"
#include "chinese/ProfileFields.h"
#include "chinese/ReportWindow.h"
#include "kit/CommonMenus.h"
#include "kit/Pictures.h"
#include "kit/ReadingTabs.h"
#include "kit/SiteTexts.h"
#include "kit/WebPages.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <string_view>

namespace velmora::chinese {
namespace {

using namespace colours;

// Where a box sits in a person's frame: beside its caption in the middle
// column, or below its caption in the middle or the right column.
enum class Place { Beside, BelowMiddle, BelowRight };
constexpr int kElementReading = -1;

struct FieldBox {
    std::string_view caption;
    const char* userBox;
    const char* partnerBox;
    int field; // a profile position, or kElementReading
    Place place;
    int top;    // of the caption
    int height; // of the box; above one line the box wraps and scrolls
};

// clang-format off
constexpr std::array<FieldBox, 14> kFieldBoxes = {{
    // caption, user's box, partner's box;
    //     field, place, caption top, box height
    {CaptionOf(RulingPlanet), "txtMaleRulingPlanet", "txtFemaleRulingPlanet",
        RulingPlanet, Place::Beside, 300, 315},
    {CaptionOf(MostCompatibleSigns), "txtMaleMostCompatibleSign", "txtFemaleMostCompatibleSign",
        MostCompatibleSigns, Place::Beside, 660, 315},
    {CaptionOf(LeastCompatibleSign), "txtMAleLeastCompatibleSign", "txtFemaleLeastCompitibleSign",
        LeastCompatibleSign, Place::Beside, 1020, 315},
    {CaptionOf(LuckyColour), "txtMaleLuckycolour", "txtFemaleLuckycolour",
        LuckyColour, Place::Beside, 1380, 315},
    {CaptionOf(GemStone), "txtMaleGemStone", "txtFemaleGemStone",
        GemStone, Place::Beside, 1740, 315},
    {CaptionOf(Energy), "txtMaleEnergy", "txtFemaleEnergy",
        Energy, Place::Beside, 2100, 315},
    {CaptionOf(LuckySeasons), "txtMaleLuckySeasons", "txtFemaleLuckySeasons",
        LuckySeasons, Place::Beside, 2460, 315},
    {CaptionOf(FavourableMonth), "txtMaleLuckyMonth", "txtFemaleLuckyMonth",
        FavourableMonth, Place::Beside, 2820, 315},
    {CaptionOf(WesternZodiacSign), "txtMaleWesternZodiacSign", "txtFemaleWesternZodiacSign",
        WesternZodiacSign, Place::Beside, 3180, 315},
    {CaptionOf(LuckyNumbers), "txtMaleLuckyNumber", "txtFemaleLuckyNumber",
        LuckyNumbers, Place::Beside, 3540, 555},
    {"Element  Description", "txtMaleElementDescription", "txtFemaleelementDescription",
        kElementReading, Place::BelowMiddle, 4200, 1440},
    {"Positive Traits", "txtMalePositiveTraits", "txtFemalePositiveTraits",
        PositiveTraits, Place::BelowRight, 300, 1860},
    {"Negative Traits", "txtMaleNegativeTraits", "txtFemaleNegativeTraits",
        NegativeTraits, Place::BelowRight, 2520, 1440},
    {"Famous Personalities Born Under This Sign", "txtMaleFamousPersonBorn", "txtFemaleFamousPerson",
        FamousPersons, Place::BelowRight, 4320, 1320},
}};
// clang-format on

constexpr int kOneLine = 315;
constexpr int kCaptionHeight = 240;
constexpr int kMiddleLeft = 2760;
constexpr int kCaptionWidth = 2160;
constexpr int kColumnWidth = 4500;
constexpr int kRightLeft = 7380;

// The person controls that are not profile boxes, by person.
struct PersonControlNames {
    const char* frame;
    const char* animal;
    const char* element;
    const char* picture;
    const char* animalCaption;
    const char* elementCaption;
};
constexpr PersonControlNames kUserControls = {"Framale", "lblMaleChinesesign", "lblMaleChineseElements",
                                              "YourPicture", "Chinese  Sign", "Chinese Element"};
constexpr PersonControlNames kPartnerControls = {"Frafemale", "lblFemaleChineseSign", "lblFemaleChineseElements",
                                                 "YourPartnerPicture", "Chinese Sign", "Chinese  Element"};

const PersonControlNames& controlsOf(bool isUser)
{
    return isUser ? kUserControls : kPartnerControls;
}

constexpr int kPictureSize = 2400;

QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, int left, int top, int width)
{
    QLabel* caption = ui::addLabel(parent, name.toLatin1().constData(), text, left, top, width, kCaptionHeight);
    caption->setWordWrap(false);
    return caption;
}

QLabel* addValue(QWidget* parent, const char* name, int left, int top, int width, int height, double points)
{
    QLabel* value = ui::addValueLabel(parent, name, left, top, width, height);
    value->setFont(ui::verdana(points, true));
    value->setWordWrap(false);
    ui::setColors(value, {}, kDarkRed);
    return value;
}

} // namespace

ResultWindow::ResultWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Chinese Zodiac Compatibility"), 12600, 7905)
{
    ui::setColors(this, kDarkRed, Qt::white);

    auto* banner = ui::addLinkLabel(this, "Label1", kit::texts::kForumInvitation, 180, 60, 12240, 360);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);
    ui::setColors(banner, {}, kPaleYellow);

    SSTab = kit::addReadingTabs(this, "SSTab", 180, 480, 12240, 6600);
    createCompatibilityTab(
        kit::addReadingPage(SSTab, "tabCompatibility", QStringLiteral("Chinese Compatibility  "), kPage, Qt::black));
    // Each person's page is made and filled when the user first turns to it.
    for (const bool isUser : {true, false}) {
        QWidget* page = kit::addReadingPage(SSTab, isUser ? "tabMale" : "tabFemale",
                                            isUser ? QStringLiteral("Your Details")
                                                   : QStringLiteral("Your Partner's Details"),
                                            kPage, Qt::black);
        personPages_.add(
            SSTab->indexOf(page),
            [this, page, isUser] { buildPageOnScreen(page, [this, page, isUser] { createPersonTab(page, isUser); }); },
            [this, isUser] { showPerson(isUser, reading_); });
    }
    connect(SSTab, &QTabWidget::currentChanged, this, [this](int index) { personPages_.show(index); });

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 180, 7140, 7740, 705);
    ui::setColors(offers, {}, Qt::white);
    for (ui::LinkLabel* offer :
         {ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 60, 45, 3780, 615),
          ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 3900, 45, 3780, 615)})
        offer->setFont(ui::verdana(6.75));

    auto* back = ui::addButton(this, "cmdBack", QStringLiteral("&Back"), 8100, 7260, 1320, 420);
    connect(back, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);
    auto* print = ui::addButton(this, "cmdPrint", QStringLiteral("&Print"), 9600, 7260, 1320, 420);
    connect(print, &QPushButton::clicked, this, &ResultWindow::cmdPrint_Click);
    auto* exit = ui::addButton(this, "cmdExit", QStringLiteral("E&xit"), 11100, 7260, 1320, 420);
    connect(exit, &QPushButton::clicked, this, &ResultWindow::cmdExit_Click);

    createMenus();
}

void ResultWindow::createCompatibilityTab(QWidget* page)
{
    QGroupBox* frame =
        ui::addFrame(page, "fracompalibility", QStringLiteral("Compatibility"), 120, 60, 12000, 6060);
    ui::setColors(frame, {}, kDarkRed);

    const struct {
        const char* captionName;
        const char* caption;
        QLabel** value;
        const char* valueName;
    } rows[] = {
        {"lblNumberCaption", "Chinese Compatibility Number", &lblChineseCompatibilityNumber,
         "lblChineseCompatibilityNumber"},
        {"lblPercentageCaption", "Chinese Compatibility  Percentage", &lblChinesePercentage, "lblChinesePercentage"},
        {"lblRatingCaption", "Rating", &lblChineseRating, "lblChineseRating"},
    };
    int top = 360;
    for (const auto& row : rows) {
        QLabel* caption = ui::addLabel(frame, row.captionName, QLatin1String(row.caption), 240, top, 4200, 330);
        caption->setFont(ui::verdana(9.75));
        ui::setColors(caption, {}, Qt::black);
        *row.value = addValue(frame, row.valueName, 4560, top, 7200, 330, 9.75);
        ui::labelValue(caption, *row.value);
        top += 420;
    }

    lblMatchingDescription = addValue(frame, "lblMatchingDescription", 240, 1680, 11520, 330, 9.75);
    txtMatchingDescription = new ui::RichTextBox(frame);
    txtMatchingDescription->setObjectName(QStringLiteral("txtMatchingDescription"));
    txtMatchingDescription->setGeometry(ui::twipsRect(240, 2070, 11520, 3810));
    txtMatchingDescription->setReadOnly(true);
    txtMatchingDescription->setAccessibleName(QStringLiteral("Matching description"));
    ui::setColors(txtMatchingDescription, Qt::white, Qt::black);
    ui::clearClipboardOnUse(*txtMatchingDescription, platform());
}

void ResultWindow::createPersonTab(QWidget* page, bool isUser)
{
    const PersonControlNames& names = controlsOf(isUser);

    QGroupBox* frame = ui::addFrame(page, names.frame, QString(), 120, 60, 12000, 6060);
    ui::setColors(frame, {}, kDarkRed);

    QLabel* pictureBox = ui::addLabel(frame, names.picture, QString(), 240, 300, kPictureSize, kPictureSize);
    kit::pictures::showIn(*pictureBox, ":/chinese/animals/default.svg");
    pictureBox->setAccessibleName(isUser ? QStringLiteral("Your animal") : QStringLiteral("Your partner's animal"));

    const struct {
        const char* caption;
        const char* value;
        int top;
    } signs[] = {{names.animalCaption, names.animal, 2820}, {names.elementCaption, names.element, 3600}};
    for (const auto& sign : signs) {
        QLabel* caption = addCaption(frame, QStringLiteral("lbl%1Caption").arg(QLatin1String(sign.value + 3)),
                                     QLatin1String(sign.caption), 240, sign.top, kPictureSize);
        caption->setAlignment(Qt::AlignCenter);
        ui::setColors(caption, {}, Qt::black);
        QLabel* value = addValue(frame, sign.value, 240, sign.top + kCaptionHeight, kPictureSize, 420, 12);
        value->setAlignment(Qt::AlignCenter);
        ui::labelValue(caption, value);
    }

    for (const FieldBox& field : kFieldBoxes) {
        const char* boxName = isUser ? field.userBox : field.partnerBox;
        const bool beside = field.place == Place::Beside;
        const int boxLeft = beside ? kMiddleLeft + kCaptionWidth
                                   : (field.place == Place::BelowMiddle ? kMiddleLeft : kRightLeft);
        const int boxTop = beside ? field.top : field.top + kCaptionHeight;
        const int boxWidth = beside ? kColumnWidth - kCaptionWidth : kColumnWidth;
        QLabel* caption = addCaption(frame, QStringLiteral("lbl%1").arg(QLatin1String(boxName + 3)),
                                     QLatin1String(field.caption), beside ? kMiddleLeft : boxLeft,
                                     beside ? field.top + 45 : field.top, beside ? kCaptionWidth - 60 : kColumnWidth);
        ui::setColors(caption, {}, Qt::black);

        QWidget* box = nullptr;
        if (field.height == kOneLine) {
            auto* line = ui::addTextBox(frame, boxName, boxLeft, boxTop, boxWidth, field.height);
            line->setReadOnly(true);
            box = line;
        } else {
            auto* lines = ui::addMultiLineBox(frame, boxName, boxLeft, boxTop, boxWidth, field.height);
            lines->setReadOnly(true);
            if (beside)
                lines->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            box = lines;
        }
        ui::setColors(box, Qt::white, Qt::black);
        ui::labelInput(caption, box);
    }
}

void ResultWindow::createMenus()
{
    using Self = ResultWindow;
    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("&Back"), "mnuBack", &Self::cmdBack_Click);
    file->addSeparator();
    addMenuItem(file, QStringLiteral("&Print"), "mnuPrint", &Self::cmdPrint_Click);
    file->addSeparator();
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &Self::cmdExit_Click);
    setMenuBar(file, {.updateWording = kit::UpdateItemWording::CapitalFor});
}

void ResultWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    SSTab->setCurrentIndex(0);
}

void ResultWindow::showReading(const ChineseReadingRecord& reading)
{
    reading_ = reading;
    lblChinesePercentage->setText(ui::toQString(reading.Percentage));
    lblChineseRating->setText(ui::toQString(reading.Rating));
    lblChineseCompatibilityNumber->setText(QString::number(reading.CompatibilityNumber));
    txtMatchingDescription->clear();
    txtMatchingDescription->appendRun(ui::toQString(reading.MatchingDescription));
    txtMatchingDescription->moveCursor(QTextCursor::Start);

    lblMatchingDescription->setText(QStringLiteral("Compatibility Of %1 With  %2 :-")
                                        .arg(ui::toQString(reading.UserAnimal), ui::toQString(reading.PartnerAnimal)));

    personPages_.readingChanged(SSTab->currentIndex());
}

void ResultWindow::showPerson(bool isUser, const ChineseReadingRecord& reading)
{
    const PersonControlNames& names = controlsOf(isUser);
    // A name is shown as typed: an "&" in it is no shortcut mark.
    findChild<QGroupBox*>(QLatin1String(names.frame))
        ->setTitle(ui::escapeMnemonics(ui::toQString(isUser ? reading.UserName : reading.PartnerName)));
    findChild<QLabel*>(QLatin1String(names.animal))
        ->setText(ui::toQString(isUser ? reading.UserAnimal : reading.PartnerAnimal));
    findChild<QLabel*>(QLatin1String(names.element))
        ->setText(ui::toQString(isUser ? reading.UserElement : reading.PartnerElement));

    const AnimalProfile& profile = isUser ? reading.UserProfile : reading.PartnerProfile;
    const std::string_view elementReading = isUser ? reading.UserElementReading : reading.PartnerElementReading;
    for (const FieldBox& field : kFieldBoxes) {
        const std::string_view text =
            field.field == kElementReading ? elementReading : profile[static_cast<std::size_t>(field.field)];
        QWidget* box = findChild<QWidget*>(QLatin1String(isUser ? field.userBox : field.partnerBox));
        ui::showText(box, ui::toQString(text));
    }
    showPicture(isUser, profile);
}

// The animal's picture; an animal without one leaves the picture box as it
// was.
void ResultWindow::showPicture(bool isUser, const AnimalProfile& profile)
{
    if (const std::string_view picture = AnimalPicture(profile); !picture.empty())
        kit::pictures::showIn(*findChild<QLabel*>(QLatin1String(controlsOf(isUser).picture)), picture);
}

const ChineseReadingRecord& ResultWindow::reading() const
{
    return reading_;
}

void ResultWindow::cmdBack_Click()
{
    returnTo(host().instance<EntryWindow>());
}

// The report shows the reading it is opened with, so one left open from an
// earlier reading is closed and composed afresh.
void ResultWindow::cmdPrint_Click()
{
    host().freshInstance<ReportWindow>(reading_).showWindow();
}

void ResultWindow::cmdExit_Click()
{
    closeWindow();
}

} // namespace velmora::chinese
