#pragma once

#include "operation/MovingBlink.h"

namespace zovi {

class AlarmPanel;
class AppContext;
class CtCommands;
class CtLink;
class MainView;
class MoveView;

// The test moves: home (0) or one of the controller's positions 1 to 3. A move is prepared by
// reading what its time estimate needs, sent with that estimate plus 5 seconds as its limit, and
// followed by reading the outputs back.
//
// What the estimate needs is cached: the stroke, speed table and positions (CtCommands::move) are read
// once and kept while OperationState::MoveDataReadFlag is set; any failure, and a controller that
// reports homing not complete, clears it. OperationState::LastPosNo, the position last reached (-1
// after a failed move), stands in for asking the controller where the slide is. Every path out leaves
// MovingFlag clear; CtBusyFlag and the enabling of controls are the caller's.
class MoveCommands {
public:
    static constexpr float kMarginSeconds = 5.0f;

    MoveCommands(AppContext& ctx, CtLink& link, CtCommands& commands, AlarmPanel& alarms, MainView& view,
                 MoveView& moveView);

    // One move from a position button, blinking the button while it runs.
    void SelectMove(int posNo);

    // The steps a program run shares with SelectMove. Each returns false after a failure, whose
    // message has been shown; the failure has already cleared the cache.

    // Port open and check, the homing state and, when the cache is not valid, its reading.
    bool prepare();
    // When homed: where the slide is, from the last position reached or asked of the controller.
    bool findPresentPosition();
    // The move command with its time limit; true when the controller reports the move's end. After a
    // failure, moveFailed() tells why and forgets where the slide is.
    bool move(int posNo);
    void moveFailed();
    // After a move: the position reached, the outputs read back, the home lamp and lblkanryoNo.
    bool showArrival(int posNo);

    MovingBlink blink;

private:
    void clearCache();

    AppContext& ctx_;
    CtLink& link_;
    CtCommands& commands_;
    AlarmPanel& alarms_;
    MainView& view_;
    MoveView& moveView_;
};

} // namespace zovi
