#include "shell/LauncherFrame.h"

#include "kit/CommonMenus.h"
#include "kit/Pictures.h"
#include "kit/SiteTexts.h"
#include "kit/WebPages.h"
#include "shell/AboutBox.h"
#include "shell/Colours.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/Twips.h"
#include "ui/WrappingButton.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace velmora::shell {
namespace {

using namespace colours;

// The background and the text of a band or control, for every role it draws
// them with: a button's caption must not take a dark palette's light text.
void paint(QWidget& widget, const QColor& background, const QColor& text = Qt::black)
{
    ui::setColors(&widget, background, text);
}

// Lays a band's controls out against the band's own width whenever it
// changes, so they stay centred however wide the frame is, maximised or not.
class LayOutOnResize : public QObject {
public:
    LayOutOnResize(QWidget& band, std::function<void(int width)> layOut)
        : QObject(&band), band_(band), layOut_(std::move(layOut))
    {
        band.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &band_ && event->type() == QEvent::Resize)
            layOut_(band_.width());
        return false;
    }

private:
    QWidget& band_;
    std::function<void(int width)> layOut_;
};

// The welcome panel: it tells the frame when the pointer moves over its own
// background (its labels take their own mouse events).
class WelcomePanel : public QWidget {
public:
    std::function<void()> onMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent*) override
    {
        if (onMouseMove)
            onMouseMove();
    }
};

// A band of the frame: a fixed height, the full width.
QWidget* band(const char* name, int heightTwips, const QColor& background)
{
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(name));
    widget->setFixedHeight(ui::twipsToPixels(heightTwips));
    paint(*widget, background);
    return widget;
}

struct Caption {
    const char* text;
    QColor color;
    double points;
    int left;
    int top;
    int width;
    int height;
};

// The welcome panel's own captions; the calculators' links follow them.
const std::array<Caption, 3> kCaptions = {{
    {"Welcome to Velmora Suite", kCyan, 12, 2940, 240, 5835, 270},
    {"Welcome to the Velmora Suite! Know where your relationship with your partner stands on the basis of "
     "different calculations! Try our astrology compatibility tools and understand your partner better!",
     kRed, 8.25, 1920, 840, 8055, 705},
    {"Velmora Suite includes the following programs", kCyan, 12, 1710, 1920, 8460, 270},
}};

constexpr int kFirstLinkCaption = static_cast<int>(kCaptions.size());
constexpr int kOneLine = 270;
constexpr double kLinkPoints = 12;

QColor colourOf(kit::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// The welcome panel's design height; on a short screen it gives up height
// down to the bottom of its last caption, before anything else does.
constexpr int kWelcomePanelHeight = 8640;
// The frame's design width, which its button row fits.
constexpr int kDesignWidth = 11880;
constexpr int kWelcomePanelLeastHeight = 4920 + kOneLine + 240;

void centreIn(QWidget& widget, int width)
{
    widget.move((width - widget.width()) / 2, widget.y());
}

} // namespace

LauncherFrame::LauncherFrame(ui::Platform& platform, std::span<const kit::Calculator* const> calculators)
    : WindowHost(calculators), platform_(platform)
{
    ui::installAccessibleInterfaces();
    for (const kit::Calculator* calculator : calculators) {
        if (calculator->button)
            buttons_.push_back(calculator);
    }
    setObjectName(ui::toQString(kWindowName));
    setWindowTitle(kit::texts::kFrameCaption);
    setWindowIcon(kit::pictures::windowIcon(kit::pictures::kProgramIcon));
    setFont(ui::verdana(8.25, true));
    resize(ui::twipsSize(kDesignWidth, 8190));

    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createTopBanner());
    layout->addWidget(createButtonBand());
    layout->addWidget(createWelcomePanel());
    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(Qt::black);
    // A window taller or wider than the window area can be scrolled to.
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // While the welcome panel shows, no calculator window does: the panel
    // takes the height it was designed with first, the window area the rest.
    layout->setStretchFactor(picMain_, 1000);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(createOfferBand());
    setCentralWidget(client);

    createMenus();
    createShortcuts();
    connect(mdiArea_, &QMdiArea::subWindowActivated, menuUpdates_.get(), [this] { updateMenus(); });
    kit::connectLinkLabels(*this, kLinkControls, platform_);
}

QWidget* LauncherFrame::createTopBanner()
{
    auto* picture6 = new ui::LinkLabel(QString(), nullptr, false);
    picture6->setObjectName(QStringLiteral("Picture6"));
    picture6->setFixedHeight(ui::twipsToPixels(560));
    paint(*picture6, kLavender);

    auto* banner = new ui::LinkLabel(kit::texts::kForumBanner, picture6);
    banner->setObjectName(QStringLiteral("lblOrbenlyBanner"));
    banner->setGeometry(ui::twipsRect(960, 0, 9480, 465));
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);
    paint(*banner, Qt::white);

    new LayOutOnResize(*picture6, [banner](int width) { centreIn(*banner, width); });
    return picture6;
}

