#include "western/EntryWindow.h"

#include "kit/SiteTexts.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "western/Colours.h"
#include "western/ResultWindow.h"
#include "western/SavedReadingFile.h"
#include "western/WesternReading.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::western {
namespace {

using namespace colours;

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// Both detail frames lay out their person alike; the control names end in
// M for the user and F for the partner.
constexpr kit::PersonEntryLayout personLayout(bool isUser)
{
    return {
        {isUser ? "lblNameM" : "lblNameF", 360, 360, 0, 0},
        "Name",
        {isUser ? "txtNameM" : "txtNameF", 930, 270, 3705, 345},
        kit::BirthDateLayout{
            {isUser ? "lblBirthDayM" : "lblBirthDayF", 60, 810, 0, 0},
            "Birth Day",
            {{
                {kit::DatePart::Month, {isUser ? "cboMonthM" : "cboMonthF", 930, 720, 1335, 315}, {}, nullptr},
                {kit::DatePart::Day, {isUser ? "cboDateM" : "cboDateF", 2415, 720, 735, 315}, {}, nullptr},
                {kit::DatePart::Year, {isUser ? "cboYearM" : "cboYearF", 3300, 720, 1335, 315}, {}, nullptr},
            }},
        },
    };
}

} // namespace

EntryWindow::EntryWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, QStringLiteral("Velmora Zodiac Compatibility"), 9720, 4335)
{
    ui::setColors(this, kDarkGreen, Qt::white);

    auto* forum = ui::addLinkLabel(this, "Label14", kit::texts::kForumInvitation, 2273, 120, 5175, 435);
    forum->setFont(ui::verdana(9.75, true, true));
    forum->setAlignment(Qt::AlignCenter);
    ui::setColors(forum, {}, kPaleYellow);

    auto* open = ui::addButton(this, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"), 75, 770, 4725, 850);
    open->setFont(ui::verdana(11.25, true));
    connect(open, &QPushButton::clicked, this, &EntryWindow::cmdOpen_Click);

    QGroupBox* note = ui::addFrame(this, "fraNote", QStringLiteral("Note"), 4920, 645, 4725, 975);
    QLabel* noteText = ui::addLabel(note, "Label8",
                                    QStringLiteral("Please set your Regional and Language Settings to US English "
                                                   "for proper working of this software."),
                                    120, 240, 4335, 615);
    ui::setColors(noteText, {}, kLightRed);

    QGroupBox* details = ui::addFrame(this, "fraDetails", QStringLiteral("Your Details"), 75, 1680, 4725, 1215);
    user_ = createPerson(details, kit::Person::User);
    QGroupBox* partner =
        ui::addFrame(this, "fraPartnerDetails", QStringLiteral("Your Partner's Details"), 4920, 1680, 4725, 1215);
    partner_ = createPerson(partner, kit::Person::Partner);

    auto* compute =
        ui::addButton(this, "cmdSunSign", QStringLiteral("Check Our &Zodiac Compatibility Now !"), 2498, 3120, 4725, 375);
    compute->setFont(ui::verdana(8.25, true));
    connect(compute, &QPushButton::clicked, this, &EntryWindow::cmdSunSign_Click);

    QGroupBox* offers = ui::addFrame(this, "fraFullBrand", QString(), 8, 3600, 9705, 735);
    ui::addLinkLabel(offers, "lblCobrand", kit::texts::kCoBrandOffer, 120, 60, 4680, 615);
    ui::addLinkLabel(offers, "lblFullBrand", kit::texts::kFullyBrandedOffer, 4920, 60, 4680, 615);

    setTabOrder(partner_.chainTabOrder(user_.chainTabOrder(open)), compute);

    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file);
}

kit::PersonEntry EntryWindow::createPerson(QWidget* frame, kit::Person person)
{
    ui::setColors(frame, {}, Qt::white);
    kit::PersonEntry entry(frame, personLayout(person == kit::Person::User), person, kit::NameForm::Trimmed);
    entry.nameBox()->setMaxLength(static_cast<int>(kit::kMaxNameLength));
    return entry;
}

void EntryWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    for (const kit::PersonEntry* person : {&user_, &partner_})
        person->fillDateLists(kFirstYear, kLastYear);
}

bool EntryWindow::ValidateEntries()
{
    return kit::acceptEntries(platform(), this, user_, partner_,
                              {"Please Enter Your Name", "Please Enter Your Partner's Name", ui::MessageIcon::Error});
}

void EntryWindow::cmdSunSign_Click()
{
    if (!ValidateEntries())
        return;
    auto& result = host().instance<ResultWindow>();
    result.showReading(CalculateWesternReading(user_.details(), partner_.details()));
    handOverTo(result);
}

void EntryWindow::cmdOpen_Click()
{
    const std::optional<QString> chosen = platform().getOpenFileName(
        this, {QStringLiteral("Zodiac Compatibility (*.zcm)|*.zcm"), QStringLiteral("zcm"),
               QStringLiteral("Select the source file")});
    if (!chosen)
        return;
    const QString& path = *chosen;
    const std::optional<ReadingLines> lines =
        path.endsWith(QLatin1String("zcm"), Qt::CaseSensitive)
            ? ReadReadingFile(std::filesystem::path(path.toStdU16String()))
            : std::nullopt;
    if (!lines) {
        platform().showMessage(this, QStringLiteral("Please Check The File."), ui::MessageIcon::Error);
        return;
    }
    const auto line = [&lines](std::size_t index) { return ui::toQString(std::u32string_view((*lines)[index])); };
    user_.showEntries(line(0), line(1), line(2), line(3));
    partner_.showEntries(line(4), line(5), line(6), line(7));
    cmdSunSign_Click();
}

} // namespace velmora::western
