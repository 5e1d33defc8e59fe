#include "frmJapaneseAstrologyCompatibilityDisplay.h"

#include "CommonMenus.h"
#include "Controls.h"
#include "Fonts.h"
#include "JapaneseLayout.h"
#include "Launcher.h"
#include "LinkLabel.h"
#include "Pictures.h"
#include "SiteTexts.h"
#include "Twips.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"
#include "modHelp.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

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

// A caption of the compatibility tab and, beneath it, its value label
// starting at the value's left edge and centred under the caption.
struct CompatibilityField {
    const char* captionName;
    const char* caption;
    int captionLeft;
    int captionTop;
    const char* value;
    int valueLeft;
    int valueTop;
};

constexpr CompatibilityField kCompatibilityFields[] = {
    // caption name                 caption                   left  top    value label                     left  top
    {"lblYourNameCaption", "Your Name", 1440, 960, "lblYourName", 1470, 1320},
    {"lblPartnerNameCaption", "Partner's Name", 4920, 960, "lblPartnerName", 5107, 1320},
    {"lblYourBloodTypeCaption", "Your Blood Type", 1200, 2280, "lblYourBloodType", 1312, 2760},
    {"lblPartnerBloodTypeCaption", "Partner's Blood Type", 4800, 2280, "lblPartnerBloodType", 5055, 2760},
    {"lblCompatibilityCaption", "Compatibility With Partner", 2595, 3840, "lblCompatibilityWithPartners", 2768, 4200},
};

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
    createProfileFrame(panel, "fraUser", 0, true);
    createProfileFrame(panel, "fraPartner", 2760, false);
    return panel;
}

void frmJapaneseAstrologyCompatibilityDisplay::createProfileFrame(QWidget* panel, const char* name, int top,
                                                                 bool isUser)
{
    QGroupBox* frame = ui::addFrame(panel, name, QString(), 0, top, kPanelWidth, kProfileFrameHeight);
    frame->setFont(ui::verdana(8.25, true));
    ui::setColors(frame, {}, kYellow);
    for (const ProfileRow& row : kProfileRows) {
        const QByteArray valueName = isUser ? row.userLabel : row.partnerLabel;
        QLabel* caption =
            addCaption(frame, (valueName + "Caption").constData(), QLatin1String(row.caption), 240, row.top, 8.25);
        QLabel* value = addValueLabel(frame, valueName.constData(), row.valueLeft, row.valueTop, row.valueWidth,
                                      isUser ? row.userHeight : row.partnerHeight);
        ui::labelValue(caption, value);
        value->setFont(ui::verdana(8.25, true));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setWordWrap(true);
    }
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
    for (const CompatibilityField& field : kCompatibilityFields) {
        QLabel* caption = addCaption(frame, field.captionName, QLatin1String(field.caption), field.captionLeft,
                                     field.captionTop, 11.25);
        const int captionCentre = field.captionLeft + ui::pixelsToTwips(caption->width()) / 2;
        QLabel* value = addValueLabel(frame, field.value, field.valueLeft, field.valueTop,
                                      2 * (captionCentre - field.valueLeft), 495);
        value->setFont(ui::verdana(9, true));
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setWordWrap(true);
        ui::labelValue(caption, value);
    }
    ui::setColors(frame->findChild<QLabel*>(QStringLiteral("lblCompatibilityWithPartners")), {}, kYellow);
    return panel;
}

void frmJapaneseAstrologyCompatibilityDisplay::createMenus()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, &frmJapaneseAstrologyCompatibilityDisplay::mnuFileBack_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmJapaneseAstrologyCompatibilityDisplay::mnuExit_Click);
    setMenuBar(file, kit::UpdateItemWording::CheckFirst);
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
    closeWindow();
    launcher().instance<frmJapaneseAstrologyCompatibilityMain>().showWindow();
    launcher().setWelcomePanelVisible(false);
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
