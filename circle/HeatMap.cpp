#include "circle/HeatMap.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <utility>

namespace velmora::circle {
namespace {

// viridis, by Stéfan van der Walt and Nathaniel Smith (matplotlib's default
// colour map, published under CC0): every 16th entry of its 256-entry table
// (_viridis_data in matplotlib's _cm_listed.py) and the last, as published.
// A rating's colour lies on the straight line between the two entries around
// it, which stays within 2 units of CIELAB of the full table.
struct ViridisEntry {
    int index; // in the 256-entry table
    double red, green, blue;
};
constexpr ViridisEntry kViridis[] = {
    // index  red       green     blue
    {0, 0.267004, 0.004874, 0.329415},
    {16, 0.282327, 0.094955, 0.417331},
    {32, 0.278826, 0.175490, 0.483397},
    {48, 0.258965, 0.251537, 0.524736},
    {64, 0.229739, 0.322361, 0.545706},
    {80, 0.199430, 0.387607, 0.554642},
    {96, 0.172719, 0.448791, 0.557885},
    {112, 0.149039, 0.508051, 0.557250},
    {128, 0.127568, 0.566949, 0.550556},
    {144, 0.120638, 0.625828, 0.533488},
    {160, 0.157851, 0.683765, 0.501686},
    {176, 0.246070, 0.738910, 0.452024},
    {192, 0.369214, 0.788888, 0.382914},
    {208, 0.515992, 0.831158, 0.294279},
    {224, 0.678489, 0.863742, 0.189503},
    {240, 0.845561, 0.887322, 0.099702},
    {255, 0.993248, 0.906157, 0.143936},
};
constexpr int kViridisLast = 255;

constexpr bool entriesRiseFromFirstToLast()
{
    if (std::begin(kViridis)->index != 0 || std::rbegin(kViridis)->index != kViridisLast)
        return false;
    for (std::size_t i = 1; i < std::size(kViridis); ++i)
        if (kViridis[i].index <= kViridis[i - 1].index)
            return false;
    return true;
}
static_assert(entriesRiseFromFirstToLast());

constexpr int toByte(double channel)
{
    return static_cast<int>(channel * 255.0 + 0.5);
}

constexpr QRgb viridisAt(int score)
{
    const double position = score * double(kViridisLast) / kHighestScore;
    std::size_t upper = 1;
    while (kViridis[upper].index < position)
        ++upper;
    const ViridisEntry& a = kViridis[upper - 1];
    const ViridisEntry& b = kViridis[upper];
    const double t = (position - a.index) / (b.index - a.index);
    return qRgb(toByte(a.red + (b.red - a.red) * t), toByte(a.green + (b.green - a.green) * t),
                toByte(a.blue + (b.blue - a.blue) * t));
}

// Every byte's colour, so that drawing the cells is a lookup.
constexpr std::array<QRgb, 256> makeCellColours()
{
    std::array<QRgb, 256> colours{};
    for (int value = 0; value < 256; ++value)
        colours[value] = value <= kHighestScore ? viridisAt(value) : QRgb(0xFF000000u | kNoScoreRgb);
    return colours;
}
constexpr std::array<QRgb, 256> kCellColours = makeCellColours();

QBrush noScoreHatch()
{
    return QBrush(QColor::fromRgb(kNoScoreHatchRgb), Qt::BDiagPattern);
}

// Cells at least this large show the no-rating hatch; smaller ones are too
// small for a pattern to read, and their colour alone tells them apart.
constexpr int kHatchedCell = 8;
// A cell is never smaller than this, so that one can be pointed at and seen.
constexpr int kSmallestCell = 3;
// Fitting the grid to the view stops at this size: a few people do not need
// cells like tiles.
constexpr int kLargestFittedCell = 48;
// The sizes zooming steps through.
constexpr int kZoomSteps[] = {3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 32, 40, 48, 64, 96};
static_assert(kZoomSteps[0] == kSmallestCell);
// The names' room: a margin at the window's edge, the names (no wider than
// kWidestName average characters), and a gap to the grid with the ticks.
constexpr int kNameMargin = 3;
constexpr int kWidestName = 16;
constexpr int kNameGap = 6;
constexpr int kTickLength = 4;
// The frame around the current cell: black next to the cell, white outside,
// so that it shows against any colour beside it.
constexpr int kFrameBlack = 2;
constexpr int kFrameWhite = 1;

// The current cell as a screen reader meets it: an item of the heat map,
// named by the cell's text. A screen reader speaks an object as the focus
// reaches it, and not again while the focus stays on it, so every cell that
// becomes current is a new object, and the focus moves to it.
class AccessibleCell : public QAccessibleInterface {
public:
    AccessibleCell(HeatMap* map, int row, int column)
        : map_(map), row_(row), column_(column)
    {
    }

