#include "position/PositionFile.h"

#include "app/Catalogue.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace zovi {

namespace {

const QString kMarker = QStringLiteral("VQ-E1");
const QString kKind = QStringLiteral("Position");
const QString kNew = QStringLiteral("NEW");
const QString kOld = QStringLiteral("OLD");

QString quoted(const QString& field) {
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

// Control characters (a tab aside) and the stand-in for undecodable bytes: not text of a position file.
bool holdsNonText(const QString& line) {
    for (QChar c : line) {
        if ((c.category() == QChar::Other_Control && c != QLatin1Char('\t')) ||
            c == QChar::ReplacementCharacter)
            return true;
    }
    return false;
}

// A whole number written in decimal within [low, high]; a fraction is rounded half to even, as the
// controller's integers are.
std::optional<qint64> wholeNumber(const QString& field, qint64 low, qint64 high) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString text = field.trimmed();
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double value = std::nearbyint(text.toDouble());
    if (!std::isfinite(value) || value < double(low) || value > double(high))
        return std::nullopt;
    return static_cast<qint64>(value);
}

// The lines of the text that are not blank, with their numbers counted from 1.
struct NumberedLines {
    QList<std::pair<int, QString>> lines;
    int next = 0;
    const std::pair<int, QString>* take() { return next < lines.size() ? &lines[next++] : nullptr; }
};

NumberedLines nonBlankLines(const QString& text) {
    NumberedLines result;
    const QStringList lines = splitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            result.lines.append({i + 1, lines[i]});
    }
    return result;
}

PositionFileProblem problemAt(PositionFileFault fault, int line) {
    PositionFileProblem problem;
    problem.fault = fault;
    problem.line = line;
    return problem;
}

// The fields of the line numbered `number`, checked for text and for a count in [fewest, most].
std::optional<QStringList> fieldsOf(const std::pair<int, QString>* line, int expectedLine, int fewest,
                                    int most, PositionFileProblem& problem) {
    if (!line) {
        problem = problemAt(PositionFileFault::MissingLine, expectedLine);
        return std::nullopt;
    }
    const auto& [number, text] = *line;
    if (holdsNonText(text)) {
        problem = problemAt(PositionFileFault::NotText, number);
        return std::nullopt;
    }
    const auto fields = splitPositionFields(text);
    if (!fields) {
        problem = problemAt(PositionFileFault::BadQuoting, number);
        return std::nullopt;
    }
    if (fields->size() < fewest || fields->size() > most) {
        problem = problemAt(PositionFileFault::FieldCount, number);
        problem.fields = int(fields->size());
        problem.expected = most;
        return std::nullopt;
    }
    return fields;
}

std::optional<qint64> numberField(const QString& field, int line, qint64 low, qint64 high,
                                  PositionFileProblem& problem) {
    const auto value = wholeNumber(field, low, high);
    if (!value) {
        problem = problemAt(PositionFileFault::BadNumber, line);
        problem.value = field;
        problem.low = low;
        problem.high = high;
    }
    return value;
}

} // namespace

std::optional<QStringList> splitPositionFields(const QString& line) {
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t')))
            ++i;
    };
    while (true) {
        skipBlanks();
        if (i < n && line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                return std::nullopt;
            fields << line.mid(i + 1, close - i - 1);
            i = close + 1;
            skipBlanks();
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != QLatin1Char(','))
                ++i;
            const QString bare = line.mid(start, i - start).trimmed();
            if (bare.contains(QLatin1Char('"')))
                return std::nullopt;
            fields << bare;
        }
        if (i >= n)
            return fields;
        if (line[i] != QLatin1Char(','))
            return std::nullopt;
        ++i;
    }
}

