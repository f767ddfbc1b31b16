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

}  // namespace tombolin