    bool isValid() const override { return map_ && row_ < map_->count() && column_ < map_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return map_ ? map_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(map_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? map_->cellText(row_, column_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = map_->cellRect(row_, column_);
        return QRect(map_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = row_ == map_->currentRow() && column_ == map_->currentColumn();
        s.focusable = true;
        s.focused = current && map_->hasFocus();
        s.invisible = !map_->isVisible();
        s.offscreen = !map_->viewport()->rect().intersects(map_->cellRect(row_, column_));
        return s;
    }

private:
    QPointer<HeatMap> map_;
    int row_;
    int column_;
};

// The heat map as a chart named by its maker, with one child: its current
// cell, which has the focus while the heat map has it.
class AccessibleHeatMap : public QAccessibleWidget {
public:
    explicit AccessibleHeatMap(HeatMap* map)
        : QAccessibleWidget(map, QAccessible::Chart)
    {
    }

    ~AccessibleHeatMap() override { forgetCell(); }

    // The current cell, as a new object when the cell has changed since the
    // last one was made.
    QAccessibleInterface* currentCell()
    {
        const HeatMap* map = heatMap();
        if (map->count() == 0) {
            forgetCell();
            return nullptr;
        }
        if (cellId_ == 0 || cellRow_ != map->currentRow() || cellColumn_ != map->currentColumn() ||
            cellPeople_ != map->count())
            renewCell();
        return QAccessible::accessibleInterface(cellId_);
    }
    // Makes the current cell a new object even where the cell is the same,
    // for new people.
    void renewCell()
    {
        HeatMap* map = heatMap();
        const QAccessible::Id id =
            QAccessible::registerAccessibleInterface(new AccessibleCell(map, map->currentRow(), map->currentColumn()));
        forgetCell();
        cellId_ = id;
        cellRow_ = map->currentRow();
        cellColumn_ = map->currentColumn();
        cellPeople_ = map->count();
    }

    int childCount() const override { return heatMap()->count() > 0 ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? const_cast<AccessibleHeatMap*>(this)->currentCell() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && cellId_ != 0 && child == QAccessible::accessibleInterface(cellId_) ? 0 : -1;
    }
    // Read as the heat map takes the focus: the current cell.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return heatMap()->cellText(heatMap()->currentRow(), heatMap()->currentColumn());
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* cell = child(0);
        return cell && cell->rect().contains(x, y) ? cell : nullptr;
    }

private:
    HeatMap* heatMap() const { return static_cast<HeatMap*>(widget()); }

    void forgetCell()
    {
        if (cellId_ != 0)
            QAccessible::deleteAccessibleInterface(cellId_);
        cellId_ = 0;
    }

    QAccessible::Id cellId_ = 0;
    int cellRow_ = -1;
    int cellColumn_ = -1;
    int cellPeople_ = 0;
};

QAccessibleInterface* heatMapAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String(HeatMap::staticMetaObject.className()))
        return new AccessibleHeatMap(static_cast<HeatMap*>(object));
    return nullptr;
}

int firstMultipleFrom(int start, int stride)
{
    return (start + stride - 1) / stride * stride;
}

} // namespace

QColor scoreColour(std::uint8_t score)
{
    return QColor::fromRgb(kCellColours[score]);
}

HeatMap::HeatMap(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    static const bool accessible = (QAccessible::installFactory(heatMapAccessibility), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
}

HeatMap::~HeatMap() = default;

void HeatMap::setPeople(QStringList names, std::vector<std::uint8_t> scores,
                        std::function<QString(int, int)> describe)
{
    const bool sameGrid = names.size() == names_.size();
    names_ = std::move(names);
    const int n = count();
    scores_ = std::move(scores);
    scores_.resize(std::size_t(n) * std::size_t(n), kNoScore);
    describe_ = std::move(describe);

    cells_ = n == 0 ? QImage() : QImage(n, n, QImage::Format_RGB32);
    for (int row = 0; row < n && !cells_.isNull(); ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(cells_.scanLine(row));
        const std::uint8_t* rowScores = scores_.data() + std::size_t(row) * std::size_t(n);
        for (int column = 0; column < n; ++column)
            pixels[column] = kCellColours[rowScores[column]];
    }

    measureNames();
    if (sameGrid) {
        layOut();
        viewport()->update();
        tellCurrentCell();
        return;
    }
    currentRow_ = n == 0 ? -1 : 0;
    currentColumn_ = n == 0 ? -1 : std::min(1, n - 1);
    fitted_ = true;
    layOut();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit currentCellChanged(currentRow_, currentColumn_);
    tellCurrentCell();
}

void HeatMap::setCurrentCell(int row, int column)
{
    if (row < 0 || row >= count() || column < 0 || column >= count())
        return;
    if (row == currentRow_ && column == currentColumn_) {
        ensureCurrentVisible();
        return;
    }
    currentRow_ = row;
    currentColumn_ = column;
    ensureCurrentVisible();
    viewport()->update();
    emit currentCellChanged(row, column);
    tellCurrentCell();
}

QString HeatMap::cellText(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0 || column >= count())
        return {};
    if (row == column)
        return names_[row] + QStringLiteral(", the same person: no pair");
    const QString ratings = describe_ ? describe_(row, column) : QString();
    return names_[row] + QStringLiteral(" with ") + names_[column] + QStringLiteral(": ") + ratings;
}

QRect HeatMap::cellRect(int row, int column) const
{
    const QPoint origin = gridOrigin();
    return {origin.x() + column * cellSize_, origin.y() + row * cellSize_, cellSize_, cellSize_};
}

std::uint8_t HeatMap::score(int row, int column) const
{
    return scores_[std::size_t(row) * std::size_t(count()) + std::size_t(column)];
}

QRect HeatMap::gridArea() const
{
    const QSize view = viewport()->size();
    return {axisExtent_, axisExtent_, std::max(0, view.width() - axisExtent_),
            std::max(0, view.height() - axisExtent_)};
}

QPoint HeatMap::gridOrigin() const
{
    return {axisExtent_ - horizontalScrollBar()->value(), axisExtent_ - verticalScrollBar()->value()};
}

QRect HeatMap::visibleCells() const
{
    if (count() == 0 || cellSize_ == 0)
        return {};
    const QRect area = gridArea();
    const QPoint origin = gridOrigin();
    const int left = std::max(0, (area.left() - origin.x()) / cellSize_);
    const int top = std::max(0, (area.top() - origin.y()) / cellSize_);
    const int right = std::min(count() - 1, (area.right() - origin.x()) / cellSize_);
    const int bottom = std::min(count() - 1, (area.bottom() - origin.y()) / cellSize_);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

HeatMap::Cell HeatMap::cellAt(QPoint point) const
{
    if (count() == 0 || !gridArea().contains(point))
        return {};
    const QPoint origin = gridOrigin();
    const int column = (point.x() - origin.x()) / cellSize_;
    const int row = (point.y() - origin.y()) / cellSize_;
    if (point.x() < origin.x() || point.y() < origin.y() || row >= count() || column >= count())
        return {};
    return {row, column};
}

void HeatMap::measureNames()
{
    shownNames_.clear();
    if (names_.isEmpty()) {
        axisExtent_ = 0;
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString& name : names_)
        widest = std::max(widest, metrics.horizontalAdvance(name));
    const int room = std::min(widest, metrics.averageCharWidth() * kWidestName);
    for (const QString& name : names_)
        shownNames_.append(metrics.elidedText(name, Qt::ElideRight, room));
    axisExtent_ = kNameMargin + room + kNameGap;
}

void HeatMap::layOut()
{
    const int n = count();
    const QRect area = gridArea();
    if (n == 0) {
        cellSize_ = 0;
    } else if (fitted_) {
        const int fitting = std::min(area.width(), area.height()) / n;
        cellSize_ = std::clamp(fitting, kSmallestCell, kLargestFittedCell);
    }
    const int extent = n * cellSize_;
    horizontalScrollBar()->setRange(0, std::max(0, extent - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent - area.height()));
    horizontalScrollBar()->setPageStep(std::max(1, area.width()));
    verticalScrollBar()->setPageStep(std::max(1, area.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, cellSize_));
    verticalScrollBar()->setSingleStep(std::max(1, cellSize_));
}

void HeatMap::fitToView()
{
    fitted_ = true;
    layOut();
    ensureCurrentVisible();
    viewport()->update();
}

// Zooms one step of kZoomSteps in (direction > 0) or out, keeping the point
// of the grid under `anchor` where it is.
void HeatMap::zoomBy(int direction, QPoint anchor)
{
    if (count() == 0 || direction == 0)
        return;
    const int* first = std::begin(kZoomSteps);
    const int* last = std::end(kZoomSteps);
    const int* larger = std::upper_bound(first, last, cellSize_);
    const int* smaller = std::lower_bound(first, last, cellSize_);
    if (direction > 0 ? larger == last : smaller == first)
        return;
    const QPoint origin = gridOrigin();
    const double gridX = double(anchor.x() - origin.x()) / cellSize_;
    const double gridY = double(anchor.y() - origin.y()) / cellSize_;
    cellSize_ = direction > 0 ? *larger : *(smaller - 1);
    fitted_ = false;
    layOut();
    horizontalScrollBar()->setValue(int(axisExtent_ + gridX * cellSize_ - anchor.x()));
    verticalScrollBar()->setValue(int(axisExtent_ + gridY * cellSize_ - anchor.y()));
    viewport()->update();
}

void HeatMap::ensureCurrentVisible()
{
    if (currentRow_ < 0)
        return;
    const QRect area = gridArea();
    const auto show = [](QScrollBar* bar, int start, int size, int room) {
        if (start < bar->value())
            bar->setValue(start);
        else if (start + size > bar->value() + room)
            bar->setValue(start + size - room);
    };
    // With room for the frame around it.
    const int frame = kFrameBlack + kFrameWhite;
    show(horizontalScrollBar(), currentColumn_ * cellSize_ - frame, cellSize_ + 2 * frame, area.width());
    show(verticalScrollBar(), currentRow_ * cellSize_ - frame, cellSize_ + 2 * frame, area.height());
}

void HeatMap::moveCurrentBy(int rows, int columns)
{
    const int last = count() - 1;
    setCurrentCell(std::clamp(currentRow_ + rows, 0, last), std::clamp(currentColumn_ + columns, 0, last));
}

// A new current cell takes the focus from the last, so that a screen reader
// speaks it.
void HeatMap::tellCurrentCell()
{
    auto* face = dynamic_cast<AccessibleHeatMap*>(QAccessible::queryAccessibleInterface(this));
    if (!face || count() == 0)
        return;
    face->renewCell();
    if (hasFocus()) {
        QAccessibleEvent focus(face->currentCell(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

int HeatMap::nameStride() const
{
    const int line = fontMetrics().height();
    return cellSize_ >= line ? 1 : (line + cellSize_ - 1) / cellSize_;
}

bool HeatMap::opensOnSingleClick() const
{
    return style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, this) != 0;
}

bool HeatMap::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        showToolTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// A cell shows its text; a name, whole, where the axis shortens it.
void HeatMap::showToolTip(const QHelpEvent& event)
{
    const QPoint point = event.pos();
    const QRect area = gridArea();
    QString text;
    QRect place;
    if (const Cell cell = cellAt(point); cell.valid()) {
        text = cellText(cell.row, cell.column);
        place = cellRect(cell.row, cell.column);
    } else if (point.x() < area.left() && point.y() >= area.top()) {
        const Cell row = cellAt({area.left(), point.y()});
        if (row.valid()) {
            text = names_[row.row];
            place = QRect(0, cellRect(row.row, 0).top(), area.left(), cellSize_);
        }
    } else if (point.y() < area.top() && point.x() >= area.left()) {
        const Cell column = cellAt({point.x(), area.top()});
        if (column.valid()) {
            text = names_[column.column];
            place = QRect(cellRect(0, column.column).left(), 0, cellSize_, area.top());
        }
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // Names are shown as written, never read as markup.
    QToolTip::showText(event.globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal), viewport(), place);
}

void HeatMap::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const QRect cells = visibleCells();
    if (cells.isEmpty())
        return;
    const QRect area = gridArea();
    const QRect target(cellRect(cells.top(), cells.left()).topLeft(), cells.size() * cellSize_);
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(target, cells_, cells);
    if (cellSize_ >= kHatchedCell)
        paintNoScoreHatch(painter, cells);
    painter.restore();
    paintCurrentFrame(painter);
    paintRowNames(painter, cells);
    paintColumnNames(painter, cells);
}

// One rectangle for each run of unrated cells along a row.
void HeatMap::paintNoScoreHatch(QPainter& painter, QRect cells) const
{
    painter.setBrushOrigin(gridOrigin());
    const QBrush hatch = noScoreHatch();
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        int column = cells.left();
        while (column <= cells.right()) {
            if (score(row, column) <= kHighestScore) {
                ++column;
                continue;
            }
            const int start = column;
            while (column <= cells.right() && score(row, column) > kHighestScore)
                ++column;
            const QRect first = cellRect(row, start);
            painter.fillRect(QRect(first.topLeft(), QSize((column - start) * cellSize_, cellSize_)), hatch);
        }
    }
}

void HeatMap::paintCurrentFrame(QPainter& painter) const
{
    if (currentRow_ < 0)
        return;
    const QRect cell = cellRect(currentRow_, currentColumn_);
    painter.save();
    painter.setClipRect(gridArea().adjusted(-kFrameBlack - kFrameWhite, -kFrameBlack - kFrameWhite,
                                            kFrameBlack + kFrameWhite, kFrameBlack + kFrameWhite));
    const int outside = kFrameBlack + kFrameWhite;
    painter.fillRect(cell.adjusted(-outside, -outside, outside, outside), Qt::white);
    painter.fillRect(cell.adjusted(-kFrameBlack, -kFrameBlack, kFrameBlack, kFrameBlack), Qt::black);
    const std::uint8_t value = score(currentRow_, currentColumn_);
    painter.fillRect(cell, scoreColour(value));
    if (value > kHighestScore && cellSize_ >= kHatchedCell) {
        painter.setBrushOrigin(gridOrigin());
        painter.fillRect(cell, noScoreHatch());
    }
    painter.restore();
}

// The names down the left, right-aligned against the grid, each centred on
// its row; the current row's highlighted, and the names it would overlap
// left out.
void HeatMap::paintRowNames(QPainter& painter, QRect cells) const
{
    const QRect area = gridArea();
    const int line = fontMetrics().height();
    const int room = axisExtent_ - kNameMargin - kNameGap;
    const int stride = nameStride();
    const auto nameRect = [&](int row) {
        const int middle = cellRect(row, 0).center().y();
        return QRect(kNameMargin, middle - line / 2, room, line);
    };
    painter.save();
    painter.setClipRect(QRect(0, area.top(), area.left(), area.height()));
    painter.setPen(palette().color(QPalette::Text));
    for (int row = firstMultipleFrom(cells.top(), stride); row <= cells.bottom(); row += stride) {
        if (std::abs(row - currentRow_) * cellSize_ < line)
            continue;
        painter.drawText(nameRect(row), Qt::AlignRight | Qt::AlignVCenter, shownNames_[row]);
        if (stride > 1) {
            const int middle = cellRect(row, 0).center().y();
            painter.drawLine(area.left() - kTickLength - 1, middle, area.left() - 2, middle);
        }
    }
    if (currentRow_ >= cells.top() && currentRow_ <= cells.bottom()) {
        // Kept whole in view when its row is at the edge.
        QRect current = nameRect(currentRow_);
        current.moveTop(std::clamp(current.top(), area.top(), std::max(area.top(), area.bottom() + 1 - line)));
        const int width = fontMetrics().horizontalAdvance(shownNames_[currentRow_]);
        const QRect box(current.right() - width - 2, current.top(), width + 4, current.height());
        painter.fillRect(box, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(current, Qt::AlignRight | Qt::AlignVCenter, shownNames_[currentRow_]);
    }
    painter.restore();
}

// The names across the top, turned to read upwards from the grid, each
// centred on its column; as for the rows.
void HeatMap::paintColumnNames(QPainter& painter, QRect cells) const
{
    const QRect area = gridArea();
    const int line = fontMetrics().height();
    const int room = axisExtent_ - kNameMargin - kNameGap;
    const int stride = nameStride();
    const auto drawName = [&](int column, bool highlighted) {
        int middle = cellRect(0, column).center().x();
        if (highlighted) // kept whole in view when its column is at the edge
            middle = std::clamp(middle, area.left() + line / 2, std::max(area.left(), area.right() - line / 2));
        painter.save();
        painter.translate(middle, area.top() - kNameGap);
        painter.rotate(-90);
        const QRect text(0, -line / 2, room, line);
        if (highlighted) {
            const int width = fontMetrics().horizontalAdvance(shownNames_[column]);
            painter.fillRect(QRect(-2, text.top(), width + 4, line), palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::HighlightedText));
        }
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, shownNames_[column]);
        painter.restore();
    };
    painter.save();
    painter.setClipRect(QRect(area.left(), 0, area.width(), area.top()));
    painter.setPen(palette().color(QPalette::Text));
    for (int column = firstMultipleFrom(cells.left(), stride); column <= cells.right(); column += stride) {
        if (std::abs(column - currentColumn_) * cellSize_ < line)
            continue;
        drawName(column, false);
        if (stride > 1) {
            const int middle = cellRect(0, column).center().x();
            painter.drawLine(middle, area.top() - kTickLength - 1, middle, area.top() - 2);
        }
    }
    if (currentColumn_ >= cells.left() && currentColumn_ <= cells.right())
        drawName(currentColumn_, true);
    painter.restore();
}

void HeatMap::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void HeatMap::keyPressEvent(QKeyEvent* event)
{
    const int n = count();
    const bool control = event->modifiers() & Qt::ControlModifier;
    const QPoint currentMiddle = cellRect(currentRow_, currentColumn_).center();
    if (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
        zoomBy(1, currentMiddle);
        return;
    }
    if (control && event->key() == Qt::Key_Minus) {
        zoomBy(-1, currentMiddle);
        return;
    }
    if (control && event->key() == Qt::Key_0) {
        fitToView();
        return;
    }
    if (n == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int page = std::max(1, gridArea().height() / std::max(1, cellSize_));
    switch (event->key()) {
    case Qt::Key_Left: moveCurrentBy(0, -1); break;
    case Qt::Key_Right: moveCurrentBy(0, 1); break;
    case Qt::Key_Up: moveCurrentBy(-1, 0); break;
    case Qt::Key_Down: moveCurrentBy(1, 0); break;
    case Qt::Key_PageUp: moveCurrentBy(-page, 0); break;
    case Qt::Key_PageDown: moveCurrentBy(page, 0); break;
    case Qt::Key_Home: setCurrentCell(control ? 0 : currentRow_, 0); break;
    case Qt::Key_End: setCurrentCell(control ? n - 1 : currentRow_, n - 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit cellActivated(currentRow_, currentColumn_); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void HeatMap::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : Cell{};
    if (pressed_.valid())
        setCurrentCell(pressed_.row, pressed_.column);
    event->accept();
}

void HeatMap::mouseReleaseEvent(QMouseEvent* event)
{
    const Cell released = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && opensOnSingleClick() && pressed_.valid() &&
        released.row == pressed_.row && released.column == pressed_.column)
        emit cellActivated(released.row, released.column);
    pressed_ = {};
    event->accept();
}

void HeatMap::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Cell cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell.valid() && !opensOnSingleClick()) {
        setCurrentCell(cell.row, cell.column);
        emit cellActivated(cell.row, cell.column);
    }
    event->accept();
}

void HeatMap::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    zoomBy(delta > 0 ? 1 : delta < 0 ? -1 : 0, event->position().toPoint());
    event->accept();
}

void HeatMap::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measureNames();
        layOut();
    }
}

