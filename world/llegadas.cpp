#include "world/escenas.h"

// What is told on walking from one place to another.
const std::array<Llegada, 14> Llegadas = {{
    {Calle, Cocina, {u"Estás dentro de la casa, y ves a Fray Supremus."}},
    {Cocina, Calle, {}},
    {Garaje, Calle, {}},
    {Garaje, Verja, {u"Te encuentras con una verja cerrada"}},
    {SegundaCocina, Cocina,
     {u"FRAY SUPREMUS: ¿Qué pasa, que te gusta ir fisgoneando por mi casa?",
      u"TALPÍN: Pues sí, tío, me mola mogollón."}},
    {SegundaCocina, Patio,
     {u"Te encuentras en el patio, ves un saco de basura, un pozo, un extraño, y una verja al fondo"}},
    {Verja, Garaje, {}},
    {Patio, SegundaCocina, {u"Entras de nuevo a la segunda cocina"}},
    {Patio, Aseo, {u"Estás en el aseo"}},
    {Patio, Comedor, {u"Estás en el comedor"}},
    {Aseo, Patio, {u"Vuelves al patio"}},
    {Comedor, Patio,
     {u"Te encuentras en el patio, ves un saco de basura, un pozo, un extraño, y una verja al fondo"}},
    {Comedor, Dormitorio, {u"Estás en el dormitorio"}},
    {Dormitorio, Comedor, {u"Estás en el comedor"}},
}};
