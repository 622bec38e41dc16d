#include "model/LineAssembler.h"

namespace ctsim {

std::vector<QByteArray> LineAssembler::feed(QByteArrayView bytes) {
    std::vector<QByteArray> lines;
    for (char c : bytes) {
        if (c == '\n' && m_afterCr) {
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            lines.push_back(m_buffer);
            m_buffer.clear();
        } else if (m_buffer.size() < MaxLineLength) {
            m_buffer.append(c);
        }
    }
    return lines;
}

} // namespace ctsim
