#pragma once

#include "circle/Ratings.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QColor;
class QHelpEvent;
class QPainter;

// The circle's picture: every pair of its people as a cell of a heat map,
// coloured by the pair's rating, and the legend that says what the colours
// mean.
namespace velmora::circle {

// The colour of a rating (0 to kHighestScore; kNoScore for a pair the
// system cannot rate and for the diagonal, which is no pair at all): viridis, a sequential palette that runs from dark
// purple (0%) through blue, teal and green to yellow (100%), lighter as the
// rating rises, and reads so under each common kind of colour blindness. Any
// other value gives the no-rating colour, a light grey that no rating's colour
// comes near under those kinds of vision either; the heat map and the legend
// draw darker grey diagonal lines over it where a cell has room for them.
QColor scoreColour(std::uint8_t score);
inline constexpr unsigned kNoScoreRgb = 0xF0F0F0;
inline constexpr unsigned kNoScoreHatchRgb = 0x8C8C8C;

// An n x n grid of cells for n people: the cell in row r and column c is the
// pair of person r with person c, its colour their rating. The people's names
// run down the left and up across the top; where the cells are smaller than a
// line of text, every k-th name is shown with a tick at its cell, and the
// current row's and column's names always, highlighted. The cells keep their
// colours under any desktop palette; the names and the background follow it.
//
// Cells fill the view when the whole grid fits at a few pixels a cell;
// otherwise the grid scrolls. Ctrl with the wheel, Ctrl++, Ctrl+- zoom, and
// Ctrl+0 fits the grid to the view again.
//
// Keys: the arrows move the current cell, Home and End to the first and last
// cell of its row, Ctrl+Home and Ctrl+End to the grid's first and last cell,
// PageUp and PageDown by a view's height of rows; Enter opens the current
// cell. A click makes a cell current; a double click opens it, or a single
// click where the desktop is set to open items by a single click, as in the
// desktop's lists and tables: a click can then pick a cell, or just look at
// it, without opening a window.
//
// Hovering a cell shows its text (cellText) as a tooltip. Screen readers meet
// the heat map as a chart named by its accessible name (set by its maker) and
// described by the current cell's text; each cell the current cell moves to
// then takes the focus as an item of the chart named by its text, so that it
// is spoken at once: Orca says "Western ratings chart. Ann with Bob: ..." as
// the focus arrives, then "Ann with Cleo: ..." at a move to the right.
class HeatMap : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit HeatMap(QWidget* parent = nullptr);
    ~HeatMap() override;

    // The people in the order of rows and columns, their ratings row by row
    // (n * n values; missing ones count as kNoScore) and the text of a pair's
    // ratings, which the heat map asks only for pairs of two people. The
    // current cell moves to the first pair and the grid fits the view again,
    // except for as many people as before (another system's ratings of the
    // same circle, say), where the current cell, zoom and scroll stay.
    void setPeople(QStringList names, std::vector<std::uint8_t> scores,
                   std::function<QString(int row, int column)> describe);

    int count() const { return static_cast<int>(names_.size()); }
    // -1 for both while the heat map has nobody.
    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    // Moves to a cell of the grid and shows it; a cell outside it is ignored.
    void setCurrentCell(int row, int column);

    // What a cell says to the eye and the ear: "Ann with Bob: " and the
    // pair's ratings, or "Ann, the same person: no pair" on the diagonal.
    QString cellText(int row, int column) const;
    // Where a cell lies in the viewport, in its current zoom and scroll.
    QRect cellRect(int row, int column) const;
    // The side of a cell in the viewport's pixels.
    int cellSize() const { return cellSize_; }

signals:
    void currentCellChanged(int row, int column);
    void cellActivated(int row, int column);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QSize viewportSizeHint() const override;

private:
    struct Cell {
        int row = -1;
        int column = -1;
        bool valid() const { return row >= 0; }
    };

    std::uint8_t score(int row, int column) const;
    QRect gridArea() const;
    QPoint gridOrigin() const;
    // The cells in view: columns across, rows down.
    QRect visibleCells() const;
    Cell cellAt(QPoint viewportPoint) const;
    void measureNames();
    void layOut();
    void fitToView();
    void zoomBy(int direction, QPoint anchor);
    void ensureCurrentVisible();
    void moveCurrentBy(int rows, int columns);
    void tellCurrentCell();
    void showToolTip(const QHelpEvent& event);
    void paintNoScoreHatch(QPainter& painter, QRect cells) const;
    void paintCurrentFrame(QPainter& painter) const;
    void paintRowNames(QPainter& painter, QRect cells) const;
    void paintColumnNames(QPainter& painter, QRect cells) const;
    // Every k-th name, so that names a line of text apart do not overlap.
    int nameStride() const;
    bool opensOnSingleClick() const;

    QStringList names_;
    QStringList shownNames_; // elided to the axes' width
    std::vector<std::uint8_t> scores_;
    std::function<QString(int, int)> describe_;
    // One pixel a cell, made when the ratings arrive and drawn scaled.
    QImage cells_;
    int currentRow_ = -1;
    int currentColumn_ = -1;
    int cellSize_ = 0;
    bool fitted_ = true; // the cell size follows the view until the user zooms
    int axisExtent_ = 0; // the names' room, left and top, gap included
    Cell pressed_;
};

// The key to the heat map's colours: the ramp from 0% to 100% with ticks
// every 25%, and a swatch of the no-rating colour with its caption. Its text
// follows the desktop palette. Screen readers hear it as a colour key whose
// description says, in words, which colour means what.
class HeatMapLegend : public QWidget {
    Q_OBJECT

public:
    explicit HeatMapLegend(QString noScoreCaption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect rampRect() const;
    QRect swatchRect() const;

    QString noScoreCaption_;
};

} // namespace velmora::circle
