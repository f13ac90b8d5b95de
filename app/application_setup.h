// Process-wide settings of the game: name, Swedish standard texts and font look-alikes.
#pragma once

class QApplication;

namespace prismora {

// Names the application "Prismora" (so its data folder is
// ~/.local/share/Prismora) with the desktop entry org.prismora.Prismora and
// its themed icon, installs Qt's Swedish translation (when present) so
// standard dialogs speak Swedish, and maps the fonts the design names to
// installed look-alikes. Call once, after creating the application.
void setUpApplication(QApplication& application);

} // namespace prismora
