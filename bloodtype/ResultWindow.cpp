#include "bloodtype/ResultWindow.h"

#include "bloodtype/Calculator.h"
#include "bloodtype/Colours.h"
#include "bloodtype/EntryWindow.h"
#include "bloodtype/ProfileFields.h"
#include "bloodtype/WindowParts.h"
#include "kit/Pictures.h"
#include "kit/ReadingTabs.h"
#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <iterator>
#include <tuple>

namespace velmora::bloodtype {
namespace {

using namespace colours;

// The tabs' pages lie below the 360-twip tab strip: a frame at top 360 on a
// tab is at top 0 on its page.
constexpr int kPanelWidth = 8415;
constexpr int kPanelHeight = 5535;
constexpr int kProfileFrameHeight = 2775;
constexpr int kTabStripHeight = 360;

QLabel* addCaption(QWidget* parent, const char* name, const QString& text, int left, int top, double points)
{
    QLabel* caption = ui::addLabel(parent, name, text, left, top);
    caption->setFont(ui::verdana(points, true, true));
    ui::setColors(caption, {}, kLightYellow);
    caption->adjustSize();
    return caption;
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
     [](Reading r) { return ui::toQString(r.UserName); }},
    {"lblPartnerNameCaption", "Partner's Name", 4920, 960, "lblPartnerName", 5107, 1320,
     [](Reading r) { return ui::toQString(r.PartnerName); }},
    {"lblYourBloodTypeCaption", "Your Blood Type", 1200, 2280, "lblYourBloodType", 1312, 2760,
     [](Reading r) { return ui::toQString(r.UserBloodType); }},
    {"lblPartnerBloodTypeCaption", "Partner's Blood Type", 4800, 2280, "lblPartnerBloodType", 5055, 2760,
     [](Reading r) { return ui::toQString(r.PartnerBloodType); }},
    {"lblCompatibilityCaption", "Compatibility With Partner", 2595, 3840, "lblCompatibilityWithPartners", 2768, 4200,
     [](Reading r) { return ui::toQString(r.MatchLabel); }},
};

// Where a profile field is shown on the "Personality Characteristics" tab:
// the caption at left 240 on the row's top, and the value label in `fraUser`
// and in `fraPartner` (twips within the frame).
struct ProfileRow {
    const char* userLabel;
    const char* partnerLabel;
    int top;
    int valueLeft;
    int valueTop;
    int valueWidth;
    int userHeight;
    int partnerHeight;
};

// In the order of kProfileFields.
constexpr std::array<ProfileRow, kProfileFields.size()> kProfileRows = {{
    // value label in fraUser and in fraPartner,
    // caption top, value left, top, width, height for the user and for the partner
    {"lblJapaneseName", "lblPartnerJapaneseName", 360, 2640, 360, 5655, 255, 255},
    {"lblKeywords", "lblPartnerKeywords", 720, 2640, 720, 5655, 255, 255},
    {"lblFamousPersonalities", "lblPartnerFamousPersonalities", 1080, 2640, 1080, 5100, 435, 435},
    {"lblCharacteristics", "lblPartnerCharacteristics", 1440, 240, 1680, 8055, 1395, 1035},
}};

// A value label in peach, as every value of these pages.
QLabel* addValue(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    QLabel* label = ui::addValueLabel(parent, name, left, top, width, height);
    ui::setColors(label, {}, kPeach);
    return label;
}

// A frame caption shows the name as typed: an ampersand is no mnemonic.
QString characteristicsCaption(const std::u16string& name)
{
    return ui::escapeMnemonics(ui::toQString(name) + QStringLiteral("'s Characteristics"));
}

void showProfile(const PersonalityProfile& profile, const std::array<QLabel*, kProfileFields.size()>& values)
{
    for (std::size_t row = 0; row < kProfileFields.size(); ++row)
        values[row]->setText(ui::toQString(profile.*kProfileFields[row].field));
}

} // namespace

