#pragma once

#include "device/DeviceCatalogue.h"
#include "device/DeviceView.h"
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
    // Writes a file into the data folder as it stands (no line-end translation).
    void write(const QString& name, const QByteArray& contents) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    // Copies one of the shipped lists into the data folder.
    void ship(const QString& name) { QVERIFY(QFile::copy(t.folder.file(name), dir.filePath(name))); }
    QStringList texts() const {
        QStringList shown;
        for (const auto& message : t.op.messages)
            shown << message.text;
        return shown;
    }

    QTemporaryDir dir;
    TestContext t;
    DeviceCatalogue catalogue;
};

// Keeps what the device logic last showed on the main window.
class RecordingDeviceView : public DeviceView {
public:
    void setDeviceLabel(const QString& text) override { label = text; }
    void setVqElementVisible(bool visible) override { vqMark = visible; }
    void setOldElementVisible(bool visible) override { oldMark = visible; }
    void setUnitLine(const QString& mm, const QString& pulse) override {
        mmLine = mm;
        pulseLine = pulse;
    }
    void setChangeDeviceEnabled(bool enabled) override { changeEnabled << enabled; }
    void repaintGrids() override { ++repaints; }

    QString label;
    bool vqMark = false;
    bool oldMark = true;
    QString mmLine, pulseLine;
    QList<bool> changeEnabled;
    int repaints = 0;
};

// The position table's mm column as a plain map from position to pulse and mm texts.
class RecordingMmColumn : public PositionMmColumn {
public:
    QString pulseText(int position) const override { return pulses.value(position); }
    void setMmText(int position, const QString& text) override { mm[position] = text; }
    void beginRefresh() override { calls << QStringLiteral("begin"); }
    void endRefresh() override { calls << QStringLiteral("end"); }
    QMap<int, QString> pulses, mm;
    QStringList calls;
};

} // namespace zovi::test
