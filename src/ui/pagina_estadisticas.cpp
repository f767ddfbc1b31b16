#include "ui/pagina_estadisticas.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/lista_tabla.h"
#include "ui/modelo_historial.h"

namespace tombolin {

PaginaEstadisticas::PaginaEstadisticas(QWidget* padre) : QWidget(padre) {
    modelo_ = new ModeloHistorial(this);
    lista_ = NuevaListaDeFilas(modelo_, "listaHistorial", this);
    // Every row has the same height: the view need not measure thousands of them.
    lista_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(lista_, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit filaPulsada(i.row() + 1); });

    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("totalSorteos"));
    QFont negrita = total_->font();
    negrita.setBold(true);
    total_->setFont(negrita);

    auto* caja = new QGroupBox(QStringLiteral("Sorteos"), this);
    auto* dentro = new QVBoxLayout(caja);
    dentro->addWidget(lista_);
    dentro->addWidget(total_);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(caja);
    PonerTotal();
}

void PaginaEstadisticas::MostrarHistorial(std::vector<FilaHistorial> filas) {
    modelo_->Poner(std::move(filas));
    lista_->resizeColumnsToContents();
    PonerTotal();
}

int PaginaEstadisticas::RegistroDeFila(int fila) const {
    return modelo_->Registro(fila - 1);
}

void PaginaEstadisticas::QuitarRegistro(int k) {
    modelo_->QuitarRegistro(k);
    PonerTotal();
}

void PaginaEstadisticas::PonerTotal() {
    total_->setText(QStringLiteral("TOTAL: ") + QString::number(modelo_->rowCount()) +
                    QStringLiteral(" sorteos."));
}

}  // namespace tombolin
