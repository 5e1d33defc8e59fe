#include "frmJapaneseAstrologyCompatibilityDisplay.h"

#include "Controls.h"
#include "Fonts.h"
#include "JapaneseLayout.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Pictures.h"
#include "SiteTexts.h"
#include "Text.h"
#include "Twips.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

#include <iterator>
#include <tuple>

namespace velmora::bloodtype {
namespace {

using namespace layout;

// The tabs' pages lie below the 360-twip tab strip: a frame at top 360 on a
// tab is at top 0 on its page.
constexpr int kPanelWidth = 8415;
constexpr int kPanelHeight = 5535;
constexpr int kProfileFrameHeight = 2775;

QLabel* addCaption(QWidget* parent, const char* name, const QString& text, int left, int top, double points)
{
    QLabel* caption = ui::addLabel(parent, name, text, left, top);
    caption->setFont(ui::verdana(points, true, true));
    ui::setColors(caption, {}, kLightYellow);
    caption->adjustSize();
    return caption;
}

QString qt(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

// A caption of the compatibility tab and, beneath it, its value label
// starting at the value's left edge and centred under the caption, with the
// part of the reading it shows.
struct CompatibilityField {
    const char* captionName;
    const char* caption;
    int captionLeft;
    int captionTop;
    const char* value;
    int valueLeft;
    int valueTop;
    QString (*shows)(const JapaneseReadingRecord&);
};

using Reading = const JapaneseReadingRecord&;

constexpr CompatibilityField kCompatibilityFields[] = {
    // caption name, caption, its left and top; value label, its left and top; what it shows
    {"lblYourNameCaption", "Your Name", 1440, 960, "lblYourName", 1470, 1320,
     [](Reading r) { return qt(r.UserName); }},
    {"lblPartnerNameCaption", "Partner's Name", 4920, 960, "lblPartnerName", 5107, 1320,
     [](Reading r) { return qt(r.PartnerName); }},
    {"lblYourBloodTypeCaption", "Your Blood Type", 1200, 2280, "lblYourBloodType", 1312, 2760,
     [](Reading r) { return ui::toQString(r.UserBloodType); }},
    {"lblPartnerBloodTypeCaption", "Partner's Blood Type", 4800, 2280, "lblPartnerBloodType", 5055, 2760,
     [](Reading r) { return ui::toQString(r.PartnerBloodType); }},
    {"lblCompatibilityCaption", "Compatibility With Partner", 2595, 3840, "lblCompatibilityWithPartners", 2768, 4200,
     [](Reading r) { return ui::toQString(r.MatchLabel); }},
};

// One row of a person's profile on the "Personality Characteristics" tab:
// its caption, the value label in `fraUser` and in `fraPartner`, the profile
// field it shows, and where (twips within the frame). The caption sits at
// left 240 on the row's top.
struct ProfileRow {
    const char* caption;
    const char* userLabel;
    const char* partnerLabel;
    std::string_view modJapaneseCompatibility::PersonalityProfile::*field;
    int top;
    int valueLeft;
    int valueTop;
    int valueWidth;
    int userHeight;
    int partnerHeight;
};

using Profile = modJapaneseCompatibility::PersonalityProfile;

constexpr std::array<ProfileRow, 4> kProfileRows = {{
    // caption, value label in fraUser and in fraPartner, field,
    // caption top, value left, top, width, height for the user and for the partner
    {"Japanese Astrology", "lblJapaneseName", "lblPartnerJapaneseName", &Profile::JapaneseName,
     360, 2640, 360, 5655, 255, 255},
    {"Keywords", "lblKeywords", "lblPartnerKeywords", &Profile::Keywords,
     720, 2640, 720, 5655, 255, 255},
    {"Famous Personalities", "lblFamousPersonalities", "lblPartnerFamousPersonalities", &Profile::FamousPersonalities,
     1080, 2640, 1080, 5100, 435, 435},
    {"Characteristics", "lblCharacteristics", "lblPartnerCharacteristics", &Profile::Characteristics,
     1440, 240, 1680, 8055, 1395, 1035},
}};

// A frame caption shows the name as typed: an ampersand is no mnemonic.
QString characteristicsCaption(const std::u16string& name)
{
    QString caption = qt(name) + QLatin1Char('\'') + QStringLiteral("s Characteristics");
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void showProfile(const Profile& profile, const std::array<QLabel*, kProfileRows.size()>& values)
{
    for (std::size_t row = 0; row < kProfileRows.size(); ++row)
        values[row]->setText(ui::toQString(profile.*kProfileRows[row].field));
}

} // namespace

frmJapaneseAstrologyCompatibilityDisplay::frmJapaneseAstrologyCompatibilityDisplay(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, QStringLiteral("Velmora Japanese Astrology Compatibility"), 8430, 7470)
{
    ui::setColors(this, kDarkBrown, kLightYellow);

    QGroupBox* bannerFrame = ui::addFrame(this, "fraBanner", QString(), 0, 0, 8415, 615);
    auto* banner = ui::addLinkLabel(bannerFrame, "Label61", kit::texts::kForumInvitation, 0, 120, 8400, 585);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(QStringLiteral("Personality Characteristics"));
    tabs_->addTab(QStringLiteral("Compatibility Characteristics"));
    tabs_->setExpanding(true);
    tabs_->setGeometry(ui::twipsRect(0, 600, kPanelWidth, 360));
    tabs_->setFont(ui::verdana(8.25, true));
    tabs_->setAccessibleName(QStringLiteral("Reading"));
    ui::setColors(tabs_, kPeach, kDarkRed);

    panels_ = new QStackedWidget(this);
    panels_->setGeometry(ui::twipsRect(0, 960, kPanelWidth, kPanelHeight));
    panels_->addWidget(createPersonalityPanel());
    panels_->addWidget(createCompatibilityPanel());
    connect(tabs_, &QTabBar::currentChanged, this, &frmJapaneseAstrologyCompatibilityDisplay::SSTab1_Click);

    QGroupBox* buttons = ui::addFrame(this, "fraButtons", QString(), 0, 6480, 8415, 975);
    addOfferLabels(buttons, 120, 120, 5985, 780);
    cmdExit_ = addButton(buttons, "cmdExit", QStringLiteral("&Exit"), 6240, 360, 1020, 465);
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &frmJapaneseAstrologyCompatibilityDisplay::cmdExit_Click);
    QPushButton* back = addButton(buttons, "cmdBack", QStringLiteral("&Back"), 7320, 360, 1020, 465);
    back->setAutoDefault(true);
    connect(back, &QPushButton::clicked, this, &frmJapaneseAstrologyCompatibilityDisplay::cmdBack_Click);

    createMenus();
}

QWidget* frmJapaneseAstrologyCompatibilityDisplay::createPersonalityPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("picPersonality"));
    panel->setAccessibleName(QStringLiteral("Personality Characteristics"));
    user_ = createProfileFrame(panel, "fraUser", 0, true);
    partner_ = createProfileFrame(panel, "fraPartner", 2760, false);
    return panel;
}

