#include "app/Options.h"

#include "app/AppContext.h"

namespace zovi {

namespace {

constexpr qsizetype kMaxPortDeviceLength = 255;

QString portDeviceKey(int portNo) {
    return QStringLiteral("PortDevice%1").arg(portNo);
}

int parsePortNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

bool autoBackupEnabled(const AppContext& ctx) {
    return ctx.settings.readInt(QStringLiteral("AutoBackup"), 1) != 0;
}

qint16 storedPortNo(const AppContext& ctx) {
    const qint16 portNo = ctx.settings.readInt(QStringLiteral("PortNo"), 1);
    return portNo >= 1 && portNo <= 9 ? portNo : qint16(1);
}

QString storedPortDevice(const AppContext& ctx, int portNo) {
    const QString device = ctx.settings.readText(portDeviceKey(portNo), QString());
    return printableSetting(device) && device.size() <= kMaxPortDeviceLength ? device : QString();
}

QString platformPortName(int portNo) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNo);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNo - 1);
#endif
}

QString portDeviceName(const AppContext& ctx, int portNo) {
    const QString stored = storedPortDevice(ctx, portNo);
    return stored.isEmpty() ? platformPortName(portNo) : stored;
}

OptionsForm loadOptionsForm(AppContext& ctx) {
    OptionsForm form;
    const OptionsState& opt = ctx.options;
    const int portNo = (opt.PortNo >= 1 && opt.PortNo <= 9) ? opt.PortNo : storedPortNo(ctx);
    form.portText = QString::number(portNo);
    form.portDevice = storedPortDevice(ctx, portNo);
    form.parametaShow = opt.ParametaShow;
    if (opt.BkCdChangeFlag) {
        form.changeBk = true;
        form.breakSetVisible = true;
        form.breakNoText = QString::number(opt.BkCdCode);
    }
    if (ctx.lang.LangNo != 1 && ctx.lang.LangNo != 2)
        ctx.lang.LangNo = ctx.settings.readInt(QStringLiteral("Languege"), 2);
    form.language = ctx.lang.LangNo == 1 ? 0 : 1;
    form.portOccupy = opt.PortOccupyFlag;
    form.dispPulsPosi = opt.PlsPosFlag;
    form.autoBackup = autoBackupEnabled(ctx);
    form.currentDownEnabled = form.changeBk;
    if (form.changeBk)
        form.currentDown = opt.BkCdCode == 0 ? 1 : 0;
    else
        form.currentDown = 0;
    return form;
}

void setChangeBk(OptionsForm& form, bool checked) {
    form.changeBk = checked;
    form.currentDownEnabled = checked;
    if (!checked)
        form.currentDown = 0;
}

bool optionDigitKeyAccepted(int currentLength, int keyAscii) {
    constexpr int kEnter = 13, kBackspace = 8, kTab = 9;
    if (keyAscii == kEnter)
        return false;
    if (currentLength >= 1)
        return keyAscii == kBackspace;
    return (keyAscii >= '0' && keyAscii <= '3') || keyAscii == kBackspace || keyAscii == kTab;
}

void applyOptionsOk(AppContext& ctx, const OptionsForm& form) {
    OptionsState& opt = ctx.options;
    const int portNo = parsePortNumber(form.portText);
    if (portNo >= 1 && portNo <= 9) {
        opt.PortNo = static_cast<qint16>(portNo);
        const QString device = form.portDevice.trimmed();
        if (device.isEmpty())
            ctx.settings.remove(portDeviceKey(portNo));
        else
            ctx.settings.writeText(portDeviceKey(portNo), device);
    } else {
        opt.PortNo = storedPortNo(ctx);
    }

    if (form.changeBk) {
        opt.BkCdChangeFlag = true;
        opt.BkCdCode = form.currentDown == 0 ? 2 : 0;
    } else {
        opt.BkCdCode = 2;
    }

    opt.ParametaShow = form.parametaShow;

    const qint16 chosenLanguage = form.language == 0 ? 1 : 2;
    ctx.lang.LangChangeFlag = chosenLanguage != ctx.lang.LangNo;

    opt.PortOccupyFlag = form.portOccupy;
    ctx.settings.writeInt(QStringLiteral("PortOccupy"), form.portOccupy ? 1 : 0);

    if (form.dispPulsPosi != opt.PlsPosFlag)
        opt.PulsDispChangeFlag = true;
    opt.PlsPosFlag = form.dispPulsPosi;
    ctx.settings.writeInt(QStringLiteral("PLSPos"), form.dispPulsPosi ? 1 : 0);
    ctx.settings.writeInt(QStringLiteral("AutoBackup"), form.autoBackup ? 1 : 0);
}

QString languageChangeNotice(const AppContext& ctx) {
    if (!ctx.lang.LangChangeFlag)
        return {};
    return ctx.texts.joined({521, 522});
}

} // namespace zovi
