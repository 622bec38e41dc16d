#include "operation/ProgramInput.h"

#include "operation/ProgramGridModel.h"

#include <algorithm>

namespace zovi::program_input {

namespace {

constexpr int kTimerDigits = 3;
constexpr int kLastControlOrSpace = 32;

bool isStepDigit(int key) {
    return key >= '1' && key <= '3';
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool timerKeyAccepted(const QString& text, int key) {
    if (key == kBackspace || key == kEnter)
        return true;
    return key >= '0' && key <= '9' && text.size() < kTimerDigits;
}

QString timerTextAfterEnter(const QString& text) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), isDigit))
        return QString();
    return text.toInt() <= kMaxTimerUnits ? text : QString();
}

int timerUnits(const QString& text) {
    int units = 0;
    for (const QChar c : text) {
        if (!isDigit(c))
            break;
        units = units * 10 + (c.unicode() - '0');
        if (units > kMaxTimerUnits)
            return kMaxTimerUnits;
    }
    return units;
}

bool stepEditorAccepts(const QString& text, int key) {
    if (key == kBackspace || key == kEnter)
        return true;
    return isStepDigit(key) && text.isEmpty();
}

std::optional<QString> stepEditorOpening(int key, const QString& cellText) {
    if (key >= 0 && key <= kLastControlOrSpace)
        return cellText;
    if (isStepDigit(key))
        return QString(QChar(key));
    return std::nullopt;
}

int stepAfterKey(StepKey key, int step) {
    constexpr int last = ProgramGridModel::kSteps;
    switch (key) {
    case StepKey::Enter:
    case StepKey::Down:
        return step >= last ? 1 : step + 1;
    case StepKey::Up:
        return step <= 1 ? last : step - 1;
    case StepKey::Right:
        break;
    }
    return step;
}

} // namespace zovi::program_input
