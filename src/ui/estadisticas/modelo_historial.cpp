#include "ui/estadisticas/modelo_historial.h"

#include "core/sorteos.h"

namespace tombolin {

ModeloHistorial::ModeloHistorial(QObject* padre)
    : QAbstractTableModel(padre), fuente_(QStringLiteral("Liberation Mono")) {
    fuente_.setStyleHint(QFont::TypeWriter);
    fuente_.setBold(true);
}

void ModeloHistorial::Poner(std::vector<FilaHistorial> filas) {
    beginResetModel();
    filas_ = std::move(filas);
    endResetModel();
}

int ModeloHistorial::Registro(int fila) const {
    return fila >= 0 && fila < static_cast<int>(filas_.size()) ? filas_[fila].Registro : 0;
}

int ModeloHistorial::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloHistorial::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 3;
}

QVariant ModeloHistorial::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || indice.row() >= static_cast<int>(filas_.size())) return {};
    if (rol == Qt::FontRole) return fuente_;
    if (rol != Qt::DisplayRole) return {};
    const Sorteo& s = filas_[indice.row()].Datos;
    switch (indice.column()) {
        case 0:
            return TextoSorteo(s);
        case 1:
            return TextoJoker(s);
        case 2:
            return TextoFechaHistorial(s);
    }
    return {};
}

QVariant ModeloHistorial::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
    static const char* const kCabeceras[] = {"Números ganadores", "Joker", "Fecha"};
    return seccion >= 0 && seccion < 3 ? QString::fromUtf8(kCabeceras[seccion]) : QVariant();
}

}  // namespace tombolin
