#include "core/fechas.h"

#include <QLocale>
#include <array>
#include <cmath>

namespace tombolin {

namespace {

// 30/12/1899, as a constant so that other constants may be built from it.
constexpr QDate kOrigenOle = QDate::fromJulianDay(2415019);

// The first and last days an OLE date can name.
constexpr double kOleMinimo = -657434.0;  // 01/01/0100
constexpr double kOleMaximo = 2958465.0;  // 31/12/9999

}  // namespace

double FechaAOle(QDate fecha) {
    return static_cast<double>(kOrigenOle.daysTo(fecha));
}

QDate OleAFecha(double ole) {
    if (!std::isfinite(ole) || ole < kOleMinimo || ole >= kOleMaximo + 1.0) return {};
    // The integer part is the day on both sides of the origin: -1.25 is 29/12/1899 at 06:00.
    return kOrigenOle.addDays(static_cast<qint64>(std::trunc(ole)));
}

QString diasemana(QDate fecha) {
    static const std::array<const char*, 7> kNombres = {"Lunes",   "Martes", "Miércoles", "Jueves",
                                                        "Viernes", "Sábado", "Domingo"};
    if (!fecha.isValid()) return {};
    return QString::fromUtf8(kNombres[fecha.dayOfWeek() - 1]);
}

QString NombreMes(int mes) {
    // The month names come from Qt's own Spanish locale data, never from the machine's locale.
    return QLocale(QLocale::Spanish, QLocale::Spain).monthName(mes, QLocale::LongFormat).toLower();
}

QString FechaCorta(QDate fecha) {
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

QString FechaLarga(QDate fecha) {
    if (!fecha.isValid()) return {};
    return diasemana(fecha) + QStringLiteral(", ") + QString::number(fecha.day()) +
           QStringLiteral(" de ") + NombreMes(fecha.month()) + QStringLiteral(" del ") +
           QString::number(fecha.year());
}

}  // namespace tombolin
