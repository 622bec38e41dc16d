#pragma once

#include "app/ProgressView.h"
#include "device/Conversion.h"
#include "device/DeviceFixture.h"
#include "link/CtCommands.h"
#include "operation/ControllerModes.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "position/PositionTransfer.h"
#include "support/RecordingMainView.h"

namespace zovi::test {

// The position table and its transfer over a given link, for the program's default actuator (the
// simulator's), recording the progress window as "[max text", steps and "]".
struct TransferRig : ProgressView {
    TransferRig(TestContext& t, CtLink& link, RecordingMainView& view, AlarmPanel& alarms)
        : commands(link)
        , modes(t.ctx, link, view, view, alarms)
        , grid(t.ctx.texts)
        , table(t.ctx, grid)
        , catalogue(t.ctx)
        , transfer(t.ctx, table, catalogue, link, commands, modes, *this, deviceView) {
        conv::recomputeLimits(t.ctx.device);
    }
    void open(int maximum, const QString& text) override {
        progress << QStringLiteral("[%1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { progress << QString::number(value); }
    void close() override { progress << QStringLiteral("]"); }

    // Sets, and shows, VEL, ACC and mm of positions 1 to 3 as "VEL|ACC|mm;VEL|ACC|mm;VEL|ACC|mm".
    void fill(const QString& rows) {
        const QStringList positions = rows.split(QLatin1Char(';'));
        for (int p = 1; p <= positions.size(); ++p) {
            const QStringList cells = positions[p - 1].split(QLatin1Char('|'));
            for (int c = 0; c < 3; ++c)
                grid.setText(p, PositionGridModel::ColVel + c, cells[c]);
        }
    }
    QString shown() const {
        QStringList positions;
        for (int p = 1; p <= 3; ++p)
            positions << grid.text(p, PositionGridModel::ColVel) + QLatin1Char('|') +
                             grid.text(p, PositionGridModel::ColAcc) + QLatin1Char('|') +
                             grid.text(p, PositionGridModel::ColMm);
        return positions.join(QLatin1Char(';'));
    }

    CtCommands commands;
    ControllerModes modes;
    PositionGridModel grid;
    PositionTable table;
    DeviceCatalogue catalogue;
    RecordingDeviceView deviceView;
    QStringList progress;
    PositionTransfer transfer;
};

} // namespace zovi::test
