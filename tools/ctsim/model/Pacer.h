#pragma once

#include <QByteArray>

#include <deque>
#include <optional>

namespace ctsim {

// Lays outgoing bytes on the line. Paced, each character takes as long as at 9600 baud (10 bits: start,
// 8 data, stop), scheduled from absolute deadlines so the pace does not drift; a character sent more than
// CatchUpNs late moves the following ones on. Unpaced, each write goes out whole. Writes leave in order,
// none before its own earliest time.
class Pacer {
public:
    static constexpr qint64 CharNs = 1'041'667;
    static constexpr qint64 CatchUpNs = 250'000;

    explicit Pacer(bool paced)
        : m_paced(paced) {}

    void enqueue(const QByteArray& bytes, qint64 notBeforeNs);
    std::optional<qint64> nextDeadlineNs() const;
    qsizetype queuedBytes() const; // not yet taken

    struct Due {
        QByteArray bytes;        // to write now
        QByteArray startedChunk; // the whole write when `bytes` begins it (for the traffic log), else empty
    };
    // What is due at nowNs: one character when paced, the rest of a write otherwise; nothing when none is
    // due.
    std::optional<Due> takeDue(qint64 nowNs);

private:
    struct Chunk {
        QByteArray bytes;
        qint64 notBeforeNs = 0;
        qsizetype sent = 0;
    };

    bool m_paced;
    std::deque<Chunk> m_chunks;
    qint64 m_lineFreeNs = 0; // when the previous character has left the line
};

} // namespace ctsim
