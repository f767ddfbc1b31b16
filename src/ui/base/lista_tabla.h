#pragma once

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace tombolin {

// A read-only list of whole rows, one chosen at a time, as the program's pages show them.
QTableView* NuevaListaDeFilas(QAbstractItemModel* modelo, const char* nombre, QWidget* padre);

}  // namespace tombolin