frmJapaneseAstrologyCompatibilityDisplay::ProfileFrame
frmJapaneseAstrologyCompatibilityDisplay::createProfileFrame(QWidget* panel, const char* name, int top, bool isUser)
{
    static_assert(std::tuple_size_v<decltype(ProfileFrame::values)> == kProfileRows.size());
    ProfileFrame person;
    person.frame = ui::addFrame(panel, name, QString(), 0, top, kPanelWidth, kProfileFrameHeight);
    QGroupBox* frame = person.frame;
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kYellow);
    for (std::size_t i = 0; i < kProfileRows.size(); ++i) {
        const ProfileRow& row = kProfileRows[i];
        const QByteArray valueName = isUser ? row.userLabel : row.partnerLabel;
        QLabel* caption =
            addCaption(frame, (valueName + "Caption").constData(), QLatin1String(row.caption), 240, row.top, 8.25);
        QLabel* value = addValueLabel(frame, valueName.constData(), row.valueLeft, row.valueTop, row.valueWidth,
                                      isUser ? row.userHeight : row.partnerHeight);
        ui::labelValue(caption, value);
        value->setFont(ui::verdana(8.25, true));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setWordWrap(true);
        person.values[i] = value;
    }
    return person;
}

QWidget* frmJapaneseAstrologyCompatibilityDisplay::createCompatibilityPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("picCompatibility"));
    panel->setAccessibleName(QStringLiteral("Compatibility Characteristics"));
    QGroupBox* frame = ui::addFrame(panel, "fraCompatibility",
                                    QStringLiteral("Velmora Japanese Astrology Compatibility Results"), 0, 0,
                                    kPanelWidth, kPanelHeight);
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kGreen);
    static_assert(std::size(kCompatibilityFields) == std::tuple_size_v<decltype(compatibilityValues_)>);
    for (std::size_t i = 0; i < std::size(kCompatibilityFields); ++i) {
        const CompatibilityField& field = kCompatibilityFields[i];
        QLabel* caption = addCaption(frame, field.captionName, QLatin1String(field.caption), field.captionLeft,
                                     field.captionTop, 11.25);
        const int captionCentre = field.captionLeft + ui::pixelsToTwips(caption->width()) / 2;
        QLabel* value = addValueLabel(frame, field.value, field.valueLeft, field.valueTop,
                                      2 * (captionCentre - field.valueLeft), 495);
        value->setFont(ui::verdana(9, true));
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setWordWrap(true);
        ui::labelValue(caption, value);
        compatibilityValues_[i] = value;
    }
    // The match, the last of the fields, stands out in yellow.
    ui::setColors(compatibilityValues_.back(), {}, kYellow);
    return panel;
}

