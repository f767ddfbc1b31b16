#include "statistics/informes.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <kainjow/mustache.hpp>

#include "core/configuracion.h"
#include "core/fechas.h"

namespace tombolin {
namespace {

using Datos = kainjow::mustache::data;

std::string Utf8(const QString& texto) {
    return texto.toStdString();
}

// "1.5" as the store writes it reads "1,5" in Spanish; text that is no number stays as it is.
QString NumeroEspanol(const QString& valor) {
    bool ok = false;
    const double n = valor.trimmed().toDouble(&ok);
    if (!ok) return valor;
    QLocale es(QLocale::Spanish, QLocale::Spain);
    es.setNumberOptions(QLocale::OmitGroupSeparator);
    return es.toString(n, 'f', QLocale::FloatingPointShortest);
}

// A cost as the window shows it. The store keeps it widened from a float (25,2 comes back as
// 25.2000007629395): the window's seven digits undo that.
QString DineroVisto(const QString& valor) {
    bool ok = false;
    const double n = valor.trimmed().toDouble(&ok);
    return ok ? TextoDecimal(n) : valor;
}

// ISO dates are shown dd/MM/yyyy; an empty or odd value stays as it is rather than vanish.
QString FechaVista(const QString& valor) {
    const QDate fecha = QDate::fromString(valor, Qt::ISODate);
    return fecha.isValid() ? FechaCorta(fecha) : valor;
}

// What a report shows of a column: the same text, but in the reader's form.
QString Vista(const QString& columna, const QString& valor) {
    if (columna == QLatin1String("Dia1") || columna == QLatin1String("Dia2"))
        return FechaVista(valor);
    if (columna == QLatin1String("Nombre")) return valor.trimmed();  // stored padded to 20
    // Reals the store keeps as "0.0" or "1.5": "0", "1,5".
    if (columna == QLatin1String("Dinero")) return DineroVisto(valor);
    if (columna == QLatin1String("Sorteos")) return NumeroEspanol(valor);
    return valor;
}

int Entero(const FilaInforme& fila, const QString& columna) {
    const auto it = fila.find(columna);
    return it == fila.end() ? 0 : it->second.trimmed().toInt();
}

// The bar of a number in the chart: "Ancho" percent of the line, the most frequent being 100;
// "Barra" and "Hueco" say whether each of the two cells is there, as a 0% cell still shows.
void AnadirBarra(Datos& fila, int veces, int mayor) {
    const int ancho = mayor > 0 ? std::clamp(qRound(100.0 * veces / mayor), 0, 100) : 0;
    fila.set("Ancho", std::to_string(ancho));
    fila.set("Resto", std::to_string(100 - ancho));
    fila.set("Barra", ancho > 0);
    fila.set("Hueco", ancho < 100);
}

// Each table is a list of its rows, so a definition walks it with a section of the table's name.
Datos Contexto(const TablasInforme& tablas) {
    Datos contexto{Datos::type::object};
    for (const auto& [tabla, filas] : tablas) {
        const bool numeros = tabla == QLatin1String("Numeros");
        int mayor = 0;
        if (numeros)
            for (const FilaInforme& f : filas)
                mayor = std::max(mayor, Entero(f, QStringLiteral("Veces")));
        Datos lista{Datos::type::list};
        for (const FilaInforme& f : filas) {
            Datos fila{Datos::type::object};
            for (const auto& [columna, valor] : f)
                fila.set(Utf8(columna), Utf8(Vista(columna, valor)));
            if (numeros) AnadirBarra(fila, Entero(f, QStringLiteral("Veces")), mayor);
            if (tabla == QLatin1String("Informe")) {
                const auto frase = f.find(QStringLiteral("Frase"));
                fila.set("SinFrase", frase == f.end() || frase->second.trimmed().isEmpty());
            }
            lista.push_back(fila);
        }
        contexto.set(Utf8(tabla), lista);
    }
    return contexto;
}

}  // namespace

ResultadoInforme RellenarInforme(const QByteArray& plantilla, const TablasInforme& tablas) {
    kainjow::mustache::mustache definicion{plantilla.toStdString()};
    if (!definicion.is_valid()) return {{}, 2, QString::fromStdString(definicion.error_message())};
    const std::string html = definicion.render(Contexto(tablas));
    if (!definicion.is_valid()) return {{}, 3, QString::fromStdString(definicion.error_message())};
    return {QString::fromStdString(html), 0, {}};
}

ResultadoInforme GenerarInforme(const QString& rutaDefinicion, const TablasInforme& tablas) {
    QFile fichero(rutaDefinicion);
    if (!fichero.open(QIODevice::ReadOnly))
        return {{}, 1, rutaDefinicion + QStringLiteral(": ") + fichero.errorString()};
    ResultadoInforme r = RellenarInforme(fichero.readAll(), tablas);
    if (r.error) r.detalle = rutaDefinicion + QStringLiteral(": ") + r.detalle;
    return r;
}

}  // namespace tombolin
