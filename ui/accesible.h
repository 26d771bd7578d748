#pragma once

// Teaches Qt's accessibility how the game's own widgets look to a screen
// reader: a window of the game is a frame (a dialog if it only tells), a
// picture that takes clicks a button (a plain picture stays a picture), a
// frame line a separator, an Aviso a status bar holding a notification.
// Only the first call does anything.
void InstalarAccesibles();
