#pragma once

#include "device/DeviceCatalogue.h"
#include "device/DeviceView.h"
#include "position/PositionFiles.h"
#include "support/TestContext.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

namespace zovi::test {

// A run whose data folder is a temporary one that the test fills with list files.
struct DeviceFixture {
    explicit DeviceFixture(qint16 langNo = 2)
        : t(langNo)
        , catalogue(t.ctx) {
        t.ctx.folder = ProgramFolder(dir.path());
    }
    void write(const QString& name, const QByteArray& contents) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
    // Copies the device lists shipped beside the test program.
    void shipLists() {
        for (const char* name : {"nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"})
            QVERIFY(QFile::copy(t.folder.file(QLatin1String(name)), dir.filePath(QLatin1String(name))));
    }

    QTemporaryDir dir;
    TestContext t;
    DeviceCatalogue catalogue;
};

// "VQ NEW 0 [ 28]L-100 2/400 vertical": series, type, list kind, size, speed, stroke, lead/PPR.
inline QString describe(const DeviceState& d) {
    return QStringLiteral("%1 %2 %3 [%4]%5-%6 %7/%8%9")
        .arg(d.IsVqSeries ? "VQ" : "JM", d.NewOldText)
        .arg(d.DevListKind)
        .arg(d.DevSize, d.DevSpeed)
        .arg(d.DevStroke)
        .arg(d.DevLead)
        .arg(d.DevPPR)
        .arg(d.VerticalFlag ? " vertical" : "");
}

class RecordingDeviceView : public DeviceView {
public:
    void setDeviceLabel(const QString& text) override { label = text; }
    void setVqElementVisible(bool visible) override { vqMark = visible; }
    void setOldElementVisible(bool visible) override { oldMark = visible; }
    void setUnitLine(const QString& mm, const QString& pulse) override { mmLine = mm, pulseLine = pulse; }
    void setChangeDeviceEnabled(bool enabled) override { changeEnabled << enabled; }
    void repaintGrids() override { ++repaints; }
    QString label, mmLine, pulseLine;
    bool vqMark = false, oldMark = true;
    QList<bool> changeEnabled;
    int repaints = 0;
};

class RecordingMmColumn : public PositionMmColumn {
public:
    QString pulseText(int position) const override { return pulses.value(position); }
    void setMmText(int position, const QString& text) override { mm[position] = text; }
    QMap<int, QString> pulses, mm;
};

// The position file commands' window, for the program's default actuator, recording the wait cursor.
class RecordingFileView : public PositionFileView {
public:
    QString deviceTypeName() const override { return QStringLiteral("VQ- 28L-100"); }
    void setWaitCursor(bool on) override { cursor << on; }
    DeviceView& deviceView() override { return device; }
    QList<bool> cursor;
    RecordingDeviceView device;
};

} // namespace zovi::test