void HeatMap::scrollContentsBy(int, int)
{
    viewport()->update();
}

QSize HeatMap::viewportSizeHint() const
{
    const int grid = std::min(count() * 24, 480);
    return {axisExtent_ + grid, axisExtent_ + grid};
}

namespace {

constexpr int kLegendMargin = 4;
constexpr int kLegendTicks[] = {0, 25, 50, 75, 100};
constexpr int kTickGap = 2;

QString percent(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

} // namespace

HeatMapLegend::HeatMapLegend(QString noScoreCaption, QWidget* parent)
    : QWidget(parent), noScoreCaption_(std::move(noScoreCaption))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Colour key"));
    setAccessibleDescription(QStringLiteral("Ratings from 0% to 100%: dark purple at 0%, then blue, teal and "
                                            "green, to yellow at 100%; the lighter the colour, the higher the "
                                            "rating. ") +
                             noScoreCaption_ + QStringLiteral(": light grey with diagonal lines."));
}

// The ramp, with room left of it and right of it for half a tick label.
QRect HeatMapLegend::rampRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = kLegendMargin + metrics.horizontalAdvance(percent(0)) / 2 + 1;
    return {left, kLegendMargin, metrics.averageCharWidth() * 40, metrics.height()};
}

QRect HeatMapLegend::swatchRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const QRect ramp = rampRect();
    const int left = ramp.right() + metrics.horizontalAdvance(percent(kHighestScore)) / 2 + metrics.height() * 2;
    return {left, ramp.top(), ramp.height(), ramp.height()};
}

