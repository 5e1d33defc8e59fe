#pragma once

#include "circle/Ratings.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

namespace velmora::circle {

// The ranking: everyone in the circle but the user, a row each, with the
// pair's rating by each system as that calculator shows it and the overall
// score. Sorting goes by the scores behind the texts (ScoreRole), the names
// alphabetically.
class RankingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Western, Chinese, Egyptian, Japanese, Overall, ColumnCount };
    // A column's score, -1 where the pair has none; the name for the name column.
    static constexpr int ScoreRole = Qt::UserRole + 1;
    // The person's place in the circle.
    static constexpr int PersonRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the circle's ranking against `user`; no rows without a user.
    void showRanking(const std::vector<Person>* people, const CircleRatings* ratings, std::optional<std::size_t> user);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The column's heading, as the sort list names it too.
    static QString heading(int column);
    // The rating text of a cell: the lines the calculator shows, joined.
    QString cellText(std::size_t partner, int column) const;

private:
    const std::vector<Person>* people_ = nullptr;
    const CircleRatings* ratings_ = nullptr;
    std::size_t user_ = 0;
    std::vector<std::size_t> partners_;
};

// A score as the ranking and the picture write it: "85%", or "No rating".
QString scoreText(std::uint8_t score);
// A pair's rating by one system in that calculator's words, its lines joined
// by commas, as the ranking and the picture write it.
QString ratingText(const CircleRatings& ratings, System system, std::size_t user, std::size_t partner);

} // namespace velmora::circle
