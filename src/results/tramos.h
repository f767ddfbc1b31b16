#pragma once

#include <QDate>
#include <QString>
#include <vector>

// The requests of a download. The service answers the draws celebrated between two dates; the
// program asks for the last 100 days, and for the days before them when the draws held stop
// earlier, so that no draw is left out for good.
namespace tombolin {

// The draws celebrated from `desde` to `hasta`, both days included.
struct Tramo {
    QDate desde;
    QDate hasta;
    bool operator==(const Tramo&) const = default;
};

// The last request always reaches this many days back from today.
inline constexpr int kDiasUltimoTramo = 100;

// The requests that bring every draw missing after `ultimo` (the newest draw held; invalid when
// there is none), oldest first. Draws held up to 101 days back, or none at all: the one request
// of the last 100 days. Older ones: windows of at most 100 days from the day after `ultimo`, then
// the last 100 days. Each day of `sueltos` (draws missing between the ones held) that no later
// request spans comes first, a request of its own.
std::vector<Tramo> TramosDescarga(QDate ultimo, QDate hoy, const std::vector<QDate>& sueltos = {});

// The fewest requests of at most 100 days that span every day of `dias`, oldest first, none
// reaching past `hoy`.
std::vector<Tramo> TramosDeDias(std::vector<QDate> dias, QDate hoy);

// The service's address for one request: `servicio` is "https://" and the operator's host.
QString DireccionTramo(const QString& servicio, const Tramo& tramo);

}  // namespace tombolin
