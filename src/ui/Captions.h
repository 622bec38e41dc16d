#pragma once

class QObject;
class QWidget;

namespace zovi {

class Texts;

// Each window and control carries the number of its text: a "tag" property (caption or title)
// and a "toolTipId" property. The window shows the English text at design time; applyCaptions
// replaces it with the text of this run's language, leaving a text as it is when the catalogue
// lacks the entry.
void setTag(QObject* object, int baseId);
void setToolTipId(QObject* object, int baseId);

// Design-time texts: the English entry of the id, and the tag that lets applyCaptions translate it.
void setCaption(QObject* object, int baseId, const Texts& texts);
void setToolTip(QObject* object, int baseId, const Texts& texts);

void applyCaptions(QWidget* window, const Texts& texts);

} // namespace zovi
