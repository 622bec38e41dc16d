// The parameter window driven as the operator drives it: the key filter and leave checks of the number
// fields, the vertical question answered Yes and No on a save, and the standard values for a device.
#include "NextDialog.h"
#include "parameter/ParameterRig.h"
#include "ui/FrmParameta.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The window over the rig's scripted controller, shown and active.
struct Window : ParameterRig {
    Window() {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the parameter window is not active");
    }
    template <typename T = QLineEdit> T* field(const QString& name) const { return child<T>(&window, name); }
    void click(const QString& name) { QTest::mouseClick(field<QAbstractButton>(name), Qt::LeftButton); }
    ParameterFormModel& shown() { return window.model(); }
    FrmParameta window{t.ctx, catalogue, ParameterLink{link, ctCommands, modes, progress, deviceView, &mm}};
};

} // namespace

class TestFrmParameta : public QObject {
    Q_OBJECT
private slots:
    void keysAndLeaveChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("before"); // the text before the focus leaves
        QTest::addColumn<QString>("kept");   // the text when it has left
        QTest::addColumn<QString>("focus");  // where Tab (or Enter) took the focus
        QTest::addColumn<int>("beeps");
        QTest::newRow("a ninth digit, beyond the leave range")
            << u"txtStroke"_s << u"123456789"_s << u"12345678"_s << u""_s << u"txtHomeOffset"_s << 1;
        QTest::newRow("letters and signs are dropped")
            << u"txtStroke"_s << u"-1a2.5"_s << u"125"_s << u"125"_s << u"txtHomeOffset"_s << 0;
        QTest::newRow("stroke 100000 stays")
            << u"txtStroke"_s << u"100000"_s << u"100000"_s << u"100000"_s << u"txtHomeOffset"_s << 0;
        QTest::newRow("stroke 100001 is emptied")
            << u"txtStroke"_s << u"100001"_s << u"100001"_s << u""_s << u"txtHomeOffset"_s << 1;
        QTest::newRow("stroke 0 is emptied")
            << u"txtStroke"_s << u"0"_s << u"0"_s << u""_s << u"txtHomeOffset"_s << 1;
        QTest::newRow("homing speed 17, narrower than the check")
            << u"txtGentenModori"_s << u"17"_s << u"17"_s << u""_s << u"txtGentenHanten"_s << 1;
        QTest::newRow("speed 5 at 61")
            << u"txtKasokuSet5"_s << u"61"_s << u"61"_s << u""_s << u"txtKasokuSet6"_s << 1;
        QTest::newRow("Enter in jog 3 goes to homing")
            << u"txtJog3"_s << u"30\n"_s << u"30"_s << u"30"_s << u"txtVsiyou"_s << 0;
        QTest::newRow("Enter in pulse goes to size")
            << u"txtPulse"_s << u"400\n"_s << u"400"_s << u"400"_s << u"comboActSize"_s << 0;
    }

    // Typed key by key; Backspace still works in a full field; leaving by Tab runs the field's own check.
    void keysAndLeaveChecks() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, before);
        QFETCH(QString, kept);
        QFETCH(QString, focus);
        QFETCH(int, beeps);
        Window w;
        QLineEdit* box = w.field(name);
        box->setFocus();
        const bool enter = typed.endsWith(u'\n');
        QTest::keyClicks(box, typed.chopped(enter ? 1 : 0));
        if (box->text().size() == 8) { // full: Backspace still works
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_8);
        }
        QCOMPARE(box->text(), before);
        QTest::keyClick(box, enter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(box->text(), kept);
        QCOMPARE(w.shown().form.text[rowOfWindowField(name)->number], kept);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(w.t.op.beeps, beeps);
        QVERIFY(w.t.ctx.parameters.ParaChangeFlag);
    }

    // A VQ(New) 42 set to pushing homing asks before the save; Yes chooses sensor homing first, No saves
    // what is shown.
    void verticalQuestionOnSave() {
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            Window w;
            QTemporaryDir dir;
            ParameterRig::fillFactory(w.shown());
            w.shown().comboActSize_Click(u" 42"_s);
            w.shown().optVertical_Click(0);
            w.window.showModel();
            w.t.op.answer(answer);
            w.t.op.chooseFile(dir.filePath(u"v.pmt"_s));
            w.click(u"cmdSaveParaFile"_s);
            QVERIFY(w.t.op.messages.size() == 1 && w.t.op.messages[0].buttons == Buttons::YesNo);
            const bool sensor = answer == Answer::Yes;
            QCOMPARE(w.field<QRadioButton>(u"optVertical_1"_s)->isChecked(), sensor);
            QFile file(dir.filePath(u"v.pmt"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll().split(',').value(18), sensor ? QByteArray("1") : QByteArray("0"));
            QCOMPARE(w.window.windowTitle(), u"v"_s);
        }
    }

    // Default: the device chosen in the selection dialog fills the fields from its standard row, the type and
    // homing follow the series, and the defaults box is checked. A device without a row is told and changes
    // nothing; a cancelled dialog changes nothing either.
    void standardValuesForADevice() {
        Window w;
        w.shown().chkUseDefoult_Click(false);
        w.window.showModel();
        const DeviceState before = w.t.ctx.device;
        onNextDialog([&w](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QRadioButton*>(u"optVqSelect_1"_s), Qt::LeftButton, {},
                              QPoint(6, 6));
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdDeviceSet"_s), Qt::LeftButton);
        });
        w.click(u"cmdLoadDefoultPara"_s);
        QStringList shown;
        for (int n : {1, 3, 14, 17, 18, 19, 20, 22})
            shown << w.field(parameterRow(n).windowField)->text();
        QCOMPARE(shown.join(u'|'), u"20000|20|60|20|0|2|400| 28L-100"_s);
        QVERIFY(w.field<QRadioButton>(u"optType_2"_s)->isChecked() &&
                w.field<QRadioButton>(u"optVertical_0"_s)->isChecked());
        QVERIFY(w.field<QAbstractButton>(u"chkUseDefoult"_s)->isChecked() && w.t.op.messages.isEmpty());
        QCOMPARE(w.field<QComboBox>(u"comboActSize"_s)->currentText(), u" 28"_s);
        QVERIFY(w.t.ctx.device.SeriesText == before.SeriesText &&
                w.t.ctx.device.VTypeFlag == before.VTypeFlag);

        // No standard list row for the 20 size in a list that lacks it.
        QTemporaryDir dir;
        for (const char* name : {"nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"})
            QFile::copy(w.t.folder.file(QString::fromLatin1(name)), dir.filePath(QString::fromLatin1(name)));
        QFile list(dir.filePath(u"nvqstdprm.lst"_s));
        QVERIFY(list.open(QIODevice::WriteOnly) &&
                list.write(
                    "1,\"test\"\r\n\" 20L-010\",1,0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,2,400,1,1\r\n") >
                    0);
        list.close();
        w.t.ctx.folder = ProgramFolder(dir.path());
        const auto fields = w.shown().form.text;
        onNextDialog([](QWidget* dialog) { // the current device, 28L-100
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdDeviceSet"_s), Qt::LeftButton);
        });
        w.click(u"cmdLoadDefoultPara"_s);
        QCOMPARE(w.t.op.lastText(), u"Can not find the device information."_s);
        QCOMPARE(w.shown().form.text, fields);
        QVERIFY(w.field<QPushButton>(u"cmdLoadDefoultPara"_s)->isEnabled());
    }
};

QTEST_MAIN(TestFrmParameta)
#include "tst_frmparameta.moc"
