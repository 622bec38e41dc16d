#include "parameter/ParameterFile.h"
#include "app/WholeFile.h"

#include "app/Catalogue.h"
#include "device/DeviceListFile.h"
#include "parameter/ParameterTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace zovi {

namespace {

const QString kMarker = QStringLiteral("VQ-E1");
const QString kKind = QStringLiteral("Parameter");
constexpr int kActuatorNumber = 22;

bool isText(QChar c) {
    if (c == QChar::ReplacementCharacter || c == QChar(0x7F))
        return false;
    return c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The items in turn, separated by commas or line ends, an item in double quotes keeping its commas and
// blanks; nothing when a quote is not closed or text follows a closing quote.
std::optional<QStringList> splitItems(const QString& text) {
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isBlank = [&](qsizetype at) {
        return at < n && (text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t'));
    };
    auto isLineEnd = [&](qsizetype at) {
        return at < n && (text[at] == QLatin1Char('\r') || text[at] == QLatin1Char('\n'));
    };
    while (true) {
        while (isBlank(i) || isLineEnd(i))
            ++i;
        if (i >= n)
            return items;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                return std::nullopt;
            items << text.mid(i + 1, close - i - 1);
            i = close + 1;
            while (isBlank(i))
                ++i;
            if (i < n && text[i] != QLatin1Char(',') && !isLineEnd(i))
                return std::nullopt;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(i))
                ++i;
            const QString bare = text.mid(start, i - start).trimmed();
            if (bare.contains(QLatin1Char('"')))
                return std::nullopt;
            items << bare;
        }
        if (i < n && text[i] == QLatin1Char(','))
            ++i;
    }
}

std::optional<double> decimalNumber(const QString& item) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString text = item.trimmed();
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

// An actuator code of an older file (7 characters) as the program writes it (8).
QString currentActuatorCode(const QString& code) {
    if (code.size() != 7)
        return code;
    if (code[2] == QLatin1Char('E'))
        return QStringLiteral("E35L-050");
    return QLatin1Char(' ') + code;
}

ParameterFileProblem problemOf(ParameterFileFault fault, int item = 0, const QString& text = {}) {
    ParameterFileProblem problem;
    problem.fault = fault;
    problem.item = item;
    problem.text = text;
    return problem;
}

} // namespace

QByteArray parameterFileBytes(const ParameterSet& set) {
    QStringList values;
    for (const ParameterRow& row : parameterRows()) {
        if (row.number == kActuatorNumber)
            values << QLatin1Char('"') + set.Actuator + QLatin1Char('"');
        else
            values << QString::number(fieldValue(set, row));
    }
    const QString text = QLatin1Char('"') + kMarker + QStringLiteral("\",\"") + kKind +
                         QStringLiteral("\"\r\n") + values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    return text.toLatin1();
}

ParameterFileParse parseParameterFile(const QByteArray& bytes) {
    ParameterFileParse result;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    const auto items = splitItems(text);
    // The kind of file is told by its first two items, even when what follows is damaged.
    const QStringList head =
        items ? *items : splitItems(text.section(QLatin1Char('\n'), 0, 0)).value_or(QStringList());
    if (head.size() < 2 || head[0] != kMarker || head[1] != kKind) {
        result.problem = problemOf(ParameterFileFault::NotParameterFile);
        return result;
    }
    if (!items || utf8.hasError() || !std::all_of(text.begin(), text.end(), isText)) {
        result.problem = problemOf(ParameterFileFault::NotText);
        return result;
    }

    const qsizetype count = items->size() - 2;
    if (count != kParameterFileValues && count != kOlderJmFileValues) {
        result.problem = problemOf(ParameterFileFault::ValueCount);
        result.problem.count = int(count);
        return result;
    }
    for (int number = 1; number <= count; ++number) {
        const QString& item = items->at(number + 1);
        const ParameterRow& row = parameterRow(number);
        if (number == kActuatorNumber) {
            const QString code = currentActuatorCode(item);
            if (!parseModelCode(code)) {
                result.problem = problemOf(ParameterFileFault::BadActuator, number, item);
                return result;
            }
            result.values << code;
            continue;
        }
        const auto value = decimalNumber(item);
        if (!value) {
            result.problem = problemOf(ParameterFileFault::NotNumber, number, item);
            return result;
        }
        // The type chooses the device list; the other numbers need only fit their fields.
        const auto fitted = fitToWidth(*value, row.width);
        const bool typeKnown = number != 21 || (fitted && *fitted >= row.low && *fitted <= row.high);
        if (!fitted || !typeKnown) {
            result.problem = problemOf(ParameterFileFault::DoesNotFit, number, item.trimmed());
            result.problem.low = number == 21 ? row.low : widthLow(row.width);
            result.problem.high = number == 21 ? row.high : widthHigh(row.width);
            return result;
        }
        result.values << *value;
    }
    return result;
}

int OpenParaFile(const QString& path, ParameterState& state, ParameterFileProblem* problem) {
    QFile file(path);
    ParameterFileParse parsed;
    if (file.open(QIODevice::ReadOnly))
        parsed = parseParameterFile(file.read(kMaxParameterFileBytes));
    if (file.error() != QFileDevice::NoError)
        parsed.problem = problemOf(ParameterFileFault::Unreadable);
    if (problem)
        *problem = parsed.problem;
    if (!parsed.ok())
        return 1;
    for (int slot = 1; slot <= parsed.values.size(); ++slot)
        state.ParaFileData[slot] = parsed.values[slot - 1];
    state.ParaItemCount = qint16(parsed.values.size() + 1);
    state.ParaFileData[0] = QFileInfo(path).fileName();
    return 0;
}

int SaveParaFileAs(const QString& path, const ParameterSet& set) {
    return writeWholeFile(path, parameterFileBytes(set)).isEmpty() ? 0 : 1;
}

QString parameterFileProblemText(const Texts& texts, const QString& path,
                                 const ParameterFileProblem& problem) {
    QString detail;
    const QString item = QString::number(problem.item);
    switch (problem.fault) {
    case ParameterFileFault::ValueCount:
        detail = texts(761).arg(problem.count);
        break;
    case ParameterFileFault::NotNumber:
        detail = texts(762).arg(item, problem.text);
        break;
    case ParameterFileFault::DoesNotFit:
        detail =
            texts(763).arg(item, problem.text, QString::number(problem.low), QString::number(problem.high));
        break;
    case ParameterFileFault::BadActuator:
        detail = texts(764).arg(problem.text);
        break;
    case ParameterFileFault::NotText:
        detail = texts(765);
        break;
    case ParameterFileFault::Unreadable:
        detail = texts(766);
        break;
    case ParameterFileFault::None:
    case ParameterFileFault::NotParameterFile:
        break;
    }
    const QString named = texts(760).arg(QDir::toNativeSeparators(path));
    return detail.isEmpty() ? named : named + kParagraph + detail;
}

QString titleWithoutExtension(const QString& fileTitle) {
    return fileTitle.size() > 4 ? fileTitle.chopped(4) : fileTitle;
}

} // namespace zovi