QWidget* LauncherFrame::createButtonBand()
{
    QWidget* picture1 = band("Picture1", 900, palette().color(QPalette::Button));
    auto* container = new QGroupBox(picture1);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    container->setGeometry(ui::twipsRect(120, 0, 11655, 800));
    // Every calculator button stays on screen: the frame is never narrower
    // than its design width, which the buttons' row fits.
    picture1->setMinimumWidth(ui::twipsToPixels(kDesignWidth));
    new LayOutOnResize(*picture1, [container](int width) { centreIn(*container, width); });

    for (int index = 0; index < static_cast<int>(buttons_.size()); ++index) {
        const kit::Calculator& calculator = *buttons_[static_cast<std::size_t>(index)];
        const kit::LauncherButton& row = *calculator.button;
        auto* iconBox = new QLabel(container);
        iconBox->setObjectName(ui::toQString(row.iconBox));
        iconBox->setGeometry(ui::twipsRect(row.iconLeft, 180, 510, 510));
        iconBox->setAlignment(Qt::AlignCenter);
        iconBox->setPixmap(kit::pictures::icon(calculator.icon));

        auto* button = new ui::WrappingButton(ui::toQString(calculator.title), container);
        button->setObjectName(QStringLiteral("cmdSelectOption(%1)").arg(index));
        button->setGeometry(ui::twipsRect(row.left, row.top, 2130, 495));
        button->setFont(ui::verdana(8.25, true));
        paint(*button, kLightGrey);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
    }
    return picture1;
}

QWidget* LauncherFrame::createWelcomePanel()
{
    auto* panel = new WelcomePanel;
    panel->setObjectName(QStringLiteral("picMain"));
    panel->setMinimumHeight(ui::twipsToPixels(kWelcomePanelLeastHeight));
    panel->setMaximumHeight(ui::twipsToPixels(kWelcomePanelHeight));
    panel->setMouseTracking(true);
    paint(*panel, Qt::black);
    panel->onMouseMove = [this] { picMain_MouseMove(); };
    picMain_ = panel;

    std::vector<Caption> captions(kCaptions.begin(), kCaptions.end());
    for (const kit::Calculator* calculator : buttons_) {
        const kit::LauncherButton& row = *calculator->button;
        captions.push_back({calculator->title.data(), colourOf(row.linkColour), kLinkPoints, row.linkLeft, row.linkTop,
                            row.linkWidth, kOneLine});
    }
    for (int index = 0; index < static_cast<int>(captions.size()); ++index) {
        const Caption& row = captions[static_cast<std::size_t>(index)];
        auto* label = new ui::LinkLabel(QLatin1String(row.text), panel, index >= kFirstLinkCaption);
        label->setObjectName(QStringLiteral("lblCaption(%1)").arg(index));
        label->setGeometry(ui::twipsRect(row.left, row.top, row.width, row.height));
        label->setFont(ui::verdana(row.points, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paint(*label, Qt::black, row.color);
        // One-line captions grow to their text, as the labels size themselves;
        // the welcome text wraps within its box.
        if (row.height > kOneLine)
            label->setWordWrap(true);
        else if (label->sizeHint().width() > label->width())
            label->resize(label->sizeHint().width(), label->height());
        connect(label, &ui::LinkLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(label, &ui::LinkLabel::hovered, this, [this, index] { lblCaption_MouseMove(index); });
        lblCaption_.append(label);
    }
    new LayOutOnResize(*panel, [this](int width) {
        for (ui::LinkLabel* label : lblCaption_)
            centreIn(*label, width);
    });
    return panel;
}

QWidget* LauncherFrame::createOfferBand()
{
    QWidget* coBrand = band("PicCoBrand", 735, kLavender);
    auto* offer = new ui::LinkLabel(kit::texts::kBrandedEditionOffer, coBrand);
    offer->setObjectName(QStringLiteral("Label7"));
    offer->setGeometry(ui::twipsRect(120, 0, 6975, 615));
    offer->setFont(ui::verdana(8.25, true, true));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* exit = new QPushButton(QStringLiteral("&Exit"), coBrand);
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    exit->setGeometry(ui::twipsRect(0, 120, 1335, 495));
    exit->setFont(ui::verdana(8.25, true));
    paint(*exit, kLightGrey);
    connect(exit, &QPushButton::clicked, this, &LauncherFrame::cmdMdiExit_Click);
    // Exit keeps 120 twips from the right edge; the offer stays clear of it.
    new LayOutOnResize(*coBrand, [offer, exit](int width) {
        exit->move(width - exit->width() - ui::twipsToPixels(120), exit->y());
        offer->resize(std::min(ui::twipsToPixels(6975), exit->x() - offer->x()), offer->height());
    });
    return coBrand;
}

// Keys that work in every window of the suite: F1 for the online help, as
// Help > Online Help, and Ctrl+Q to leave, as the launcher's File > Exit.
void LauncherFrame::createShortcuts()
{
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { kit::OpenWebPage(platform_, kit::PageKey::HelpWebPage); });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &LauncherFrame::cmdMdiExit_Click);
}

void LauncherFrame::createMenus()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    for (const kit::Calculator* calculator : calculators()) {
        if (!calculator->menuItem)
            continue;
        QAction* item = file->addAction(ui::toQString(calculator->menuItem->text));
        item->setObjectName(ui::toQString(calculator->menuItem->name));
        // Opened once the menu has closed and given the focus back, so that
        // a screen reader's last word is the new window's first input and
        // not the frame the menu returns to.
        connect(item, &QAction::triggered, this, [this, calculator] { open(*calculator); }, Qt::QueuedConnection);
    }
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &LauncherFrame::cmdMdiExit_Click);
    ownMenuBar_ = kit::commonMenuBar(*this, *file, {}, *this);
    updateMenus();
}

