#include "plataforma/senales.h"

#include <csignal>

void IgnorarLimiteDeTamano()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
