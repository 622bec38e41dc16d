// The main window's file commands as the operator reaches them, the verification's source dialog, and
// where file dialogs start.
#include "NextDialog.h"
#include "device/DeviceCatalogue.h"
#include "ui/FrmDataShogo.h"
#include "ui/FrmMainFixture.h"
#include "ui/Twips.h"
#include "ui/WidgetOperator.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;
using zovi::test::onNextDialog;

class TestFrmMainFile : public QObject {
    Q_OBJECT
private slots:
    // 500 twips off the main window, in the run's language; each button gives its choice, Escape none.
    void sourceDialog() {
        for (const auto& [button, choice] :
             {std::pair{"cmdFileDataShogo", 1}, {"cmdCtDataShogo", 2}, {"", 0}}) {
            zovi::test::TestContext t{1};
            t.ctx.MainLeft = 1500;
            t.ctx.MainTop = 3000;
            FrmDataShogo dialog(t.ctx);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.windowTitle() == u"照合するVQﾃﾞｰﾀの選択"_s &&
                    dialog.pos() == QPoint(px(2000), px(3500)));
            QVERIFY(!dialog.findChild<QLabel*>(u"imgQuestion"_s)->pixmap().isNull());
            if (*button)
                dialog.findChild<QPushButton*>(QLatin1String(button))->click();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible() && dialog.choice() == choice);
        }
    }

    // The button saves as, the tool bar saves into the file the data came from and opens; the verify button
    // reaches the file through its source dialog; New empties the table.
    void commandsReachTheFiles() {
        MainWindowFixture f;
        QTemporaryDir dir;
        DeviceCatalogue catalogue(f.t.ctx);
        FrmMain& w = f.load();
        w.attachDevices(catalogue);
        f.fillGrid({u"3,2,10"_s, u"3,2,20"_s, u"3,2,30"_s});
        w.show();
        auto& op = f.t.op;
        // The title of the dialog a control opens; none is chosen unless scripted.
        const auto dialogOf = [&](const char* name) {
            const qsizetype opened = op.openRequests.size(), saved = op.saveRequests.size();
            if (auto* action = f.find<QAction>(QLatin1String(name)))
                action->trigger();
            else
                f.find<QPushButton>(QLatin1String(name))->click();
            return op.openRequests.size() > opened  ? op.openRequests.constLast().title
                   : op.saveRequests.size() > saved ? op.saveRequests.constLast().title
                                                    : QString();
        };
        const QString saved = dir.filePath(u"saved.vqd"_s);
        auto* fileName = f.find<QLabel>(u"lblFileName"_s);
        op.chooseFile(saved);
        QCOMPARE(dialogOf("cmdSaveFile"), u"Save VQ data as ..."_s);
        QCOMPARE(fileName->text(), u"saved"_s);
        QCOMPARE(dialogOf("tbButton_Save"), QString()); // the file the data came from
        QCOMPARE(dialogOf("tbButton_Open"), u"Open VQ data file"_s);
        onNextDialog(
            [](QWidget* dialog) { dialog->findChild<QPushButton*>(u"cmdFileDataShogo"_s)->click(); });
        op.chooseFile(saved);
        QCOMPARE(dialogOf("cmdPosiDataShogo"), u"Open file to Verify"_s);
        QCOMPARE(op.lastText(),
                 u"Data : indicated and saved into the file(saved.vqd)\r\n\r\nResult of Verification : OK"_s);
        f.t.ctx.operation.DataChangeFlag = true;
        op.answer(Answer::No);
        dialogOf("tbButton_New");
        QVERIFY(fileName->text() == u"New Data"_s && w.positionModel().text(2, 3).isEmpty());
    }

    // A file typed with its folder in one dialog makes that folder the next dialog's starting folder.
    void fileDialogsStartInTheLastFolder() {
        QTemporaryDir dir;
        const QString chosen = dir.filePath(u"a.vqd"_s);
        QString nextFolder;
        WidgetOperator op(u"ZO-VI"_s);
        FileDialogRequest request;
        request.filter = u"VQ Data file(*.vqd)|*.vqd"_s;
        onNextDialog([&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(op.saveFile(request), std::optional<QString>(chosen));
        onNextDialog([&](QWidget* dialog) {
            nextFolder = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
            QMetaObject::invokeMethod(dialog, "reject");
        });
        QVERIFY(!op.openFile(request));
        QCOMPARE(nextFolder, QDir(dir.path()).absolutePath());
    }
};

QTEST_MAIN(TestFrmMainFile)
#include "tst_frmmain_file.moc"
