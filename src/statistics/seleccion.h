#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/registros.h"
#include "statistics/historial.h"

// The selection of draws the statistics work on (weekdays and period), the one scan that lists
// them and counts their numbers, and the sentences that tell the user what is selected.
namespace tombolin {

// Days of a draw counted apart: Monday, Thursday, Saturday.
enum DiaEstadistica { kLunes = 0, kJueves = 1, kSabado = 2 };

struct Filtro {
    std::array<bool, 3> dias{true, true, true};  // by DiaEstadistica
    bool todos = true;                           // every draw, or only the last `meses` months
    int meses = 1;
};

// The start of the last `meses` months, as an OLE date: now less 30.5 days a month, the hour
// included. Draws are stored at 00:00, so at 02:00 twelve months (366 days) leave out the draw of
// the day 366 days back, which at 00:00 they let in.
double InicioPeriodo(const QDateTime& ahora, int meses);

struct Recorrido {
    std::vector<FilaHistorial> filas;  // the selected draws, newest first
    int seleccionados = 0;
    // Oldest and newest selected draw. A scan that selects none keeps those of the scan before it
    // (day 0, 30/12/1899, before any): the sentences and the report store show them.
    QDate desde{1899, 12, 30}, hasta{1899, 12, 30};
    // veces[n][0]: draws with number n (1..49); veces[n][1 + DiaEstadistica]: on that weekday.
    std::array<std::array<int, 4>, 50> veces{};
    bool hayUltimo = false;  // the file has draws
    QString frase;  // the newest stored draw as the list writes it; empty when not selected
};

// One pass over the draws (oldest first, as the file holds them), newest first. `anterior` is the
// scan this one replaces.
Recorrido RecorrerSeleccion(const std::vector<Sorteo>& sorteos, const Filtro& filtro,
                            const QDateTime& ahora, const Recorrido& anterior = {});

// The numbers of a chart page: page 1 holds 1..25, page 2 holds 25..49 (25 is on both).
int NumeroDePagina(int pagina, int fila);
// " 7": the chart's row label.
QString EtiquetaNumero(int numero);

// The 49 numbers by how often they came out, most first; equal counts keep ascending order.
std::array<int, 49> ClasificarNumeros(const Recorrido& r);

struct DescripcionSeleccion {
    QString primera;                    // "-Tiene seleccionados ... sorteos en la base de datos."
    QString segunda;                    // "-Ha seleccionado ..." or the refusal with 0 draws
    std::optional<QString> diasajugar;  // for the report store; not written with no weekday
};
DescripcionSeleccion DescribirSeleccion(const Recorrido& r, const Filtro& filtro);

}  // namespace tombolin
