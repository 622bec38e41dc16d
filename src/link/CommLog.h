#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace zovi {

// The record of every frame that went to the controller and came back: when (to the millisecond),
// which way, the frame itself and how its transaction ended. The link reports to it; the log keeps the
// last kCapacity lines in a ring, so a day-long session holds no more memory than a short one.
//
// Lines are numbered from 0 in the order they arrived (their sequence number); a line stays readable
// by its number until kCapacity newer lines have pushed it out. Lines of a transaction that is still
// waiting carry Outcome::Waiting until the transaction ends.
class CommLog : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kCapacity = 10000;

    enum class Direction { Sent, Received };
    // How the transaction a line belongs to ended. Recovery marks the "0CM0" exchange that follows an
    // echo or length mismatch; NoReply a frame sent without awaiting a reply; Unsolicited a line that
    // arrived while no transaction waited.
    enum class Outcome {
        Waiting,
        Ok,
        Timeout,
        EchoMismatch,
        LengthMismatch,
        Alarm,
        Recovery,
        NoReply,
        Unsolicited
    };
    static constexpr int kOutcomes = 9;

    struct Line {
        qint64 msecsSinceEpoch = 0;
        Direction direction = Direction::Sent;
        Outcome outcome = Outcome::Waiting;
        QByteArray frame;
    };

    explicit CommLog(QObject* parent = nullptr);

    // A transaction starts: its lines wait for end() to give them their outcome.
    void begin();
    void sent(const QByteArray& frame);
    // A complete reply line; outside a transaction it is logged as unsolicited.
    void received(const QByteArray& frame);
    void end(Outcome outcome);

    qsizetype size() const { return qsizetype(ring_.size()); }
    // Sequence numbers of the oldest line still held and of the next line to come.
    qint64 firstSeq() const { return next_ - size(); }
    qint64 nextSeq() const { return next_; }
    // The line of that number; null when it has been pushed out or has not come yet.
    const Line* line(qint64 seq) const;

    // One line as text: "2024-05-01 09:15:03.120<TAB>TX<TAB>OK<TAB>0RV\r\n". The frame's CR, LF, tab,
    // backslash and any byte outside printable ASCII are escaped ("\r", "\n", "\t", "\\", "\xHH"), so a
    // line of text is always one frame. Direction and outcome are fixed tokens in every language, so a
    // saved log reads the same whichever language wrote it.
    static QString lineText(const Line& line);
    static QString frameText(const QByteArray& frame);
    static QString outcomeToken(Outcome outcome);

    // Writes the held lines (only those of `only` when given) to `path`, replacing the file whole or not
    // at all. Empty on success, else why the file could not be written.
    QString writeFile(const QString& path, std::optional<Outcome> only = std::nullopt) const;

signals:
    // A line was added (the oldest may have been pushed out first).
    void appended(qint64 seq);
    // Lines first to last got their outcome.
    void settled(qint64 first, qint64 last);

private:
    void add(Direction direction, Outcome outcome, const QByteArray& frame);
    Line& at(qint64 seq) { return ring_[size_t(seq % kCapacity)]; }

    std::vector<Line> ring_;
    qint64 next_ = 0;
    std::optional<qint64> openFrom_; // first line of the transaction under way
};

} // namespace zovi
