#pragma once

#include <QWidget>
#include <vector>

#include "statistics/historial.h"

class QLabel;
class QTableView;

namespace tombolin {

class ModeloHistorial;

// The "Estadísticas" page: the history of the stored draws and its total.
class PaginaEstadisticas : public QWidget {
    Q_OBJECT

  public:
    explicit PaginaEstadisticas(QWidget* padre = nullptr);

    void MostrarHistorial(std::vector<FilaHistorial> filas);
    // The record of the draw shown on row `fila` (from 1), or 0.
    int RegistroDeFila(int fila) const;
    // Draw k left the file.
    void QuitarRegistro(int k);

    QTableView* lista() const { return lista_; }

  signals:
    // A click on row `fila` (from 1) of the history.
    void filaPulsada(int fila);

  private:
    void PonerTotal();

    ModeloHistorial* modelo_;
    QTableView* lista_;
    QLabel* total_;
};

}  // namespace tombolin
