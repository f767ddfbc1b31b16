#include "core/juego.h"

#include <QStringList>
#include <cmath>

#include "core/fechas.h"

namespace tombolin {

TipoPena TipoDePena(const Pena& pena) {
    const int n = pena.NumApuestas;
    if (n >= 0 && n <= Pena::kLineas) return TipoPena::Sencilla;
    if (n >= 501 && n <= 506) return TipoPena::Multiple;
    return TipoPena::Danada;
}

DiaSorteo DiaDeSorteo(double fecha) {
    const QDate f = OleAFecha(fecha);
    // A draw with no date is on no day: nobody plays it.
    if (!f.isValid()) return {std::trunc(fecha), 0};
    return {std::trunc(fecha), static_cast<uint8_t>(1u << f.dayOfWeek())};
}

ReglaJuego ReglaJuego::De(const Pena& pena) {
    ReglaJuego r;
    r.desde = std::trunc(pena.FechaCreacion);
    const QString d = pena.DiasVisibles();
    if (d == QStringLiteral("Todos (L+J+S)")) {
        r.dias = 0xFE;
    } else if (d == QStringLiteral("Jueves y Sábado")) {
        r.dias = (1u << 4) | (1u << 6);
    } else {
        for (int w = 1; w <= 7; ++w) {
            if (d == diasemana(QDate(2024, 1, w))) r.dias = 1u << w;  // 01/01/2024: a Monday
        }
    }
    return r;
}

bool JuegaSorteo(const Pena& pena, const Sorteo& sorteo) {
    return ReglaJuego::De(pena).Juega(DiaDeSorteo(sorteo.Fecha));
}

int ApuestasPorSorteo(const Pena& pena) {
    return TipoDePena(pena) == TipoPena::Danada ? 0 : cuantos(pena.NumApuestas + 6);
}

float CosteSorteo(const Pena& pena, float precio) {
    return static_cast<float>(ApuestasPorSorteo(pena)) * precio;
}

int SorteosPorSemana(const Pena& pena) {
    const QString dias = pena.DiasVisibles();
    if (dias == QStringLiteral("Jueves") || dias == QStringLiteral("Sábado") ||
        dias == QStringLiteral("Lunes"))
        return 1;
    return dias == QStringLiteral("Jueves y Sábado") ? 2 : 3;
}

float GastoSemanal(const Pena& pena, float precio) {
    // precio × 2 and × 3 as the weekly cost has always been worked out, in single precision.
    return CosteSorteo(pena, precio * static_cast<float>(SorteosPorSemana(pena)));
}

int cuantos(int codigo) {
    static constexpr int kNumeros[] = {7, 8, 5, 9, 10, 11};
    static constexpr int kApuestas[] = {7, 28, 44, 84, 210, 462};
    if (codigo >= 501 && codigo <= 506) return kNumeros[codigo - 501];
    if (codigo >= 507 && codigo <= 512) return kApuestas[codigo - 507];
    if (codigo < 500) return codigo - 6;
    return 0;
}

int NumerosPorLinea(const Pena& pena) {
    switch (TipoDePena(pena)) {
        case TipoPena::Sencilla:
            return 6;
        case TipoPena::Multiple:
            return cuantos(pena.NumApuestas);
        case TipoPena::Danada:
            break;
    }
    return 0;
}

int LineasEnUso(const Pena& pena) {
    switch (TipoDePena(pena)) {
        case TipoPena::Sencilla:
            return pena.NumApuestas;
        case TipoPena::Multiple:
            return 1;
        case TipoPena::Danada:
            break;
    }
    return 0;
}

QString TextoApuesta(const Apuesta& apuesta, int numeros, FormaApuesta forma) {
    const bool columnas = forma == FormaApuesta::Columnas;
    QStringList partes;
    for (int c = 0; c < numeros && c < Apuesta::kColumnas; ++c) {
        const QString n = QString::number(apuesta.Columnas[c]);
        partes << (columnas ? n.rightJustified(2, QLatin1Char(' ')) : n);
    }
    return partes.join(columnas ? QStringLiteral("-") : QStringLiteral(" - "));
}

}  // namespace tombolin
