#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/registros.h"

namespace tombolin {

// The syndicate list of the manager page: one row per syndicate in file order (row r is record
// r), or the single row "VACÍO" when there are none.
class ModeloPenas : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void Poner(const std::vector<Pena>& penas);
    bool Vacio() const { return filas_.empty(); }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

  private:
    struct Fila {
        QString Nombre;
        int Apuestas;
        QString Creacion;
        QString Dias;
    };
    std::vector<Fila> filas_;
};

}  // namespace tombolin
