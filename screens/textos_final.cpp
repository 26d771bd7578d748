#include "screens/textos_final.h"

QStringList TextosFinal()
{
    return QStringList(13);
}
