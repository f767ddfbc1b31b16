#pragma once

#include <QWidget>
#include <vector>

#include "statistics/seleccion.h"

class QLabel;
class QSpinBox;
class QTableView;

namespace tombolin {

class GraficoFrecuencias;
class ModeloHistorial;
class DatosPrograma;
class SeleccionEstadistica;

// The "Estadísticas" page: the filter of the draws, the chart of how often each number came out,
// and the list of the selected draws with their total.
class PaginaEstadisticas : public QWidget {
    Q_OBJECT

  public:
    // It shows the scan `datos` makes of the draws the selection picks.
    PaginaEstadisticas(SeleccionEstadistica& seleccion, const DatosPrograma& datos,
                       QWidget* padre = nullptr);

    // The record of the draw shown on row `fila` (from 1), or 0.
    int RegistroDeFila(int fila) const;

  signals:
    // A click on row `fila` (from 1) of the history.
    void filaPulsada(int fila);

  private:
    // The latest scan: the list, the total and the chart.
    void MostrarRecorrido(const Recorrido& r);
    void PonerTotal();
    void MostrarGrafico();

    SeleccionEstadistica& seleccion_;
    const DatosPrograma& datos_;
    ModeloHistorial* modelo_;
    QTableView* lista_;
    QLabel* total_;
    QLabel* faltan_;  // the days the draws held lack, which the next download asks for
    GraficoFrecuencias* grafico_;
    QSpinBox* pagina_;
    bool columnasMedidas_ = false;
};

}  // namespace tombolin
