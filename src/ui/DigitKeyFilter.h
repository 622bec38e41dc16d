#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace zovi {

// The character code a key press types, as the key filters know them: 13 Enter, 8 Backspace, 9 Tab,
// the code of a printable character, 0xFFFF for any other character; -1 for keys that type nothing
// (cursor, function keys, Delete), which pass every filter.
int keyAsciiOf(const QKeyEvent* key);

// Lets a one-character number box take only what `accepted(currentLength, keyAscii)` allows.
class DigitKeyFilter : public QObject {
public:
    using Rule = bool (*)(int currentLength, int keyAscii);
    DigitKeyFilter(QLineEdit* box, Rule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
    Rule rule_;
};

} // namespace zovi