ResultWindow::ResultWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Japanese Astrology Compatibility"), 8430, 7470)
{
    ui::setColors(this, kDarkBrown, kLightYellow);

    QGroupBox* bannerFrame = ui::addFrame(this, "fraBanner", QString(), 0, 0, 8415, 615);
    auto* banner = ui::addLinkLabel(bannerFrame, "Label61", kit::texts::kForumInvitation, 0, 120, 8400, 585);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    tabs_ = kit::addReadingTabs(this, "SSTab1", 0, 600, kPanelWidth, kTabStripHeight + kPanelHeight);
    tabs_->setFont(ui::verdana(8.25, true));
    tabs_->tabBar()->setExpanding(true);
    ui::setColors(tabs_->tabBar(), kPeach, kDarkRed);
    createPersonalityPanel(kit::addReadingPage(tabs_, "picPersonality", QStringLiteral("Personality Characteristics"),
                                               kDarkBrown, kLightYellow));
    createCompatibilityPanel(kit::addReadingPage(tabs_, "picCompatibility",
                                                 QStringLiteral("Compatibility Characteristics"), kDarkBrown,
                                                 kLightYellow));

    QGroupBox* buttons = ui::addFrame(this, "fraButtons", QString(), 0, 6480, 8415, 975);
    addOfferLabels(buttons, 120, 120, 5985, 780);
    cmdExit_ = addButton(buttons, "cmdExit", QStringLiteral("&Exit"), 6240, 360, 1020, 465);
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &ResultWindow::cmdExit_Click);
    QPushButton* back = addButton(buttons, "cmdBack", QStringLiteral("&Back"), 7320, 360, 1020, 465);
    back->setAutoDefault(true);
    connect(back, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);

    createMenus();
}

void ResultWindow::createPersonalityPanel(QWidget* panel)
{
    panel->setAccessibleName(QStringLiteral("Personality Characteristics"));
    user_ = createProfileFrame(panel, "fraUser", 0, true);
    partner_ = createProfileFrame(panel, "fraPartner", 2760, false);
}

ResultWindow::ProfileFrame
ResultWindow::createProfileFrame(QWidget* panel, const char* name, int top, bool isUser)
{
    static_assert(std::tuple_size_v<decltype(ProfileFrame::values)> == kProfileFields.size());
    ProfileFrame person;
    person.frame = ui::addFrame(panel, name, QString(), 0, top, kPanelWidth, kProfileFrameHeight);
    QGroupBox* frame = person.frame;
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kYellow);
    for (std::size_t i = 0; i < kProfileRows.size(); ++i) {
        const ProfileRow& row = kProfileRows[i];
        const std::string_view captionText = kProfileFields[i].caption;
        const QByteArray valueName = isUser ? row.userLabel : row.partnerLabel;
        QLabel* caption =
            addCaption(frame, (valueName + "Caption").constData(), ui::toQString(captionText), 240, row.top, 8.25);
        QLabel* value = addValue(frame, valueName.constData(), row.valueLeft, row.valueTop, row.valueWidth,
                                      isUser ? row.userHeight : row.partnerHeight);
        ui::labelValue(caption, value);
        value->setFont(ui::verdana(8.25, true));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setWordWrap(true);
        person.values[i] = value;
    }
    return person;
}

void ResultWindow::createCompatibilityPanel(QWidget* panel)
{
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
        QLabel* value = addValue(frame, field.value, field.valueLeft, field.valueTop,
                                      2 * (captionCentre - field.valueLeft), 495);
        value->setFont(ui::verdana(9, true));
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setWordWrap(true);
        ui::labelValue(caption, value);
        compatibilityValues_[i] = value;
    }
    // The match, the last of the fields, stands out in yellow.
    ui::setColors(compatibilityValues_.back(), {}, kYellow);
}

void ResultWindow::createMenus()
{
    QMenu* file = createFileMenu();
    using Self = ResultWindow;
    addMenuItem(file, QStringLiteral("&Back"), "mnuFileBack", &Self::mnuFileBack_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &Self::mnuExit_Click);
    setMenuBar(file, {.updateWording = kit::UpdateItemWording::CheckFirst});
}

void ResultWindow::showReading(const JapaneseReadingRecord& reading)
{
    reading_ = reading;
    for (std::size_t i = 0; i < std::size(kCompatibilityFields); ++i)
        compatibilityValues_[i]->setText(kCompatibilityFields[i].shows(reading_));
    showProfile(reading_.UserProfile, user_.values);
    showProfile(reading_.PartnerProfile, partner_.values);
    user_.frame->setTitle(characteristicsCaption(reading_.UserName));
    partner_.frame->setTitle(characteristicsCaption(reading_.PartnerName));
}

void ResultWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    if (QMdiSubWindow* frame = subWindow())
        frame->setWindowIcon(kit::pictures::windowIcon(kCalculator.icon));
    tabs_->setCurrentIndex(1);
}

void ResultWindow::keyPressEvent(QKeyEvent* event)
{
    if (isEnterOrEscape(*event))
        cmdExit_->click();
    else
        CalculatorWindow::keyPressEvent(event);
}

void ResultWindow::cmdBack_Click()
{
    returnTo(host().instance<EntryWindow>());
}

void ResultWindow::mnuFileBack_Click()
{
    cmdBack_Click();
}

void ResultWindow::cmdExit_Click()
{
    closeWindow();
}

void ResultWindow::mnuExit_Click()
{
    cmdExit_Click();
}

} // namespace velmora::bloodtype
