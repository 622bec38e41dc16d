#pragma once

#include "app/ProgressView.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceFixture.h"
#include "link/CtCommands.h"
#include "operation/ControllerModes.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterCommands.h"
#include "parameter/ParameterForm.h"
#include "support/LinkFixture.h"

namespace zovi::test {

class RecordingProgress : public ProgressView {
public:
    void open(int maximum, const QString& text) override {
        log << QStringLiteral("%1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { log << QString::number(value); }
    void close() override { log << QStringLiteral("closed"); }
    QStringList log;
};

class RecordingWindow : public ParameterWindowView {
public:
    void showModel() override { ++shows; }
    void setParaWinStatus(const QString& text) override { status << text; }
    int shows = 0;
    QStringList status;
};

// The parameter window's model and commands over a given link, with the shipped lists. The waits are
// recorded instead of waited.
struct ParameterStack {
    ParameterStack(TestContext& t, CtLink& link, RecordingMainView& view, AlarmPanel& alarms)
        : catalogue(t.ctx)
        , ctCommands(link)
        , modes(t.ctx, link, view, view, alarms)
        , model(t.ctx, catalogue, t.ctx.parameters)
        , commands(t.ctx, catalogue, model, window,
                   ParameterLink{link, ctCommands, modes, progress, deviceView, &mm}) {
        commands.transfer.wait = [this](int ms) {
            waits << ms;
        };
        model.Form_Load();
    }

    DeviceCatalogue catalogue;
    CtCommands ctCommands;
    ControllerModes modes;
    RecordingProgress progress;
    RecordingDeviceView deviceView;
    RecordingMmColumn mm;
    RecordingWindow window;
    ParameterFormModel model;
    ParameterCommands commands;
    QList<int> waits;
};

// The stack over a scripted controller, with the run's device (VQ NEW 28L-100, lead 2, 400 pulses a
// revolution, sensor homing).
struct ParameterRig : LinkFixture, ParameterStack {
    explicit ParameterRig(qint16 langNo = 2)
        : LinkFixture(langNo)
        , ParameterStack(t, link, view, alarms) {}
    // Replies to the frames in the order they will be written; an empty one is silence.
    void replies(const QByteArrayList& lines) {
        for (const QByteArray& line : lines)
            line.isEmpty() ? port.script({}) : port.scriptText(line + "\r\n");
    }
    // The factory values of the 28L-100 in the number fields.
    void fillFactory() { fillFactory(model); }
    static void fillFactory(ParameterFormModel& form) {
        const QStringList values =
            QStringLiteral("20000,0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,,2,400").split(u',');
        for (int n = 1; n <= 20; ++n) {
            if (n != 18)
                form.setText(n, values[n - 1]);
        }
    }
    QStringList frames() const {
        QStringList sent;
        for (const QByteArray& frame : port.written)
            sent << QString::fromLatin1(frame).remove(QStringLiteral("\r\n"));
        return sent;
    }
};

// Slots 1 to `last` of the staging table as "20000,0,...,\" 28L-100\",1,1".
inline QString slotsText(const ParaSlots& staging, int last = 24) {
    QStringList values;
    for (int n = 1; n <= last; ++n)
        values << (n == 22 ? u'"' + staging[n].toString() + u'"' : QString::number(staging[n].toDouble()));
    return values.join(u',');
}

// The 28L-100's factory values, changed by "field=value;..." (field "size", "stroke" or a number).
inline ParameterSet factorySet(const QString& changes = {}) {
    ParameterSet set;
    const QList<int> values = {20000, 0,  20, 1,  4,  5, 10, 15,  20, 25, 30, 40,
                               50,    60, 5,  10, 20, 1, 2,  400, 0,  0,  1,  1};
    for (const ParameterRow& row : parameterRows())
        setFieldValue(set, row, values[row.number - 1]);
    set.ActSize = QStringLiteral(" 28"), set.ActSpeed = QStringLiteral("L"), set.ActStroke = 100;
    for (const QString& change : changes.split(u';', Qt::SkipEmptyParts)) {
        const QString key = change.section(u'=', 0, 0), value = change.section(u'=', 1);
        if (key == QLatin1String("size"))
            set.ActSize = value;
        else if (key == QLatin1String("stroke"))
            set.ActStroke = value.toInt();
        else
            setFieldValue(set, parameterRow(key.toInt()), value.toLongLong());
    }
    return set;
}

} // namespace zovi::test
