#include "ui/base/lista_tabla.h"

#include <QHeaderView>
#include <QTableView>

namespace tombolin {

QTableView* NuevaListaDeFilas(QAbstractItemModel* modelo, const char* nombre, QWidget* padre) {
    auto* lista = new QTableView(padre);
    lista->setObjectName(QLatin1String(nombre));
    lista->setModel(modelo);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->verticalHeader()->hide();
    lista->verticalHeader()->setDefaultSectionSize(lista->fontMetrics().height() + 6);
    lista->horizontalHeader()->setStretchLastSection(true);
    return lista;
}

}  // namespace tombolin
