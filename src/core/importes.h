#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

// What the operator paid each winner of a category of a draw, as its breakdown gives it.
namespace tombolin {

struct PremioCategoria {
    int64_t Centimos = 0;  // the prize per winner, in euro cents
    int Ganadores = 0;
    friend bool operator==(const PremioCategoria&, const PremioCategoria&) = default;
};

// The categories of one draw by the prize counters' order: 3, 4, 5, 6 hits and 5 + complementario
// at [0] to [4] (the counter number less 3). A category the breakdown did not give is empty.
using PremiosSorteo = std::array<std::optional<PremioCategoria>, 5>;
// Every breakdown held, by the day of its draw.
using PremiosGuardados = std::map<QDate, PremiosSorteo>;

// A prize's amount is known once its category paid somebody: a category of no winners, or
// missing, is still to be published.
std::optional<int64_t> ImportePremio(const PremiosGuardados& premios, QDate dia, int categoria);
// The same of one draw's breakdown, when there is one.
inline std::optional<int64_t> ImportePremio(const PremiosSorteo* sorteo, int categoria) {
    if (!sorteo || categoria < 3 || categoria > 7) return {};
    const std::optional<PremioCategoria>& c = (*sorteo)[static_cast<size_t>(categoria - 3)];
    if (!c || c->Ganadores <= 0) return {};
    return c->Centimos;
}

// What a prize pays after the tax on lottery prizes: 20 % of the part above 40,000 €.
int64_t ImporteNeto(int64_t bruto);

}  // namespace tombolin
