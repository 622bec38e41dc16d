// The main window's file commands as the operator reaches them (tool bar, File menu, buttons), and the
// verification's source dialog.
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "position/PositionGridModel.h"
#include "ui/FrmDataShogo.h"
#include "ui/FrmMainFixture.h"
#include "ui/Twips.h"
#include "ui/WidgetOperator.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;
using Grid = PositionGridModel;

class TestFrmMainFile : public QObject {
    Q_OBJECT
private slots:
    void sourceDialog_data();
    void sourceDialog();
    void commandsReachTheFiles();
    void fileDialogsStartInTheLastFolder();
};

void TestFrmMainFile::sourceDialog_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QString>("button"); // empty: Escape
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("title");
    QTest::newRow("file") << 2 << u"cmdFileDataShogo"_s << 1 << u"Select VQ data to reference"_s;
    QTest::newRow("controller") << 1 << u"cmdCtDataShogo"_s << 2 << u"照合するVQﾃﾞｰﾀの選択"_s;
    QTest::newRow("cancel") << 2 << u"cmdCancelOfShogo"_s << 0 << u"Select VQ data to reference"_s;
    QTest::newRow("escape") << 1 << QString() << 0 << u"照合するVQﾃﾞｰﾀの選択"_s;
}

void TestFrmMainFile::sourceDialog() {
    QFETCH(int, langNo);
    QFETCH(QString, button);
    QFETCH(int, choice);
    QFETCH(QString, title);
    zovi::test::TestContext t{qint16(langNo)};
    t.ctx.MainLeft = 1500;
    t.ctx.MainTop = 3000;
    FrmDataShogo dialog(t.ctx);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.pos(), QPoint(px(2000), px(3500)));
    QVERIFY(!dialog.findChild<QLabel*>(u"imgQuestion"_s)->pixmap().isNull());
    if (button.isEmpty())
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.findChild<QPushButton*>(button)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.choice(), choice);
}

// Save from the tool bar asks for a name for new data, the button Save As always; Open takes the file's
// table; New empties it; the verify button asks for the source, the menu item goes to the file directly.
void TestFrmMainFile::commandsReachTheFiles() {
    MainWindowFixture f;
    QTemporaryDir dir;
    DeviceCatalogue catalogue(f.t.ctx);
    FrmMain& w = f.load();
    w.attachDevices(catalogue);
    f.t.ctx.device.DevSize = u" 28"_s; // Form_Load leaves no device; the start-up sets one
    f.t.ctx.device.DevSpeed = u"L"_s;
    f.t.ctx.device.DevStroke = 100;
    conv::recomputeLimits(f.t.ctx.device);
    w.setDeviceLabel(u"VQ- 28L-100"_s);
    w.show();
    auto& op = f.t.op;
    const auto fill = [&] {
        for (int p = 1; p <= 3; ++p) {
            const QStringList cells = {u"3"_s, u"2"_s, QString::number(p * 10), u"c%1"_s.arg(p)};
            for (int c = 0; c < 4; ++c)
                w.positionModel().setText(
                    p, QList<int>{Grid::ColVel, Grid::ColAcc, Grid::ColMm, Grid::ColComment}[c], cells[c]);
        }
    };
    const QString saved = dir.filePath(u"saved.vqd"_s);
    auto* fileName = f.find<QLabel>(u"lblFileName"_s);

    fill();
    op.chooseFile(saved);
    w.toolBarButton(3)->trigger();
    QCOMPARE(op.saveRequests.value(0).title, u"Save VQ Data to file"_s);
    QVERIFY(QFile::exists(saved));
    QCOMPARE(fileName->text(), u"saved"_s);

    f.find<QPushButton>(u"cmdSaveFile"_s)->click();
    QCOMPARE(op.saveRequests.value(1).title, u"Save VQ data as ..."_s);

    f.t.ctx.operation.DataChangeFlag = true;
    op.answer(Answer::No);
    w.toolBarButton(1)->trigger();
    QCOMPARE(op.lastText(), u"Data have been changed. Save in file?"_s);
    QVERIFY(fileName->text() == u"New Data"_s && w.positionModel().text(2, Grid::ColComment).isEmpty());

    op.chooseFile(saved);
    f.find<QPushButton>(u"cmdFileOpen"_s)->click();
    QCOMPARE(op.openRequests.value(0).title, u"Open VQ data file"_s);
    QVERIFY(op.openRequests[0].mustExist);
    QCOMPARE(w.positionModel().text(2, Grid::ColMm), u" 20.000"_s);
    QCOMPARE(fileName->text(), u"saved"_s);

    QTimer::singleShot(0, this, [] {
        QApplication::activeModalWidget()->findChild<QPushButton*>(u"cmdFileDataShogo"_s)->click();
    });
    op.chooseFile(saved);
    f.find<QPushButton>(u"cmdPosiDataShogo"_s)->click();
    QCOMPARE(op.openRequests.value(1).title, u"Open file to Verify"_s);
    QCOMPARE(op.lastText(),
             u"Data : indicated and saved into the file(saved.vqd)\r\n\r\nResult of Verification : OK"_s);

    w.toolBarButton(1)->trigger();
    f.find<QAction>(u"mnuFileShogoFile"_s)->trigger();
    QCOMPARE(op.lastText(),
             u"An error occured while getting Value of Position Data.\r\n\r\nVerify is canceled."_s);
    QCOMPARE(op.openRequests.size(), 2);
}

// A file chosen in one dialog makes its folder the next dialog's starting folder.
void TestFrmMainFile::fileDialogsStartInTheLastFolder() {
    QTemporaryDir dir;
    const QString chosen = dir.filePath(u"a.vqd"_s);
    QString nextFolder;
    const auto whenDialogOpens = [this](std::function<void(QFileDialog*)> act) {
        QTimer::singleShot(0, this,
                           [act] { act(qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); });
    };
    WidgetOperator op(u"ZO-VI"_s);
    FileDialogRequest request;
    request.filter = u"VQ Data file(*.vqd)|*.vqd"_s;
    whenDialogOpens([&](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(chosen); // typed with its folder
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(op.saveFile(request), std::optional<QString>(chosen));
    whenDialogOpens([&](QFileDialog* dialog) {
        nextFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    QVERIFY(!op.openFile(request));
    QCOMPARE(nextFolder, QDir(dir.path()).absolutePath());
}

QTEST_MAIN(TestFrmMainFile)
#include "tst_frmmain_file.moc"
