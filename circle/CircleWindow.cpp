#include "circle/CircleWindow.h"

#include "circle/HeatMap.h"
#include "circle/Limits.h"
#include "circle/RankingModel.h"
#include "circle/TextEncoding.h"
#include "complete/ReadingWindow.h"
#include "kit/ReadingTabs.h"
#include "kit/ReadingView.h"
#include "kit/WindowHost.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <numeric>

namespace velmora::circle {
namespace {

const QString kTitle = QStringLiteral("Velmora Circle");
const QString kNotKnown = QStringLiteral("Not known");
const QString kVCardFilter = QStringLiteral("vCard Address Book|*.vcf");
const QString kPdfFilter = QStringLiteral("PDF Document|*.pdf");

// The ranking's columns: in twips on screen, and in percent of the page's
// width on paper, where a longest word of each column fits a line.
constexpr std::array<int, RankingModel::ColumnCount> kRankingColumnWidths = {1920, 2280, 2100, 3000, 1860, 900};
constexpr std::array<int, RankingModel::ColumnCount> kPrintedColumnPercents = {13, 17, 19, 24, 15, 12};
static_assert(std::accumulate(kPrintedColumnPercents.begin(), kPrintedColumnPercents.end(), 0) == 100);

// The form of one person, in the People page's frame.
constexpr kit::PersonEntryLayout kFormLayout = {
    {"lblName", 240, 420, 0, 0},
    "Name",
    {"txtName", 1440, 360, 4200, 315},
    kit::BirthDateLayout{{"lblBirthDate", 240, 840, 0, 0},
                         "Birth Date",
                         {{{kit::DatePart::Day, {"cboDay", 1440, 780, 720, 315}, {}, nullptr},
                           {kit::DatePart::Month, {"cboMonth", 2220, 780, 1620, 315}, {}, nullptr},
                           {kit::DatePart::Year, {"cboYear", 3900, 780, 1200, 315}, {}, nullptr}}}}};

constexpr kit::ChoiceLayout kBloodTypeLayout = {
    {"lblBloodType", 240, 1260, 0, 0}, "Blood Type", {"cboBloodType", 1440, 1200, 1620, 315}, "blood type"};

QString personLine(const Person& person)
{
    QString line = ui::toQString(person.name) + QStringLiteral(", ")
                   + QString::number(static_cast<unsigned>(person.birthday.day)) + QLatin1Char(' ')
                   + ui::toQString(kit::MonthName(person.birthday.month));
    if (person.birthday.year)
        line += QLatin1Char(' ') + QString::number(static_cast<int>(*person.birthday.year));
    line += QStringLiteral(", ");
    line += person.bloodType ? ui::toQString(bloodtype::kBloodTypes[static_cast<std::size_t>(*person.bloodType)])
                             : QStringLiteral("blood type not known");
    return line;
}

// The systems the picture shows one at a time; the first entry is overall.
std::optional<System> pictureSystem(int entry)
{
    if (entry <= 0 || entry > static_cast<int>(kSystems.size()))
        return std::nullopt;
    return kSystems[static_cast<std::size_t>(entry - 1)];
}

QString systemHeading(std::optional<System> system)
{
    return system ? ui::toQString(SystemName(*system)) : QStringLiteral("Overall");
}

// The picture as the printed page shows it: a cell for every pair in the
// picture's colours, the people's names beside and above when they fit.
QImage printedPicture(const std::vector<std::uint8_t>& scores, const QStringList& names)
{
    const int n = static_cast<int>(names.size());
    constexpr int kSide = 1200;
    const int cell = std::max(1, kSide / std::max(n, 1));
    const bool named = cell >= 24;
    const int margin = named ? 360 : 0;
    QImage image(margin + cell * n, margin + cell * n, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column)
            painter.fillRect(margin + column * cell, margin + row * cell, cell, cell,
                             scoreColour(scores[static_cast<std::size_t>(row * n + column)]));
    }
    if (named) {
        QFont font = ui::verdana(std::min(24.0, cell * 0.5));
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < n; ++i) {
            painter.drawText(QRect(0, margin + i * cell, margin - 12, cell), Qt::AlignRight | Qt::AlignVCenter,
                             names[i]);
            painter.save();
            painter.translate(margin + i * cell, margin - 12);
            painter.rotate(-90);
            painter.drawText(QRect(0, 0, margin - 12, cell), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
            painter.restore();
        }
    }
    return image;
}

// The colour key as the printed page shows it: dark text on white whatever
// the desktop's colours, drawn at three times the screen's density.
QImage printedKey()
{
    HeatMapLegend key(scoreText(kNoScore));
    QPalette printed = key.palette();
    printed.setColor(QPalette::Window, Qt::white);
    printed.setColor(QPalette::WindowText, Qt::black);
    key.setPalette(printed);
    key.resize(key.sizeHint());
    constexpr int kDensity = 3;
    QImage image(key.size() * kDensity, QImage::Format_RGB32);
    image.setDevicePixelRatio(kDensity);
    image.fill(Qt::white);
    key.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A page of the circle's tabs, in the desktop's colours: the picture's
// palette is chosen to read on light and dark desktops alike.
QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    tabs->addTab(page, caption);
    return page;
}

} // namespace

