#pragma once

namespace zovi {

// Waits the given milliseconds while window events keep flowing.
void waitMs(int milliseconds);

} // namespace zovi
