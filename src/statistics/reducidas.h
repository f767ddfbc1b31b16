#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/tablas.h"

// What the wizard says about the reduced tables for the numbers chosen: which tables there are,
// what each guarantees, and how likely it is to hold the six winners.
namespace tombolin {

struct ListaReducidas {
    std::vector<int> posiciones;  // each entry's table, by its place in the file
    QStringList entradas;         // "9 números al 5, 7 apuestas."
    QString texto;                // the list's text when it is closed and nothing is chosen
    QString rango;  // "(Para crear reducidas, se han de elegir entre 8 y 20 números)"
};
// Every table of `numeros` numbers, however many there are.
ListaReducidas ListarTablasReducidas(int numeros, const std::vector<TablaReducida>& tablas);

struct DescripcionReducida {
    QString seleccion;    // "Si entre los 9 números seleccionados, se encuentran los 6 ganadores:"
    QString asegura;      // line 2 of the table + " apuestas."
    QString posibilidad;  // "14,29%"
    QString jugarTodo;    // "Jugar a 9 números sin reducir, tendría que rellenar:"
    QString apuestasTodo;  // "84 apuestas."
};
DescripcionReducida MostrarTablaReducida(const TablaReducida& tabla);

// n! in double precision; 1 below 1.
double Factorial(int n);
// The multiple of n numbers: 5 → 3, 7 → 1, 8 → 2, 9 → 4, 10 → 5, 11 → 6; 0 for any other n.
int CodigoMultiple(int numeros);

}  // namespace tombolin
