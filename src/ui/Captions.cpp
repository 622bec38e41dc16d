#include "ui/Captions.h"

#include "app/Catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace zovi {

namespace {

const char* const kTag = "tag";
const char* const kToolTipId = "toolTipId";

// The property's text read as a decimal number; 0 when empty or not a number.
int propertyNumber(const QObject* object, const char* name) {
    bool ok = false;
    const int value = object->property(name).toString().trimmed().toInt(&ok);
    return ok ? value : 0;
}

void setObjectText(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
        widget->setWindowTitle(text);
}

void setObjectToolTip(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setToolTip(text);
}

void applyTo(QObject* object, const Texts& texts) {
    if (const int tag = propertyNumber(object, kTag); tag > 0) {
        if (const auto text = texts.lookup(tag))
            setObjectText(object, *text);
    }
    if (const int tip = propertyNumber(object, kToolTipId); tip > 0) {
        if (const auto text = texts.lookup(tip))
            setObjectToolTip(object, *text);
    }
}

} // namespace

void setTag(QObject* object, int baseId) {
    object->setProperty(kTag, QString::number(baseId));
}

void setToolTipId(QObject* object, int baseId) {
    object->setProperty(kToolTipId, QString::number(baseId));
}

void setCaption(QObject* object, int baseId, const Texts& texts) {
    setTag(object, baseId);
    setObjectText(object, texts.english(baseId));
}

void setToolTip(QObject* object, int baseId, const Texts& texts) {
    setToolTipId(object, baseId);
    setObjectToolTip(object, texts.english(baseId));
}

void applyCaptions(QWidget* window, const Texts& texts) {
    applyTo(window, texts);
    for (QObject* child : window->findChildren<QObject*>()) {
        if (qobject_cast<QWidget*>(child) || qobject_cast<QAction*>(child))
            applyTo(child, texts);
    }
}

} // namespace zovi
