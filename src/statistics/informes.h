#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

// The two reports, statistics and syndicate: report definitions (templates) filled only from the
// tables of the report store.
namespace tombolin {

// The content of the report store's tables, as text: each table's rows, each row its columns by
// name ("Informe", "Sorteos", "Numeros", "Peña", "Peñanums"; columns as the store names them).
// Dates are ISO text ("2026-12-06"); numbers are written as the store holds them.
using FilaInforme = std::map<QString, QString>;
using TablasInforme = std::map<QString, std::vector<FilaInforme>>;

// Fills a report definition with the tables: the HTML of the report, or an empty text and `error`
// set when the definition can't be read or rendered (docs/informes.md lists the numbers).
struct ResultadoInforme {
    QString html;
    int error = 0;
    QString detalle;
};
ResultadoInforme RellenarInforme(const QByteArray& plantilla, const TablasInforme& tablas);
// Reads the definition file and fills it.
ResultadoInforme GenerarInforme(const QString& rutaDefinicion, const TablasInforme& tablas);

}  // namespace tombolin
