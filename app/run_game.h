// The game with its window: the application, the main window and the event loop.
#pragma once

namespace prismora {

// Runs the game until its window closes; returns the process exit code.
int runGame(int argc, char** argv);

} // namespace prismora
