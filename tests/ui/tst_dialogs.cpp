// The program's windows and Qt's own buttons in a Japanese run, the caption rules, where the About box
// and the message boxes open, and the options dialog.
#include "NextDialog.h"
#include "parameter/ParameterRig.h"
#include "ui/Captions.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMainFixture.h"
#include "ui/FrmOptions2.h"
#include "ui/FrmParameta.h"
#include "ui/FrmSplash.h"
#include "ui/FrmTrance.h"
#include "ui/QtTranslations.h"
#include "ui/Twips.h"
#include "ui/WidgetOperator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::child;
using zovi::test::MainWindowFixture;
using zovi::test::TestContext;

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
        u"\\(&.\\)|&|ZO-VI|C/T|OK|VEL|JOG|ACC|OUT|No\\.|mm|msec|VQ|JM|COM|RS-232C|BK|CD|Ver(sion)?|/dev/\\S+"_s);
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    QStringList english;
    for (const QString& text : texts) {
        if (QString(text).remove(shared).contains(word))
            english << text;
    }
    return english;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void japaneseRunShowsNoEnglish() {
        installQtTranslations(true);
        MainWindowFixture f(1);
        f.load();
        FrmOptions2 options(f.t.ctx, f.window.get());
        FrmAbout about(f.t.ctx, f.desktop, f.window.get());
        FrmTrance progress(f.t.ctx, f.window.get());
        FrmSplash splash(f.t.ctx);
        zovi::test::ParameterRig rig(1);
        rig.t.ctx.options.ParametaShow = true;
        FrmParameta parameters(
            rig.t.ctx, rig.catalogue,
            ParameterLink{rig.link, rig.ctCommands, rig.modes, rig.progress, rig.deviceView});
        QStringList english;
        for (QWidget* window : std::initializer_list<QWidget*>{f.window.get(), &options, &about, &progress,
                                                               &splash, &parameters})
            english << englishIn(everyText(window));
        // A message box's standard buttons too.
        WidgetOperator boxes(u"ZO-VI"_s);
        QStringList buttons;
        whenModalOpens(this, [&](QWidget* box) {
            for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
                buttons << button->text();
        });
        static_cast<Operator&>(boxes).message(u"?"_s, Buttons::YesNoCancel, Icon::Question);
        installQtTranslations(false);
        QCOMPARE(buttons.size(), 3);
        english << englishIn(buttons);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u" | "_s)));
    }

    // The catalogue's "Description(*.ext)|*.ext" filters become Qt's without the pattern shown twice.
    void fileFiltersNameEachPatternOnce() {
        QCOMPARE(WidgetOperator::qtFilter(u"VQ Data file(*.vqd)|*.vqd|All Files(*.*)|*.*"_s),
                 u"VQ Data file(*.vqd);;All Files(*.*)"_s);
        QCOMPARE(WidgetOperator::qtFilter(u"Lists|*.lst;*.txt"_s), u"Lists (*.lst *.txt)"_s);
    }

    // The About box opens 500 twips right of and below the main window; a message box over the active
    // window (an open dialog), else over the main window, never in the middle of the screen.
    void aboutBoxAndMessageBoxesOpenOverTheProgram() {
        MainWindowFixture f; // shown away from the screen's corner, its place captured as the start-up does
        f.load().move(120, 90);
        f.window->show();
        f.t.ctx.MainLeft = twips(f.window->x());
        f.t.ctx.MainTop = twips(f.window->y());
        QString version;
        QPoint place;
        whenModalOpens(this, [&](QWidget* about) {
            version = about->findChild<QLabel*>(u"lblTitle"_s)->text() + u' ' +
                      about->findChild<QLabel*>(u"lblVersion"_s)->text();
            place = about->pos();
        });
        f.find<QAction>(u"mnuHelpAbout"_s)->trigger();
        QCOMPARE(version, u"ZO-VI Version 1.20E"_s);
        QCOMPARE(place, QPoint(px(f.t.ctx.MainLeft + 500), px(f.t.ctx.MainTop + 500)));

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

    // Which texts applyCaptions replaces and which design-time texts it leaves.
    void captionsLeaveDesignTextsWithoutAnId() {
        TestContext t(1);
        QWidget window;
        auto* label = new QLabel(&window);
        setCaption(label, 96, t.ctx.texts);
        setToolTip(label, 320, t.ctx.texts);
        QCOMPARE(label->text(),
                 u"RS-232C PORT : COM"_s); // built with the English texts whatever the language
        auto* textBox = new QLineEdit(u"typed"_s, &window);
        setTag(textBox, 290);
        auto* untagged = new QPushButton(u"design"_s, &window);
        auto* zeroTag = new QPushButton(u"design"_s, &window);
        setTag(zeroTag, 0);
        auto* notANumber = new QPushButton(u"design"_s, &window);
        notANumber->setProperty("tag", u"OK?"_s);
        auto* missing = new QPushButton(u"design"_s, &window);
        setTag(missing, 650);
        auto* zeroTip = new QLabel(&window);
        zeroTip->setProperty("toolTipId", u"0"_s);
        zeroTip->setToolTip(u"design tip"_s);

        applyCaptions(&window, t.ctx.texts);
        QCOMPARE(label->text() + label->toolTip(),
                 t.catalogue.entry(96).value() + t.catalogue.entry(320).value());
        QCOMPARE(textBox->text(), u"typed"_s);
        for (QAbstractButton* button : {untagged, zeroTag, notANumber, missing})
            QCOMPARE(button->text(), u"design"_s);
        QCOMPARE(zeroTip->toolTip(), u"design tip"_s);
    }
    // The options dialog shows the options form and hands it to the logic (tst_options tests the rules).
    // Enter in a number box stays there: it neither presses OK nor types. The arrows keep the range.
    void numberBoxesTakeOneDigitAndSwallowEnter() {
        TestContext t;
        t.ctx.options.BkCdChangeFlag = true;
        FrmOptions2 dialog(t.ctx);
        dialog.show();
        for (const char* name : {"txtPortNo", "txtBreakNo"}) {
            auto* box = child<QLineEdit>(&dialog, name);
            box->clear();
            QTest::keyClicks(box, u"52"_s);
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Enter);
            QVERIFY2(box->text() == u"2"_s, name);
            QVERIFY2(dialog.isVisible() && dialog.result() == 0, name);
        }
        QCOMPARE(t.ctx.options.PortNo, qint16(1));

        auto* port = child<QLineEdit>(&dialog, "txtPortNo");
        const QList<QAbstractButton*> arrows =
            child<QWidget>(&dialog, "updPortNo")->findChildren<QAbstractButton*>();
        port->setText(u"8"_s);
        arrows[0]->click();
        arrows[0]->click();
        QCOMPARE(port->text(), u"9"_s);
        port->setText(u"1"_s);
        arrows[1]->click();
        QCOMPARE(port->text(), u"1"_s);
    }

    void okAppliesWhatTheDialogShows() {
        TestContext t;
        FrmOptions2 dialog(t.ctx);
        child<QLineEdit>(&dialog, "txtPortNo")->setText(u"3"_s);
        for (const char* box : {"chkPortOccupy", "chkParametaShow", "chkDispPulsPosi"})
            child<QCheckBox>(&dialog, box)->setChecked(true);
        auto* notCarriedOut = child<QRadioButton>(&dialog, "optCurrentDown_1");
        QVERIFY(!notCarriedOut->isEnabled());
        child<QCheckBox>(&dialog, "chkChangeBk")->click();
        QVERIFY(notCarriedOut->isEnabled());
        notCarriedOut->click();
        child<QRadioButton>(&dialog, "optLanguege_0")->click();
        child<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const OptionsState& o = t.ctx.options;
        QVERIFY(o.PortNo == 3 && o.PortOccupyFlag && o.ParametaShow && o.PlsPosFlag);
        QVERIFY(o.BkCdChangeFlag && o.BkCdCode == 0 && t.ctx.lang.LangChangeFlag);

        QCOMPARE(t.settings.readText(u"PortOccupy"_s, {}) + t.settings.readText(u"PLSPos"_s, {}), u"11"_s);
        QVERIFY2(!t.settings.values().contains(u"PortNo"_s),
                 "the port number is stored at the end of the run");

        // The next dialog shows the applied options; switched off, they are stored as "0".
        FrmOptions2 again(t.ctx);
        QVERIFY(child<QRadioButton>(&again, "optCurrentDown_1")->isChecked());
        for (const char* box : {"chkPortOccupy", "chkParametaShow", "chkDispPulsPosi"}) {
            QVERIFY2(child<QCheckBox>(&again, box)->isChecked(), box);
            child<QCheckBox>(&again, box)->setChecked(false);
        }
        child<QPushButton>(&again, "cmdOK")->click();
        QCOMPARE(t.settings.readText(u"PortOccupy"_s, {}) + t.settings.readText(u"PLSPos"_s, {}), u"00"_s);
        QVERIFY(!o.PortOccupyFlag && !o.ParametaShow && !o.PlsPosFlag && o.PulsDispChangeFlag);
    }

    void cancelAndCloseApplyNothing() {
        for (const char* button : {"cmdCancel", "cmdApply"}) {
            TestContext t;
            FrmOptions2 dialog(t.ctx);
            child<QLineEdit>(&dialog, "txtPortNo")->setText(u"2"_s);
            child<QCheckBox>(&dialog, "chkPortOccupy")->setChecked(true);
            child<QRadioButton>(&dialog, "optLanguege_0")->click();
            child<QPushButton>(&dialog, button)->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY2(t.ctx.options.PortNo == 1 && !t.ctx.options.PortOccupyFlag && !t.ctx.lang.LangChangeFlag,
                     button);
            QVERIFY2(t.settings.values().isEmpty(), button);
        }
    }

    // COM n stands for the device chosen for it, else for the platform's name of it.
    void portDeviceFollowsThePortNumber() {
        TestContext t;
        t.settings.writeText(u"PortDevice2"_s, u"/dev/pts/4"_s);
        FrmOptions2 dialog(t.ctx);
        auto* port = child<QLineEdit>(&dialog, "txtPortNo");
        auto* device = child<QComboBox>(&dialog, "comboPortDevice");
        port->setText(u"2"_s);
        QCOMPARE(device->currentText(), u"/dev/pts/4"_s);
        port->setText(u"0"_s);
        QVERIFY(!device->isEnabled());
        port->setText(u"3"_s);
        device->setEditText(u" /dev/ttyUSB0 "_s);
        child<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(portDeviceName(t.ctx, 3), u"/dev/ttyUSB0"_s);
        FrmOptions2 again(t.ctx); // on COM 3 now
        child<QComboBox>(&again, "comboPortDevice")->setEditText(QString());
        child<QPushButton>(&again, "cmdOK")->click();
        QCOMPARE(portDeviceName(t.ctx, 3), platformPortName(3));
#ifndef Q_OS_WIN
        QCOMPARE(platformPortName(3), u"/dev/ttyS2"_s);
#endif
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
