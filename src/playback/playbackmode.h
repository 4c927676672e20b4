#pragma once

// Which of the grouped buttons Stop, Play and Manuell is down.
enum class PlaybackMode { Stopped, Automatic, Manual };
