#pragma once

#include <QObject>

class QLineEdit;

namespace zovi {

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
