// The program's windows in a Japanese run, where the About box and the message boxes open, and the
// language of Qt's own buttons.
#include "ui/FrmAbout.h"
#include "ui/FrmMainFixture.h"
#include "ui/FrmOptions2.h"
#include "ui/FrmSplash.h"
#include "ui/FrmTrance.h"
#include "ui/QtTranslations.h"
#include "ui/Twips.h"
#include "ui/WidgetOperator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
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

// Every text a window shows or gives to accessibility: captions, titles, tips, tabs and headings.
QStringList everyText(QWidget* window) {
    QStringList texts = {window->windowTitle()};
    for (QObject* object : window->findChildren<QObject*>()) {
        for (const char* property : {"text", "title", "toolTip", "accessibleName"})
            texts << object->property(property).toString();
        if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(object); view && view->model()) {
            for (int col = 0; col < view->model()->columnCount(); ++col)
                texts << view->model()->headerData(col, Qt::Horizontal).toString();
        }
    }
    return texts;
}

// The texts with a word of Latin letters that is not a name, a unit, an abbreviation both languages
// use, a device path or the version label.
QStringList englishIn(const QStringList& texts) {
    static const QRegularExpression shared(
        u"\\(&.\\)|&|ZO-VI|C/T|OK|VEL|ACC|OUT|No\\.|mm|msec|VQ|JM|COM|RS-232C|BK|CD|Ver(sion)?|/dev/\\S+"_s);
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    QStringList english;
    for (const QString& text : texts) {
        if (QString(text).remove(shared).contains(word))
            english << text;
    }
    return english;
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
    void japaneseRunShowsNoEnglish();
    void aboutBoxShowsTheVersionBesideTheMainWindow();
    void messageBoxesOpenOverTheProgram();
    void japaneseRunGivesJapaneseStandardButtons();
};

void TestDialogs::japaneseRunShowsNoEnglish() {
    installQtTranslations(true);
    Shown f(1);
    FrmOptions2 options(f.t.ctx, f.window.get());
    FrmAbout about(f.t.ctx, f.desktop, f.window.get());
    FrmTrance progress(f.t.ctx, f.window.get());
    FrmSplash splash(f.t.ctx);
    QStringList english;
    for (QWidget* window :
         std::initializer_list<QWidget*>{f.window.get(), &options, &about, &progress, &splash})
        english << englishIn(everyText(window));
    installQtTranslations(false);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u" | "_s)));
}

void TestDialogs::aboutBoxShowsTheVersionBesideTheMainWindow() {
    Shown f;
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
    QCOMPARE(englishIn(shown), QStringList());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
