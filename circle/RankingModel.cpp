#include "circle/RankingModel.h"

#include "ui/Text.h"

#include <QStringList>

namespace velmora::circle {
namespace {

std::optional<System> systemOf(int column)
{
    if (column < RankingModel::Western || column > RankingModel::Japanese)
        return std::nullopt;
    return kSystems[static_cast<std::size_t>(column - RankingModel::Western)];
}

} // namespace

QString scoreText(std::uint8_t score)
{
    return score == kNoScore ? QStringLiteral("No rating") : QString::number(score) + QLatin1Char('%');
}

QString ratingText(const CircleRatings& ratings, System system, std::size_t user, std::size_t partner)
{
    QStringList lines;
    for (const std::string& line : ratings.ratingLines(system, user, partner))
        lines.append(ui::toQString(line));
    return lines.join(QStringLiteral(", "));
}

void RankingModel::showRanking(const std::vector<Person>* people, const CircleRatings* ratings,
                               std::optional<std::size_t> user)
{
    beginResetModel();
    people_ = people;
    ratings_ = ratings;
    partners_.clear();
    if (people && ratings && user && *user < people->size()) {
        user_ = *user;
        for (std::size_t partner = 0; partner < people->size(); ++partner) {
            if (partner != user_)
                partners_.push_back(partner);
        }
    }
    endResetModel();
}

int RankingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(partners_.size());
}

int RankingModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RankingModel::cellText(std::size_t partner, int column) const
{
    if (column == Name)
        return ui::toQString((*people_)[partner].name);
    if (column == Overall)
        return scoreText(ratings_->overall(user_, partner));
    return ratingText(*ratings_, *systemOf(column), user_, partner);
}

QVariant RankingModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const std::size_t partner = partners_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return cellText(partner, index.column());
    case ScoreRole: {
        if (index.column() == Name)
            return ui::toQString((*people_)[partner].name);
        const std::uint8_t score = ratings_->score(systemOf(index.column()), user_, partner);
        return score == kNoScore ? -1 : static_cast<int>(score);
    }
    case PersonRole: return static_cast<qulonglong>(partner);
    default: return {};
    }
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return heading(section);
}

QString RankingModel::heading(int column)
{
    if (column == Name)
        return QStringLiteral("Name");
    if (column == Overall)
        return QStringLiteral("Overall");
    if (const std::optional<System> system = systemOf(column))
        return ui::toQString(SystemName(*system));
    return {};
}

} // namespace velmora::circle
