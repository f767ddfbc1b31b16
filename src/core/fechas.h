#pragma once

#include <QDate>
#include <QString>

// Dates on disk are OLE dates: days since 30/12/1899 as a double, the fraction being the time of
// day (always 0 in this program's files).
namespace tombolin {

double FechaAOle(QDate fecha);

// The calendar date of an OLE date, time of day dropped; an invalid QDate for values that are
// not finite or lie outside the years 100..9999 (the range OLE dates can hold).
QDate OleAFecha(double ole);

// Spanish weekday name, weeks starting on Sunday: "Domingo", "Lunes", ... "Sábado".
// These exact spellings are what the play days of a syndicate are compared with.
QString diasemana(QDate fecha);

// Spanish month name in lower case ("enero" ... "diciembre").
QString NombreMes(int mes);

// dd/MM/yyyy.
QString FechaCorta(QDate fecha);

// "Jueves, 17 de octubre del 1985".
QString FechaLarga(QDate fecha);

}  // namespace tombolin
