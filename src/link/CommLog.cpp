#include "link/CommLog.h"
#include "app/WholeFile.h"

#include <QDateTime>
#include <array>

namespace zovi {

namespace {

constexpr std::array<const char*, CommLog::kOutcomes> kOutcomeTokens = {
    "WAITING", "OK", "TIMEOUT", "ECHO", "LENGTH", "ALARM", "RECOVERY", "NOREPLY", "UNSOLICITED"};

} // namespace

CommLog::CommLog(QObject* parent)
    : QObject(parent) {}

void CommLog::begin() {
    openFrom_ = next_;
}

void CommLog::sent(const QByteArray& frame) {
    add(Direction::Sent, openFrom_ ? Outcome::Waiting : Outcome::NoReply, frame);
}

void CommLog::received(const QByteArray& frame) {
    add(Direction::Received, openFrom_ ? Outcome::Waiting : Outcome::Unsolicited, frame);
}

void CommLog::end(Outcome outcome) {
    if (!openFrom_)
        return;
    const qint64 first = std::max(*openFrom_, firstSeq());
    openFrom_.reset();
    if (first >= next_)
        return;
    for (qint64 seq = first; seq < next_; ++seq)
        at(seq).outcome = outcome;
    emit settled(first, next_ - 1);
}

const CommLog::Line* CommLog::line(qint64 seq) const {
    if (seq < firstSeq() || seq >= next_)
        return nullptr;
    return &ring_[size_t(seq % kCapacity)];
}

void CommLog::add(Direction direction, Outcome outcome, const QByteArray& frame) {
    Line line{QDateTime::currentMSecsSinceEpoch(), direction, outcome, frame};
    if (size() < kCapacity)
        ring_.push_back(std::move(line));
    else
        at(next_) = std::move(line); // the oldest line's place
    emit appended(next_++);
}

QString CommLog::outcomeToken(Outcome outcome) {
    return QLatin1String(kOutcomeTokens[size_t(outcome)]);
}

QString CommLog::frameText(const QByteArray& frame) {
    QString text;
    text.reserve(frame.size() + 4);
    for (const char c : frame) {
        switch (c) {
        case '\r':
            text += QLatin1String("\\r");
            break;
        case '\n':
            text += QLatin1String("\\n");
            break;
        case '\t':
            text += QLatin1String("\\t");
            break;
        case '\\':
            text += QLatin1String("\\\\");
            break;
        default:
            if (c >= 0x20 && c < 0x7f)
                text += QLatin1Char(c);
            else
                text += QLatin1String("\\x") +
                        QString::number(uchar(c), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        }
    }
    return text;
}

QString CommLog::lineText(const Line& line) {
    const QString time = QDateTime::fromMSecsSinceEpoch(line.msecsSinceEpoch)
                             .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    const QLatin1String direction(line.direction == Direction::Sent ? "TX" : "RX");
    return time + QLatin1Char('\t') + direction + QLatin1Char('\t') + outcomeToken(line.outcome) +
           QLatin1Char('\t') + frameText(line.frame);
}

QString CommLog::writeFile(const QString& path, std::optional<Outcome> only) const {
    QByteArray bytes;
    for (qint64 seq = firstSeq(); seq < next_; ++seq) {
        const Line& l = *line(seq);
        if (!only || l.outcome == *only)
            bytes += (lineText(l) + QLatin1Char('\n')).toUtf8();
    }
    return writeWholeFile(path, bytes);
}

} // namespace zovi
