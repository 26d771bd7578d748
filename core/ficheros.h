#pragma once

class QFile;

// Opens the file for reading when its name is a regular file, or one of the
// program's own resources. A FIFO, a device or a folder is refused at once,
// as an unreadable file: opening a FIFO waits for a writer that may never
// come, and a device may never end.
bool AbrirFicheroNormal(QFile& fichero);
