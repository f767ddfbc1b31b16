#include "ui/estadisticas/pagina_estadisticas.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "core/fechas.h"
#include "ui/base/datos_programa.h"
#include "ui/base/lista_tabla.h"
#include "ui/estadisticas/filtro_sorteos.h"
#include "ui/estadisticas/grafico_frecuencias.h"
#include "ui/estadisticas/modelo_historial.h"
#include "ui/estadisticas/seleccion_estadistica.h"

namespace tombolin {

PaginaEstadisticas::PaginaEstadisticas(SeleccionEstadistica& seleccion, const DatosPrograma& datos,
                                       QWidget* padre)
    : QWidget(padre), seleccion_(seleccion), datos_(datos) {
    setObjectName(QStringLiteral("paginaEstadisticas"));
    connect(&datos, &DatosPrograma::recorridoCambiado, this,
            [this, &datos] { MostrarRecorrido(datos.UltimoRecorrido()); });
    modelo_ = new ModeloHistorial(this);
    lista_ = NuevaListaDeFilas(modelo_, "listaHistorial", this);
    // Every row has the same height: the view need not measure thousands of them.
    lista_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Nor are the columns' widths different from one row to the next (fixed-pitch fields): a few
    // rows measure them, where Qt would measure a thousand.
    lista_->horizontalHeader()->setResizeContentsPrecision(8);
    connect(lista_, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit filaPulsada(i.row() + 1); });

    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("totalSorteos"));
    QFont negrita = total_->font();
    negrita.setBold(true);
    total_->setFont(negrita);

    faltan_ = new QLabel(this);
    faltan_->setObjectName(QStringLiteral("sorteosQueFaltan"));
    faltan_->setWordWrap(true);
    faltan_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    faltan_->hide();
    connect(&datos, &DatosPrograma::releidos, this, [this, &datos] {
        QStringList lineas;
        for (const QDate& d : datos.QueFaltan()) {
            lineas << QStringLiteral("Falta el sorteo del %1: «Bajar sorteos nuevos» lo traerá.")
                          .arg(FechaLarga(d));
        }
        faltan_->setText(lineas.join(QLatin1Char('\n')));
        faltan_->setVisible(!lineas.isEmpty());
    });

    auto* cajaFiltro = new QGroupBox(QStringLiteral("Filtrado de datos:"), this);
    auto* capaFiltro = new QVBoxLayout(cajaFiltro);
    capaFiltro->addWidget(new FiltroSorteos(seleccion_, true, cajaFiltro));
    pagina_ = new QSpinBox(this);
    pagina_->setObjectName(QStringLiteral("paginaGrafico"));
    pagina_->setRange(1, 2);
    pagina_->setPrefix(QStringLiteral("Página "));
    pagina_->setToolTip(QStringLiteral("Números del 1 al 25, o del 25 al 49"));
    capaFiltro->addWidget(pagina_);
    capaFiltro->addStretch();
    connect(pagina_, &QSpinBox::valueChanged, this, &PaginaEstadisticas::MostrarGrafico);
    // The comparison changes what the chart shows, not which draws.
    connect(&seleccion_, &SeleccionEstadistica::aspectoCambiado, this,
            &PaginaEstadisticas::MostrarGrafico);

    grafico_ = new GraficoFrecuencias(this);
    grafico_->setObjectName(QStringLiteral("graficoFrecuencias"));

    auto* cajaLista = new QGroupBox(QStringLiteral("Sorteos"), this);
    auto* dentro = new QVBoxLayout(cajaLista);
    dentro->addWidget(lista_);
    dentro->addWidget(total_);
    dentro->addWidget(faltan_);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(grafico_, 2);
    derecha->addWidget(cajaLista, 3);
    auto* todo = new QHBoxLayout(this);
    todo->addWidget(cajaFiltro);
    todo->addLayout(derecha, 1);
    PonerTotal();
    MostrarGrafico();
}

void PaginaEstadisticas::MostrarRecorrido(const Recorrido& r) {
    modelo_->Poner(r.filas);
    // Every row has the same fixed-pitch shape: measured once, on the first rows that come.
    if (!columnasMedidas_ && modelo_->rowCount() > 0) {
        lista_->resizeColumnsToContents();
        columnasMedidas_ = true;
    }
    PonerTotal();
    MostrarGrafico();
}

void PaginaEstadisticas::MostrarGrafico() {
    grafico_->Mostrar(datos_.UltimoRecorrido(), pagina_->value(), seleccion_.Comparativa());
}

int PaginaEstadisticas::RegistroDeFila(int fila) const {
    return modelo_->Registro(fila - 1);
}

void PaginaEstadisticas::PonerTotal() {
    total_->setText(QStringLiteral("TOTAL: ") + QString::number(modelo_->rowCount()) +
                    QStringLiteral(" sorteos."));
}

}  // namespace tombolin
