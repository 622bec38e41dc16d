// The alarm list ("error.lst"): any bytes give at most 40 records, and every alarm number can be
// looked up and shown on the panel.
#include "FuzzSupport.h"

#include "operation/AlarmList.h"
#include "operation/AlarmPanel.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    zovi::AlarmList list;
    list.load(zovi::fuzz::scratchFile(bytes));
    if (list.records().size() > zovi::AlarmList::kMaxRecords)
        __builtin_trap();
    for (int code = 0; code < 0x100 + 100; code += 7)
        (void)list.find(code);

    // The panel reads the list beside the program and shows a status line made of the input.
    static const QString folder = QDir::temp().filePath(QStringLiteral("zovi-fuzz-alarms"));
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("error.lst")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    zovi::fuzz::FuzzContext run(size % 2 ? 1 : 2);
    run.ctx.folder = zovi::ProgramFolder(folder);
    zovi::QuietMainView view;
    zovi::AlarmPanel panel(run.ctx, view);
    panel.Get_ErrorList();
    panel.DispAlarmState(QByteArrayLiteral("0%%") + bytes.left(4) + QByteArrayLiteral("\r\n"));
    panel.Disp_ZeroB_Error();
    return 0;
}
