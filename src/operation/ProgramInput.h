#pragma once

#include <QString>
#include <optional>

namespace zovi {

// The typing rules of the move program's two inputs, on character codes as a key press delivers
// them (Backspace 8, Enter 13). The wait txtTimer takes up to three digits, a wait in units of
// 100 ms; the editor txtEdit2 of a program step takes one position number 1 to 3.
namespace program_input {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kMaxTimerUnits = 999;

// txtTimer: digits while fewer than three are typed, Backspace and Enter; nothing else.
bool timerKeyAccepted(const QString& text, int key);
// txtTimer after Enter: the text when it is a number 0 to 999, else empty.
QString timerTextAfterEnter(const QString& text);
// The wait a txtTimer text asks for, in units of 100 ms; 0 (no wait) for an empty text. Read as far as
// its leading digits go.
int timerUnits(const QString& text);

// txtEdit2: "1", "2" or "3" while it is empty, Backspace and Enter; nothing else.
bool stepEditorAccepts(const QString& text, int key);
// A key pressed on a step's position cell (a double click counts as a space): the text the editor
// opens with, the cell's own for a control character or space, the digit for "1" to "3"; nothing for
// any other key.
std::optional<QString> stepEditorOpening(int key, const QString& cellText);

// Keys that move the current step once txtEdit2 has written its text back. As in the position grid's
// editor, Enter and Down go to the next step and Up to the previous one, wrapping between 9 and 1;
// Right goes on to the first column that takes an entry, which is the position column itself.
enum class StepKey { Enter, Up, Down, Right };
int stepAfterKey(StepKey key, int step);

} // namespace program_input

} // namespace zovi
