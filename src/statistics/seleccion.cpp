#include "statistics/seleccion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/fechas.h"
#include "core/juego.h"

namespace tombolin {

namespace {

// Qt's weekday (1 = Monday) to the three counted days; -1 for any other.
int DiaDe(QDate d) {
    switch (d.dayOfWeek()) {
        case 1:
            return kLunes;
        case 4:
            return kJueves;
        case 6:
            return kSabado;
        default:
            return -1;
    }
}

}  // namespace

double InicioPeriodo(const QDateTime& ahora, int meses) {
    // Day arithmetic on the OLE value, as the draws' dates are kept: a change of summer time
    // in between moves nothing.
    const double hora = ahora.time().msecsSinceStartOfDay() / 86400000.0;
    return FechaAOle(ahora.date()) + hora - meses * 30.5;
}

Recorrido RecorrerSeleccion(const std::vector<Sorteo>& sorteos, const Filtro& filtro,
                            const QDateTime& ahora, const Recorrido& anterior) {
    Recorrido r;
    r.desde = anterior.desde;
    r.hasta = anterior.hasta;
    const double desde = filtro.todos ? 0 : InicioPeriodo(ahora, filtro.meses);
    const int n = static_cast<int>(sorteos.size());
    r.hayUltimo = n > 0;
    r.filas.reserve(n);
    for (int k = n; k >= 1; --k) {
        const Sorteo& s = sorteos[k - 1];
        const QDate fecha = OleAFecha(s.Fecha);
        const int dia = DiaDe(fecha);
        const bool elegido = dia >= 0 && filtro.dias[dia] && std::floor(s.Fecha) >= desde;
        if (k == n && elegido) r.frase = TextoSorteo(s);
        if (!elegido) continue;
        if (++r.seleccionados == 1) r.hasta = fecha;
        r.desde = fecha;
        r.filas.push_back({k, s});
        for (const int16_t numero : s.Numeros) {
            if (numero < 1 || numero > 49) continue;
            ++r.veces[numero][0];
            ++r.veces[numero][1 + dia];
        }
    }
    return r;
}

int NumeroDePagina(int pagina, int fila) {
    return pagina == 1 ? fila : fila + 24;
}

QString EtiquetaNumero(int numero) {
    return QLatin1Char(' ') + QString::number(numero);
}

std::array<int, 49> ClasificarNumeros(const Recorrido& r) {
    std::array<int, 49> orden{};
    std::iota(orden.begin(), orden.end(), 1);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return r.veces[a][0] > r.veces[b][0]; });
    return orden;
}

DescripcionSeleccion DescribirSeleccion(const Recorrido& r, const Filtro& f) {
    DescripcionSeleccion d;
    const QString periodo = f.todos ? QStringLiteral("todos los sorteos")
                            : f.meses == 1
                                ? QStringLiteral("sólo el último mes de sorteos")
                                : QStringLiteral("los últimos ") + QString::number(f.meses) +
                                      QStringLiteral(" meses de sorteos");
    const QString total = QStringLiteral(", en total, ") + QString::number(r.seleccionados) +
                          QStringLiteral(" sorteos en la base de datos.");
    d.primera = QStringLiteral("-Tiene seleccionados ") + periodo +
                (f.todos ? QStringLiteral(". Desde el ") : QStringLiteral(", desde el ")) +
                FechaCorta(r.desde) + QStringLiteral(" al ") + FechaCorta(r.hasta) + total;
    static const struct {
        std::array<bool, 3> dias;
        const char* frase;
        const char* diasajugar;
    } kDias[] = {
        {{true, true, true},
         "tanto los números de los sorteos del LUNES, JUEVES, como los del SÁBADO.",
         "Lunes, Jueves y sábado."},
        {{false, false, true}, "sólo los números de los sorteos del SÁBADO.", "Sábado."},
        {{false, true, false}, "sólo los números de los sorteos del JUEVES.", "Jueves."},
        {{true, false, false}, "sólo los números de los sorteos del LUNES.", "Lunes."},
        {{true, false, true},
         "sólo los números de los sorteos del LUNES y SÁBADO.",
         "Lunes y Sábado."},
        {{true, true, false},
         "sólo los números de los sorteos del LUNES y JUEVES.",
         "Lunes y Jueves."},
        {{false, true, true},
         "sólo los números de los sorteos del JUEVES y SÁBADO.",
         "Jueves y Sábado."},
    };
    QString frase = QStringLiteral("0 días de la semana.");
    for (const auto& k : kDias) {
        if (k.dias == f.dias) {
            frase = QString::fromUtf8(k.frase);
            d.diasajugar = QString::fromUtf8(k.diasajugar);
        }
    }
    d.segunda = r.seleccionados > 0
                    ? QStringLiteral("-Ha seleccionado ") + frase
                    : QStringLiteral("¡¡Con 0 sorteos seleccionados no es posible continuar!!");
    return d;
}

}  // namespace tombolin
