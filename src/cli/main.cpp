// zovictl: one command of ZO-VI on one or more controllers, without windows.
#include "app/AppContext.h"
#include "app/Catalogue.h"
#include "app/SettingsStore.h"
#include "cli/CliArguments.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleOperator.h"
#include "cli/ControllerRun.h"
#include "cli/RunReport.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

using namespace zovi;
using namespace zovi::cli;

namespace {

void print(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
}

// The whole help, or for a verb its own lines with the options.
QString helpText(const Texts& texts, const QString& verb) {
    const QStringList lines = multiLine(texts, kHelpText).split(QLatin1Char('\n'));
    if (verb.isEmpty())
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    QStringList out{lines.value(0), QString()};
    const QString verbLine = QStringLiteral("  ") + verb + QLatin1Char(' ');
    bool inOptions = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(verbLine))
            out << line;
        // The options section: its heading (the line before the first "  --" line) to the exit status.
        if (!inOptions && line.startsWith(QStringLiteral("  --"))) {
            inOptions = true;
            out << QString() << lines[i - 1];
        }
        if (inOptions)
            out << line;
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QHash<QString, QString> userSettings() {
    QtSettingsStore store;
    QHash<QString, QString> values;
    for (const QString& key : store.keys())
        values.insert(key, store.readText(key, QString()));
    return values;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZO-VI"));
    QCoreApplication::setOrganizationName(QStringLiteral("ZO-VI"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZOVI_VERSION_TEXT));

    Catalogue catalogue;
    if (!catalogue.load(Catalogue::kBuiltIn))
        print(stderr, QStringLiteral("zovictl: the built-in message catalogue is missing from this build\n"));
    const QHash<QString, QString> settings = userSettings();

    const ParsedArguments parsed = parseArguments(QCoreApplication::arguments().mid(1));
    const CliRequest& request = parsed.request;
    qint16 langOffset = settings.value(QStringLiteral("Languege")) == QLatin1String("1") ? 0 : kEnglishOffset;
    if (!request.lang.isEmpty())
        langOffset = request.lang == QLatin1String("ja") ? 0 : kEnglishOffset;
    const Texts texts(catalogue, langOffset);

    if (parsed.error) {
        const QString detail = texts(parsed.error->textId).arg(parsed.error->word);
        print(stderr, multiLine(texts, kUsageError).arg(detail) + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (request.help) {
        print(stdout, helpText(texts, request.verb));
        return kExitDone;
    }

    QList<PortArgument> ports = request.ports;
    if (ports.isEmpty()) {
        const int configured = settings.value(QStringLiteral("PortNo"), QStringLiteral("1")).toInt();
        ports << PortArgument{configured >= 1 && configured <= 9 ? configured : 1, {}};
    }

    // One thread per controller, each with its own run state and event loop.
    ConsoleSink sink;
    const RunBasis basis{catalogue, settings, sink, ports.size() > 1};
    QList<PortResult> results(ports.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        threads.emplace_back(QThread::create([&basis, &request, &results, &ports, i] {
            results[i] = runOnController(basis, request, ports[i]);
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();

    for (const PortResult& result : results)
        print(stdout, request.json ? QString::fromUtf8(jsonLine(result)) + QLatin1Char('\n')
                                   : humanLine(texts, result) + QLatin1Char('\n'));
    return exitStatus(results);
}
