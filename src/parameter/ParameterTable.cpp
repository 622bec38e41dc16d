#include "parameter/ParameterTable.h"

#include <QString>
#include <cmath>
#include <limits>

namespace zovi {

namespace {

using S = ParameterSet;
constexpr auto I16 = FieldWidth::Int16;
constexpr auto I32 = FieldWidth::Int32;
constexpr auto Txt = FieldWidth::Text;
constexpr auto Plain = BlockCoding::Plain;

// clang-format off
const std::array<ParameterRow, kParameterCount> kRows = {{
//   no  field           width  16-bit member      32-bit member    low high  len  label window field       hint key  Enter moves to      leave         block dig n scale coding
    { 1, "Stroke",       I32, nullptr,           &S::Stroke,       0, 16777215, 8, 55, "txtStroke",       321, 8, "txtHomeOffset",   true, 1, 100000, "10", 1, 6, 1, Plain},
    { 2, "HomeOffset",   I32, nullptr,           &S::HomeOffset,   0, 700,  5,  56, "txtHomeOffset",      322, 3, "txtHomeOsikomi",  true, 0, 700,    "00", 7, 4, 1, Plain},
    { 3, "HomeOsikomi",  I16, &S::HomeOsikomi,  nullptr,          0, 255,  3,  57, "txtHomeOsikomi",     323, 3, "txtGentenModori", true, 0, 255,    "00", 5, 2, 1, Plain},
    { 4, "GentenModori", I16, &S::GentenModori, nullptr,          0, 255,  3,  59, "txtGentenModori",    326, 3, "txtGentenHanten", true, 1, 16,     "11", 7, 2, 1, Plain},
    { 5, "GentenHanten", I16, &S::GentenHanten, nullptr,          0, 255,  3,  60, "txtGentenHanten",    327, 3, "txtKasokuSet1",   true, 1, 16,     "11", 9, 2, 1, Plain},
    { 6, "KasokuSet1",   I16, &S::KasokuSet1,   nullptr,          1, 60,   3,  61, "txtKasokuSet1",      328, 3, "txtKasokuSet2",   true, 1, 60,     "11", 1, 2, 4, Plain},
    { 7, "KasokuSet2",   I16, &S::KasokuSet2,   nullptr,          1, 60,   3,  62, "txtKasokuSet2",      328, 3, "txtKasokuSet3",   true, 1, 60,     "11", 3, 2, 4, Plain},
    { 8, "KasokuSet3",   I16, &S::KasokuSet3,   nullptr,          1, 60,   3,  63, "txtKasokuSet3",      328, 3, "txtKasokuSet4",   true, 1, 60,     "11", 5, 2, 4, Plain},
    { 9, "KasokuSet4",   I16, &S::KasokuSet4,   nullptr,          1, 60,   3, 181, "txtKasokuSet4",      328, 3, "txtKasokuSet5",   true, 1, 60,     "12", 1, 2, 4, Plain},
    {10, "KasokuSet5",   I16, &S::KasokuSet5,   nullptr,          1, 60,   3, 182, "txtKasokuSet5",      328, 3, "txtKasokuSet6",   true, 1, 60,     "12", 3, 2, 4, Plain},
    {11, "KasokuSet6",   I16, &S::KasokuSet6,   nullptr,          1, 60,   3, 183, "txtKasokuSet6",      328, 3, "txtKasokuSet7",   true, 1, 60,     "12", 5, 2, 4, Plain},
    {12, "KasokuSet7",   I16, &S::KasokuSet7,   nullptr,          1, 60,   3, 184, "txtKasokuSet7",      328, 3, "txtKasokuSet8",   true, 1, 60,     "12", 7, 2, 4, Plain},
    {13, "KasokuSet8",   I16, &S::KasokuSet8,   nullptr,          1, 60,   3, 185, "txtKasokuSet8",      328, 3, "txtKasokuSet9",   true, 1, 60,     "12", 9, 2, 4, Plain},
    {14, "KasokuSet9",   I16, &S::KasokuSet9,   nullptr,          1, 60,   3, 186, "txtKasokuSet9",      328, 3, "txtJog1",         true, 1, 60,     "12", 11, 2, 4, Plain},
    {15, "Jog1",         I16, &S::Jog1,         nullptr,          1, 30,   2, 187, "txtJog1",            330, 3, "txtJog2",         true, 1, 30,     "13", 1, 2, 1, Plain},
    {16, "Jog2",         I16, &S::Jog2,         nullptr,          1, 30,   2, 188, "txtJog2",            330, 3, "txtJog3",         true, 1, 30,     "13", 3, 2, 1, Plain},
    {17, "Jog3",         I16, &S::Jog3,         nullptr,          1, 30,   2, 189, "txtJog3",            330, 3, "txtVsiyou",       true, 1, 30,     "13", 5, 2, 1, Plain},
    {18, "Vsiyou",       I16, &S::Vsiyou,       nullptr,          0, 1,    1,  64, "txtVsiyou",          331, 0, nullptr,           true, 0, 1,      "11", 11, 2, 1, BlockCoding::Homing},
    {19, "Lead",         I16, &S::Lead,         nullptr,          1, 255,  3, 196, "txtLead",              0, 0, nullptr,           false, 0, 0,     "13", 11, 2, 1, Plain},
    {20, "Pulse",        I16, &S::Pulse,        nullptr,          1, 9999, 4, 197, "txtPulse",             0, 4, "comboActSize",    false, 0, 0,     "13", 13, 4, 1, Plain},
    {21, "Type",         I32, nullptr,           &S::Type,         0, 2,    1,  84, "optType",              0, 0, nullptr,           false, 0, 0,     "14", 9, 2, 1, Plain},
    {22, "Actuator",     Txt, nullptr,           nullptr,          0, 0,    0, 198, "txtActuator",          0, 0, nullptr,           false, 0, 0,     "14", 1, 8, 1, BlockCoding::Actuator},
    {23, "EmgWay",       I16, &S::EmgWay,       nullptr,          0, 1,    1, 193, "optEmgWay",            0, 0, nullptr,           false, 0, 0,     "13", 7, 2, 1, BlockCoding::Flag},
    {24, "EmgLogic",     I16, &S::EmgLogic,     nullptr,          0, 1,    1, 190, "optEmgLogic",          0, 0, nullptr,           false, 0, 0,     "13", 9, 2, 1, BlockCoding::Flag},
}};
// clang-format on

} // namespace

const std::array<ParameterRow, kParameterCount>& parameterRows() {
    return kRows;
}

const ParameterRow& parameterRow(int number) {
    Q_ASSERT(number >= 1 && number <= kParameterCount);
    return kRows[number - 1];
}

const ParameterRow* rowOfWindowField(const QString& objectName) {
    for (const ParameterRow& row : kRows) {
        if (objectName == QLatin1String(row.windowField))
            return &row;
    }
    return nullptr;
}

bool hasNumberField(const ParameterRow& row) {
    return row.number <= 17 || row.number == 19 || row.number == 20;
}

qint64 fieldValue(const ParameterSet& set, const ParameterRow& row) {
    if (row.int16)
        return set.*row.int16;
    if (row.int32)
        return set.*row.int32;
    return 0;
}

void setFieldValue(ParameterSet& set, const ParameterRow& row, qint64 value) {
    if (row.int16)
        set.*row.int16 = static_cast<qint16>(value);
    else if (row.int32)
        set.*row.int32 = static_cast<qint32>(value);
}

qint64 widthLow(FieldWidth width) {
    return width == FieldWidth::Int16 ? std::numeric_limits<qint16>::min()
                                      : std::numeric_limits<qint32>::min();
}

qint64 widthHigh(FieldWidth width) {
    return width == FieldWidth::Int16 ? std::numeric_limits<qint16>::max()
                                      : std::numeric_limits<qint32>::max();
}

std::optional<qint64> fitToWidth(double value, FieldWidth width) {
    if (width == FieldWidth::Text)
        return std::nullopt;
    const double rounded = std::nearbyint(value); // halves to even
    if (!std::isfinite(rounded) || rounded < double(widthLow(width)) || rounded > double(widthHigh(width)))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

} // namespace zovi