CircleWindow::CircleWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, kTitle, 12720, 8880)
{
    createButtons();

    lblRead_ = ui::addValueLabel(this, "lblRead", 120, 660, 5700, 300);
    QLabel* youCaption = ui::addLabel(this, "lblYou", QStringLiteral("You are"), 6000, 690);
    cboYou_ = ui::addList(this, "cboYou", 7140, 630, 3600, 315);
    ui::labelInput(youCaption, cboYou_);
    connect(cboYou_, &QComboBox::currentIndexChanged, this, [this] {
        showRanking();
        txtSummary_->setPlainText(pictureSummary());
    });

    tabs_ = kit::addReadingTabs(this, "tabsCircle", 120, 1080, 12480, 7680);
    createRankingPage(addPage(tabs_, "picRanking", QStringLiteral("Ranking")));
    createPicturePage(addPage(tabs_, "picPicture", QStringLiteral("Picture")));
    createPeoplePage(addPage(tabs_, "picPeople", QStringLiteral("People")));

    // The people's page is filled in from the form first, its lists after.
    setTabOrder(cboYou_, tabs_);
    setTabOrder(lstPeople_, form_.nameBox());
    QWidget* last = form_.chainTabOrder(form_.nameBox());
    for (const char* name : {"cmdAdd", "cmdChange", "cmdRemove"}) {
        QWidget* button = findChild<QWidget*>(QLatin1String(name));
        setTabOrder(last, button);
        last = button;
    }
    setTabOrder(last, lstNotRead_);
    createMenus();
}

void CircleWindow::createButtons()
{
    using Self = CircleWindow;
    const struct {
        const char* name;
        const char* caption;
        int left;
        int width;
        void (Self::*handler)();
        bool needsPeople;
    } buttons[] = {
        {"cmdOpen", "&Open...", 120, 1320, &Self::cmdOpen_Click, false},
        {"cmdSaveAs", "Save &As...", 1560, 1440, &Self::cmdSaveAs_Click, true},
        {"cmdPrint", "&Print...", 3120, 1320, &Self::cmdPrint_Click, true},
        {"cmdSavePdf", "Save As P&DF...", 4560, 1800, &Self::cmdSavePdf_Click, true},
    };
    for (const auto& button : buttons) {
        QPushButton* made = ui::addButton(this, button.name, QLatin1String(button.caption), button.left, 120,
                                          button.width, 420);
        connect(made, &QPushButton::clicked, this, button.handler);
        if (button.needsPeople)
            circleCommands_.append(made);
    }
    QPushButton* exit = ui::addButton(this, "cmdExit", QStringLiteral("E&xit"), 11280, 120, 1320, 420);
    connect(exit, &QPushButton::clicked, this, &CalculatorWindow::closeWindow);
}

