#include "western/ResultWindow.h"

#include "kit/Pictures.h"
#include "kit/ReadingTabs.h"
#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Text.h"
#include "ui/Twips.h"
#include "western/Colours.h"
#include "western/EntryWindow.h"
#include "western/ProfileFields.h"
#include "western/ReportWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace velmora::western {
namespace {

using namespace colours;

constexpr int kPanelWidth = 10335;
constexpr int kPanelHeight = 6255;
constexpr int kTabStripHeight = 420;

QByteArray controlName(const char* base, char suffix)
{
    return QByteArray(base) + suffix;
}

// The sign's picture in `label`; a sign without a picture of its own shows
// the default picture.
void showSignPicture(QLabel& label, std::string_view sign)
{
    kit::pictures::showIn(label, SignPicture(sign));
}

QLabel* addPicture(QWidget* parent, const char* name, int left, int top, int size)
{
    QLabel* picture = ui::addLabel(parent, name, QString(), left, top, size, size);
    showSignPicture(*picture, {});
    return picture;
}

QLabel* addBar(QWidget* parent, const char* name, int top, const QColor& color)
{
    QLabel* bar = ui::addLabel(parent, name, QString(), 0, top, kPanelWidth, 405);
    bar->setFont(ui::verdana(9.75, true));
    bar->setAlignment(Qt::AlignCenter);
    bar->setWordWrap(false);
    ui::setColors(bar, color, Qt::white);
    return bar;
}

} // namespace

ResultWindow::ResultWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Zodiac Compatibility"), 10710, 7890)
{
    auto* banner = ui::addLinkLabel(this, "Label24", kit::texts::kForumInvitation, 180, 60, 10335, 360);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);
    ui::setColors(banner, ui::kLightFace, kBannerBlue);

    tabs_ = kit::addReadingTabs(this, "TS", 180, 540, kPanelWidth, kTabStripHeight + kPanelHeight);
    createCompatibilityPanel(
        kit::addReadingPage(tabs_, "picCompatibility", QStringLiteral("Zodiac Compatibility"), Qt::white, Qt::black));
    // Each person's panel is made and filled when the user first turns to it.
    for (const char suffix : {kUserSuffix, kPartnerSuffix}) {
        const bool isUser = suffix == kUserSuffix;
        QWidget* panel = kit::addReadingPage(
            tabs_, isUser ? "picPersonM" : "picPersonF",
            isUser ? QStringLiteral("Your Zodiac Details") : QStringLiteral("Your Partner's Zodiac Details"), kGreen,
            Qt::white);
        panel->setAccessibleName(isUser ? QStringLiteral("Your Zodiac Sign Details")
                                        : QStringLiteral("Your Partner's Zodiac Sign Details"));
        personPages_.add(
            tabs_->indexOf(panel),
            [this, panel, suffix] { buildPageOnScreen(panel, [this, panel, suffix] { createPersonPanel(panel, suffix); }); },
            [this, suffix] { showPerson(suffix); });
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &ResultWindow::TS_Click);

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 180, 7260, 8640, 615);
    for (ui::LinkLabel* offer : {ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 60, 30, 4200, 570),
                                 ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 4320, 30, 4260, 570)})
        offer->setFont(ui::verdana(6.75));

    auto* back = ui::addButton(this, "cmdBack", QStringLiteral("&Back"), 9000, 7350, 1515, 420);
    connect(back, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);

    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("&Back"), "mnuBack", &ResultWindow::cmdBack_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file);
}

void ResultWindow::createCompatibilityPanel(QWidget* panel)
{
    panel->setAccessibleName(QStringLiteral("Zodiac Compatibility"));
    addBar(panel, "lblMatchSunSigns", 0, kDarkGreen);
    addBar(panel, "lblMatchComment", 405, kGreen);
    addBar(panel, "lblMatchPercentage", 810, kLightGreen);

    QLabel* description = ui::addLabel(panel, "lblMatchDescription", QString(), 120, 1335, 7920, 4035);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setFont(ui::verdana(9));
    description->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    description->setFocusPolicy(Qt::StrongFocus);
    addPicture(panel, "Image1", 8220, 1335, 1995);
    addPicture(panel, "Image2", 8220, 3450, 1995);

    auto* more = ui::addLinkLabel(panel, "lblHyperlink",
                                  QStringLiteral("Visit velmora.example for more on your signs and your match"),
                                  120, 5460, 7920, 300);
    ui::setColors(more, {}, Qt::blue);
    more->setFont(ui::verdana(8.25, true, true));

    auto* save = ui::addButton(panel, "cmdSave", QStringLiteral("&Save"), 8700, 5700, 1515, 420);
    connect(save, &QPushButton::clicked, this, &ResultWindow::cmdSave_Click);
}

