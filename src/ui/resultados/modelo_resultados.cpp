#include "ui/resultados/modelo_resultados.h"

#include <QBrush>
#include <QColor>

namespace tombolin {

ModeloResultados::ModeloResultados(bool multiple, QObject* padre)
    : QAbstractTableModel(padre), multiple_(multiple) {}

void ModeloResultados::Poner(ListaResultados lista) {
    beginResetModel();
    lista_ = std::move(lista);
    endResetModel();
}

void ModeloResultados::Vaciar() {
    Poner({});
}

int ModeloResultados::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : lista_.Filas();
}

int ModeloResultados::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : (multiple_ ? 14 : 9);
}

QVariant ModeloResultados::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    switch (rol) {
        case Qt::DisplayRole: {
            const QString t = lista_.Texto(indice.row(), indice.column());
            return t.isEmpty() ? QVariant() : QVariant(t);
        }
        case Qt::ForegroundRole: {
            const auto c = lista_.Color(indice.row(), indice.column());
            return c ? QVariant(QBrush(QColor(c->r, c->g, c->b))) : QVariant();
        }
        case Qt::TextAlignmentRole: {
            // The numbers centred, the comment to the left, the amounts to the right.
            const int comentario = columnCount() - 2;
            if (indice.column() > 0 && indice.column() < comentario) {
                return QVariant::fromValue(Qt::AlignCenter);
            }
            if (indice.column() > comentario)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

QVariant ModeloResultados::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
    return ListaResultados::Cabecera(multiple_, seccion);
}

}  // namespace tombolin
