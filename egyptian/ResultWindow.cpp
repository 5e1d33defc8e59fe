#include "egyptian/ResultWindow.h"

#include "egyptian/Colours.h"
#include "egyptian/EntryWindow.h"
#include "egyptian/WindowParts.h"
#include "kit/Pictures.h"
#include "kit/ReadingTabs.h"
#include "kit/ReadingView.h"
#include "kit/WindowHost.h"
#include "ui/Contrast.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"
#include "ui/Twips.h"

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

using namespace colours;

constexpr int kPictureSize = 2700;
constexpr int kFrameWidth = 10200;
constexpr int kFrameHeight = 5520;
constexpr int kPairTab = 2;
const QString kPairTabCaption = QStringLiteral("Compatibility With Your Partner");

const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = kLineBreak + kLineBreak;

const QString kUserHeading = QStringLiteral("Your Egyptian Astrology Sign is :-");
const QString kPartnerHeading = QStringLiteral("Your Partner's Egyptian Astrology Sign is :-");

using Handler = void (ResultWindow::*)();

QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption)
{
    return kit::addReadingPage(tabs, name, caption, kSand, Qt::black);
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
    QLabel* value = ui::addValueLabel(frame, name, left, top, 3120, 360);
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
    return ui::escapeMnemonics(ui::toQString(name) + QStringLiteral("'s Characteristics"));
}

} // namespace

ResultWindow::ResultWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, kWindowCaption, kWindowWidth, 7440)
{
    ui::setColors(this, kSand, Qt::black);
    addForumBanner(this);

    tabSelect_ = kit::addReadingTabs(this, "tabSelect", 120, 420, kWindowWidth - 240, 6180);
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

ResultWindow::SignTab ResultWindow::createSignTab(
    const SignTabNames& names)
{
    QWidget* tab = addPage(tabSelect_, names.page, names.tabCaption);
    QGroupBox* frame = addCaptionedFrame(tab, names.frame, QStringLiteral("Egyptian Astrology Sign"));

    QLabel* picture = ui::addLabel(frame, names.picture, QString(), 180, 360, kPictureSize, kPictureSize);
    kit::pictures::showIn(*picture, SignPicture(EgyptianSign{}));
    picture->setAccessibleName(names.pictureDescription);

    QLabel* signName = ui::addValueLabel(frame, names.name, 180, 3180, kPictureSize, 480);
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

void ResultWindow::createCompatibilityTab()
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
    lblCompatibility_ = ui::addValueLabel(frame, "lblCompatibility", kColumns[0], 3060, 9720, 600);
    ui::labelValue(compatibilityCaption, lblCompatibility_);
    lblCompatibility_->setFont(ui::verdana(12, true));
    lblCompatibility_->setAlignment(Qt::AlignCenter);
    // White on the desktop's menu text colour; where menu text is light (a dark
    // palette), the menu's own background colour takes the white's place.
    const QPalette menu = QApplication::palette("QMenu");
    const QColor menuText = menu.color(QPalette::WindowText);
    const bool whiteReads = ui::contrastRatio(Qt::white, menuText) >= ui::kReadableContrast;
    ui::setColors(lblCompatibility_, menuText, whiteReads ? QColor(Qt::white) : menu.color(QPalette::Window));
}

void ResultWindow::createButtons()
{
    struct Button {
        const char* name;
        const char* caption;
        Handler handler;
    };
    static constexpr std::array<Button, 4> kButtons = {{
        {"cmdSave", "&Save", &ResultWindow::cmdSave_Click},
        {"cmdPrint", "&Print", &ResultWindow::cmdPrint_Click},
        {"cmdBack", "&Back", &ResultWindow::cmdBack_Click},
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

void ResultWindow::createMenus()
{
    using Self = ResultWindow;
    QMenu* file = createFileMenu();
    // Saving and printing are offered through the buttons only.
    addMenuItem(file, QStringLiteral("&Save"), "mnuSave", &Self::cmdSave_Click)->setEnabled(false);
    addMenuItem(file, QStringLiteral("&Print"), "mnuPrint", &Self::cmdPrint_Click)->setEnabled(false);
    addMenuItem(file, QStringLiteral("&Back"), "mnuBack", &Self::cmdBack_Click);
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file, helpMenu(kit::UpdateItemWording::CheckFirst));
}

void ResultWindow::showReading(const EgyptianReadingRecord& reading)
{
    reading_ = reading;
    showPerson(reading_.User, user_, userRow_, kUserHeading);
    showPerson(reading_.Partner, partner_, partnerRow_, kPartnerHeading);
    lblCompatibility_->setText(ui::toQString(reading_.Verdict));
    tabSelect_->setTabText(0, characteristicsCaption(reading_.User.Name));
    tabSelect_->setTabText(1, characteristicsCaption(reading_.Partner.Name));
    tabSelect_->setTabText(kPairTab, kPairTabCaption);
}

void ResultWindow::showPerson(const EgyptianPersonReading& person, const SignTab& tab,
                                                          const SummaryRow& row, const QString& heading)
{
    const QString signName = ui::toQString(person.SignName);
    if (person.Sign)
        kit::pictures::showIn(*tab.picture, SignPicture(*person.Sign));
    tab.name->setText(signName);
    tab.reading->clear();
    if (person.Sign)
        WriteSignReading(*tab.reading, heading, signName, person.Profile);
    tab.reading->moveCursor(QTextCursor::Start);

    row.name->setText(ui::toQString(person.Name));
    row.sign->setText(signName);
    row.dateOfBirth->setText(ui::toQString(kit::DateText(person.BirthDate, kit::DateStyle::DayMonthYearSlashed)));
}

void ResultWindow::WriteSignReading(
    ui::RichTextBox& box, const QString& heading, const QString& sign,
    const EgyptianProfile& profile)
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
    for (const ReadingField& field : kReadingFields) {
        label(ui::toQString(field.label));
        const bool last = &field == &kReadingFields.back();
        value(profile.*field.field, last ? kLineBreak : kBlankLine);
    }
}

void ResultWindow::cmdSave_Click()
{
    kit::saveAsRichText(platform(), this, *user_.reading);
}

void ResultWindow::cmdPrint_Click()
{
    kit::printReading(platform(), this, *user_.reading);
}

void ResultWindow::cmdBack_Click()
{
    returnTo(host().instance<EntryWindow>());
}

} // namespace velmora::egyptian
