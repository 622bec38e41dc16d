#include "app/AppContext.h"
#include "app/Desktop.h"
#include "app/ProgramFolder.h"
#include "app/SettingsStore.h"
#include "device/DeviceCatalogue.h"
#include "ui/AppFont.h"
#include "ui/FrmMain.h"
#include "ui/MainDeviceView.h"
#include "ui/StartupRoutine.h"
#include "ui/WidgetOperator.h"

#include <QApplication>
#include <QIcon>

using namespace zovi;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZO-VI"));
    QApplication::setOrganizationName(QStringLiteral("ZO-VI"));
    QApplication::setApplicationVersion(QStringLiteral(ZOVI_VERSION_TEXT));

    applyApplicationFont();

    ProgramFolder folder;
    Catalogue catalogue;
    if (!catalogue.load(Catalogue::kBuiltIn))
        qWarning("ZO-VI: the built-in message catalogue is missing from this build");
    QApplication::setWindowIcon(QIcon(folder.file(QStringLiteral("images/zovi.png"))));

    QtSettingsStore settings;
    WidgetOperator oper(catalogue.entry(10479).value_or(QStringLiteral("ZO-VI")));
    AppContext ctx(settings, catalogue, oper, folder);
    SystemDesktop desktop;

    DeviceCatalogue devices(ctx);

    StartupRoutine startup(ctx, desktop);
    startup.determineDevice = [&ctx, &devices](MainProgram& started) {
        determineDeviceAtStartup(ctx, devices, started);
    };
    MainProgram program = startup.run();
    QObject::connect(program.window.get(), &FrmMain::exitRequested, &app, &QApplication::quit);
    QApplication::setQuitOnLastWindowClosed(true);
    return app.exec();
}
