#include "shell/AboutBox.h"

#include "kit/Pictures.h"
#include "kit/SiteTexts.h"
#include "kit/WebPages.h"
#include "shell/Colours.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace velmora::shell {
namespace {

using namespace colours;

template <class Label>
Label* addLabel(QWidget* parent, const char* name, const QString& text, QRect twips, const QColor& color, bool bold)
{
    auto* label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(ui::verdana(8.25, bold));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

} // namespace

AboutBox::AboutBox(ui::Platform& platform, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(ui::toQString(kWindowName));
    setWindowTitle(kit::texts::kFrameCaption);
    setModal(true);
    setFixedSize(ui::twipsSize(6810, 3870));
    setFont(ui::verdana(8.25));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(ui::twipsRect(120, 120, 600, 600));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(kit::pictures::icon(kit::pictures::kProgramIcon));
    picture->setAccessibleName(kit::texts::kFrameCaption);

    addLabel<QLabel>(this, "Label2", kit::texts::kFrameCaption, {840, 240, 4245, 240}, kWhite, true);
    addLabel<QLabel>(this, "Label1",
                     QStringLiteral("Velmora Suite brings together four compatibility calculators: Zodiac "
                                    "Compatibility, Chinese Zodiac Compatibility, Egyptian Astrology Compatibility "
                                    "and Japanese Astrology Compatibility. Each one analyses your relationship with "
                                    "your partner from your birth details by a different calculation.\n"
                                    "Published by Velmora."),
                     {240, 720, 6465, 1215}, kWhite, false);
    addLabel<ui::LinkLabel>(this, "lblHomePage", QStringLiteral("Visit Velmora online at velmora.example"),
                            {2640, 1920, 4050, 195}, kCyan, false);
    addLabel<QLabel>(this, "Label3",
                     QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                    "online. Get this software fully branded for your website. "),
                     {240, 2280, 6105, 675}, kWhite, true);
    addLabel<ui::LinkLabel>(this, "lblCoBrand", QStringLiteral("Click here for more details."),
                            {4320, 2880, 2355, 195}, kCyan, false);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(0, ui::twipsToPixels(3240), width(), 1);
    line->setAutoFillBackground(true);
    QPalette linePalette = line->palette();
    linePalette.setColor(QPalette::Window, QColor(192, 192, 192));
    line->setPalette(linePalette);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(ui::twipsRect(5400, 3360, 1260, 345));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    ok->setFocus();

    kit::connectLinkLabels(*this, kLinkControls, platform);
}

void AboutBox::cmdOK_Click()
{
    accept();
}

} // namespace velmora::shell
