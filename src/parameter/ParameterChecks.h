#pragma once

#include "app/ParameterState.h"

#include <QString>

namespace zovi {

class DeviceCatalogue;
struct ParameterForm;

// The rules that take the parameter window's fields into the parameter set and check them, and the
// conversion of the staging table into the set. A field's number is the leading number of its text
// (0 for an empty text), rounded half to even.

// TorikomiParaData: the fields into `set` (numbers 1, 2 in 32 bits, the others in 16; 18 from the
// homing option, 21 from the type option, 22 from the three actuator boxes, 23 and 24 from their
// options, or 1 and 1 with the default check box). 0, or 1 when a number does not fit its field
// (the set is then unchanged).
int TorikomiParaData(const ParameterForm& form, ParameterSet& set);

// Check_ParaDataUmu: 1 when a number field (1 to 17, 19, 20) or an actuator box is empty, else 0.
int Check_ParaDataUmu(const ParameterForm& form);

// CheckParaDataValue: 1 when a parameter lies outside the acceptance table of parameter/ParameterTable.h
// or its decimal text is too long, or the actuator is not in the device list of the chosen type
// (22); `InvalidParaList` lists them as "3,20,". 18 is read from txtVsiyou; 23 and 24 count as 0 with
// the default check box.
int CheckParaDataValue(const ParameterForm& form, DeviceCatalogue& catalogue, QString& InvalidParaList);

// Check_VType: 1 when a VQ(New) actuator of size " 42" or " 20" is not set to sensor homing.
int Check_VType(const ParameterForm& form);

// ParaDA2Hensu: slots 1 to 24 into the set (halves rounded to even), slots 25 to 27 and the actuator
// parts from slot 22.
void ParaDA2Hensu(ParameterState& state);

// ParametaShogoProc: 0 when slots 1 to `lastNumber` equal the set, else 1 with UnmatchedParaList
// ("1,6,"). 23 and 24 are compared only with `withDetails` (the parameter details setting).
int ParametaShogoProc(ParameterState& state, int lastNumber, bool withDetails);

// A two-character size gets its blank: "28" is " 28".
QString sizeWithBlank(const QString& size);

} // namespace zovi
