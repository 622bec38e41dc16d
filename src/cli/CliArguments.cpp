#include "cli/CliArguments.h"

#include "cli/CliTexts.h"

namespace zovi::cli {

namespace {

const QStringList kFileVerbs = {QStringLiteral("positions"), QStringLiteral("params")};
const QStringList kFolderVerbs = {QStringLiteral("backup"), QStringLiteral("restore")};
const QStringList kPlainVerbs = {QStringLiteral("version"), QStringLiteral("alarm"),
                                 QStringLiteral("device")};
const QStringList kTransfers = {QStringLiteral("read"), QStringLiteral("write"), QStringLiteral("verify")};
const QStringList kModes = {QStringLiteral("comm"), QStringLiteral("external")};

std::optional<PortArgument> portArgument(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    bool number = false;
    const int com = text.toInt(&number);
    PortArgument port;
    if (number) {
        if (com < 1 || com > 9)
            return std::nullopt;
        port.comNumber = com;
    } else {
        port.device = text;
    }
    return port;
}

class Parser {
public:
    explicit Parser(const QStringList& arguments)
        : args_(arguments) {}

    ParsedArguments run() {
        QStringList words;
        for (int i = 0; i < args_.size() && !out_.error; ++i) {
            QString arg = args_[i];
            if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
                words << arg;
                continue;
            }
            QString value;
            bool inlineValue = false;
            if (const qsizetype eq = arg.indexOf(QLatin1Char('=')); eq > 0) {
                value = arg.mid(eq + 1);
                arg = arg.left(eq);
                inlineValue = true;
            }
            const auto takeValue = [&]() -> std::optional<QString> {
                if (inlineValue)
                    return value;
                if (i + 1 < args_.size())
                    return args_[++i];
                return std::nullopt;
            };
            if (arg == QLatin1String("--yes") || arg == QLatin1String("-y"))
                out_.request.yes = true;
            else if (arg == QLatin1String("--json"))
                out_.request.json = true;
            else if (arg == QLatin1String("--reset"))
                out_.request.reset = true;
            else if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
                out_.request.help = true;
            else if (arg == QLatin1String("--port")) {
                const auto text = takeValue();
                const auto port = text ? portArgument(*text) : std::nullopt;
                if (!port)
                    return fail(kBadArgument, QStringLiteral("--port"));
                out_.request.ports << *port;
            } else if (arg == QLatin1String("--lang")) {
                const auto text = takeValue();
                if (!text || (*text != QLatin1String("en") && *text != QLatin1String("ja")))
                    return fail(kBadArgument, QStringLiteral("--lang"));
                out_.request.lang = *text;
            } else if (arg == QLatin1String("--log")) {
                const auto text = takeValue();
                if (!text || text->isEmpty())
                    return fail(kBadArgument, QStringLiteral("--log"));
                out_.request.logPath = *text;
            } else {
                return fail(kUnknownWord, args_[i]);
            }
            if (inlineValue && arg != QLatin1String("--port") && arg != QLatin1String("--lang") &&
                arg != QLatin1String("--log"))
                return fail(kUnknownWord, args_[i]);
        }
        if (out_.error)
            return out_;
        return verb(words);
    }

private:
    ParsedArguments fail(int textId, const QString& word) {
        out_.error = UsageError{textId, word};
        return out_;
    }

    ParsedArguments verb(const QStringList& words) {
        CliRequest& r = out_.request;
        if (words.isEmpty())
            return r.help ? out_ : fail(kBadArgument, QStringLiteral("zovictl"));
        r.verb = words[0];
        qsizetype used = 1;
        const auto arg = [&words](qsizetype i) {
            return i < words.size() ? words[i] : QString();
        };
        if (kFileVerbs.contains(r.verb)) {
            r.action = arg(1);
            r.path = arg(2);
            used = 3;
            if (!r.help && (!kTransfers.contains(r.action) || r.path.isEmpty()))
                return fail(kBadArgument, r.verb);
        } else if (kFolderVerbs.contains(r.verb)) {
            r.path = arg(1);
            used = 2;
            if (!r.help && r.path.isEmpty())
                return fail(kBadArgument, r.verb);
        } else if (r.verb == QLatin1String("mode")) {
            r.action = arg(1);
            used = 2;
            if (!r.help && !kModes.contains(r.action))
                return fail(kBadArgument, r.verb);
        } else if (r.verb == QLatin1String("move")) {
            bool number = false;
            r.position = arg(1).toInt(&number);
            used = 2;
            if (!r.help && (!number || arg(1).size() != 1 || r.position < 0 || r.position > 3))
                return fail(kBadArgument, r.verb);
        } else if (!kPlainVerbs.contains(r.verb)) {
            return fail(kUnknownWord, r.verb);
        }
        if (r.reset && r.verb != QLatin1String("alarm"))
            return fail(kUnknownWord, QStringLiteral("--reset"));
        if (!r.help && words.size() > used)
            return fail(kUnknownWord, words[used]);
        return out_;
    }

    const QStringList& args_;
    ParsedArguments out_;
};

} // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
    return Parser(arguments).run();
}

bool needsDevice(const QString& verb) {
    return kFileVerbs.contains(verb) || kFolderVerbs.contains(verb) || verb == QLatin1String("device");
}

} // namespace zovi::cli
