#pragma once

// What the library parada_al_guardar.cpp, preloaded into talpin-texto,
// writes on standard error just before the rename that completes a save,
// followed by the temporary file's path and a line break; then it stops the
// process.
constexpr char avisoParada[] = "parada antes de renombrar ";
