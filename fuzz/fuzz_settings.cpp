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
#include <QSettings>

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
    zovi::fuzz::FuzzContext run;
    {
        // The values as the program's own store reads them: each key of the section as text.
        QSettings ini(path, QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Settings"));
        for (const QString& key : ini.childKeys())
            run.settings.writeText(key, ini.value(key).toString());
        ini.endGroup();
    }
    QFile::remove(path);

    zovi::readStartupSettings(run.ctx);
    const zovi::OptionsForm form = zovi::loadOptionsForm(run.ctx);
    (void)zovi::portDeviceName(run.ctx, form.portText.toInt());
    (void)zovi::languageChangeNotice(run.ctx);
    zovi::DeviceCatalogue devices(run.ctx);
    zovi::loadDeviceSettings(run.ctx, devices);
    zovi::conv::recomputeLimits(run.ctx.device);
    return 0;
}
