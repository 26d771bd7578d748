// Preloaded (LD_PRELOAD) into talpin-texto by test_matar, so that a kill
// lands mid-save every time: the rename that would complete the save
// announces itself, then the process stops until the test kills it.
#include "parada_al_guardar.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <string>

extern "C" int rename(const char* desde, const char* hacia)
{
    using Renombrar = int (*)(const char*, const char*);
    static const auto original = reinterpret_cast<Renombrar>(::dlsym(RTLD_NEXT, "rename"));
    const std::string aviso = avisoParada + std::string(desde) + '\n';
    // One write, so the line arrives whole.
    if (::write(STDERR_FILENO, aviso.data(), aviso.size()) == ssize_t(aviso.size()))
        ::raise(SIGSTOP);
    return original(desde, hacia);
}
