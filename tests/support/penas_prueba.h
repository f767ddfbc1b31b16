#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <initializer_list>
#include <map>
#include <set>
#include <vector>

#include "core/registros.h"
#include "impresion.h"

namespace tombolin::pruebas {

// Syndicates for tests: simple bets, a multiple of one code, a reduced system.
Pena PenaSencilla(const QString& nombre, std::initializer_list<std::array<int, 6>> lineas,
                  const QString& dias = QStringLiteral("Todos (L+J+S)"),
                  QDate creacion = QDate(2000, 1, 1));
// `lineas` simple lines, each of six different numbers.
Pena PenaDeLineas(const QString& nombre, int lineas);
Pena PenaMultiple(const QString& nombre, int codigo, std::vector<int> numeros,
                  const QString& dias = QStringLiteral("Todos (L+J+S)"),
                  QDate creacion = QDate(2000, 1, 1));
Pena PenaReducida(const QString& nombre, std::vector<int> base, int garantia,
                  std::initializer_list<std::array<int, 6>> lineas,
                  const QString& dias = QStringLiteral("Todos (L+J+S)"),
                  QDate creacion = QDate(2000, 1, 1));

// A draw on a day with the given numbers.
Sorteo UnSorteo(QDate fecha, std::array<int, 6> numeros = {1, 2, 3, 4, 5, 6}, int c = 7, int r = 8,
                double joker = 1234567);

// Independent count of a syndicate's prizes by category (3..6; 7 = 5 + complementario): a draw
// counts when it is on a play day on or after the creation date; hits are counted with sets.
std::map<int, int> ContarAMano(const Pena& p, const std::vector<Sorteo>& sorteos);
// Whether `p` plays `s`, by weekday numbers and its creation day.
bool JuegaAMano(const Pena& p, const Sorteo& s);
// Every six-number bet a syndicate stands for: its lines, or every bet of its multiple.
std::vector<std::set<int>> Expandir(const Pena& p);

// Writes the syndicates as "apuestas.dat" and the draws as "numeros.dat" in `carpeta`.
void EscribirPenas(const QString& carpeta, const std::vector<Pena>& penas);
void EscribirSorteos(const QString& carpeta, const std::vector<Sorteo>& sorteos);

}  // namespace tombolin::pruebas
