#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/registros.h"

// What the main window shows about the draws held and the syndicates: the update status, the
// summary of all syndicates and the card of one.
namespace tombolin {

// The draw days on or after `hoy` (after it when today's draw is already stored).
QDate ProximoSorteo(QDate hoy, QDate ultimoGuardado);

// "¡Hoy sorteo!" or "Faltan n días".
QString TextoCuentaAtras(QDate hoy, QDate proximo);

// The update warning for the most recent stored draw (OLE date, 0 when there are none); empty
// when the draws are up to date (a week old at most).
QString TextoAvisoActualizacion(QDate hoy, double fechaUltimo);

// A percentage rounded to one decimal, Spanish style: "150", "33,3".
QString TextoPorcentaje(double p);

struct Actualizacion {
    int SorteoLibre = 1;     // number of draws + 1
    int SorteosJugados = 0;  // draws that count for at least one syndicate
    Sorteo Ultimo;           // the most recent draw; all zero when there are none
    QString TextoUltimo;     // "Fichero de datos vacío." or "Jueves, 3 de diciembre del 2026"
    QDate Proximo;
    QString TextoProximo;
    QString TextoCuenta;
    QString TextoAviso;  // empty: no warning
};

Actualizacion CalcularActualizacion(const std::vector<Sorteo>& sorteos,
                                    const std::vector<Pena>& penas, QDate hoy);

// The summary of all syndicates.
struct ResumenTodas {
    int Penas = 0;
    int Total = 0;             // prizes of every category of every syndicate
    QString TextoEfectividad;  // "…% de efectividad en premios" or "¡Nunca has acertado nada!"
    QString TextoJugados;      // "en J sorteos"; empty without syndicates
    double SinPremio = 1, ConPremio = 0;  // the two slices of the pie
};

ResumenTodas CalcularResumen(const std::vector<Pena>& penas, int sorteosJugados);

// The card of one syndicate.
struct FichaPena {
    std::array<int, 5> Contadores{};  // 3, 4, 5, 5+C, 6 hits: the order they are shown in
    int Total = 0;
    int Jugados = 0;           // draws played
    QString TextoJugados;      // the same as shown
    QString TextoEfectividad;  // "150 %", "100 %", "-"
    double SinPremio = 1, ConPremio = 0;
    QStringList Lineas;      // bet-line texts
    QString Descripcion;     // "-Apuestas sencillas.", "-Apuesta múltiple de 10 nºs.", …
    QString Base;            // the base numbers of a reduced system joined by "-"
    float GastoSemanal = 0;  // at the price the card was worked out with
    bool Danada = false;     // the record is no syndicate (TipoPena::Danada; see ErrorLectura)
    int ErrorLectura = 0;
};

// Error number shown for a damaged record: its lines or numbers lie outside what a syndicate
// holds (subscript out of range).
inline constexpr int kErrorIndiceFueraDeRango = 9;

// The card of a syndicate: its prizes, the draws it played and its weekly cost at `precio` a bet.
FichaPena CalcularFicha(const Pena& pena, const std::vector<Sorteo>& sorteos, float precio = 0);

}  // namespace tombolin
