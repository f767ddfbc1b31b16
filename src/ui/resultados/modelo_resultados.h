#pragma once

#include <QAbstractTableModel>

#include "lists/lista_resultados.h"

namespace tombolin {

// A results list as a Qt model: each cell's text and colour are produced when asked for.
class ModeloResultados : public QAbstractTableModel {
    Q_OBJECT

  public:
    ModeloResultados(bool multiple, QObject* padre = nullptr);

    void Poner(ListaResultados lista);
    void Vaciar();
    const ListaResultados& Lista() const { return lista_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

  private:
    bool multiple_;
    ListaResultados lista_;
};

}  // namespace tombolin