void ResultWindow::createPersonPanel(QWidget* panel, char suffix)
{
    QGroupBox* welcome =
        ui::addFrame(panel, controlName("fraUser", suffix).constData(), QStringLiteral("Welcome"), 120, 60, 3480, 6120);
    ui::setColors(welcome, {}, Qt::white);
    QLabel* name = ui::addLabel(welcome, controlName("lblName", suffix).constData(), QString(), 120, 300, 3240, 300);
    name->setFont(ui::verdana(9.75, true));
    // A name is shown as typed, markup and all.
    name->setTextFormat(Qt::PlainText);
    QLabel* dateCaption = ui::addLabel(welcome, controlName("lblDateOfBirthCaption", suffix).constData(),
                                       QStringLiteral("Your Date of Birth"), 120, 780, 3240, 285);
    QLabel* date = ui::addLabel(welcome, controlName("lblDOB", suffix).constData(), QString(), 120, 1080, 3240, 285);
    ui::labelValue(dateCaption, date);
    QLabel* signCaption = ui::addLabel(welcome, controlName("lblSignCaption", suffix).constData(),
                                       QStringLiteral("Your Zodiac Sign"), 120, 1500, 3240, 285);
    addPicture(welcome, controlName("picSunSign", suffix).constData(), 225, 1860, 3030);
    QLabel* sign =
        ui::addLabel(welcome, controlName("lblSunSign", suffix).constData(), QString(), 120, 5040, 3240, 420);
    sign->setFont(ui::verdana(14.25, true));
    sign->setAlignment(Qt::AlignCenter);
    ui::labelValue(signCaption, sign);

    QGroupBox* profile =
        ui::addFrame(panel, controlName("fraSunSign", suffix).constData(), QString(), 3720, 60, 6495, 6120);
    ui::setColors(profile, {}, Qt::white);
    int top = 240;
    for (const ProfileField& field : kProfileFields) {
        const int height = field.prose ? 900 : 315;
        QLabel* caption = ui::addLabel(profile, (QByteArray("lbl") + (field.box + 3) + suffix).constData(),
                                       QLatin1String(field.caption), 120, top, 2400, height);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QWidget* box = field.prose
                           ? static_cast<QWidget*>(ui::addMultiLineBox(
                                 profile, controlName(field.box, suffix).constData(), 2580, top, 3795, height))
                           : static_cast<QWidget*>(ui::addTextBox(
                                 profile, controlName(field.box, suffix).constData(), 2580, top, 3795, height));
        ui::setColors(box, Qt::white, Qt::black);
        ui::labelInput(caption, box);
        if (auto* line = qobject_cast<QLineEdit*>(box))
            line->setReadOnly(true);
        else
            qobject_cast<QPlainTextEdit*>(box)->setReadOnly(true);
        top += height + 30;
    }
}

void ResultWindow::showReading(const WesternReadingRecord& reading)
{
    reading_ = reading;
    showSignPicture(*findChild<QLabel*>(QStringLiteral("Image1")), reading_.UserSign);
    showSignPicture(*findChild<QLabel*>(QStringLiteral("Image2")), reading_.PartnerSign);
    showPair();
    tabs_->setCurrentIndex(0);
    personPages_.readingChanged(tabs_->currentIndex());
}

void ResultWindow::showPair()
{
    const PairResult& pair = reading_.Pair;
    const QString userSign = ui::toQString(reading_.UserSign);
    const QString partnerSign = ui::toQString(reading_.PartnerSign);
    findChild<QLabel*>(QStringLiteral("lblMatchPercentage"))
        ->setText(pair.MatchPercentage.empty()
                      ? QStringLiteral("Compatibility Of %1 With %2").arg(userSign, partnerSign)
                      : QStringLiteral("You Have A Match Of ") + ui::toQString(pair.MatchPercentage));
    findChild<QLabel*>(QStringLiteral("lblMatchComment"))->setText(ui::toQString(pair.MatchComment));
    findChild<QLabel*>(QStringLiteral("lblMatchSunSigns"))
        ->setText(QStringLiteral("Zodiac Compatibility: %1 And %2").arg(userSign, partnerSign));
    findChild<QLabel*>(QStringLiteral("lblMatchDescription"))->setText(ui::toQString(pair.MatchDescription));
}

void ResultWindow::showPerson(char suffix)
{
    const bool isUser = suffix == kUserSuffix;
    const std::u16string& name = isUser ? reading_.UserName : reading_.PartnerName;
    const std::chrono::year_month_day birthDate = isUser ? reading_.UserBirthDate : reading_.PartnerBirthDate;
    const std::string_view sign = isUser ? reading_.UserSign : reading_.PartnerSign;
    const SignProfile& profile = isUser ? reading_.UserProfile : reading_.PartnerProfile;
    showSignPicture(*findChild<QLabel*>(QLatin1String(controlName("picSunSign", suffix))), sign);
    for (const ProfileField& field : kProfileFields) {
        const QString text = ui::toQString(profile.*field.field);
        ui::showText(findChild<QWidget*>(QLatin1String(controlName(field.box, suffix))), text);
    }
    findChild<QLabel*>(QLatin1String(controlName("lblName", suffix)))->setText(ui::toQString(name));
    findChild<QLabel*>(QLatin1String(controlName("lblDOB", suffix)))
        ->setText(ui::toQString(kit::DateText(birthDate, kit::DateStyle::MonthDayYear)));
    findChild<QLabel*>(QLatin1String(controlName("lblSunSign", suffix)))->setText(ui::toQString(sign));
    findChild<QGroupBox*>(QLatin1String(controlName("fraSunSign", suffix)))->setTitle(ui::toQString(sign));
}

void ResultWindow::TS_Click()
{
    personPages_.show(tabs_->currentIndex());
}

void ResultWindow::cmdBack_Click()
{
    returnTo(host().instance<EntryWindow>());
}

void ResultWindow::cmdSave_Click()
{
    host().freshInstance<ReportWindow>(reading_).showWindow();
}

} // namespace velmora::western
