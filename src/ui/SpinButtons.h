#pragma once

#include <QWidget>

class QLineEdit;

namespace zovi {

// The small up/down arrows beside a one-digit number box: each click steps the number within
// [minimum, maximum]; an empty or foreign text starts from the minimum.
class SpinButtons : public QWidget {
public:
    SpinButtons(QLineEdit* buddy, int minimum, int maximum, QWidget* parent);
    void step(int delta);

private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
};

} // namespace zovi
