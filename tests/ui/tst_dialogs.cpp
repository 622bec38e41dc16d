// Where the About box and the message boxes open, and the language of Qt's own buttons.
#include "ui/FrmMainFixture.h"
#include "ui/QtTranslations.h"
#include "ui/Twips.h"
#include "ui/WidgetOperator.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

namespace {

// Looks at the box or dialog that the next call opens modally, then closes it.
void whenModalOpens(QObject* context, std::function<void(QWidget*)> look) {
    QTimer::singleShot(0, context, [look] {
        QWidget* modal = QApplication::activeModalWidget();
        look(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

// A shown main window away from the screen's corner, its place captured as the start-up does.
struct Shown : MainWindowFixture {
    explicit Shown(qint16 langNo = 2)
        : MainWindowFixture(langNo) {
        load();
        window->move(120, 90);
        window->show();
        t.ctx.MainLeft = twips(window->x());
        t.ctx.MainTop = twips(window->y());
    }
};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxShowsTheVersionBesideTheMainWindow();
    void messageBoxesOpenOverTheProgram();
    void japaneseRunGivesJapaneseStandardButtons();
};

void TestDialogs::aboutBoxShowsTheVersionBesideTheMainWindow() {
    Shown f(1);
    QString version, title;
    QPoint place;
    whenModalOpens(this, [&](QWidget* about) {
        version = about->findChild<QLabel*>(u"lblVersion"_s)->text();
        title = about->findChild<QLabel*>(u"lblTitle"_s)->text();
        place = about->pos();
    });
    f.find<QAction>(u"mnuHelpAbout"_s)->trigger();
    QCOMPARE(version, u"Version 1.20E"_s);
    QCOMPARE(title, u"ZO-VI"_s);
    QCOMPARE(place, QPoint(px(f.t.ctx.MainLeft + 500), px(f.t.ctx.MainTop + 500)));
}

// Over the active window (an open dialog), and over the main window when none of the program's
// windows is active, never in the middle of the screen.
void TestDialogs::messageBoxesOpenOverTheProgram() {
    Shown f;
    WidgetOperator boxes(u"ZO-VI"_s);
    Operator& op = boxes;
    QWidget* parent = nullptr;
    QRect box;
    const auto look = [&](QWidget* modal) {
        parent = modal->parentWidget();
        box = modal->geometry();
    };
    QApplication::setActiveWindow(nullptr);
    whenModalOpens(this, look);
    op.message(u"Changed [Communication mode]."_s);
    QCOMPARE(parent, f.window.get());
    QVERIFY(f.window->geometry().contains(box.center()));

    QDialog dialog(f.window.get());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    whenModalOpens(this, look);
    op.message(u"Communication timeout error!"_s, Buttons::OkCancel);
    QCOMPARE(parent, &dialog);
}

void TestDialogs::japaneseRunGivesJapaneseStandardButtons() {
    QVERIFY2(installQtTranslations(true), "Qt's Japanese translations are installed");
    WidgetOperator boxes(u"ZO-VI"_s);
    Operator& op = boxes;
    QStringList shown;
    whenModalOpens(this, [&](QWidget* box) {
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            shown << button->text();
    });
    op.message(u"?"_s, Buttons::YesNoCancel, Icon::Question);
    installQtTranslations(false);
    QCOMPARE(shown.size(), 3);
    for (const QString& text : shown)
        QVERIFY2(!text.contains(QRegularExpression(u"Yes|No|Cancel"_s)), qPrintable(text));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
