// The main window's editor over the position grid: opening by typing and by double-click, commit on
// Enter, on leaving the cell and on focus moving elsewhere, Escape; the printer set-up and the move
// program's Clear.
#include "device/Conversion.h"
#include "operation/ProgramGridModel.h"
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;
using Grid = PositionGridModel;

namespace {

// A shown, active main window for a 100 mm actuator of lead 2 (20000 pulses).
struct Editing : MainWindowFixture {
    explicit Editing(bool pulseShown = false) {
        t.ctx.options.PlsPosFlag = pulseShown;
        FrmMain& w = load();
        t.ctx.device.DevStroke = 100;
        conv::recomputeLimits(t.ctx.device);
        w.show();
        w.activateWindow();
        grid = w.positionGrid();
        editor = w.positionEditor();
    }
    Grid& model() const { return window->positionModel(); }
    QModelIndex index(int row, int col) const { return model().index(row - 1, col); }
    void goTo(int row, int col) {
        grid->setFocus();
        grid->setCurrentIndex(index(row, col));
    }
    GridCell current() const { return {grid->currentIndex().row() + 1, grid->currentIndex().column()}; }
    QTableView* grid = nullptr;
    QLineEdit* editor = nullptr;
};

} // namespace

class TestFrmMainGridEdit : public QObject {
    Q_OBJECT
private slots:
    void typingOpensTheEditorOverTheCell_data();
    void typingOpensTheEditorOverTheCell();
    void enterCommitsAndMoves();
    void doubleClickOpensWithTheCellsText();
    void escapeLeavesTheCellAlone();
    void leavingTheCellOrTheEditorCommits();
    void pageSetupDisablesTheCommandsMeanwhile();
    void clearEmptiesTheProgram();
};

void TestFrmMainGridEdit::typingOpensTheEditorOverTheCell_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<char>("typed");
    QTest::addColumn<int>("limit");
    QTest::newRow("VEL") << int(Grid::ColVel) << '5' << 2;
    QTest::newRow("ACC") << int(Grid::ColAcc) << '2' << 2;
    QTest::newRow("mm") << int(Grid::ColMm) << '1' << 8;
    QTest::newRow("pulses") << int(Grid::ColPulse) << '3' << 7;
    QTest::newRow("comment") << int(Grid::ColComment) << 'a' << 20;
}

void TestFrmMainGridEdit::typingOpensTheEditorOverTheCell() {
    QFETCH(int, col);
    QFETCH(char, typed);
    QFETCH(int, limit);
    Editing f(true);
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.goTo(2, col);
    QTest::keyClick(f.grid, typed);
    QVERIFY(f.editor->isVisible() && f.editor->hasFocus());
    QCOMPARE(f.editor->text(), QString(QLatin1Char(typed)));
    QCOMPARE(f.editor->maxLength(), limit);
    const QRect cell = f.grid->visualRect(f.index(2, col));
    QCOMPARE(f.editor->mapToGlobal(QPoint(0, 0)), f.grid->viewport()->mapToGlobal(cell.topLeft()));
    QCOMPARE(f.editor->size(), cell.size());
    QVERIFY(!f.t.ctx.operation.DataChangeFlag);
}