void CircleWindow::createPeoplePage(QWidget* page)
{
    QLabel* listCaption = ui::addLabel(page, "lblPeople", QStringLiteral("The circle"), 120, 180);
    lstPeople_ = new QListWidget(page);
    lstPeople_->setObjectName(QStringLiteral("lstPeople"));
    lstPeople_->setGeometry(ui::twipsRect(120, 480, 6000, 6660));
    ui::labelInput(listCaption, lstPeople_);
    connect(lstPeople_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showPersonInForm(static_cast<std::size_t>(row));
    });

    QGroupBox* frame = ui::addFrame(page, "fraPerson", QStringLiteral("A person of the circle"), 6360, 120, 5880, 2460);
    form_ = kit::PersonEntry(frame, kFormLayout, kit::Person::Partner, kit::NameForm::Trimmed);
    form_.nameBox()->setMaxLength(static_cast<int>(kit::kMaxNameLength));
    form_.nameBox()->setAccessibleName(QStringLiteral("Name"));
    const struct {
        kit::DatePart part;
        const char* name;
    } dateNames[] = {{kit::DatePart::Day, "Birth day of the month"},
                     {kit::DatePart::Month, "Birth month"},
                     {kit::DatePart::Year, "Birth year"}};
    for (const auto& [part, name] : dateNames)
        form_.list(part)->setAccessibleName(QLatin1String(name));
    QStringList bloodTypes{kNotKnown};
    for (const std::string_view bloodType : bloodtype::kBloodTypes)
        bloodTypes.append(ui::toQString(bloodType));
    cboBloodType_ = form_.addChoice(kBloodTypeLayout, bloodTypes);
    cboBloodType_->setAccessibleName(QStringLiteral("Blood type"));

    using Self = CircleWindow;
    const struct {
        const char* name;
        const char* caption;
        int left;
        void (Self::*handler)();
    } buttons[] = {
        {"cmdAdd", "A&dd", 240, &Self::cmdAdd_Click},
        {"cmdChange", "C&hange", 1680, &Self::cmdChange_Click},
        {"cmdRemove", "&Remove", 3120, &Self::cmdRemove_Click},
    };
    for (const auto& button : buttons) {
        QPushButton* made =
            ui::addButton(frame, button.name, QLatin1String(button.caption), button.left, 1800, 1320, 375);
        connect(made, &QPushButton::clicked, this, button.handler);
    }

    QLabel* notReadCaption = ui::addLabel(page, "lblNotRead", QStringLiteral("Cards not read"), 6360, 2760);
    lstNotRead_ = new QListWidget(page);
    lstNotRead_->setObjectName(QStringLiteral("lstNotRead"));
    lstNotRead_->setGeometry(ui::twipsRect(6360, 3060, 5880, 4080));
    ui::labelInput(notReadCaption, lstNotRead_);
}

void CircleWindow::createRankingPage(QWidget* page)
{
    QLabel* sortCaption = ui::addLabel(page, "lblSortBy", QStringLiteral("Sort by"), 120, 180);
    cboSortBy_ = ui::addList(page, "cboSortBy", 1080, 120, 2640, 315);
    ui::labelInput(sortCaption, cboSortBy_);
    for (int column = RankingModel::Overall; column >= RankingModel::Name; --column)
        cboSortBy_->addItem(RankingModel::heading(column), column);

    ranking_ = new RankingModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(ranking_);
    sorted_->setSortRole(RankingModel::ScoreRole);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);

    tblRanking_ = new QTableView(page);
    tblRanking_->setObjectName(QStringLiteral("tblRanking"));
    tblRanking_->setAccessibleName(QStringLiteral("Ranking"));
    tblRanking_->setGeometry(ui::twipsRect(120, 540, 12120, 6600));
    tblRanking_->setModel(sorted_);
    tblRanking_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRanking_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblRanking_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrows move within the ranking, Tab on to the next control.
    tblRanking_->setTabKeyNavigation(false);
    // Each rating in the calculator's own words, wrapped within its column;
    // the longest, the Egyptian verdict both ways, takes four lines.
    constexpr int kRowLines = 4;
    tblRanking_->setWordWrap(true);
    tblRanking_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblRanking_->verticalHeader()->setDefaultSectionSize(kRowLines * tblRanking_->fontMetrics().lineSpacing() + 8);
    tblRanking_->setSortingEnabled(true);
    tblRanking_->verticalHeader()->hide();
    tblRanking_->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < RankingModel::ColumnCount; ++column)
        tblRanking_->setColumnWidth(column, ui::twipsToPixels(kRankingColumnWidths[static_cast<std::size_t>(column)]));

    // The list sorts by a column from the keyboard as the headings do with
    // the mouse: names from A, ratings from the best.
    const auto sortBy = [this] {
        const int column = cboSortBy_->currentData().toInt();
        tblRanking_->sortByColumn(column, column == RankingModel::Name ? Qt::AscendingOrder : Qt::DescendingOrder);
    };
    connect(cboSortBy_, &QComboBox::currentIndexChanged, this, sortBy);
    sortBy();
    // Enter or a double click on a row reads the user with that person.
    connect(tblRanking_, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (const std::optional<std::size_t> user = you())
            openPair(*user, index.data(RankingModel::PersonRole).toULongLong());
    });
}

