#include "ui/FrmCommLogModel.h"

#include "app/Catalogue.h"

#include <QDateTime>
#include <algorithm>

namespace zovi {

namespace {

constexpr int kHeadings = 812;   // "Time|Direction|Outcome|Frame"
constexpr int kDirections = 813; // "Sent|Received"
constexpr int kOutcomes = 814;   // "All|Waiting|OK|..."

// A catalogue list of `count` names separated by "|"; missing names are left empty.
QStringList names(const Texts& texts, int id, qsizetype count) {
    QStringList list = texts(id).split(QLatin1Char('|'));
    list.resize(count);
    return list;
}

} // namespace

FrmCommLogModel::FrmCommLogModel(const CommLog& log, const Texts& texts, QObject* parent)
    : QAbstractTableModel(parent)
    , log_(&log)
    , first_(log.firstSeq())
    , rows_(int(log.size()))
    , headings_(names(texts, kHeadings, kColumns))
    , directions_(names(texts, kDirections, 2))
    , outcomeNames_(names(texts, kOutcomes, CommLog::kOutcomes + 1)) {
    connect(&log, &CommLog::appended, this, &FrmCommLogModel::appended);
    connect(&log, &CommLog::settled, this, &FrmCommLogModel::settled);
    connect(&log, &QObject::destroyed, this, [this] {
        beginResetModel();
        rows_ = 0;
        endResetModel();
    });
}

int FrmCommLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int FrmCommLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant FrmCommLogModel::data(const QModelIndex& index, int role) const {
    if (!log_ || !index.isValid())
        return {};
    const CommLog::Line* line = log_->line(first_ + index.row());
    if (!line)
        return {};
    switch (role) {
    case kOutcomeRole:
        return int(line->outcome);
    case kLineTextRole:
        return CommLog::lineText(*line);
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColTime:
            return QDateTime::fromMSecsSinceEpoch(line->msecsSinceEpoch)
                .toString(QStringLiteral("hh:mm:ss.zzz"));
        case ColDirection:
            return directions_[line->direction == CommLog::Direction::Sent ? 0 : 1];
        case ColOutcome:
            return outcomeNames_[int(line->outcome) + 1];
        case ColFrame:
            return CommLog::frameText(line->frame);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return index.column() == ColTime ? QDateTime::fromMSecsSinceEpoch(line->msecsSinceEpoch)
                                               .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))
                                         : QVariant();
    default:
        return {};
    }
}

QVariant FrmCommLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return headings_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void FrmCommLogModel::appended(qint64 seq) {
    if (!log_)
        return;
    // Lines the ring has pushed out leave the top first.
    const qint64 gone = log_->firstSeq() - first_;
    if (const int count = int(std::clamp<qint64>(gone, 0, rows_)); count > 0) {
        beginRemoveRows({}, 0, count - 1);
        first_ += count;
        rows_ -= count;
        endRemoveRows();
    }
    first_ = log_->firstSeq();
    const int row = int(seq - first_);
    beginInsertRows({}, row, row);
    rows_ = row + 1;
    endInsertRows();
}

void FrmCommLogModel::settled(qint64 first, qint64 last) {
    const qint64 top = std::max(first, first_);
    if (last < top)
        return;
    emit dataChanged(index(int(top - first_), ColOutcome), index(int(last - first_), ColOutcome));
}

} // namespace zovi