void TestFrmMainGridEdit::enterCommitsAndMoves() {
    Editing f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.goTo(1, Grid::ColVel);
    QTest::keyClick(f.grid, '5');
    QTest::keyClick(f.editor, Qt::Key_Return);
    QCOMPARE(f.model().text(1, Grid::ColVel), u"5"_s);
    QVERIFY(f.editor->isHidden() && f.t.ctx.operation.DataChangeFlag);
    QCOMPARE(f.current(), (GridCell{1, Grid::ColAcc}));

    // Rows 1 to 3 of VEL selected from the keyboard: one entry fills all three.
    f.goTo(1, Grid::ColVel);
    QTest::keyClick(f.grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(f.grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(f.grid, '7');
    QTest::keyClick(f.editor, Qt::Key_Enter);
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(f.model().text(row, Grid::ColVel), u"7"_s);
    QCOMPARE(f.current(), (GridCell{3, Grid::ColAcc}));

    // Enter on the grid itself moves without an editor; the hidden pulse column is passed over.
    f.goTo(2, Grid::ColMm);
    QTest::keyClick(f.grid, Qt::Key_Return);
    QCOMPARE(f.current(), (GridCell{2, Grid::ColComment}));
    QVERIFY(f.editor->isHidden());
}

void TestFrmMainGridEdit::doubleClickOpensWithTheCellsText() {
    Editing f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.model().setText(2, Grid::ColMm, u" 12.345"_s);
    const QRect cell = f.grid->visualRect(f.index(2, Grid::ColMm));
    // A double-click as the window system delivers it: press, release, then the double-click.
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(f.editor->isVisible());
    QCOMPARE(f.editor->text(), u" 12.345"_s);
    QCOMPARE(f.editor->cursorPosition(), 7);
    QCOMPARE(f.editor->maxLength(), 8);
}

void TestFrmMainGridEdit::escapeLeavesTheCellAlone() {
    Editing f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.model().setText(1, Grid::ColVel, u"3"_s);
    f.goTo(1, Grid::ColVel);
    QTest::keyClick(f.grid, '9');
    QTest::keyClick(f.editor, Qt::Key_Escape);
    QCOMPARE(f.model().text(1, Grid::ColVel), u"3"_s);
    QVERIFY(f.editor->isHidden() && f.grid->hasFocus());
    QVERIFY(!f.t.ctx.operation.DataChangeFlag);
    QCOMPARE(f.current(), (GridCell{1, Grid::ColVel}));
    QCOMPARE(f.t.op.beeps, 0);
}

void TestFrmMainGridEdit::leavingTheCellOrTheEditorCommits() {
    Editing f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    // The current cell changing under the editor commits without marking the table changed.
    f.goTo(2, Grid::ColVel);
    QTest::keyClick(f.grid, '6');
    f.grid->setCurrentIndex(f.index(3, Grid::ColMm));
    QCOMPARE(f.model().text(2, Grid::ColVel), u"6"_s);
    QVERIFY(f.editor->isHidden() && !f.t.ctx.operation.DataChangeFlag);

    // Focus going to another control commits as the grid would, refusals included.
    f.goTo(2, Grid::ColAcc);
    QTest::keyClick(f.grid, '4');
    QTest::mouseClick(f.find<QRadioButton>(u"optSutiSyori_1"_s), Qt::LeftButton);
    QCOMPARE(f.model().text(2, Grid::ColAcc), QString());
    QVERIFY(f.editor->isHidden() && f.t.ctx.operation.DataChangeFlag);
    QCOMPARE(f.t.op.beeps, 1);
}

void TestFrmMainGridEdit::pageSetupDisablesTheCommandsMeanwhile() {
    Editing f;
    QAction* pageSetup = f.find<QAction>(u"mnuFilePageSetup"_s);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        pageSetup->trigger();
        QCOMPARE(f.t.op.messages.size(), 1);
        QCOMPARE(f.t.op.lastText(),
                 u"No printer is installed. To set up the paper, add a printer to the system."_s);
        QCOMPARE(f.t.op.messages[0].icon, Icon::Exclamation);
        QVERIFY(f.usable(u"cmdFileOpen"_s) && f.usable(u"tbButton_Open"_s));
        return;
    }
    QStringList meanwhile;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const QString& name : {u"cmdFileOpen"_s, u"cmdReset"_s, u"tbButton_Open"_s, u"mnuFileOpen"_s})
            meanwhile << (f.usable(name) ? name : QString());
        dialog->reject();
    });
    pageSetup->trigger();
    // The menus stay as they were; the command buttons and tool bar come back; a cancel says nothing.
    QCOMPARE(meanwhile, (QStringList{QString(), QString(), QString(), u"mnuFileOpen"_s}));
    QVERIFY(f.usable(u"cmdFileOpen"_s) && f.usable(u"tbButton_Open"_s));
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestFrmMainGridEdit::clearEmptiesTheProgram() {
    Editing f;
    f.window->optModeSelect_Click(FrmMain::MoveMode);
    f.window->optSelectMove_Click(0);
    ProgramGridModel& program = f.window->programModel();
    for (int step = 1; step <= ProgramGridModel::kSteps; ++step)
        program.setStep(step, QString::number(step % 3 + 1));
    f.find<QPushButton>(u"cmdDataClear"_s)->click();
    for (int step = 1; step <= ProgramGridModel::kSteps; ++step)
        QCOMPARE(program.step(step), QString());
    QCOMPARE(program.text(1, 0), u"1"_s);
}

QTEST_MAIN(TestFrmMainGridEdit)
#include "tst_frmmain_gridedit.moc"
