#include "ui/penas/modelo_penas.h"

#include "core/fechas.h"
#include "core/juego.h"

namespace tombolin {

void ModeloPenas::Poner(const std::vector<Pena>& penas) {
    beginResetModel();
    filas_.clear();
    for (const Pena& p : penas) {
        // A damaged record plays nothing.
        const int apuestas = ApuestasPorSorteo(p);
        filas_.push_back({TextoVisible(p.Nombre), apuestas, FechaCorta(OleAFecha(p.FechaCreacion)),
                          TextoVisible(p.DiasJuego)});
    }
    endResetModel();
}

int ModeloPenas::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : std::max<int>(1, static_cast<int>(filas_.size()));
}

int ModeloPenas::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : 4;
}

QVariant ModeloPenas::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    if (rol == Qt::TextAlignmentRole && indice.column() == 1) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (rol != Qt::DisplayRole) return {};
    if (filas_.empty())
        return indice.column() == 0 ? QVariant(QStringLiteral("VACÍO")) : QVariant();
    const Fila& f = filas_[indice.row()];
    switch (indice.column()) {
        case 0:
            return f.Nombre;
        case 1:
            return f.Apuestas;
        case 2:
            return f.Creacion;
        case 3:
            return f.Dias;
    }
    return {};
}

QVariant ModeloPenas::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
    static const char* const kCabeceras[] = {"Nombre", "Apuestas", "Fecha creación",
                                             "Días a jugar"};
    return seccion >= 0 && seccion < 4 ? QString::fromUtf8(kCabeceras[seccion]) : QVariant();
}

}  // namespace tombolin