void frmJapaneseAstrologyCompatibilityDisplay::createMenus()
{
    QMenu* file = createFileMenu();
    using Self = frmJapaneseAstrologyCompatibilityDisplay;
    addMenuItem(file, QStringLiteral("&Back"), "mnuFileBack", &Self::mnuFileBack_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &Self::mnuExit_Click);
    setMenuBar(file, kit::UpdateItemWording::CheckFirst);
}

void frmJapaneseAstrologyCompatibilityDisplay::ShowReading(const JapaneseReadingRecord& reading)
{
    reading_ = reading;
    for (std::size_t i = 0; i < std::size(kCompatibilityFields); ++i)
        compatibilityValues_[i]->setText(kCompatibilityFields[i].shows(reading_));
    showProfile(reading_.UserProfile, user_.values);
    showProfile(reading_.PartnerProfile, partner_.values);
    user_.frame->setTitle(characteristicsCaption(reading_.UserName));
    partner_.frame->setTitle(characteristicsCaption(reading_.PartnerName));
}

void frmJapaneseAstrologyCompatibilityDisplay::Form_Load()
{
    CalculatorWindow::Form_Load();
    if (QMdiSubWindow* frame = subWindow())
        frame->setWindowIcon(kit::pictures::windowIcon(kit::pictures::Icon::Japanese));
    tabs_->setCurrentIndex(1);
    SSTab1_Click();
}

void frmJapaneseAstrologyCompatibilityDisplay::keyPressEvent(QKeyEvent* event)
{
    if (isEnterOrEscape(*event))
        cmdExit_->click();
    else
        CalculatorWindow::keyPressEvent(event);
}

void frmJapaneseAstrologyCompatibilityDisplay::SSTab1_Click()
{
    panels_->setCurrentIndex(tabs_->currentIndex());
}

void frmJapaneseAstrologyCompatibilityDisplay::cmdBack_Click()
{
    returnTo(launcher().instance<frmJapaneseAstrologyCompatibilityMain>());
}

void frmJapaneseAstrologyCompatibilityDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

void frmJapaneseAstrologyCompatibilityDisplay::cmdExit_Click()
{
    closeWindow();
}

void frmJapaneseAstrologyCompatibilityDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

} // namespace velmora::bloodtype
