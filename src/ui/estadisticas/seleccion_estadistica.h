#pragma once

#include <QObject>

#include "statistics/seleccion.h"

namespace tombolin {

// The selection of draws for the statistics, shared by the statistics page's filter and the
// wizard's first step: both show it and change it, so they can never disagree.
class SeleccionEstadistica : public QObject {
    Q_OBJECT

  public:
    explicit SeleccionEstadistica(QObject* padre = nullptr) : QObject(padre) {}

    // The draws to scan: with "Comparativa", all three weekdays.
    const Filtro& Actual() const { return filtro_; }
    bool Comparativa() const { return comparativa_; }
    // While the wizard has ranked numbers, the selection they came from stays as it is.
    bool Congelada() const { return congelada_; }
    int MesesMaximos() const { return mesesMaximos_; }

    // The boxes and the slider, as clicked.
    void PonerDia(int dia, bool marcado);
    // "Todos" and "Último mes" exclude each other.
    void PonerTodos(bool marcado);
    void PonerUltimosMeses(bool marcado) { PonerTodos(!marcado); }
    void PonerMeses(int meses);
    void PonerComparativa(bool marcada);
    void Congelar(bool si);
    // The slider's upper bound, from the settings; never below 2.
    void PonerMesesMaximos(int meses);
    // "Último mes" or "Últimos 6 meses".
    QString TextoUltimosMeses() const;

  signals:
    // The draws selected changed: scan again.
    void cambiada();
    // Only how it is shown changed (the comparison, the freeze, the bound).
    void aspectoCambiado();

  private:
    Filtro filtro_;
    bool comparativa_ = false;
    bool congelada_ = false;
    int mesesMaximos_ = 24;
};

}  // namespace tombolin
