#include "ui/SpinButtons.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zovi {

SpinButtons::SpinButtons(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , buddy_(buddy)
    , minimum_(minimum)
    , maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, d = delta] { step(d); });
        layout->addWidget(button);
    }
}

void SpinButtons::step(int delta) {
    bool ok = false;
    const int value = buddy_->text().trimmed().toInt(&ok);
    const int next = ok ? std::clamp(value + delta, minimum_, maximum_) : minimum_;
    buddy_->setText(QString::number(next));
}

} // namespace zovi
