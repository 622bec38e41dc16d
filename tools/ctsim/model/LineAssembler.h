#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace ctsim {

// Collects received bytes into command lines. A line ends in CR LF; a lone CR or a lone LF ends it as well,
// and the LF of a CR LF pair split over two reads is not taken for a second, empty line.
// A line longer than MaxLineLength keeps only its first MaxLineLength characters (no command is that long,
// so the truncated text is still answered as a bad command). Terminators are not part of the lines.
class LineAssembler {
public:
    static constexpr qsizetype MaxLineLength = 64;

    std::vector<QByteArray> feed(QByteArrayView bytes);
    const QByteArray& pending() const { return m_buffer; }

private:
    QByteArray m_buffer;
    bool m_afterCr = false;
};

} // namespace ctsim
