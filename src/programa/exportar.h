#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "checking/comprobacion.h"
#include "core/error.h"

namespace tombolin {

// The results of one syndicate as a spreadsheet opens them in Spain: CSV in UTF-8 with a byte
// order mark, fields separated by ";", decimal commas, a field quoted (its quotes doubled) when it
// holds ";", a quote or a line end. One line a draw played: the syndicate, the date, the numbers
// drawn, complementario and reintegro, its prizes by category, the euros won and the prizes whose
// amount is pending.
QByteArray CsvResultados(const QString& pena, const std::vector<SorteoJugado>& jugados);

// Writes `csv` at `ruta` whole or not at all.
[[nodiscard]] Error GuardarCsv(const QString& ruta, const QByteArray& csv);

}  // namespace tombolin
