#pragma once

namespace zovi {

// A 9-point interface font that has the Japanese characters as well as the Latin ones.
void applyApplicationFont();

} // namespace zovi