QByteArray positionFileBytes(const PositionFileData& data) {
    QStringList lines;
    lines << quoted(kMarker) + QLatin1Char(',') + quoted(kKind);
    lines << quoted(data.deviceName) + QLatin1Char(',') + quoted(data.newOld);
    for (const PositionFileRecord& record : data.records) {
        lines << QStringList{quoted(QString::number(record.vel)), quoted(QString::number(record.acc)),
                             quoted(QString::number(record.pulses)), quoted(record.comment)}
                     .join(QLatin1Char(','));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString decodePositionFile(const QByteArray& bytes, bool japanese) {
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked); // drops the byte-order mark
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder legacy(japanese ? "Shift_JIS" : "windows-1252");
    return legacy.isValid() ? QString(legacy(bytes)) : QString::fromLatin1(bytes);
}

PositionFileParse parsePositionFile(const QByteArray& bytes, bool japanese) {
    PositionFileParse result;
    PositionFileProblem& problem = result.problem;
    PositionFileData& data = result.data;
    NumberedLines lines = nonBlankLines(decodePositionFile(bytes, japanese));

    const auto* header = lines.take();
    const auto marker = header ? splitPositionFields(header->second) : std::nullopt;
    if (!marker || marker->size() < 2 || marker->at(0) != kMarker || marker->at(1) != kKind) {
        problem.fault = PositionFileFault::NotPositionFile;
        return result;
    }
    if (marker->size() > 2) {
        problem = problemAt(PositionFileFault::FieldCount, header->first);
        problem.fields = int(marker->size());
        problem.expected = 2;
        return result;
    }

    const auto* deviceLine = lines.take();
    const auto device = fieldsOf(deviceLine, 2, 1, 2, problem);
    if (!device)
        return result;
    data.deviceName = device->at(0);
    data.olderLayout = device->size() == 1;
    data.newOld = data.olderLayout ? kOld : device->at(1);
    if (data.newOld != kNew && data.newOld != kOld) {
        problem = problemAt(PositionFileFault::BadType, deviceLine->first);
        problem.value = data.newOld;
        return result;
    }

    constexpr qint64 min16 = std::numeric_limits<qint16>::min(), max16 = std::numeric_limits<qint16>::max();
    constexpr qint64 min32 = std::numeric_limits<qint32>::min(), max32 = std::numeric_limits<qint32>::max();
    int expectedLine = deviceLine->first + 1;
    for (PositionFileRecord& record : data.records) {
        const auto* line = lines.take();
        const auto fields = fieldsOf(line, expectedLine, 4, 4, problem);
        if (!fields)
            return result;
        const int number = line->first;
        expectedLine = number + 1;
        const auto vel = numberField(fields->at(0), number, min16, max16, problem);
        const auto acc = vel ? numberField(fields->at(1), number, min16, max16, problem) : std::nullopt;
        const auto pulses = acc ? numberField(fields->at(2), number, min32, max32, problem) : std::nullopt;
        if (!pulses)
            return result;
        if (fields->at(3).size() > kMaxCommentLength) {
            problem = problemAt(PositionFileFault::LongComment, number);
            return result;
        }
        record.vel = qint16(*vel);
        record.acc = qint16(*acc);
        record.pulses = qint32(*pulses);
        record.comment = fields->at(3);
    }
    return result;
}

QString positionFileProblemText(const Texts& texts, const QString& path, const PositionFileProblem& problem) {
    QString detail;
    const QString line = QString::number(problem.line);
    switch (problem.fault) {
    case PositionFileFault::MissingLine:
        detail = texts(741).arg(line);
        break;
    case PositionFileFault::BadQuoting:
        detail = texts(742).arg(line);
        break;
    case PositionFileFault::FieldCount:
        detail = texts(743).arg(line, QString::number(problem.fields), QString::number(problem.expected));
        break;
    case PositionFileFault::BadNumber:
        detail =
            texts(744).arg(line, problem.value, QString::number(problem.low), QString::number(problem.high));
        break;
    case PositionFileFault::LongComment:
        detail = texts(745).arg(line, QString::number(kMaxCommentLength));
        break;
    case PositionFileFault::NotText:
        detail = texts(746).arg(line);
        break;
    case PositionFileFault::BadType:
        detail = texts(747).arg(line, problem.value);
        break;
    case PositionFileFault::None:
    case PositionFileFault::NotPositionFile:
    case PositionFileFault::Unreadable:
        break;
    }
    QString text = texts(740).arg(path);
    if (!detail.isEmpty())
        text += kParagraph + detail;
    return text + kParagraph + texts(363);
}

} // namespace zovi
