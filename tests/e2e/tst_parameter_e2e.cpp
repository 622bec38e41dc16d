// The parameters against the controller simulator over the program's own serial stack: read, verify,
// change and write (with the position check, the reset and the actuator read back), and verify again.
#include "parameter/ParameterRig.h"
#include "support/SimulatedLink.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

struct Bench : SimulatedLink {
    explicit Bench(const QString& log)
        : SimulatedLink({u"--log"_s, log}) {
        model.Form_Load();
    }
    CtCommands ctCommands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
    DeviceCatalogue catalogue{t.ctx};
    RecordingProgress progress;
    RecordingDeviceView deviceView;
    RecordingWindow window;
    ParameterFormModel model{t.ctx, catalogue, t.ctx.parameters};
    ParameterCommands commands{t.ctx, catalogue, model, window,
                               ParameterLink{link, ctCommands, modes, progress, deviceView}};
};

const QString kOk = u"Parameters : indicated and inside of controller\r\n\r\nResult of Verification : OK"_s;

// The commands the simulator received, in order ("0RD10", "0WD1114...").
QStringList received(const QString& log) {
    QFile file(log);
    QStringList commands;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromLatin1(file.readAll()).split(u'\n')) {
            if (line.contains(u" <- "_s))
                commands << line.section(u" <- "_s, 1).trimmed();
        }
    }
    return commands;
}

} // namespace

class TestParameterE2e : public QObject {
    Q_OBJECT
private slots:
    void readChangeWriteAndVerify() {
        QTemporaryDir dir;
        const QString log = dir.filePath(u"ctsim.log"_s);
        Bench b(log);
        ParameterState& state = b.t.ctx.parameters;
        b.commands.run(ParameterCommand::ReadCt);
        QCOMPARE(slotsText(state.ParaFileData),
                 u"20000,0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,400,0,\" 28L-100\",1,1"_s);
        b.commands.run(ParameterCommand::VerifyCt);
        QCOMPARE(b.t.op.lastText(), kOk);

        b.model.setText(6, u"6"_s);
        b.commands.run(ParameterCommand::VerifyCt);
        QVERIFY(b.t.op.lastText().endsWith(u"<Unmatched Parameter No.>\r\n6,"_s));

        b.t.ctx.operation.MoveDataReadFlag = true;
        QFile::resize(log, 0);
        b.commands.run(ParameterCommand::WriteCt); // Yes to the write, OK to the reset
        QCOMPARE(
            received(log),
            (QStringList{"0CM1", "0RP1", "0RP2", "0RP3", "0WD00FF02140000FFFFFF", "0WD10004E2002020202FF",
                         "0WD1118283C010400FFFF", "0WD12506478A0C8F0FFFF", "0WD13050A140101020190",
                         "0WD141C4C006400FFFFFF", "0CM1", "0CM3", "0RD14", "0RD13", "0RD11"}));
        // The two verifications and the two questions of the write: nothing went wrong, no actuator differs.
        QCOMPARE(b.t.op.messages.size(), 4);
        QVERIFY(!b.t.ctx.operation.MoveDataReadFlag && !b.port.isOpen());
        b.commands.run(ParameterCommand::VerifyCt);
        QCOMPARE(b.t.op.lastText(), kOk);
    }
};

QTEST_GUILESS_MAIN(TestParameterE2e)
#include "tst_parameter_e2e.moc"
