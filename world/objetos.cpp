#include "world/escenas.h"

// A label per object; a used object replaces its plain label.
void ListarObjetos(const GameState& estado, Ventana& ventana)
{
    if (estado.hierro == 1)
        ventana.AnadirLinea(u"- Un hierro");
    if (estado.cayena == 1)
        ventana.AnadirLinea(u"- Un bote de cayena molida");
    if (estado.guantes == 1)
        ventana.AnadirLinea(u"- Un paquete de guantes de latex");
    if (estado.astillaPicante == 1)
        ventana.AnadirLinea(u"- Una astilla grande y picante");
    else if (estado.astilla == 1)
        ventana.AnadirLinea(u"- Una astilla grande");
    if (estado.condonesCalientes == 1)
        ventana.AnadirLinea(u"- Una caja de condones caliente");
    else if (estado.condones == 1)
        ventana.AnadirLinea(u"- Una caja de condones sin usar");
    if (estado.movil == 1 && estado.numeroPozo == 1)
        ventana.AnadirLinea(u"- Un teléfono móvil, y un número");
    else if (estado.movil == 1)
        ventana.AnadirLinea(u"- Un teléfono móvil");
    if (estado.jabon == 1)
        ventana.AnadirLinea(u"- Jabón líquido");
    if (estado.ingredientes == 3)
        ventana.AnadirLinea(u"- Recipiente del jabón con suero de la verdad.");
    else if (estado.jabon == 2)
        ventana.AnadirLinea(u"- Recipiente del jabón vacío");
    if (estado.receta == 1)
        ventana.AnadirLinea(u"- Receta");
    if (estado.manzana == 1)
        ventana.AnadirLinea(u"- Una manzana podrida");
    if (estado.salfuman == 1)
        ventana.AnadirLinea(u"- Una botella de salfumán");
}
