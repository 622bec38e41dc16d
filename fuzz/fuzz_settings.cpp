// The settings file: any bytes in the INI file give a run whose start-up settings, options form and
// device can be read, each value that cannot be used falling back to its default.
#include "FuzzSupport.h"

#include "app/Options.h"
#include "app/Startup.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    // QSettings keeps parsed files by name: each input gets a name of its own.
    static int serial = 0;
    const QString path = QDir::temp().filePath(
        QStringLiteral("zovi-fuzz-settings-%1-%2.ini").arg(QCoreApplication::applicationPid()).arg(++serial));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            return 0;
    }
    {
        // The program's own store over the file; what the start-up writes back goes to the same file.
        zovi::QtSettingsStore store(path);
        zovi::fuzz::SilentOperator op;
        zovi::AppContext ctx(store, zovi::fuzz::builtInCatalogue(), op,
                             zovi::ProgramFolder(zovi::fuzz::programFolder()));
        zovi::readStartupSettings(ctx);
        const zovi::OptionsForm form = zovi::loadOptionsForm(ctx);
        const int portNo = form.portText.toInt();
        if (portNo < 1 || portNo > 9 || !zovi::printableSetting(zovi::portDeviceName(ctx, portNo)))
            __builtin_trap();
        (void)zovi::languageChangeNotice(ctx);
        zovi::DeviceCatalogue devices(ctx);
        zovi::loadDeviceSettings(ctx, devices);
        zovi::conv::recomputeLimits(ctx.device);
    }
    QFile::remove(path);
    return 0;
}
