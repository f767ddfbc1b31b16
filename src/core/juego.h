#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/registros.h"

// What a syndicate plays: which draws count for it, how many numbers and bets it holds, and the
// text of its bet lines.
namespace tombolin {

// A draw counts for a syndicate when it is on or after the syndicate's creation date and falls on
// one of its play days ("Jueves", "Sábado", "Jueves y Sábado", "Lunes" or "Todos (L+J+S)").
bool JuegaSorteo(const Pena& pena, const Sorteo& sorteo);

// Sizes of multiples: 501..506 give the numbers a multiple of code 1..6 holds (7, 8, 5, 9, 10,
// 11); 507..512 the simple bets it stands for (7, 28, 44, 84, 210, 462); below 500 the argument
// less 6, so that cuantos(NumApuestas + 6) is the number of simple bets of any syndicate.
int cuantos(int codigo);

// Numbers per bet line: 6, or those of its multiple.
int NumerosPorLinea(const Pena& pena);
// Bet lines in use: NumApuestas, or 1 for a multiple.
int LineasEnUso(const Pena& pena);

// The numbers of a bet line in column order, each in two places (a blank before one digit),
// joined by "-": " 3-12-25-33-41-49".
QString TextoApuesta(const Apuesta& apuesta, int numeros);

// Text of a stored name or play-days field for the screen: trailing blanks (and NULs) dropped,
// characters that can't be shown written as "?".
QString TextoVisible(const QString& campo);

}  // namespace tombolin