QSize HeatMapLegend::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QRect swatch = swatchRect();
    return {swatch.right() + metrics.height() / 2 + metrics.horizontalAdvance(noScoreCaption_) + kLegendMargin + 1,
            rampRect().bottom() + kTickLength + kTickGap + metrics.height() + kLegendMargin + 1};
}

QSize HeatMapLegend::minimumSizeHint() const
{
    return sizeHint();
}

void HeatMapLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect ramp = rampRect();
    // A band of each rating's own colour, as the cells show it.
    const int ratings = kHighestScore + 1;
    const auto bandLeft = [&](int score) { return ramp.left() + ramp.width() * score / ratings; };
    for (int score = 0; score < ratings; ++score)
        painter.fillRect(QRect(bandLeft(score), ramp.top(), bandLeft(score + 1) - bandLeft(score), ramp.height()),
                         scoreColour(std::uint8_t(score)));

    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    painter.drawRect(ramp.adjusted(-1, -1, 0, 0));
    for (int value : kLegendTicks) {
        const int x = (bandLeft(value) + bandLeft(value + 1)) / 2;
        painter.drawLine(x, ramp.bottom() + 1, x, ramp.bottom() + kTickLength);
        const QString label = percent(value);
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x - width / 2, ramp.bottom() + kTickLength + kTickGap, width + 1, metrics.height()),
                         Qt::AlignCenter, label);
    }

    const QRect swatch = swatchRect();
    painter.fillRect(swatch, scoreColour(kNoScore));
    painter.fillRect(swatch, noScoreHatch());
    painter.drawRect(swatch.adjusted(-1, -1, 0, 0));
    painter.drawText(QRect(swatch.right() + metrics.height() / 2, swatch.top(), width(), swatch.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, noScoreCaption_);
}

} // namespace velmora::circle