void CircleWindow::createPicturePage(QWidget* page)
{
    QLabel* systemCaption = ui::addLabel(page, "lblSystem", QStringLiteral("Show"), 120, 180);
    cboSystem_ = ui::addList(page, "cboSystem", 1080, 120, 2640, 315);
    ui::labelInput(systemCaption, cboSystem_);
    cboSystem_->setAccessibleName(QStringLiteral("Show the ratings of"));
    cboSystem_->addItem(systemHeading(std::nullopt));
    for (const System system : kSystems)
        cboSystem_->addItem(systemHeading(system));
    connect(cboSystem_, &QComboBox::currentIndexChanged, this, &CircleWindow::showPicture);

    // The key beside the list, at the size its ramp, ticks and no-rating
    // swatch take in the desktop's font.
    auto* legend = new HeatMapLegend(scoreText(kNoScore), page);
    legend->setObjectName(QStringLiteral("picLegend"));
    legend->setGeometry(QRect(QPoint(ui::twipsToPixels(3960), ui::twipsToPixels(60)), legend->sizeHint()));

    picture_ = new HeatMap(page);
    picture_->setObjectName(QStringLiteral("picCircle"));
    picture_->setGeometry(ui::twipsRect(120, 900, 7920, 6240));
    connect(picture_, &HeatMap::cellActivated, this, [this](int row, int column) {
        openPair(static_cast<std::size_t>(row), static_cast<std::size_t>(column));
    });

    // The picture in words, read only, as text a screen reader reads line by
    // line; on the page's own background, as a caption of the picture.
    txtSummary_ = ui::addMultiLineBox(page, "txtSummary", 8160, 900, 4080, 6240);
    txtSummary_->setReadOnly(true);
    txtSummary_->setFrameShape(QFrame::NoFrame);
    txtSummary_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtSummary_->viewport()->setAutoFillBackground(false);
    txtSummary_->setAccessibleName(QStringLiteral("Summary of the picture"));
}

void CircleWindow::createMenus()
{
    using Self = CircleWindow;
    QMenu* file = createFileMenu();
    addMenuItem(file, QStringLiteral("&Open..."), "mnuOpen", &Self::cmdOpen_Click);
    circleMenuItems_ = {
        addMenuItem(file, QStringLiteral("Save &As..."), "mnuSaveAs", &Self::cmdSaveAs_Click),
        addMenuItem(file, QStringLiteral("&Print..."), "mnuPrint", &Self::cmdPrint_Click),
        addMenuItem(file, QStringLiteral("Save As P&DF..."), "mnuSavePdf", &Self::cmdSavePdf_Click),
    };
    file->addSeparator();
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file);
}

void CircleWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    form_.fillDateLists(kFirstYear, kLastYear);
    QComboBox* years = form_.list(kit::DatePart::Year);
    years->insertItem(0, kNotKnown);
    years->setCurrentIndex(0);
    circleChanged(std::nullopt);
}

