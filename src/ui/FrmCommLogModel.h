#pragma once

#include "link/CommLog.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace zovi {

class Texts;

// The communication log as the log window's table: time, direction, outcome and frame of each held
// line, oldest first. It follows the log: a new line is a new last row, a line pushed out of the ring
// leaves the top, and a transaction's end updates its lines' outcome.
class FrmCommLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColTime, ColDirection, ColOutcome, ColFrame, kColumns };
    // The outcome as a number (CommLog::Outcome), for the filter; the line in the log's text format.
    static constexpr int kOutcomeRole = Qt::UserRole;
    static constexpr int kLineTextRole = Qt::UserRole + 1;

    FrmCommLogModel(const CommLog& log, const Texts& texts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "All" first, then each outcome in CommLog::Outcome's order, in the run's language.
    const QStringList& outcomeNames() const { return outcomeNames_; }
    // "Sent", "Received" in the run's language.
    const QStringList& directionNames() const { return directions_; }

private:
    void appended(qint64 seq);
    void settled(qint64 first, qint64 last);

    QPointer<const CommLog> log_;
    qint64 first_ = 0; // sequence number of row 0
    int rows_ = 0;
    QStringList headings_;
    QStringList directions_;
    QStringList outcomeNames_;
};

} // namespace zovi
