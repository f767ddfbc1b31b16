#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

#include "statistics/historial.h"

namespace tombolin {

// The draw history of the statistics page: numbers, Joker and date, newest first, in a
// fixed-pitch bold font. Each row remembers its record, so a click acts on the draw it shows.
class ModeloHistorial : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ModeloHistorial(QObject* padre = nullptr);

    void Poner(std::vector<FilaHistorial> filas);
    // The record shown on a row (from 0), or 0.
    int Registro(int fila) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

  private:
    std::vector<FilaHistorial> filas_;
    QFont fuente_;
};

}  // namespace tombolin
