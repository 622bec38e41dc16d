// The window's fields taken into the parameter set and checked: the acceptance table, the order of
// the checks and their messages, and the take-in of the actuator and the emergency-stop settings.
#include "device/Conversion.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterRig.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// "n=text" sets field n, "type=2", "size= 20", "speed=L", "stroke=50", "vertical=0", "emg=0/0",
// "default=0".
void apply(ParameterRig& r, const QString& changes) {
    ParameterForm& form = r.model.form;
    for (const QString& change : changes.split(u';', Qt::SkipEmptyParts)) {
        const QString key = change.section(u'=', 0, 0), value = change.section(u'=', 1);
        if (key == u"type")
            form.type = value.toInt();
        else if (key == u"size")
            form.actSize = value;
        else if (key == u"speed")
            form.actSpeed = value;
        else if (key == u"stroke")
            form.actStroke = value;
        else if (key == u"vertical")
            form.vertical = value.toInt();
        else if (key == u"emg")
            form.emgWay = value.section(u'/', 0, 0).toInt(), form.emgLogic = value.section(u'/', 1).toInt();
        else if (key == u"default")
            form.useDefault = value == u"1";
        else
            r.model.setText(key.toInt(), value);
    }
}

const QString kNoData = u"No data in some of parameters.\r\n\r\nFill the data in and try it again."_s;
const QString kVertical = u"VQ-20 series and VQ-42 series are only Vercical type.\r\n\r\nIs a setting of "
                          u"[Vertical setting] changed into \"Vertical\"?"_s;

QString invalid(const QString& list) {
    return u"Invalid volue for parameter No."_s + list + u".\r\n\r\nComfirm data value and try it again."_s;
}

} // namespace

class TestParameterRules : public QObject {
    Q_OBJECT
private slots:
    void checksInTheirOrder_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QStringList>("shown"); // nothing: the checks pass
        QTest::newRow("factory values") << u""_s << QStringList{};
        QTest::newRow("stroke 16777215") << u"1=16777215"_s << QStringList{};
        QTest::newRow("stroke one more") << u"1=16777216"_s << QStringList{invalid(u"1,"_s)};
        QTest::newRow("speed 0, 60, 61") << u"6=0;7=60;10=61"_s << QStringList{invalid(u"6,10,"_s)};
        QTest::newRow("jog 100") << u"15=100;17=30"_s << QStringList{invalid(u"15,"_s)};
        QTest::newRow("4 and 5 at 0 and 255") << u"4=0;5=255"_s << QStringList{};
        QTest::newRow("4 at 256") << u"4=256"_s << QStringList{invalid(u"4,"_s)};
        QTest::newRow("3 and 20, listed in order") << u"20=10000;3=256"_s << QStringList{invalid(u"3,20,"_s)};
        QTest::newRow("homing text 2") << u"18=2"_s << QStringList{invalid(u"18,"_s)};
        QTest::newRow("emergency options with the defaults checked")
            << u"default=1;emg=0/0"_s << QStringList{};
        QTest::newRow("JM device check: 28L-100 listed") << u"type=2;vertical=0"_s << QStringList{};
        QTest::newRow("JM device check: no 20 size")
            << u"type=2;size= 20;stroke=50;vertical=0"_s << QStringList{invalid(u"22,"_s)};
        QTest::newRow("VQ(Old) has no E35")
            << u"type=1;size=E35;stroke=50"_s << QStringList{invalid(u"22,"_s)};
        QTest::newRow("presence before value") << u"2=;3=999"_s << QStringList{kNoData};
        QTest::newRow("empty stroke box") << u"stroke="_s << QStringList{kNoData};
        QTest::newRow("value before vertical")
            << u"size= 42;vertical=0;6=0"_s << QStringList{invalid(u"6,"_s)};
        QTest::newRow("vertical question does not stop")
            << u"size= 42;stroke=100;vertical=0"_s << QStringList{kVertical};
        QTest::newRow("no question for VQ(Old)")
            << u"type=1;size= 42;stroke=100;vertical=0"_s << QStringList{};
    }

    // The checks run presence, value, vertical, take-in; the first failure ends with its message, the
    // vertical question (answered No here) does not.
    void checksInTheirOrder() {
        QFETCH(QString, changes);
        QFETCH(QStringList, shown);
        ParameterRig r;
        r.fillFactory();
        apply(r, changes);
        r.t.op.answer(Answer::No);
        const bool passes = shown.isEmpty() || shown == QStringList{kVertical};
        QCOMPARE(r.commands.checkAndTakeIn(), passes ? 0 : 1);
        QCOMPARE(r.t.op.texts(), shown);
        if (passes)
            QCOMPARE(r.t.ctx.parameters.set.Stroke, qint32(conv::leadingNumber(r.model.form.text[1])));
    }

    void takeIn_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("taken"); // ActSize|Actuator|Vsiyou|EmgWay|EmgLogic, or "fails"
        QTest::newRow("two-character size gets its blank")
            << u"size=28;speed=L ;stroke=100"_s << u"[ 28]| 28L-100|1|1|1"_s;
        QTest::newRow("E35 as it is") << u"size=E35;stroke=50"_s << u"[E35]|E35L-050|1|1|1"_s;
        QTest::newRow("stroke beyond three digits") << u"stroke=1000"_s << u"[ 28]| 28L-X|1|1|1"_s;
        QTest::newRow("defaults checked force 23 and 24")
            << u"default=1;emg=0/0"_s << u"[ 28]| 28L-100|1|1|1"_s;
        QTest::newRow("reset and logic B") << u"default=0;emg=0/0;vertical=0"_s << u"[ 28]| 28L-100|0|0|0"_s;
        QTest::newRow("a number beyond 16 bits") << u"3=40000"_s << u"fails"_s;
        QTest::newRow("a stroke beyond 32 bits") << u"1=3000000000"_s << u"fails"_s;
    }

    void takeIn() {
        QFETCH(QString, changes);
        QFETCH(QString, taken);
        ParameterRig r;
        r.fillFactory();
        apply(r, changes);
        ParameterSet set;
        set.Stroke = 7;
        const int result = TorikomiParaData(r.model.form, set);
        QCOMPARE(result, taken == u"fails" ? 1 : 0);
        if (result != 0) {
            QCOMPARE(set.Stroke, 7); // unchanged
            return;
        }
        QCOMPARE(u"[%1]|%2|%3|%4|%5"_s.arg(set.ActSize, set.Actuator)
                     .arg(set.Vsiyou)
                     .arg(set.EmgWay)
                     .arg(set.EmgLogic),
                 taken);
        QCOMPARE((QList<int>{set.Stroke, set.KasokuSet9, set.Jog3, set.Pulse, set.Type}),
                 (QList<int>{20000, 60, 20, 400, 0}));
    }
};

QTEST_GUILESS_MAIN(TestParameterRules)
#include "tst_parameter_rules.moc"
