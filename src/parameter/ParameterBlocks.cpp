#include "parameter/ParameterBlocks.h"

#include "link/HexPad.h"

namespace zovi {

namespace {

// The digits the controller keeps fixed in each block; "." marks a digit that carries a parameter.
// Block "11" D11-D12 carries the homing method of a type 0 actuator and is "FF" for the others.
const std::array<QByteArray, kBlockCount> kFixedDigits = {
    QByteArray("FF02......FFFFFF"), // "00": D5-D6 pushing amount, D7-D10 home offset
    QByteArray("......02020202FF"), // "10": D1-D6 stroke in pulses
    QByteArray("..........FFFFFF"), // "11": speed settings 1-3, homing and offset speeds, homing method
    QByteArray("............FFFF"), // "12": speed settings 4-9
    QByteArray("................"), // "13": jog speeds, emergency input and logic, lead, pulses
    QByteArray("..........FFFFFF"), // "14": actuator size, speed letter, stroke in mm, type
};

int blockIndex(const char* number) {
    for (int i = 0; i < kBlockCount; ++i) {
        if (qstrcmp(kBlockNumbers[i], number) == 0)
            return i;
    }
    Q_UNREACHABLE();
    return 0;
}

// Places `text` at the row's digits; false when it is the "X" of a value that does not fit.
bool place(BlockTexts& blocks, const char* block, int firstDigit, const QByteArray& text) {
    if (text.contains('X'))
        return false;
    blocks[blockIndex(block)].replace(firstDigit - 1, text.size(), text);
    return true;
}

qint64 readField(const QByteArray& digits, int firstDigit, int count) {
    bool ok = false;
    const qint64 value = digits.mid(firstDigit - 1, count).toLongLong(&ok, 16);
    if (count == 4)
        return static_cast<qint16>(static_cast<quint16>(value));
    return value;
}

// The size as the controller numbers it: the digits after an "E", else the leading digits.
qint64 sizeNumber(const QString& size) {
    const QString text = size.startsWith(QLatin1Char('E')) ? size.mid(1) : size.trimmed();
    qint64 value = 0;
    for (QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

} // namespace

QString DecPad(qint64 value, int width) {
    const QString digits = QString::number(value);
    if (value < 0 || digits.size() > width)
        return QStringLiteral("X");
    return digits.rightJustified(width, QLatin1Char('0'));
}

QString actuatorCode(const QString& size, const QString& speed, qint64 stroke) {
    return size + speed + QLatin1Char('-') + DecPad(stroke, 3);
}

std::optional<BlockTexts> SetParaData2LngData(const ParameterSet& set, bool useDefault) {
    BlockTexts blocks = kFixedDigits;
    bool fits = true;
    for (const ParameterRow& row : parameterRows()) {
        switch (row.coding) {
        case BlockCoding::Plain:
            fits &= place(blocks, row.block, row.firstDigit,
                          HexPad(fieldValue(set, row) * row.scale, row.digits));
            break;
        case BlockCoding::Homing:
            if (set.Type == 0)
                place(blocks, row.block, row.firstDigit, set.Vsiyou == 1 ? "00" : "01");
            else
                place(blocks, row.block, row.firstDigit, "FF");
            break;
        case BlockCoding::Flag: {
            // The input counts any value but 0 as hold; the logic only 1 as logic A.
            const qint64 value = fieldValue(set, row);
            const bool on = useDefault || (row.number == 23 ? value != 0 : value == 1);
            place(blocks, row.block, row.firstDigit, on ? "01" : "00");
            break;
        }
        case BlockCoding::Actuator: {
            const bool eSize = set.ActSize.startsWith(QLatin1Char('E'));
            const QString letter = eSize ? QStringLiteral("E") : set.ActSpeed;
            const char16_t code = letter.isEmpty() ? 0 : letter.at(0).unicode();
            fits &= !letter.isEmpty() && code < 0x100;
            fits &= place(blocks, row.block, row.firstDigit, HexPad(sizeNumber(set.ActSize), 2));
            fits &= place(blocks, row.block, row.firstDigit + 2, HexPad(code, 2));
            fits &= place(blocks, row.block, row.firstDigit + 4, HexPad(set.ActStroke, 4));
            break;
        }
        }
    }
    if (!fits)
        return std::nullopt;
    for (int i = 0; i < kBlockCount; ++i)
        blocks[i].prepend(kBlockNumbers[i]);
    return blocks;
}

void decodeParameterBlocks(const BlockTexts& digits, ParaSlots& staging) {
    for (const ParameterRow& row : parameterRows()) {
        const QByteArray& block = digits[blockIndex(row.block)];
        switch (row.coding) {
        case BlockCoding::Plain:
        case BlockCoding::Flag:
            staging[row.number] = double(readField(block, row.firstDigit, row.digits)) / row.scale;
            break;
        case BlockCoding::Homing:
            staging[row.number] = readField(block, row.firstDigit, row.digits) == 0 ? 1.0 : 0.0;
            break;
        case BlockCoding::Actuator: {
            const qint64 number = readField(block, row.firstDigit, 2);
            const QChar letter(char16_t(readField(block, row.firstDigit + 2, 2)));
            const qint64 stroke = readField(block, row.firstDigit + 4, 4);
            QString size = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
            QString speed(letter);
            if (speed == QLatin1String("E")) {
                size.prepend(QLatin1Char('E'));
                speed = QStringLiteral("L");
            } else if (size.size() == 2) {
                size.prepend(QLatin1Char(' '));
            }
            staging[26] = double(number);
            staging[27] = QString(letter);
            staging[28] = double(stroke);
            staging[22] = actuatorCode(size, speed, stroke);
            break;
        }
        }
    }
}

} // namespace zovi
