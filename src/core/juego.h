#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/registros.h"

// What a syndicate plays: which draws count for it, how many numbers and bets it holds, and the
// text of its bet lines.
namespace tombolin {

// What a record of "apuestas.dat" holds, from its NumApuestas: up to 205 simple (or reduced)
// lines, one multiple bet of a known code (501..506), or anything else, which no syndicate can
// be. The card, the check and the lists all go by this.
enum class TipoPena { Sencilla, Multiple, Danada };
TipoPena TipoDePena(const Pena& pena);

// The day of a draw as the play rule reads it. Worked out once per draw: the check asks about
// millions of rows.
struct DiaSorteo {
    double dia = 0;         // whole OLE day
    uint8_t bitSemana = 0;  // 1 << weekday (Qt's 1 = Monday .. 7 = Sunday); 0 for no date
};
DiaSorteo DiaDeSorteo(double fecha);

// Which draws count for a syndicate: those on or after the day it was created (days, not
// instants: one created at noon on a draw day plays that draw) that fall on one of its play days
// ("Jueves", "Sábado", "Jueves y Sábado", "Lunes", "Todos (L+J+S)", or the name of any other
// weekday). Worked out once per syndicate.
struct ReglaJuego {
    double desde = 0;  // whole OLE day of creation
    uint8_t dias = 0;  // weekday bits, as DiaSorteo::bitSemana

    static ReglaJuego De(const Pena& pena);
    bool Creada(const DiaSorteo& d) const { return desde <= d.dia; }
    bool DiaDeJuego(const DiaSorteo& d) const { return (dias & d.bitSemana) != 0; }
    bool Juega(const DiaSorteo& d) const { return Creada(d) && DiaDeJuego(d); }
};

bool JuegaSorteo(const Pena& pena, const Sorteo& sorteo);

// Sizes of multiples: 501..506 give the numbers a multiple of code 1..6 holds (7, 8, 5, 9, 10,
// 11); 507..512 the simple bets it stands for (7, 28, 44, 84, 210, 462); below 500 the argument
// less 6, so that cuantos(NumApuestas + 6) is the number of simple bets of any syndicate.
int cuantos(int codigo);

// The simple bets a syndicate plays in one draw: its lines, or the bets its multiple stands for
// (cuantos); 0 for a damaged record.
int ApuestasPorSorteo(const Pena& pena);
// What one draw costs the syndicate at `precio` a bet: its bets times the price, in single
// precision. The one cost rule: the weekly cost goes by it, and so will every money figure.
float CosteSorteo(const Pena& pena, float precio);
// The draws a week its play days count for the weekly cost: one for "Jueves", "Sábado" or "Lunes",
// two for "Jueves y Sábado", three for any other choice.
int SorteosPorSemana(const Pena& pena);
// The weekly cost: the cost of one draw at `precio` times the draws a week.
float GastoSemanal(const Pena& pena, float precio);

// Numbers per bet line: 6, those of its multiple, or 0 for a damaged record.
int NumerosPorLinea(const Pena& pena);
// Bet lines in use: NumApuestas, 1 for a multiple, 0 for a damaged record.
int LineasEnUso(const Pena& pena);

// How the numbers of a bet line are written: in columns, as the card and the editor list them,
// each in two places (a blank before one digit) joined by "-" (" 3-12-25-33-41-49"); or to be
// read on paper, as they are with " - " between them ("3 - 12 - 25 - 33 - 41 - 49").
enum class FormaApuesta { Columnas, Lectura };
// The first `numeros` numbers of a bet line in column order.
QString TextoApuesta(const Apuesta& apuesta, int numeros,
                     FormaApuesta forma = FormaApuesta::Columnas);

}  // namespace tombolin
