#pragma once

// Both programs call this first. Under a file-size limit (ulimit -f) a save
// would get the game killed by SIGXFSZ, and the player would lose the
// session; with the signal ignored the write fails and the save says so.
void IgnorarLimiteDeTamano();
