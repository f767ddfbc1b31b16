#include "ui/estadisticas/seleccion_estadistica.h"

#include <algorithm>

namespace tombolin {

void SeleccionEstadistica::PonerDia(int dia, bool marcado) {
    if (congelada_ || comparativa_ || filtro_.dias[dia] == marcado) return;
    filtro_.dias[dia] = marcado;
    emit cambiada();
}

void SeleccionEstadistica::PonerTodos(bool marcado) {
    if (congelada_ || filtro_.todos == marcado) return;
    filtro_.todos = marcado;
    emit cambiada();
}

void SeleccionEstadistica::PonerMeses(int meses) {
    meses = std::clamp(meses, 1, mesesMaximos_);
    if (congelada_ || filtro_.meses == meses) return;
    filtro_.meses = meses;
    emit cambiada();
}

void SeleccionEstadistica::PonerComparativa(bool marcada) {
    if (comparativa_ == marcada) return;
    // Frozen, the comparison may only show what is selected, not add weekdays to it.
    if (congelada_ && marcada && filtro_.dias != std::array<bool, 3>{true, true, true}) {
        emit aspectoCambiado();
        return;
    }
    comparativa_ = marcada;
    // The comparison is of the three weekdays: they are checked, and stay so after it.
    const bool cambian = marcada && filtro_.dias != std::array<bool, 3>{true, true, true};
    if (marcada) filtro_.dias = {true, true, true};
    if (cambian) {
        emit cambiada();
    } else {
        emit aspectoCambiado();
    }
}

void SeleccionEstadistica::Congelar(bool si) {
    if (congelada_ == si) return;
    congelada_ = si;
    emit aspectoCambiado();
    // A bound lowered meanwhile applies now.
    if (!si && filtro_.meses > mesesMaximos_) {
        filtro_.meses = mesesMaximos_;
        emit cambiada();
    }
}

void SeleccionEstadistica::PonerMesesMaximos(int meses) {
    mesesMaximos_ = std::max(2, meses);
    emit aspectoCambiado();
    if (!congelada_ && filtro_.meses > mesesMaximos_) {
        filtro_.meses = mesesMaximos_;
        emit cambiada();
    }
}

QString SeleccionEstadistica::TextoUltimosMeses() const {
    return filtro_.meses >= 2 ? QStringLiteral("Últimos ") + QString::number(filtro_.meses) +
                                    QStringLiteral(" meses")
                              : QStringLiteral("Último mes");
}

}  // namespace tombolin
