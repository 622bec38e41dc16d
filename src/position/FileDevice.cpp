#include "position/FileDevice.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"

namespace zovi {

namespace {

// Characters are counted from 1, as the name's layout is described.
QString chars(const QString& name, int from, int count) {
    return name.mid(from - 1, count);
}

struct NameParts {
    QString size;
    QString speed;
    int stroke = 0;
    QString mark; // the up to three characters after the stroke
};

NameParts splitName(const QString& name) {
    NameParts parts;
    if (name.size() >= 7 && name[6] == QLatin1Char('-')) {
        // Older form: two-digit size, the stroke as the run of digits from character 8.
        parts.size = QLatin1Char(' ') + chars(name, 4, 2);
        parts.speed = chars(name, 6, 1);
        if (parts.speed == QLatin1String("E")) {
            parts.speed = QStringLiteral("L");
            parts.size = QLatin1Char('E') + chars(name, 4, 2);
        }
        if (name.size() > 8) {
            qsizetype end = 7;
            while (end < name.size() && name[end].isDigit() && name[end].unicode() < 128)
                ++end;
            parts.stroke = name.mid(7, end - 7).toInt();
        }
        parts.mark = chars(name, 11, 3);
    } else {
        parts.size = chars(name, 4, 3);
        parts.speed = chars(name, 7, 1);
        parts.stroke = int(conv::leadingNumber(chars(name, 9, 3)));
        parts.mark = chars(name, 12, 3);
    }
    return parts;
}

bool speedLetter(const QString& speed) {
    return speed.size() == 1 && speed[0] >= QLatin1Char('A') && speed[0] <= QLatin1Char('Z');
}

} // namespace

int parseFileDeviceName(AppContext& ctx, DeviceCatalogue& catalogue, const QString& name,
                        const QString& fileNewOld, FileDevice& file) {
    DeviceState& dev = ctx.device;
    const bool fileIsNew = fileNewOld == QLatin1String("NEW");
    file.newType = fileIsNew;
    const auto reject = [&ctx] {
        ctx.op.message(ctx.texts.joined({444, 445}));
        return 1;
    };

    const QString series = name.left(3);
    const bool jm = series == QLatin1String("JM-");
    if (series != QLatin1String("VQ-") && !jm)
        return reject();
    if (jm) {
        file.kind = QStringLiteral("2");
        file.newType = false;
        dev.VTypeFlag = false;
    } else {
        file.kind = fileIsNew ? QStringLiteral("0") : QStringLiteral("1");
        if (fileIsNew)
            dev.VTypeFlag = true;
    }

    const NameParts parts = splitName(name);
    if (parts.size.size() != 3 || !speedLetter(parts.speed) || parts.stroke < 1 || parts.stroke >= 700)
        return reject();
    const QString seriesWord = jm ? QStringLiteral("JM") : QStringLiteral("VQ");
    if (catalogue.devicePresent(seriesWord, file.newType, parts.size, parts.speed, parts.stroke) != 0)
        return reject();

    dev.PrevDevSize = parts.size;
    dev.PrevDevSpeed = parts.speed;
    dev.PrevDevStroke = qint16(parts.stroke);
    if (parts.mark.contains(QLatin1Char('V')))
        dev.VTypeFlag = true;
    else if (!fileIsNew || jm)
        dev.VTypeFlag = false;
    return 0;
}

void ReflectFileInfo2PcSettings(AppContext& ctx, const QString& fileDevName, const FileDevice& file) {
    if (fileDevName.isEmpty())
        return;
    DeviceState& dev = ctx.device;
    dev.IsNewType = file.newType;
    dev.DevSize = dev.PrevDevSize;
    dev.DevSpeed = dev.PrevDevSpeed;
    dev.DevStroke = dev.PrevDevStroke;
    dev.VerticalFlag = dev.VTypeFlag;
    if (file.kind == QLatin1String("0") || file.kind == QLatin1String("1")) {
        dev.IsVqSeries = true;
    } else if (file.kind == QLatin1String("2")) {
        dev.IsVqSeries = false;
        dev.IsNewType = false;
    }
    dev.SeriesText = seriesWord(dev.IsVqSeries);
    dev.NewOldText = dev.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    dev.DevListKind = qint16(dev.IsVqSeries ? (dev.IsNewType ? 0 : 1) : 2);
    conv::recomputeLimits(dev);
}

} // namespace zovi
