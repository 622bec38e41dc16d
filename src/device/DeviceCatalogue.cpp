#include "device/DeviceCatalogue.h"

#include "app/AppContext.h"

namespace zovi {

QString DeviceCatalogue::deviceListPath(const QString& series, bool isNewType) const {
    return ctx_.folder.file(deviceListFileName(series, isNewType));
}

QString DeviceCatalogue::stdPrmPath(const QString& series, bool isNewType) const {
    return ctx_.folder.file(stdPrmFileName(series, isNewType));
}

void DeviceCatalogue::tellUnreadable(const ListProblem& problem) {
    // The file is named with its fault, so that the operator knows which file to put back.
    ctx_.op.message(ctx_.texts.joined({551, 552}) + kParagraph + listProblemText(ctx_.texts, problem));
}

int DeviceCatalogue::loadDeviceList(int mode) {
    const bool isNewType = mode == 1 ? DlgNewType : ctx_.device.IsNewType;
    table_ = readDeviceList(deviceListPath(ctx_.device.SeriesText, isNewType));
    if (table_.ok())
        return 0;
    DevListMissingFlag = true;
    tellUnreadable(table_.problem);
    return 1;
}

void DeviceCatalogue::seekLeadAndPpr() {
    DeviceState& dev = ctx_.device;
    DeviceNotFoundFlag = false;
    if (const DeviceRecord* row = table_.find(dev.PrevDevSize, dev.PrevDevSpeed, dev.PrevDevStroke)) {
        dev.DevLead = row->lead;
        dev.DevPPR = row->ppr;
        return;
    }
    DeviceNotFoundFlag = true;
    ctx_.op.message(ctx_.msg(575));
}

DeviceList DeviceCatalogue::readForLookup(const QString& series, bool isNewType, bool tell) {
    DeviceList list = readDeviceList(deviceListPath(series, isNewType));
    if (!list.ok() && tell)
        tellUnreadable(list.problem);
    return list;
}

qint16 DeviceCatalogue::lookupLead(const QString& series, bool isNewType, const QString& size,
                                   const QString& speed, int stroke) {
    const DeviceList list = readForLookup(series, isNewType, true);
    if (!list.ok())
        return 0;
    const DeviceRecord* row = list.find(size, speed, stroke);
    return row ? row->lead : qint16(0);
}

int DeviceCatalogue::checkListReadable(const QString& series, bool isNewType) {
    return readForLookup(series, isNewType, true).ok() ? 0 : 1;
}

int DeviceCatalogue::devicePresent(const QString& series, bool isNewType, const QString& size,
                                   const QString& speed, int stroke) {
    const DeviceList list = readForLookup(series, isNewType, false);
    return list.ok() && list.find(size, speed, stroke) ? 0 : 1;
}

int DeviceCatalogue::sizePresent(const QString& series, bool isNewType, const QString& size) {
    const DeviceList list = readForLookup(series, isNewType, false);
    return list.ok() && list.sizes.contains(size) ? 0 : 1;
}

int DeviceCatalogue::modelCategory(const QString& series, bool isNewType, const QString& size,
                                   const QString& speed, int stroke) {
    const DeviceList list = readForLookup(series, isNewType, false);
    const DeviceRecord* row = list.ok() ? list.find(size, speed, stroke) : nullptr;
    return row ? row->category : 0;
}

int DeviceCatalogue::loadStdPrmList(bool vTypeChoice) {
    StdPrmMissingFlag = false;
    const bool isVq = WorkSeriesText == QLatin1String("VQ");
    const int kind = isVq ? (DlgNewType ? 0 : 1) : 2;
    stdPrm_ = readStdPrmList(stdPrmPath(WorkSeriesText, DlgNewType), kind, vTypeChoice);
    if (stdPrm_.ok())
        return 0;
    StdPrmMissingFlag = true;
    return 1;
}

void DeviceCatalogue::tellStdPrmUnreadable(const ListProblem& problem) {
    ctx_.op.message(ctx_.msg(532) + kParagraph + listProblemText(ctx_.texts, problem));
}

int DeviceCatalogue::checkStdPrmReadable(const QString& series, bool isNewType) {
    const StdPrmList list = readStdPrmList(stdPrmPath(series, isNewType), 0, false);
    if (list.ok())
        return 0;
    tellStdPrmUnreadable(list.problem);
    return 1;
}

} // namespace zovi
