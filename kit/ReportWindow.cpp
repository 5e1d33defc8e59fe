#include "kit/ReportWindow.h"

#include "kit/ReadingView.h"
#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkDetection.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

#include <QPushButton>
#include <QTextCursor>

namespace velmora::kit {

ReportWindow::ReportWindow(WindowHost& host, std::string_view name, const QString& caption, const char* offerLabel,
                           const QString& reportName, std::string_view resultWindow)
    : CalculatorWindow(host, name, caption, 7725, 7530)
    , resultWindow_(resultWindow)
{
    keepWelcomePanelOnClose();
    returnsTo(resultWindow);
    auto* forum = ui::addLinkLabel(this, "Label14", texts::kForumBanner, 1747, 0, 5800, 195);
    auto* site = ui::addLinkLabel(this, "Label1", texts::kSiteInvitation, 1867, 180, 5800, 195);
    for (ui::LinkLabel* label : {forum, site}) {
        label->setFont(ui::verdana(7, true, true));
        ui::setColors(label, ui::kLightFace, Qt::blue);
    }

    RTB = addReadingView(this, "RTB", 30, 390, 7665, 6135, reportName, platform());
    // A report always runs past one screen; a scroll bar that is there from
    // the start spares laying the report out again when it appears.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* save = ui::addButton(this, "cmdSave", QStringLiteral("&Save"), 5400, 6570, 1125, 345);
    connect(save, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    auto* print = ui::addButton(this, "cmdPrint", QStringLiteral("&Print"), 6555, 6570, 1125, 345);
    connect(print, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });

    auto* offer = ui::addLinkLabel(this, offerLabel, texts::kFullyBrandedOffer, 30, 6960, 7665, 540);
    offer->setFont(ui::verdana(8.25, true, true));
}

void ReportWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    ui::EnableLinkDetection(*RTB, *this, platform());
    // One edit: the view and its link detection see the finished report once
    // instead of after every run.
    QTextCursor edit(RTB->document());
    edit.beginEditBlock();
    composeReport();
    edit.endEditBlock();
    RTB->moveCursor(QTextCursor::Start);
}

bool ReportWindow::showsReadingOf(std::string_view window) const
{
    return window == resultWindow_;
}

void ReportWindow::Form_Unload()
{
    ui::DisableLinkDetection();
}

} // namespace velmora::kit
