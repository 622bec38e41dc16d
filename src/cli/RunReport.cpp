#include "cli/RunReport.h"

#include "cli/CliTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace zovi::cli {

namespace {

int outcomeIndex(Outcome outcome) {
    switch (outcome) {
    case Outcome::Done:
        return 0;
    case Outcome::Failed:
        return 1;
    case Outcome::Refused:
        return 2;
    case Outcome::Differs:
        return 3;
    }
    return 1;
}

const char* const kOutcomeKeys[] = {"done", "failed", "refused", "differs"};

} // namespace

QString verbText(const CliRequest& request) {
    QString text = request.verb;
    if (!request.action.isEmpty())
        text += QLatin1Char(' ') + request.action;
    if (request.position >= 0)
        text += QLatin1Char(' ') + QString::number(request.position);
    if (request.reset)
        text += QStringLiteral(" --reset");
    return text;
}

QString humanLine(const Texts& texts, const PortResult& result) {
    QStringList parts{result.port, result.verb, item(texts, kResultWords, outcomeIndex(result.outcome))};
    if (!result.message.isEmpty())
        parts << result.message;
    parts << QStringLiteral("(%1 ms)").arg(result.durationMs);
    if (!result.file.isEmpty())
        parts << result.file;
    return parts.join(QStringLiteral("  "));
}

QByteArray jsonLine(const PortResult& result) {
    const QJsonObject object{
        {QStringLiteral("port"), result.port},
        {QStringLiteral("verb"), result.verb},
        {QStringLiteral("result"), QString::fromLatin1(kOutcomeKeys[outcomeIndex(result.outcome)])},
        {QStringLiteral("message"), result.message},
        {QStringLiteral("duration_ms"), result.durationMs},
        {QStringLiteral("file"), result.file},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

int exitStatus(const QList<PortResult>& results) {
    int status = kExitDone;
    for (const PortResult& result : results) {
        if (result.outcome == Outcome::Failed || result.outcome == Outcome::Refused)
            return kExitFailed;
        if (result.outcome == Outcome::Differs)
            status = kExitDiffers;
    }
    return status;
}

} // namespace zovi::cli