void CircleWindow::cmdOpen_Click()
{
    const std::optional<QString> path =
        platform().getOpenFileName(this, {kVCardFilter, QStringLiteral("vcf"), QString(ui::kApplicationTitle)});
    if (!path)
        return;
    const QFileInfo file(*path);
    if (file.size() > static_cast<qint64>(kMaxFileOctets)) {
        platform().showMessage(this, ui::toQString(fileProblemText(FileProblem::TooLarge)), ui::MessageIcon::Error);
        return;
    }
    QFile input(*path);
    if (!input.open(QIODevice::ReadOnly)) {
        platform().showMessage(this,
                               QStringLiteral("The file %1 could not be read: %2.").arg(*path, input.errorString()),
                               ui::MessageIcon::Error);
        return;
    }
    const QByteArray bytes = input.read(static_cast<qint64>(kMaxFileOctets) + 1);
    AddressBook book = readAddressBook(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (book.problem != FileProblem::None) {
        platform().showMessage(this, ui::toQString(fileProblemText(book.problem)), ui::MessageIcon::Error);
        return;
    }
    lblRead_->setText(ui::toQString(book.summary()));
    people_ = std::move(book.people);
    showNotRead(book);
    circleChanged(people_.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void CircleWindow::showNotRead(const AddressBook& book)
{
    lstNotRead_->clear();
    for (const NotReadCard& card : book.notRead)
        lstNotRead_->addItem(ui::toQString(card.label()) + QStringLiteral(": ")
                             + ui::toQString(notReadText(card.reason)));
}

void CircleWindow::cmdSaveAs_Click()
{
    if (people_.empty())
        return;
    const std::optional<QString> path = platform().getSaveFileName(
        this, {kVCardFilter, QStringLiteral("vcf"), QString(ui::kApplicationTitle), QStringLiteral("Circle.vcf")});
    if (path)
        platform().saveFile(this, *path, QByteArray::fromStdString(writeAddressBook(people_)));
}

void CircleWindow::cmdPrint_Click()
{
    if (people_.empty())
        return;
    QTextEdit printable;
    composeDocument(*printable.document());
    if (const std::unique_ptr<QPrinter> printer = platform().choosePrinter(this, false))
        platform().print(printable, *printer);
}

void CircleWindow::cmdSavePdf_Click()
{
    if (people_.empty())
        return;
    const std::optional<QString> path = platform().getSaveFileName(
        this, {kPdfFilter, QStringLiteral("pdf"), QString(ui::kApplicationTitle), QStringLiteral("Circle.pdf")});
    if (!path)
        return;
    QTextDocument document;
    composeDocument(document);
    platform().saveFile(this, *path, kit::documentAsPdf(document, kTitle));
}

std::optional<Person> CircleWindow::personInForm()
{
    if (!form_.hasName() || form_.name().find_first_not_of(u" \t") == std::u16string::npos) {
        platform().showMessage(this, QStringLiteral("Please enter the person's name."), ui::MessageIcon::Information);
        form_.nameBox()->setFocus();
        return std::nullopt;
    }
    QComboBox* years = form_.list(kit::DatePart::Year);
    Person person;
    person.name = form_.name();
    person.birthday = {
        std::chrono::month(static_cast<unsigned>(form_.list(kit::DatePart::Month)->currentIndex() + 1)),
        std::chrono::day(static_cast<unsigned>(form_.list(kit::DatePart::Day)->currentIndex() + 1)),
        years->currentIndex() > 0 ? std::optional(std::chrono::year(years->currentText().toInt())) : std::nullopt};
    if (!DateOf(person.birthday).ok()) {
        platform().showMessage(this, QStringLiteral("Please choose a day that the month has."),
                               ui::MessageIcon::Information);
        form_.list(kit::DatePart::Day)->setFocus();
        return std::nullopt;
    }
    if (cboBloodType_->currentIndex() > 0)
        person.bloodType = cboBloodType_->currentIndex() - 1;
    return person;
}

void CircleWindow::cmdAdd_Click()
{
    if (std::optional<Person> person = personInForm()) {
        people_.push_back(std::move(*person));
        clearForm();
        circleChanged(std::nullopt);
    }
}

void CircleWindow::clearForm()
{
    // Ready for the next person, with nothing of the last one carried over
    // and no one chosen in the list for Change or Remove. The name box takes
    // the focus first, so that a screen reader hears it move there before
    // the form's texts change.
    form_.nameBox()->setFocus(Qt::OtherFocusReason);
    form_.showEntries(QString(), ui::toQString(kit::MonthName(std::chrono::January)), QStringLiteral("1"), kNotKnown);
    cboBloodType_->setCurrentIndex(0);
}

void CircleWindow::cmdChange_Click()
{
    const std::optional<std::size_t> chosen = personChosenTo(QStringLiteral("change"));
    if (!chosen)
        return;
    if (std::optional<Person> person = personInForm()) {
        // What the suite does not use of the person's card stays as read.
        person->keptProperties = std::move(people_[*chosen].keptProperties);
        people_[*chosen] = std::move(*person);
        circleChanged(chosen);
    }
}

void CircleWindow::cmdRemove_Click()
{
    const std::optional<std::size_t> chosen = personChosenTo(QStringLiteral("remove"));
    if (!chosen)
        return;
    people_.erase(people_.begin() + static_cast<std::ptrdiff_t>(*chosen));
    circleChanged(people_.empty() ? std::nullopt : std::optional(std::min(*chosen, people_.size() - 1)));
}

void CircleWindow::showPersonInForm(std::size_t index)
{
    const Person& person = people_[index];
    const Birthday& birthday = person.birthday;
    form_.showEntries(ui::toQString(person.name), ui::toQString(kit::MonthName(birthday.month)),
                      QString::number(static_cast<unsigned>(birthday.day)),
                      birthday.year ? QString::number(static_cast<int>(*birthday.year)) : kNotKnown);
    cboBloodType_->setCurrentIndex(person.bloodType ? *person.bloodType + 1 : 0);
}

std::optional<std::size_t> CircleWindow::you() const
{
    const int index = cboYou_->currentIndex();
    return index < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(index));
}

std::optional<std::size_t> CircleWindow::personChosenTo(const QString& action)
{
    const int row = lstPeople_->currentRow();
    if (row >= 0 && static_cast<std::size_t>(row) < people_.size())
        return static_cast<std::size_t>(row);
    platform().showMessage(this, QStringLiteral("Please choose the person to %1 in the circle's list.").arg(action),
                           ui::MessageIcon::Information);
    return std::nullopt;
}

void CircleWindow::circleChanged(std::optional<std::size_t> chosen)
{
    const std::optional<std::size_t> user = you();
    ratings_ = std::make_unique<CircleRatings>(people_);

    const QSignalBlocker quietPeople(lstPeople_);
    const QSignalBlocker quietYou(cboYou_);
    lstPeople_->clear();
    cboYou_->clear();
    for (const Person& person : people_) {
        lstPeople_->addItem(personLine(person));
        cboYou_->addItem(ui::toQString(person.name));
    }
    if (!people_.empty())
        cboYou_->setCurrentIndex(static_cast<int>(std::min(user.value_or(0), people_.size() - 1)));
    if (chosen)
        lstPeople_->setCurrentRow(static_cast<int>(*chosen));
    // Saving and printing need someone in the circle.
    for (QWidget* command : circleCommands_)
        command->setEnabled(!people_.empty());
    for (QAction* item : circleMenuItems_)
        item->setEnabled(!people_.empty());
    showRanking();
    showPicture();
}

void CircleWindow::showRanking()
{
    ranking_->showRanking(&people_, ratings_.get(), you());
}

void CircleWindow::showPicture()
{
    const std::optional<System> system = pictureSystem(cboSystem_->currentIndex());
    QStringList names;
    for (const Person& person : people_)
        names.append(ui::toQString(person.name));
    picture_->setAccessibleName(systemHeading(system) + QStringLiteral(" ratings of every pair"));
    picture_->setPeople(names, ratings_->matrix(system), [this](int row, int column) {
        // The heat map names the pair before these lines.
        const auto user = static_cast<std::size_t>(row);
        const auto partner = static_cast<std::size_t>(column);
        QStringList lines;
        for (const System system : kSystems)
            lines.append(systemHeading(system) + QStringLiteral(": ") + ratingText(*ratings_, system, user, partner));
        lines.append(QStringLiteral("Overall: ") + scoreText(ratings_->overall(user, partner)));
        return lines.join(QLatin1Char('\n'));
    });
    txtSummary_->setPlainText(pictureSummary());
}

QString CircleWindow::pictureSummary() const
{
    const std::optional<System> system = pictureSystem(cboSystem_->currentIndex());
    const std::size_t n = people_.size();
    if (n < 2)
        return QStringLiteral("The picture needs at least two people in the circle.");
    const auto scoreOf = [&](std::size_t a, std::size_t b) { return ratings_->score(system, a, b); };
    struct Pair {
        std::size_t a = 0, b = 0;
        int score = -1;
    };
    Pair best;
    Pair weakest{0, 0, kHighestScore + 1};
    std::size_t unrated = 0;
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            if (a == b)
                continue;
            const std::uint8_t score = scoreOf(a, b);
            if (score == kNoScore) {
                ++unrated;
                continue;
            }
            if (score > best.score)
                best = {a, b, score};
            if (score < weakest.score)
                weakest = {a, b, score};
        }
    }
    const auto name = [this](std::size_t person) { return ui::toQString(people_[person].name); };
    QString summary = QStringLiteral("%1 ratings of the %2 people of the circle, a row for each person and a column "
                                     "for each partner, from dark for 0% to light for 100%.")
                          .arg(systemHeading(system))
                          .arg(n);
    if (best.score < 0)
        return summary + QStringLiteral(" No pair can be rated.");
    summary += QStringLiteral(" The best rated pair: %1 with %2, %3. The weakest: %4 with %5, %6.")
                   .arg(name(best.a), name(best.b), scoreText(static_cast<std::uint8_t>(best.score)), name(weakest.a),
                        name(weakest.b), scoreText(static_cast<std::uint8_t>(weakest.score)));
    if (const std::optional<std::size_t> user = you()) {
        std::optional<std::size_t> match;
        for (std::size_t partner = 0; partner < n; ++partner) {
            const std::uint8_t score = scoreOf(*user, partner);
            if (score != kNoScore && (!match || score > scoreOf(*user, *match)))
                match = partner;
        }
        if (match)
            summary += QStringLiteral(" Your best match: %1, %2.").arg(name(*match), scoreText(scoreOf(*user, *match)));
    }
    if (unrated > 0)
        summary += QStringLiteral(" %1 of the %2 ordered pairs cannot be rated.").arg(unrated).arg(n * (n - 1));
    if (!system)
        summary += QStringLiteral(" The overall rating is the mean of the systems that rate the pair.");
    return summary;
}

