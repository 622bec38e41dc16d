#include "model/ConsoleCommands.h"

#include <QRandomGenerator>
#include <QStringList>

namespace ctsim {

namespace {

constexpr int MaxDelayMs = 600000;
constexpr int MaxSplitGapMs = 60000;
constexpr int MaxSplitPieces = 64;
constexpr int MaxBurstBytes = 64 << 20;
constexpr int MaxGarbleBytes = 4096;
constexpr qsizetype BurstChunk = 4096; // a long burst leaves in writes of this size, between other work

struct CommandHelp {
    const char* usage;
    const char* meaning;
};

const CommandHelp Help[] = {
    {"silent [once]", "send no reply"},
    {"split N GAP [once]", "send each reply in N writes (2-64), GAP ms apart"},
    {"echo-wrong [once]", "wrong third character in the reply"},
    {"long [once]", "one character too many before CR LF"},
    {"short [once]", "one character too few before CR LF"},
    {"delay MS [once]", "start each reply MS ms late"},
    {"alarm NN [once]", "latch alarm NN (hex) until \"0%C\"; once: refuse the next command with it"},
    {"emergency on|off", "press or release the emergency stop (alarm 0E)"},
    {"home-sensor-fail", "the next homing ends with alarm 0B"},
    {"stray TEXT", "send TEXT + CR LF now (quotes optional; escapes \\r \\n \\t \\\\ \\\" \\xHH)"},
    {"stray-raw TEXT", "send TEXT now, without CR LF"},
    {"burst N [SEED]", "send N random bytes now (noise on the line); the answer names the seed"},
    {"garble-next N [SEED]", "put N random bytes at a random place of the next reply, before CR LF"},
    {"hangup K", "cut the next reply after K characters, then nothing either way until \"clear\""},
    {"inputs N", "active POSI inputs: 1 POSI1 + 2 POSI2 + 4 POSI4"},
    {"home-ls on|off|auto", "hold the HOME LS input active or inactive; auto: active at position 0"},
    {"registers", "the I/O registers 105, 106 and 107 as \"0RB\" reads them"},
    {"position RECORD", "store a position: the 11 characters \"0WP\" takes (e.g. 152020003E8)"},
    {"move-scale X", "moves take X (0 to 1) times their true time"},
    {"clear", "remove all reply faults, a pending alarm-once, home-sensor-fail and a cut line"},
    {"status", "one line of controller state and active faults"},
    {"help", "list the commands"},
    {"quit", "stop the simulator"},
};

ConsoleResult ok(const QString& what) {
    return {QStringLiteral("ok ") + what, {}, false};
}

ConsoleResult error(const QString& why) {
    return {QStringLiteral("error: ") + why, {}, false};
}

// Whether the arguments after the required ones are exactly an optional "once".
std::optional<bool> onceFlag(const QStringList& words, int required) {
    if (words.size() == required + 1)
        return false;
    if (words.size() == required + 2 && words.last() == QStringLiteral("once"))
        return true;
    return std::nullopt;
}

std::optional<int> integerIn(const QString& text, int low, int high) {
    bool valid = false;
    const int value = text.toInt(&valid);
    if (!valid || value < low || value > high)
        return std::nullopt;
    return value;
}

QString withOnce(const QString& text, bool once) {
    return once ? text + QStringLiteral(" once") : text;
}

ConsoleResult replyFault(ControllerModel& model, const QStringList& words) {
    const QString& name = words.first();
    const std::optional<bool> once = onceFlag(words, 0);
    if (!once)
        return error(name + QStringLiteral(" takes only an optional \"once\""));
    FaultSet& faults = model.faults();
    if (name == QStringLiteral("silent"))
        faults.setSilent(*once);
    else if (name == QStringLiteral("echo-wrong"))
        faults.setWrongEcho(*once);
    else if (name == QStringLiteral("long"))
        faults.setLengthError(+1, *once);
    else
        faults.setLengthError(-1, *once);
    return ok(withOnce(name, *once));
}

ConsoleResult split(ControllerModel& model, const QStringList& words) {
    const std::optional<bool> once = onceFlag(words, 2);
    // -1 marks a missing or out-of-range number (an optional here trips a false warning of GCC 12 at -O2).
    const int pieces = words.size() > 1 ? integerIn(words[1], 2, MaxSplitPieces).value_or(-1) : -1;
    const int gap = words.size() > 2 ? integerIn(words[2], 0, MaxSplitGapMs).value_or(-1) : -1;
    if (!once || pieces < 0 || gap < 0)
        return error(QStringLiteral("usage: split PIECES(2-%1) GAP_MS(0-%2) [once]")
                         .arg(MaxSplitPieces)
                         .arg(MaxSplitGapMs));
    model.faults().setSplit(pieces, gap, *once);
    return ok(withOnce(QStringLiteral("split %1 %2").arg(pieces).arg(gap), *once));
}

ConsoleResult delay(ControllerModel& model, const QStringList& words) {
    const std::optional<bool> once = onceFlag(words, 1);
    const std::optional<int> ms = words.size() > 1 ? integerIn(words[1], 0, MaxDelayMs) : std::nullopt;
    if (!once || !ms)
        return error(QStringLiteral("usage: delay MS(0-%1) [once]").arg(MaxDelayMs));
    model.faults().setDelay(*ms, *once);
    return ok(withOnce(QStringLiteral("delay %1").arg(*ms), *once));
}

ConsoleResult alarmFault(ControllerModel& model, const QStringList& words, qint64 nowMs) {
    const std::optional<bool> once = onceFlag(words, 1);
    bool valid = false;
    const int number = words.size() > 1 && words[1].size() == 2 ? words[1].toInt(&valid, 16) : 0;
    if (!once || !valid || number == 0)
        return error(QStringLiteral("usage: alarm NN [once] (NN: two hexadecimal digits, not 00)"));
    const QString text = QStringLiteral("alarm ") + words[1].toUpper();
    if (*once) {
        model.faults().setAlarmOnce(quint8(number));
        return ok(withOnce(text, true));
    }
    ConsoleResult result = ok(text);
    result.outputs = model.raiseAlarm(quint8(number), nowMs);
    return result;
}

ConsoleResult emergencyInput(ControllerModel& model, const QStringList& words, qint64 nowMs) {
    if (words.size() != 2 || (words[1] != QStringLiteral("on") && words[1] != QStringLiteral("off")))
        return error(QStringLiteral("usage: emergency on|off"));
    ConsoleResult result = ok(QStringLiteral("emergency ") + words[1]);
    result.outputs = model.setEmergency(words[1] == QStringLiteral("on"), nowMs);
    return result;
}

ConsoleResult stray(ControllerModel& model, const QString& command, const QString& argument, qint64 nowMs) {
    std::optional<QByteArray> text = unescapeStrayText(argument);
    if (!text || text->isEmpty())
        return error(QStringLiteral("usage: %1 TEXT (quotes optional; escapes \\r \\n \\t \\\\ \\\" \\xHH)")
                         .arg(command));
    if (command == QStringLiteral("stray"))
        text->append("\r\n");
    ConsoleResult result = ok(command + QLatin1Char(' ') + argument);
    result.outputs = model.stray(*text, nowMs);
    return result;
}

// "burst N [SEED]" and "garble-next N [SEED]": the count and the seed, a random one when none is given.
std::optional<std::pair<int, quint32>> countAndSeed(const QStringList& words, int maxCount) {
    const std::optional<int> count = words.size() > 1 ? integerIn(words[1], 1, maxCount) : std::nullopt;
    bool valid = words.size() == 2;
    const quint32 seed = words.size() == 3 ? words[2].toUInt(&valid) : QRandomGenerator::global()->generate();
    if (!count || !valid)
        return std::nullopt;
    return std::pair{*count, seed};
}

// A burst is sent at once and never shaped; garble-next waits for the next reply.
ConsoleResult noise(ControllerModel& model, const QStringList& words, qint64 nowMs) {
    const QString& command = words.first();
    const bool burst = command == QStringLiteral("burst");
    const auto parsed = countAndSeed(words, burst ? MaxBurstBytes : MaxGarbleBytes);
    if (!parsed)
        return error(QStringLiteral("usage: %1 N(1-%2) [SEED]")
                         .arg(command)
                         .arg(burst ? MaxBurstBytes : MaxGarbleBytes));
    const auto [count, seed] = *parsed;
    ConsoleResult result = ok(QStringLiteral("%1 %2 %3").arg(command).arg(count).arg(seed));
    if (!burst) {
        model.faults().setGarbleNext(count, seed);
        return result;
    }
    QRandomGenerator generator(seed);
    const QByteArray bytes = randomBytes(generator, count);
    for (qsizetype start = 0; start < bytes.size(); start += BurstChunk)
        result.outputs.push_back({bytes.mid(start, BurstChunk), nowMs});
    return result;
}

} // namespace

std::optional<QByteArray> unescapeStrayText(const QString& argument) {
    QString text = argument;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    const QByteArray raw = text.toLatin1();
    QByteArray bytes;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            bytes.append(raw[i]);
            continue;
        }
        if (++i >= raw.size())
            return std::nullopt;
        switch (raw[i]) {
        case 'r':
            bytes.append('\r');
            break;
        case 'n':
            bytes.append('\n');
            break;
        case 't':
            bytes.append('\t');
            break;
        case '\\':
            bytes.append('\\');
            break;
        case '"':
            bytes.append('"');
            break;
        case 'x': {
            bool valid = false;
            const int value = raw.mid(i + 1, 2).toInt(&valid, 16);
            if (!valid || i + 2 >= raw.size())
                return std::nullopt;
            bytes.append(char(value));
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return bytes;
}

ConsoleResult runConsoleCommand(ControllerModel& model, const QString& line, qint64 nowMs) {
    const QString trimmed = line.trimmed();
    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return error(QStringLiteral("empty command (try: help)"));
    const QString& command = words.first();

    if (command == QStringLiteral("silent") || command == QStringLiteral("echo-wrong") ||
        command == QStringLiteral("long") || command == QStringLiteral("short"))
        return replyFault(model, words);
    if (command == QStringLiteral("split"))
        return split(model, words);
    if (command == QStringLiteral("delay"))
        return delay(model, words);
    if (command == QStringLiteral("alarm"))
        return alarmFault(model, words, nowMs);
    if (command == QStringLiteral("emergency"))
        return emergencyInput(model, words, nowMs);
    if (command == QStringLiteral("stray") || command == QStringLiteral("stray-raw"))
        return stray(model, command, trimmed.mid(command.size()).trimmed(), nowMs);
    if (command == QStringLiteral("burst") || command == QStringLiteral("garble-next"))
        return noise(model, words, nowMs);
    if (command == QStringLiteral("hangup")) {
        const std::optional<int> kept =
            words.size() == 2 ? integerIn(words[1], 0, MaxGarbleBytes) : std::nullopt;
        if (!kept)
            return error(QStringLiteral("usage: hangup K (characters of the next reply still sent, 0-%1)")
                             .arg(MaxGarbleBytes));
        model.faults().setHangUp(*kept);
        return ok(QStringLiteral("hangup %1").arg(*kept));
    }
    if (command == QStringLiteral("home-sensor-fail") && words.size() == 1) {
        model.faults().setHomeSensorFail();
        return ok(command);
    }
    if (command == QStringLiteral("inputs")) {
        const std::optional<int> bits = words.size() == 2 ? integerIn(words[1], 0, 7) : std::nullopt;
        if (!bits)
            return error(
                QStringLiteral("usage: inputs N (0-7: active POSI inputs, 1 POSI1 + 2 POSI2 + 4 POSI4)"));
        model.setPositionInputs(*bits);
        return ok(QStringLiteral("inputs %1").arg(*bits));
    }
    if (command == QStringLiteral("home-ls")) {
        const QString state = words.size() == 2 ? words[1] : QString();
        if (state == QStringLiteral("on"))
            model.setHomeSensor(true);
        else if (state == QStringLiteral("off"))
            model.setHomeSensor(false);
        else if (state == QStringLiteral("auto"))
            model.setHomeSensor(std::nullopt);
        else
            return error(QStringLiteral("usage: home-ls on|off|auto"));
        return ok(QStringLiteral("home-ls ") + state);
    }
    if (command == QStringLiteral("position")) {
        const auto parsed = words.size() == 2 ? PositionTable::parse(words[1].toLatin1()) : std::nullopt;
        if (!parsed)
            return error(QStringLiteral("usage: position RECORD (number 1-3, VEL 1-9, ACC 1-3, OUT 0-3, "
                                        "brake code 0-3, 6 upper-case hexadecimal digits of pulses)"));
        model.setPosition(parsed->first, parsed->second);
        return ok(QStringLiteral("position ") + words[1]);
    }
    if (command == QStringLiteral("move-scale")) {
        bool valid = false;
        const double scale = words.size() == 2 ? words[1].toDouble(&valid) : -1.0;
        if (!valid || scale < 0.0 || scale > 1.0)
            return error(QStringLiteral("usage: move-scale X (0 to 1)"));
        model.setMoveTimeScale(scale);
        return ok(QStringLiteral("move-scale ") + words[1]);
    }
    if (words.size() == 1) {
        if (command == QStringLiteral("clear")) {
            model.faults().clear();
            return ok(command);
        }
        if (command == QStringLiteral("registers")) {
            QStringList contents;
            for (const char* number : {"105", "106", "107"})
                contents << QStringLiteral("%1=%2")
                                .arg(QLatin1String(number))
                                .arg(*model.state().readRegister(number), 2, 16, QLatin1Char('0'));
            return ok(QStringLiteral("registers ") + contents.join(u' ').toUpper());
        }
        if (command == QStringLiteral("status"))
            return {QStringLiteral("status ") + model.describe(nowMs), {}, false};
        if (command == QStringLiteral("help")) {
            QStringList usages;
            for (const CommandHelp& entry : Help)
                usages << QLatin1String(entry.usage);
            return {QStringLiteral("commands: ") + usages.join(QStringLiteral(" | ")), {}, false};
        }
        if (command == QStringLiteral("quit"))
            return {QStringLiteral("ok quit"), {}, true};
    }
    return error(QStringLiteral("unknown command \"%1\" (try: help)").arg(trimmed));
}

QString consoleCommandHelp() {
    QString text;
    for (const CommandHelp& entry : Help)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(entry.usage), -24)
                    .arg(QLatin1String(entry.meaning));
    return text;
}

} // namespace ctsim
