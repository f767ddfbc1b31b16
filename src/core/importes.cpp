#include "core/importes.h"

namespace tombolin {

std::optional<int64_t> ImportePremio(const PremiosGuardados& premios, QDate dia, int categoria) {
    const auto s = premios.find(dia);
    return ImportePremio(s == premios.end() ? nullptr : &s->second, categoria);
}

int64_t ImporteNeto(int64_t bruto) {
    constexpr int64_t kExento = 40000'00;
    if (bruto <= kExento) return bruto;
    // The tax is a whole number of cents, rounded to the nearest.
    return bruto - ((bruto - kExento) * 20 + 50) / 100;
}

}  // namespace tombolin