// The frame shows the active window's menu bar, and its own while the active
// window has none (the report windows) or no window is active.
void LauncherFrame::updateMenus()
{
    QList<QAction*> actions = ownMenuBar_;
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow(); active && active->isVisible()) {
        if (auto* window = qobject_cast<kit::CalculatorWindow*>(active->widget())) {
            if (const QList<QAction*> own = window->menuBarActions(); !own.isEmpty())
                actions = own;
        }
    }
    if (menuBar()->actions() == actions)
        return;
    menuBar()->clear();
    menuBar()->addActions(actions);
}

void LauncherFrame::setWelcomePanelVisible(bool visible)
{
    picMain_->setVisible(visible);
}

bool LauncherFrame::isWelcomePanelVisible() const
{
    return !picMain_->isHidden();
}

void LauncherFrame::showAboutBox(QWidget* parent)
{
    AboutBox about(platform_, parent);
    about.exec();
}

QMdiSubWindow* LauncherFrame::adopt(kit::CalculatorWindow& window)
{
    auto* frame = mdiArea_->addSubWindow(&window, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    frame->adjustSize();
    frame->setFixedSize(frame->size());
    frame->hide();
    // A window hidden or closed leaves another active, or none.
    connect(frame, &QMdiSubWindow::windowStateChanged, menuUpdates_.get(), [this] { updateMenus(); });
    connect(frame, &QObject::destroyed, menuUpdates_.get(), [this] { updateMenus(); });
    return frame;
}

QSize LauncherFrame::windowAreaSize() const
{
    return mdiArea_->viewport()->size();
}

void LauncherFrame::OpenCalculator(int k)
{
    if (k >= 0 && k < static_cast<int>(buttons_.size()))
        open(*buttons_[static_cast<std::size_t>(k)]);
}

void LauncherFrame::open(const kit::Calculator& calculator)
{
    CloseCalculatorWindows();
    setWelcomePanelVisible(false);
    calculator.open(*this);
}

void LauncherFrame::CloseCalculatorWindows()
{
    for (const kit::Calculator* calculator : calculators()) {
        for (const std::string_view name : calculator->windows)
            unload(name);
    }
}

void LauncherFrame::cmdSelectOption_Click(int index)
{
    OpenCalculator(index);
}

void LauncherFrame::lblCaption_Click(int index)
{
    if (index >= kFirstLinkCaption)
        OpenCalculator(index - kFirstLinkCaption);
    else
        CloseCalculatorWindows();
}

void LauncherFrame::lblCaption_MouseMove(int index)
{
    if (index < kFirstLinkCaption || index >= lblCaption_.size())
        return;
    ui::LinkLabel* label = lblCaption_[index];
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
}

void LauncherFrame::picMain_MouseMove()
{
    for (ui::LinkLabel* label : lblCaption_) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

void LauncherFrame::cmdMdiExit_Click()
{
    close();
}

void LauncherFrame::closeEvent(QCloseEvent* event)
{
    // A report window brings its result window back as it closes, so a second
    // pass closes what the first one left.
    for (int pass = 0; pass < 2 && !mdiArea_->subWindowList().isEmpty(); ++pass)
        mdiArea_->closeAllSubWindows();
    event->accept();
}

} // namespace velmora::shell