void CircleWindow::composeDocument(QTextDocument& document) const
{
    QTextCursor cursor(&document);
    QTextCharFormat title;
    title.setFont(ui::verdana(15.75, true));
    QTextCharFormat heading;
    heading.setFont(ui::verdana(12, true));
    QTextCharFormat plain;
    plain.setFont(ui::verdana(9.75));
    // The table in a smaller size, so that six columns fit the page's width.
    QTextCharFormat cell;
    cell.setFont(ui::verdana(8.25));
    QTextCharFormat columnHeading;
    columnHeading.setFont(ui::verdana(8.25, true));

    cursor.insertText(kTitle, title);
    cursor.insertBlock();
    if (const std::optional<std::size_t> user = you())
        cursor.insertText(QStringLiteral("You are %1.").arg(ui::toQString(people_[*user].name)), plain);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Ranking"), heading);
    cursor.insertBlock();
    const int rows = sorted_->rowCount();
    QTextTableFormat tableFormat;
    tableFormat.setCellPadding(3);
    tableFormat.setBorder(0.5);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> columnWidths;
    for (const int percent : kPrintedColumnPercents)
        columnWidths.append(QTextLength(QTextLength::PercentageLength, percent));
    tableFormat.setColumnWidthConstraints(columnWidths);
    QTextTable* table = cursor.insertTable(rows + 1, RankingModel::ColumnCount, tableFormat);
    for (int column = 0; column < RankingModel::ColumnCount; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(RankingModel::heading(column), columnHeading);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < RankingModel::ColumnCount; ++column)
            table->cellAt(row + 1, column)
                .firstCursorPosition()
                .insertText(sorted_->index(row, column).data().toString(), cell);
    }
    cursor.movePosition(QTextCursor::End);
    // The picture, its key and its summary on a page of their own.
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    const std::optional<System> system = pictureSystem(cboSystem_->currentIndex());
    cursor.insertText(QStringLiteral("Picture: ") + systemHeading(system), heading);
    cursor.insertBlock(QTextBlockFormat());
    QStringList names;
    for (const Person& person : people_)
        names.append(ui::toQString(person.name));
    const QImage image = printedPicture(ratings_->matrix(system), names);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("circle-picture")), image);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("circle-picture"));
    constexpr double kPrintedSide = 420;
    picture.setWidth(kPrintedSide);
    picture.setHeight(kPrintedSide * image.height() / std::max(1, image.width()));
    cursor.insertImage(picture);
    cursor.insertBlock(QTextBlockFormat());
    const QImage key = printedKey();
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("circle-key")), key);
    QTextImageFormat keyFormat;
    keyFormat.setName(QStringLiteral("circle-key"));
    keyFormat.setWidth(key.width() / key.devicePixelRatio());
    keyFormat.setHeight(key.height() / key.devicePixelRatio());
    cursor.insertImage(keyFormat);
    cursor.insertBlock();
    cursor.insertText(pictureSummary(), plain);
}

void CircleWindow::openPair(std::size_t user, std::size_t partner)
{
    if (user >= people_.size() || partner >= people_.size() || user == partner)
        return;
    const auto entries = [this](std::size_t index) {
        const Person& person = people_[index];
        return complete::ReadingWindow::Entries{person.name, person.birthday.month, person.birthday.day,
                                                person.birthday.year,
                                                person.bloodType.value_or(complete::kNoBloodType)};
    };
    auto& reading = host().freshInstance<complete::ReadingWindow>();
    reading.returnsTo(kWindowName);
    handOverTo(reading);
    reading.enterAndRead(entries(user), entries(partner));
}

} // namespace velmora::circle
