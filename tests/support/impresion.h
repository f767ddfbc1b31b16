#pragma once

#include <QDate>
#include <QString>
#include <ostream>

// gtest prints Qt values as text: a failed comparison shows the words, not a dump of bytes.
// Every test that compares them includes this, so all see the same printer.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(QDate d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}

// Draws as a user reads them: the date and the numbers.
#include "core/fechas.h"
#include "core/registros.h"
namespace tombolin {
inline void PrintTo(const Sorteo& s, std::ostream* os) {
    *os << OleAFecha(s.Fecha).toString(Qt::ISODate).toStdString();
    for (int16_t n : s.Numeros) *os << ' ' << n;
    *os << " C" << s.Complementario << " R" << s.Reintegro << " J" << static_cast<qint64>(s.Joker);
}
}  // namespace tombolin
