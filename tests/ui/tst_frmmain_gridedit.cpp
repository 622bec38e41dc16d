// The main window's editor over the position grid: opening by typing and by double-click, the commit on
// Enter, on leaving the cell and on focus going elsewhere, Escape; the printer set-up without a printer.
#include "device/Conversion.h"
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"

#include <QLineEdit>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using Grid = PositionGridModel;

namespace {

// A shown, active main window for a 100 mm actuator of lead 2, the pulse column shown.
struct Editing : test::MainWindowFixture {
    Editing() {
        t.ctx.options.PlsPosFlag = true;
        load();
        t.ctx.device.DevStroke = 100;
        conv::recomputeLimits(t.ctx.device);
        window->show();
        window->activateWindow();
    }
    QModelIndex index(int row, int col) const { return window->positionModel().index(row - 1, col); }
    QString text(int row, int col) const { return window->positionModel().text(row, col); }
    void type(int row, int col, char key) {
        grid->setFocus();
        grid->setCurrentIndex(index(row, col));
        QTest::keyClick(grid, key);
    }
    GridCell current() const { return {grid->currentIndex().row() + 1, grid->currentIndex().column()}; }
    QTableView* grid = window->positionGrid();
    QLineEdit* editor = window->positionEditor();
};

} // namespace

class TestFrmMainGridEdit : public QObject {
    Q_OBJECT
private slots:
    void typingOpensTheEditorOverTheCell() {
        Editing f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        const int limits[] = {0, 2, 2, 8, 7, 20}; // by column
        for (int col = Grid::ColVel; col <= Grid::ColComment; ++col) {
            f.type(2, col, '3');
            QVERIFY(f.editor->hasFocus());
            QCOMPARE(f.editor->text(), u"3"_s);
            QCOMPARE(f.editor->maxLength(), limits[col]);
            const QRect cell = f.grid->visualRect(f.index(2, col));
            QCOMPARE(f.editor->geometry().size(), cell.size());
            QCOMPARE(f.editor->mapToGlobal(QPoint()), f.grid->viewport()->mapToGlobal(cell.topLeft()));
            QTest::keyClick(f.editor, Qt::Key_Escape);
        }
        // A double-click opens with the cell's text, the caret at its end.
        f.window->positionModel().setText(2, Grid::ColMm, u" 12.345"_s);
        const QPoint centre = f.grid->visualRect(f.index(2, Grid::ColMm)).center();
        QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(f.editor->isVisible() && f.editor->text() == u" 12.345"_s && f.editor->cursorPosition() == 7);
    }

    void enterCommitsAndMoves() {
        Editing f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.type(1, Grid::ColVel, '5');
        QTest::keyClick(f.editor, Qt::Key_Return);
        QVERIFY(f.text(1, Grid::ColVel) == u"5"_s && f.editor->isHidden() &&
                f.t.ctx.operation.DataChangeFlag);
        QCOMPARE(f.current(), (GridCell{1, Grid::ColAcc}));
        // Rows 1 to 3 selected from the keyboard take one entry; Enter on the grid itself moves too.
        f.grid->setCurrentIndex(f.index(1, Grid::ColVel));
        QTest::keyClick(f.grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.grid, '7');
        QTest::keyClick(f.editor, Qt::Key_Enter);
        QCOMPARE(f.text(1, Grid::ColVel) + f.text(2, Grid::ColVel) + f.text(3, Grid::ColVel), u"777"_s);
        QCOMPARE(f.current(), (GridCell{3, Grid::ColAcc}));
        QTest::keyClick(f.grid, Qt::Key_Return);
        QCOMPARE(f.current(), (GridCell{3, Grid::ColMm}));
    }

    void escapeCancelsLeavingCommits() {
        Editing f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->positionModel().setText(2, Grid::ColVel, u"3"_s);
        f.type(2, Grid::ColVel, '9');
        QTest::keyClick(f.editor, Qt::Key_Escape);
        QVERIFY(f.text(2, Grid::ColVel) == u"3"_s && f.editor->isHidden() && f.grid->hasFocus());
        QVERIFY(!f.t.ctx.operation.DataChangeFlag);
        // The current cell changing under the editor commits without marking the table changed.
        f.type(2, Grid::ColVel, '6');
        f.grid->setCurrentIndex(f.index(3, Grid::ColMm));
        QVERIFY(f.text(2, Grid::ColVel) == u"6"_s && f.editor->isHidden() &&
                !f.t.ctx.operation.DataChangeFlag);
        // Focus going to another control commits as the grid would, a refusal included.
        f.type(2, Grid::ColAcc, '4');
        QTest::mouseClick(f.find<QRadioButton>(u"optSutiSyori_1"_s), Qt::LeftButton);
        QVERIFY(f.text(2, Grid::ColAcc).isEmpty() && f.editor->isHidden() &&
                f.t.ctx.operation.DataChangeFlag);
        QCOMPARE(f.t.op.beeps, 1);
    }

    void pageSetupWithoutAPrinter() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        Editing f;
        f.find<QAction>(u"mnuFilePageSetup"_s)->trigger();
        QCOMPARE(f.t.op.lastText(),
                 u"No printer is installed. To set up the paper, add a printer to the system."_s);
        QVERIFY(f.usable(u"cmdFileOpen"_s) && f.usable(u"tbButton_Open"_s));
    }
};

QTEST_MAIN(TestFrmMainGridEdit)
#include "tst_frmmain_gridedit.moc"
