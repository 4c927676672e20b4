#pragma once

// Keeps windows whose stored place lies off the screen within reach.
namespace WindowPlacement {

// A left or top edge beyond the screen's extent less 50 pixels becomes 20.
int keepReachable(int position, int screenExtent);

} // namespace WindowPlacement
