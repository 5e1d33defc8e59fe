#include "frmEgyptianAstrologyCompatibilityDisplay.h"

#include "Contrast.h"
#include "Controls.h"
#include "EgyptianWindows.h"
#include "Fonts.h"
#include "Launcher.h"
#include "Pictures.h"
#include "Platform.h"
#include "ReadingView.h"
#include "RichTextBox.h"
#include "Twips.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "modHelp.h"

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

} // namespace

frmEgyptianAstrologyCompatibilityDisplay::frmEgyptianAstrologyCompatibilityDisplay(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, kWindowCaption, kWindowWidth, 7440)
{
    ui::setColors(this, kSand, Qt::black);
    addForumBanner(this);

    tabSelect = new QTabWidget(this);
    tabSelect->setObjectName(QStringLiteral("tabSelect"));
    tabSelect->setGeometry(ui::twipsRect(120, 420, kWindowWidth - 240, 6180));
    tabSelect->setFont(ui::verdana(8.25, true));
    const SignTab user = createSignTab({"picUser", QStringLiteral("Your Characteristics"), "fraGod", "picGod",
                                        QStringLiteral("Your sign's picture"), "lblGodName", "RTB",
                                        QStringLiteral("Your Egyptian astrology reading")});
    picGod = user.picture;
    lblGodName = user.name;
    RTB = user.reading;
    const SignTab partner =
        createSignTab({"picPartner", QStringLiteral("Your Partner's Characteristics"), "fraPartnerGod",
                       "picPartnerGod", QStringLiteral("Your partner's sign's picture"), "lblPartnerGodName",
                       "PartnerRTB", QStringLiteral("Your partner's Egyptian astrology reading")});
    picPartnerGod = partner.picture;
    lblPartnerGodName = partner.name;
    PartnerRTB = partner.reading;
    createCompatibilityTab();
    tabSelect->setCurrentIndex(kPairTab);

    addBrandedOffer(this, "Label1", 120, 6720, 5520, 615);
    createButtons();
    createMenus();
}

frmEgyptianAstrologyCompatibilityDisplay::SignTab frmEgyptianAstrologyCompatibilityDisplay::createSignTab(
    const SignTabNames& names)
{
    QWidget* tab = addPage(tabSelect, names.page, names.tabCaption);
    QGroupBox* frame = addCaptionedFrame(tab, names.frame, QStringLiteral("Egyptian Astrology Sign"));

    QLabel* picture = ui::addLabel(frame, names.picture, QString(), 180, 360, kPictureSize, kPictureSize);
    picture->setScaledContents(true);
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
    QWidget* tab = addPage(tabSelect, "picCompatibility", QStringLiteral("Compatibility With Your Partner"));
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
        {"lblYourNameCaption", "Your Name", &lblYourName, "lblYourName", 0, 480, Qt::black},
        {"lblYourEgyptianSignCaption", "Your Egyptian Sign", &lblYourEgyptianSign, "lblYourEgyptianSign", 1, 480,
         Qt::red},
        {"lblYourDateOfBirthCaption", "Your Date Of Birth", &lblYourDateOfBirth, "lblYourDateOfBirth", 2, 480,
         Qt::black},
        {"lblYourPartnerNameCaption", "Your Partner's Name", &lblYourPartnerName, "lblYourPartnerName", 0, 1560,
         Qt::black},
        {"lblYourPartnerEgyptianSignCaption", "Your Partner's Egyptian Sign", &lblYourPartnerEgyptianSign,
         "lblYourPartnerEgyptianSign", 1, 1560, Qt::red},
        {"lblYourPartnerDateOfBirthCaption", "Your Partner's Date Of Birth", &lblYourPartnerDateOfBirth,
         "lblYourPartnerDateOfBirth", 2, 1560, Qt::black},
    };
    for (const auto& field : fields) {
        const int left = kColumns[static_cast<std::size_t>(field.column)];
        QLabel* caption = addCaption(frame, field.captionName, QLatin1String(field.caption), left, field.top);
        *field.value = addValue(frame, field.valueName, left, field.top + 300, field.color);
        ui::labelValue(caption, *field.value);
    }

    QLabel* compatibilityCaption = addCaption(frame, "lblCompatibilityCaption",
                                              QStringLiteral("Compatibility With Your Partner"), kColumns[0], 2760);
    lblCompatibility = ui::addLabel(frame, "lblCompatibility", QString(), kColumns[0], 3060, 9720, 600);
    ui::labelValue(compatibilityCaption, lblCompatibility);
    lblCompatibility->setFont(ui::verdana(12, true));
    lblCompatibility->setAlignment(Qt::AlignCenter);
    // White on the desktop's menu text colour; where menu text is light (a dark
    // palette), the menu's own background colour takes the white's place.
    const QPalette menu = QApplication::palette("QMenu");
    const QColor menuText = menu.color(QPalette::WindowText);
    const bool whiteReads = ui::contrastRatio(Qt::white, menuText) >= ui::kReadableContrast;
    ui::setColors(lblCompatibility, menuText, whiteReads ? QColor(Qt::white) : menu.color(QPalette::Window));
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
    auto* file = new QMenu(QStringLiteral("&File"), this);
    const auto addItem = [this, file](const char* text, const char* name, Handler handler) {
        QAction* item = file->addAction(QLatin1String(text));
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    // Saving and printing are offered through the buttons only.
    addItem("&Save", "mnuSave", &frmEgyptianAstrologyCompatibilityDisplay::cmdSave_Click)->setEnabled(false);
    addItem("&Print", "mnuPrint", &frmEgyptianAstrologyCompatibilityDisplay::cmdPrint_Click)->setEnabled(false);
    addItem("&Back", "mnuBack", &frmEgyptianAstrologyCompatibilityDisplay::cmdBack_Click);
    addItem("E&xit", "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBarActions(egyptianMenuBar(*this, *file, kit::UpdateItemWording::CheckFirst, launcher()));
}

QPixmap frmEgyptianAstrologyCompatibilityDisplay::IMGList(int number, QSize size)
{
    if (number < 1 || number > static_cast<int>(kSignPictures.size()))
        return {};
    return kit::pictures::render(QLatin1String(kSignPictures[static_cast<std::size_t>(number - 1)]), size);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdSave_Click()
{
    kit::saveAsRichText(platform(), this, *RTB);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdPrint_Click()
{
    kit::printReading(platform(), this, *RTB);
}

void frmEgyptianAstrologyCompatibilityDisplay::cmdBack_Click()
{
    launcher().instance<frmEgyptianAstrologyCompatibilityMain>().showWindow();
    closeWindow();
    launcher().setWelcomePanelVisible(false);
}


} // namespace velmora::egyptian
