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
