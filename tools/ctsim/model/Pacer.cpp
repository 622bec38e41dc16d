#include "model/Pacer.h"

#include <algorithm>

namespace ctsim {

void Pacer::enqueue(const QByteArray& bytes, qint64 notBeforeNs) {
    if (!bytes.isEmpty())
        m_chunks.push_back({bytes, notBeforeNs, 0});
}

std::optional<qint64> Pacer::nextDeadlineNs() const {
    if (m_chunks.empty())
        return std::nullopt;
    const Chunk& head = m_chunks.front();
    if (!m_paced)
        return head.notBeforeNs;
    return std::max(head.notBeforeNs, m_lineFreeNs);
}

qsizetype Pacer::queuedBytes() const {
    qsizetype count = 0;
    for (const Chunk& chunk : m_chunks)
        count += chunk.bytes.size() - chunk.sent;
    return count;
}

std::optional<Pacer::Due> Pacer::takeDue(qint64 nowNs) {
    const std::optional<qint64> deadline = nextDeadlineNs();
    if (!deadline || *deadline > nowNs)
        return std::nullopt;
    Chunk& head = m_chunks.front();
    Due due;
    if (head.sent == 0)
        due.startedChunk = head.bytes;
    const qsizetype count = m_paced ? 1 : head.bytes.size() - head.sent;
    due.bytes = head.bytes.mid(head.sent, count);
    head.sent += count;
    // Small lateness is made up so the pace does not drift; a larger one (the process was not scheduled) is
    // not, so characters never leave in a burst faster than the line could carry them.
    m_lineFreeNs = std::max(*deadline, nowNs - CatchUpNs) + count * CharNs;
    if (head.sent >= head.bytes.size())
        m_chunks.pop_front();
    return due;
}

} // namespace ctsim
