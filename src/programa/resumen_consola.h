#pragma once

#include <QString>
#include <QTextStream>
#include <cstdint>

namespace tombolin {

// Euros with a decimal point and two decimals, as scripts read them: "-12.50".
QString EurosConPunto(int64_t centimos);

// "tombolin --resumen": each syndicate's money, for scripts and spreadsheets, from the data
// folder `carpeta`, without a window, without the lock and without writing anything (not even
// the repairs a start makes). A tab-separated table: the header "peña sorteos gastado ganado
// balance pendientes", then one line a syndicate, its name trimmed and the gross amounts in euros
// with a decimal point. Returns the exit status: 0, or 1 with the reason in `errores`.
int ImprimirResumen(const QString& carpeta, QTextStream& salida, QTextStream& errores);

}  // namespace tombolin
