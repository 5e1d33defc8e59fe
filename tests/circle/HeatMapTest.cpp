#include "circle/HeatMap.h"
#include "ui/Contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace velmora;
using circle::HeatMap;
using circle::kNoScore;

namespace {

// ---- The palette, as people with each kind of colour vision see it -------

// Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", at severity 1.0: matrices on linear
// sRGB.
struct Vision {
    const char* name;
    double matrix[3][3];
};
constexpr Vision kVisions[] = {
    {"normal vision", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {"protanopia",
     {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {"deuteranopia",
     {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {"tritanopia",
     {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
};

struct Lab {
    double lightness, a, b;
};

// CIELAB (D65) of the colour as someone with `vision` sees it.
Lab seenAs(const QColor& colour, const Vision& vision)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const double rgb[3] = {linear(colour.red()), linear(colour.green()), linear(colour.blue())};
    double seen[3];
    for (int row = 0; row < 3; ++row) {
        const double* weights = vision.matrix[row];
        seen[row] = std::clamp(weights[0] * rgb[0] + weights[1] * rgb[1] + weights[2] * rgb[2], 0.0, 1.0);
    }
    const double x = (0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047;
    const double y = 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
    const double z = (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// CIE 1976 colour difference; about 2.3 is the least difference people notice.
double difference(const Lab& first, const Lab& second)
{
    return std::hypot(first.lightness - second.lightness, first.a - second.a, first.b - second.b);
}

QColor colourOf(int score)
{
    return circle::scoreColour(static_cast<std::uint8_t>(score));
}

TEST(ScoreColour, IsViridisAsPublished)
{
    // Viridis at every tenth of its range, as its authors' R package lists
    // it (viridis(11)).
    const char* const published[] = {"#440154", "#482576", "#414487", "#35608d", "#2a788e", "#21908c",
                                     "#22a884", "#43bf71", "#7ad151", "#bbdf27", "#fde725"};
    for (int tenth = 0; tenth <= 10; ++tenth) {
        const QColor colour = colourOf(tenth * 10);
        const QColor expected(QString::fromLatin1(published[tenth]));
        EXPECT_LE(std::abs(colour.red() - expected.red()), 2) << tenth * 10;
        EXPECT_LE(std::abs(colour.green() - expected.green()), 2) << tenth * 10;
        EXPECT_LE(std::abs(colour.blue() - expected.blue()), 2) << tenth * 10;
    }
}

// A sequential palette is read by lightness: each point higher is lighter,
// and ten points apart are plainly different, for every kind of vision.
TEST(ScoreColour, RisesInLightnessAndStepsApartForEveryKindOfVision)
{
    for (const Vision& vision : kVisions) {
        for (int score = 0; score < circle::kHighestScore; ++score) {
            EXPECT_GT(seenAs(colourOf(score + 1), vision).lightness, seenAs(colourOf(score), vision).lightness)
                << vision.name << ", " << score;
        }
        for (int score = 0; score + 10 <= circle::kHighestScore; ++score) {
            EXPECT_GE(difference(seenAs(colourOf(score), vision), seenAs(colourOf(score + 10), vision)), 5.0)
                << vision.name << ", " << score << " and " << score + 10;
        }
    }
}

TEST(ScoreColour, GivesEveryOtherValueTheNoRatingColourWhichNoRatingComesNear)
{
    const QColor noRating = colourOf(kNoScore);
    EXPECT_EQ(noRating, QColor::fromRgb(circle::kNoScoreRgb));
    for (int value : {101, 150, 254})
        EXPECT_EQ(colourOf(value), noRating) << value;
    for (const Vision& vision : kVisions) {
        for (int score = 0; score <= circle::kHighestScore; ++score) {
            EXPECT_GE(difference(seenAs(colourOf(score), vision), seenAs(noRating, vision)), 12.0)
                << vision.name << ", " << score;
        }
    }
}

// ---- The heat map ------------------------------------------------------

// Every pair rated (7r + 3c) mod 101, the diagonal unrated, and each pair
// described by its row and column.
std::vector<std::uint8_t> patternScores(int people)
{
    std::vector<std::uint8_t> scores(std::size_t(people) * std::size_t(people));
    for (int row = 0; row < people; ++row)
        for (int column = 0; column < people; ++column)
            scores[std::size_t(row) * std::size_t(people) + std::size_t(column)] =
                row == column ? kNoScore : std::uint8_t((7 * row + 3 * column) % 101);
    return scores;
}

QString describeByPlace(int row, int column)
{
    return QStringLiteral("rated %1,%2").arg(row).arg(column);
}

QStringList numberedPeople(int people)
{
    QStringList names;
    for (int i = 0; i < people; ++i)
        names.append(QStringLiteral("Person %1").arg(i));
    return names;
}

class HeatMapTest : public ::testing::Test {
protected:
    HeatMapTest()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        map = new HeatMap;
        map->setObjectName(QStringLiteral("circleHeatMap"));
        map->setAccessibleName(QStringLiteral("Western ratings"));
        layout->addWidget(map);
    }

    void showPeople(const QStringList& names, std::vector<std::uint8_t> scores, QSize size = {600, 600})
    {
        map->setPeople(names, std::move(scores), describeByPlace);
        window.resize(size);
        window.show();
        QApplication::processEvents();
    }
    void showNumbered(int people, QSize size = {600, 600})
    {
        showPeople(numberedPeople(people), patternScores(people), size);
    }

    QImage picture() const { return map->viewport()->grab().toImage(); }
    QColor pixel(QPoint point) const { return picture().pixelColor(point); }

    void focus()
    {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        map->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(map->hasFocus());
    }

    QWidget window;
    HeatMap* map = nullptr;
};

TEST_F(HeatMapTest, DrawsEachCellInItsRatingsColourAndUnratedOnesHatched)
{
    const std::vector<std::uint8_t> scores = {kNoScore, 10, 20, 30, kNoScore, 100, 0, kNoScore, kNoScore};
    showPeople({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cleo")}, scores);
    ASSERT_GE(map->cellSize(), 16);
    const QImage image = picture();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const std::uint8_t score = scores[std::size_t(row * 3 + column)];
            const QRect cell = map->cellRect(row, column);
            if (score != kNoScore) {
                EXPECT_EQ(image.pixelColor(cell.center()), colourOf(score)) << row << "," << column;
                continue;
            }
            // Light grey with darker grey lines, and nothing else, inside
            // the current cell's frame that may reach into it.
            int grey = 0;
            int lines = 0;
            const QRect inside = cell.adjusted(3, 3, -3, -3);
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
                    grey += rgb == circle::kNoScoreRgb;
                    lines += rgb == circle::kNoScoreHatchRgb;
                }
            }
            const int area = inside.width() * inside.height();
            EXPECT_GT(grey, area / 2) << row << "," << column;
            EXPECT_GT(lines, inside.width()) << row << "," << column;
            EXPECT_EQ(grey + lines, area) << row << "," << column;
        }
    }
}

// The current cell keeps its colour inside a black frame edged in white, which
// shows against any colour around it.
TEST_F(HeatMapTest, FramesTheCurrentCell)
{
    showNumbered(4);
    map->setCurrentCell(2, 1);
    const QImage image = picture();
    const QRect cell = map->cellRect(2, 1);
    EXPECT_EQ(image.pixelColor(cell.center()), colourOf((7 * 2 + 3 * 1) % 101));
    EXPECT_EQ(image.pixelColor(cell.left() - 1, cell.center().y()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.center().x(), cell.bottom() + 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.right() + 3, cell.center().y()), QColor(Qt::white));
}

// A thousand people: the grid scrolls at the smallest cells, and the cells in
// view after a move to the far corner are those of the far corner, in their
// colours, unrated ones in plain grey where lines have no room.
TEST_F(HeatMapTest, ShowsTheRightCellsOfALargeGridWhereverItScrolls)
{
    showNumbered(1000, {900, 700});
    EXPECT_GT(map->horizontalScrollBar()->maximum(), 0);
    map->setCurrentCell(999, 999);
    const QImage image = picture();
    const struct {
        int row, column;
    } cells[] = {{999, 999}, {999, 990}, {990, 999}, {995, 995}, {996, 950}, {980, 997}};
    for (const auto& cell : cells) {
        const QPoint middle = map->cellRect(cell.row, cell.column).center();
        ASSERT_TRUE(image.rect().contains(middle)) << cell.row << "," << cell.column;
        const QColor expected =
            cell.row == cell.column ? colourOf(kNoScore) : colourOf((7 * cell.row + 3 * cell.column) % 101);
        EXPECT_EQ(image.pixelColor(middle), expected) << cell.row << "," << cell.column;
    }
}

TEST_F(HeatMapTest, FitsTheWholeGridInViewWhenItCanAndNeverShrinksCellsBelowAFewPixels)
{
    const struct {
        int people;
        QSize size;
        bool whole;
    } cases[] = {
        {2, {600, 600}, true},
        {12, {600, 600}, true},
        {150, {600, 600}, true},
        {1000, {900, 700}, false},
    };
    for (const auto& row : cases) {
        showNumbered(row.people, row.size);
        const QRect view = map->viewport()->rect();
        const int last = row.people - 1;
        const bool whole = view.contains(map->cellRect(0, 0)) && view.contains(map->cellRect(last, last));
        EXPECT_EQ(whole, row.whole) << row.people;
        EXPECT_GE(map->cellSize(), 3) << row.people;
        EXPECT_EQ(map->horizontalScrollBar()->maximum() > 0, !row.whole) << row.people;
    }
}

TEST_F(HeatMapTest, ZoomsByKeysAndWheelWithinItsBoundsAndFitsAgain)
{
    showNumbered(1000, {900, 700});
    const int fitted = map->cellSize();
    QTest::keyClick(map, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(map->cellSize(), fitted);
    QTest::keyClick(map, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(map->cellSize(), fitted);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(map, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(map->cellSize(), fitted); // already the smallest
    const QPoint middle = map->viewport()->rect().center();
    QWheelEvent wheel(middle, map->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(map->viewport(), &wheel);
    EXPECT_GT(map->cellSize(), fitted);
}

TEST_F(HeatMapTest, MovesByKeysWithinTheGrid)
{
    const struct {
        const char* name;
        int startRow, startColumn;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row, column;
    } cases[] = {
        {"right", 2, 2, Qt::Key_Right, {}, 2, 3},
        {"left", 2, 2, Qt::Key_Left, {}, 2, 1},
        {"up", 2, 2, Qt::Key_Up, {}, 1, 2},
        {"down", 2, 2, Qt::Key_Down, {}, 3, 2},
        {"home: the row's first", 2, 3, Qt::Key_Home, {}, 2, 0},
        {"end: the row's last", 2, 3, Qt::Key_End, {}, 2, 4},
        {"ctrl+home: the first", 2, 3, Qt::Key_Home, Qt::ControlModifier, 0, 0},
        {"ctrl+end: the last", 2, 3, Qt::Key_End, Qt::ControlModifier, 4, 4},
        {"page down, to the last row", 1, 3, Qt::Key_PageDown, {}, 4, 3},
        {"page up, to the first row", 3, 1, Qt::Key_PageUp, {}, 0, 1},
        {"left at the left edge", 3, 0, Qt::Key_Left, {}, 3, 0},
        {"right at the right edge", 3, 4, Qt::Key_Right, {}, 3, 4},
        {"up at the top", 0, 2, Qt::Key_Up, {}, 0, 2},
        {"down at the bottom", 4, 2, Qt::Key_Down, {}, 4, 2},
    };
    showNumbered(5);
    for (const auto& row : cases) {
        map->setCurrentCell(row.startRow, row.startColumn);
        QSignalSpy moved(map, &HeatMap::currentCellChanged);
        QTest::keyClick(map, row.key, row.modifiers);
        EXPECT_EQ(map->currentRow(), row.row) << row.name;
        EXPECT_EQ(map->currentColumn(), row.column) << row.name;
        const bool moves = row.row != row.startRow || row.column != row.startColumn;
        ASSERT_EQ(moved.count(), moves ? 1 : 0) << row.name;
        if (moves) {
            EXPECT_EQ(moved.front(), (QList<QVariant>{row.row, row.column})) << row.name;
        }
    }
}

TEST_F(HeatMapTest, PagesByAViewOfRowsAndKeepsTheCurrentCellInView)
{
    showNumbered(1000, {900, 700});
    map->setCurrentCell(0, 0);
    QTest::keyClick(map, Qt::Key_PageDown);
    QTest::keyClick(map, Qt::Key_PageDown);
    const int page = map->currentRow() / 2;
    EXPECT_GT(page, 100);
    EXPECT_LT(page, 1000 / 4);
    EXPECT_TRUE(map->viewport()->rect().contains(map->cellRect(map->currentRow(), 0)));
    map->setCurrentCell(999, 999);
    EXPECT_TRUE(map->viewport()->rect().contains(map->cellRect(999, 999)));
}

TEST_F(HeatMapTest, IgnoresCellsOutsideTheGrid)
{
    showNumbered(3);
    map->setCurrentCell(1, 2);
    for (const QPoint& outside : {QPoint(-1, 0), QPoint(0, 3), QPoint(3, 3), QPoint(0, -1)})
        map->setCurrentCell(outside.x(), outside.y());
    EXPECT_EQ(map->currentRow(), 1);
    EXPECT_EQ(map->currentColumn(), 2);
}

TEST_F(HeatMapTest, OpensACellByEnterOrDoubleClickAndPicksOneByAClick)
{
    const struct {
        const char* name;
        bool doubleClick;
        bool click;
        Qt::Key key;
        int row, column;
        int opened;
    } cases[] = {
        {"return opens the current cell", false, false, Qt::Key_Return, 1, 3, 1},
        {"enter opens the current cell", false, false, Qt::Key_Enter, 1, 3, 1},
        {"a click picks a cell", false, true, Qt::Key_unknown, 3, 2, 0},
        {"a double click opens a cell", true, false, Qt::Key_unknown, 0, 2, 1},
    };
    for (const auto& row : cases) {
        showNumbered(4);
        map->setCurrentCell(1, 3);
        QSignalSpy opened(map, &HeatMap::cellActivated);
        const QPoint place = map->cellRect(row.row, row.column).center();
        if (row.click)
            QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, place);
        else if (row.doubleClick)
            QTest::mouseDClick(map->viewport(), Qt::LeftButton, {}, place);
        else
            QTest::keyClick(map, row.key);
        EXPECT_EQ(map->currentRow(), row.row) << row.name;
        EXPECT_EQ(map->currentColumn(), row.column) << row.name;
        ASSERT_EQ(opened.count(), row.opened) << row.name;
        if (row.opened) {
            EXPECT_EQ(opened.front(), (QList<QVariant>{row.row, row.column})) << row.name;
        }
    }
}

TEST_F(HeatMapTest, AClickOnTheNamesOrBesideTheGridPicksNothing)
{
    showNumbered(3, {600, 600});
    map->setCurrentCell(1, 2);
    const QRect last = map->cellRect(2, 2);
    for (const QPoint& place : {QPoint(2, last.center().y()), QPoint(last.center().x(), 2),
                                QPoint(last.right() + 20, last.center().y())})
        QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, place);
    EXPECT_EQ(map->currentRow(), 1);
    EXPECT_EQ(map->currentColumn(), 2);
}

TEST_F(HeatMapTest, ShowsACellsPairAndRatingsOrAWholeNameOnHover)
{
    const QString longName = QStringLiteral("Maximilian-Alexander von Hohenberg-Schillingsfürst");
    showPeople({QStringLiteral("Ann"), QStringLiteral("<b>Bob</b>"), longName}, patternScores(3));
    const int middleOfLastRow = map->cellRect(2, 0).center().y();
    const struct {
        const char* name;
        QPoint place;
        QString shown;
    } cases[] = {
        {"a pair", map->cellRect(0, 1).center(), QStringLiteral("Ann with &lt;b&gt;Bob&lt;/b&gt;: rated 0,1")},
        {"the other way", map->cellRect(1, 0).center(), QStringLiteral("&lt;b&gt;Bob&lt;/b&gt; with Ann: rated 1,0")},
        {"the diagonal", map->cellRect(0, 0).center(), QStringLiteral("Ann, the same person: no pair")},
        {"a row's name", QPoint(2, middleOfLastRow), longName},
    };
    for (const auto& row : cases) {
        QHelpEvent hover(QEvent::ToolTip, row.place, map->viewport()->mapToGlobal(row.place));
        QApplication::sendEvent(map->viewport(), &hover);
        EXPECT_TRUE(QToolTip::isVisible()) << row.name;
        EXPECT_TRUE(QToolTip::text().contains(row.shown)) << row.name << ": " << QToolTip::text().toStdString();
        QToolTip::hideText();
    }
}

// Another system's ratings of the same people keep the reader's place; a
// new circle starts at its first pair, fitted to the view.
TEST_F(HeatMapTest, KeepsItsPlaceForNewRatingsOfAsManyPeopleAndStartsAgainForOthers)
{
    showNumbered(1000, {900, 700});
    map->setCurrentCell(700, 650);
    QTest::keyClick(map, Qt::Key_Plus, Qt::ControlModifier);
    const int zoomed = map->cellSize();
    const int scrolled = map->verticalScrollBar()->value();
    QSignalSpy moved(map, &HeatMap::currentCellChanged);

    std::vector<std::uint8_t> otherSystem(1000 * 1000, 42);
    map->setPeople(numberedPeople(1000), otherSystem, describeByPlace);
    EXPECT_EQ(map->currentRow(), 700);
    EXPECT_EQ(map->currentColumn(), 650);
    EXPECT_EQ(map->cellSize(), zoomed);
    EXPECT_EQ(map->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(pixel(map->cellRect(697, 646).center()), colourOf(42));

    map->setPeople(numberedPeople(999), patternScores(999), describeByPlace);
    EXPECT_EQ(map->currentRow(), 0);
    EXPECT_EQ(map->currentColumn(), 1);
    EXPECT_EQ(map->cellSize(), 3);
    EXPECT_EQ(map->verticalScrollBar()->value(), 0);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.front(), (QList<QVariant>{0, 1}));
}

TEST_F(HeatMapTest, TakesMissingRatingsAsUnratedAndNobodyAsAnEmptyGrid)
{
    showPeople({QStringLiteral("Ann"), QStringLiteral("Bob")}, {kNoScore, 40});
    EXPECT_EQ(pixel(map->cellRect(0, 1).center()), colourOf(40));
    const QRgb unrated = pixel(map->cellRect(1, 0).center()).rgb() & 0xFFFFFF;
    EXPECT_TRUE(unrated == circle::kNoScoreRgb || unrated == circle::kNoScoreHatchRgb);

    showPeople({}, {});
    EXPECT_EQ(map->currentRow(), -1);
    EXPECT_EQ(map->currentColumn(), -1);
    EXPECT_TRUE(map->cellText(0, 0).isEmpty());
    QTest::keyClick(map, Qt::Key_Right);
    QTest::keyClick(map, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(map->currentRow(), -1);
    EXPECT_FALSE(picture().isNull());
}

// ---- What screen readers are told -------------------------------------

QAccessibleInterface* face(HeatMap* map)
{
    return QAccessible::queryAccessibleInterface(map);
}

TEST_F(HeatMapTest, IsAChartNamedByItsMakerAndDescribedByItsCurrentCell)
{
    showPeople({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cleo")}, patternScores(3));
    EXPECT_EQ(face(map)->role(), QAccessible::Chart);
    EXPECT_EQ(face(map)->text(QAccessible::Name), "Western ratings");
    EXPECT_EQ(face(map)->text(QAccessible::Description), "Ann with Bob: rated 0,1");
    QTest::keyClick(map, Qt::Key_Down);
    EXPECT_EQ(face(map)->text(QAccessible::Description), "Bob, the same person: no pair");
}

// A screen reader speaks an object as the focus reaches it, and not again
// while the focus stays: the heat map tells each cell the current cell moves
// to as a new object, its one child, named by the pair and its ratings, which
// has the focus while the heat map has it. (The focus event that goes with it
// reaches only a running screen reader; tools/accessibility's Orca check
// hears it.)
TEST_F(HeatMapTest, MakesEachNewCurrentCellANewItemThatHasTheFocusWithTheHeatMap)
{
    auto* nameBox = new QLineEdit;
    window.layout()->addWidget(nameBox);
    showPeople({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cleo")}, patternScores(3));
    focus();
    nameBox->setFocus();
    EXPECT_FALSE(face(map)->child(0)->state().focused);
    map->setFocus();
    std::vector<QAccessible::Id> seen;
    const auto expectCurrentCell = [&](const char* name) {
        ASSERT_EQ(face(map)->childCount(), 1) << name;
        QAccessibleInterface* cell = face(map)->child(0);
        EXPECT_EQ(cell->role(), QAccessible::ListItem) << name;
        EXPECT_EQ(cell->text(QAccessible::Name), name);
        EXPECT_TRUE(cell->state().focused) << name;
        EXPECT_EQ(cell->parent(), face(map)) << name;
        EXPECT_EQ(face(map)->indexOfChild(cell), 0) << name;
        const QAccessible::Id id = QAccessible::uniqueId(cell);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), id), 0) << name;
        seen.push_back(id);
    };
    expectCurrentCell("Ann with Bob: rated 0,1");
    QTest::keyClick(map, Qt::Key_Left);
    expectCurrentCell("Ann, the same person: no pair");
    QTest::keyClick(map, Qt::Key_Down);
    expectCurrentCell("Bob with Ann: rated 1,0");
    map->setPeople({QStringLiteral("Dan"), QStringLiteral("Eve")}, {kNoScore, 5, 6, kNoScore}, describeByPlace);
    expectCurrentCell("Dan with Eve: rated 0,1");
    map->setPeople({QStringLiteral("Dan"), QStringLiteral("Eve")}, {kNoScore, 7, 6, kNoScore}, describeByPlace);
    expectCurrentCell("Dan with Eve: rated 0,1"); // the same place, new ratings
}

// ---- Light and dark desktops ------------------------------------------

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

// The strongest contrast any pixel of the area has with the background: the
// text's own colour, where the area holds text.
double textContrast(const QImage& image, const QRect& area, const QColor& background)
{
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, ui::contrastRatio(image.pixelColor(x, y), background));
    return strongest;
}

TEST_F(HeatMapTest, KeepsTheCellsColoursAndReadableNamesUnderLightAndDarkPalettes)
{
    const struct {
        const char* name;
        QPalette palette;
    } cases[] = {{"light", QPalette(QColor(240, 240, 240))}, {"dark", darkPalette()}};
    for (const auto& row : cases) {
        map->setPalette(row.palette);
        showNumbered(4);
        map->setCurrentCell(3, 2);
        const QImage image = picture();
        const QColor background = row.palette.color(QPalette::Base);
        // A cell off the current row and column, whose names are plain.
        const QRect cell = map->cellRect(1, 0);
        EXPECT_EQ(image.pixelColor(cell.center()), colourOf(7)) << row.name;
        // Its row's name, left of it, and its column's, above the grid.
        const QRect rowName(0, cell.top(), cell.left() - 1, cell.height());
        const QRect columnName(cell.left(), 0, cell.width(), map->cellRect(0, 0).top() - 1);
        EXPECT_EQ(image.pixelColor(1, 1), background) << row.name;
        EXPECT_GE(textContrast(image, rowName, background), ui::kReadableContrast) << row.name;
        EXPECT_GE(textContrast(image, columnName, background), ui::kReadableContrast) << row.name;
    }
}

TEST(HeatMapLegend, ShowsEveryRatingsColourInOrderAndTheNoRatingSwatchWithReadableText)
{
    std::vector<QColor> palette;
    for (int score = 0; score <= circle::kHighestScore; ++score)
        palette.push_back(colourOf(score));
    const struct {
        const char* name;
        QPalette palette;
    } cases[] = {{"light", QPalette(QColor(240, 240, 240))}, {"dark", darkPalette()}};
    for (const auto& row : cases) {
        circle::HeatMapLegend legend(QStringLiteral("No rating"));
        legend.setPalette(row.palette);
        legend.resize(legend.sizeHint());
        const QImage image = legend.grab().toImage();
        // Across the ramp's middle: each rating's colour, in order, then the
        // swatch's grey.
        std::vector<QColor> across;
        const int middle = legend.fontMetrics().height() / 2 + 4;
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, middle);
            if (across.empty() || across.back() != colour)
                across.push_back(colour);
        }
        const auto ramp = std::search(across.begin(), across.end(), palette.begin(), palette.end());
        EXPECT_NE(ramp, across.end()) << row.name;
        EXPECT_NE(std::find(ramp, across.end(), colourOf(kNoScore)), across.end()) << row.name;
        // The tick labels under the ramp.
        const QColor background = row.palette.color(QPalette::Window);
        const QRect labels(0, image.height() / 2, image.width() / 2, image.height() / 2);
        EXPECT_GE(textContrast(image, labels, background), ui::kReadableContrast) << row.name;
    }
}

TEST(HeatMapLegend, SaysWhatTheColoursMeanInWords)
{
    const circle::HeatMapLegend legend(QStringLiteral("Not rated"));
    EXPECT_EQ(legend.accessibleName(), "Colour key");
    for (const char* words : {"dark purple at 0%", "yellow at 100%", "the higher the rating", "Not rated: light grey"})
        EXPECT_TRUE(legend.accessibleDescription().contains(QLatin1String(words))) << words;
}

} // namespace
