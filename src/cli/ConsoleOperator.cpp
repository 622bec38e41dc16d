#include "cli/ConsoleOperator.h"

#include "app/Catalogue.h"
#include "cli/CliTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace zovi::cli {

namespace {

QStringList textLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    for (const QString& line : unified.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

// The answer a question gets: the affirmative button when told --yes, else the negative one.
Answer answerFor(Buttons buttons, bool yes) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return yes ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        return yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return yes ? Answer::Yes : Answer::Cancel;
    }
    return Answer::Cancel;
}

} // namespace

void ConsoleSink::write(const QString& heading, const QString& text) {
    QByteArray out;
    for (const QString& line : textLines(text))
        out += (heading.isEmpty() ? line : heading + QStringLiteral(": ") + line).toUtf8() + '\n';
    const QMutexLocker lock(&mutex_);
    std::fwrite(out.constData(), 1, size_t(out.size()), out_);
    std::fflush(out_);
}

QString oneLine(const QString& text) {
    return textLines(text).join(QLatin1Char(' '));
}

ConsoleOperator::ConsoleOperator(ConsoleSink& sink, QString heading, bool yes)
    : sink_(sink)
    , heading_(std::move(heading))
    , yes_(yes) {}

Answer ConsoleOperator::message(const QString& text, Buttons buttons, Icon, const QString&) {
    const Answer answer = answerFor(buttons, yes_);
    QString shown = text;
    if (buttons != Buttons::Ok) {
        if (texts_)
            shown += QLatin1Char('\n') + (*texts_)(kAnswerLine).arg(answerWord(*texts_, answer));
        if (answer == Answer::No || answer == Answer::Cancel)
            declined_ = oneLine(text);
    }
    sink_.write(heading_, shown);
    if (buttons == Buttons::Ok)
        last_ = oneLine(text);
    return answer;
}

std::optional<QString> ConsoleOperator::openFile(const FileDialogRequest&) {
    if (file_.isEmpty())
        return std::nullopt;
    return file_;
}

std::optional<QString> ConsoleOperator::saveFile(const FileDialogRequest& request) {
    if (file_.isEmpty())
        return std::nullopt;
    if (request.overwritePrompt && QFileInfo::exists(file_) &&
        message((*texts_)(kReplaceQuestion).arg(QDir::toNativeSeparators(file_)), Buttons::YesNo,
                Icon::Exclamation, {}) != Answer::Yes)
        return std::nullopt;
    return file_;
}

} // namespace zovi::cli
