#include "ui/estadisticas/filtro_sorteos.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSlider>

#include "ui/estadisticas/seleccion_estadistica.h"

namespace tombolin {

FiltroSorteos::FiltroSorteos(SeleccionEstadistica& seleccion, bool conComparativa, QWidget* padre)
    : QWidget(padre), seleccion_(seleccion) {
    const char* const nombres[] = {"lunes", "jueves", "sabado"};
    const char* const textos[] = {"&Lunes", "&Jueves", "&Sábado"};
    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(0, 0, 0, 0);
    for (int d = 0; d < 3; ++d) {
        dias_[d] = new QCheckBox(QString::fromUtf8(textos[d]), this);
        dias_[d]->setObjectName(QLatin1String(nombres[d]));
        rejilla->addWidget(dias_[d], 0, d);
        connect(dias_[d], &QCheckBox::clicked, this,
                [this, d](bool si) { seleccion_.PonerDia(d, si); });
    }
    todos_ = new QCheckBox(QStringLiteral("&Todos"), this);
    todos_->setObjectName(QStringLiteral("todos"));
    ultimos_ = new QCheckBox(this);
    ultimos_->setObjectName(QStringLiteral("ultimoMes"));
    meses_ = new QSlider(Qt::Horizontal, this);
    meses_->setObjectName(QStringLiteral("meses"));
    meses_->setMinimum(1);
    meses_->setPageStep(1);
    meses_->setAccessibleName(QStringLiteral("Meses"));
    rejilla->addWidget(todos_, 1, 0);
    rejilla->addWidget(ultimos_, 1, 1, 1, 2);
    rejilla->addWidget(meses_, 2, 0, 1, 3);
    connect(todos_, &QCheckBox::clicked, &seleccion_, &SeleccionEstadistica::PonerTodos);
    connect(ultimos_, &QCheckBox::clicked, &seleccion_, &SeleccionEstadistica::PonerUltimosMeses);
    connect(meses_, &QSlider::valueChanged, &seleccion_, &SeleccionEstadistica::PonerMeses);
    if (conComparativa) {
        comparativa_ = new QCheckBox(QStringLiteral("&Comparativa"), this);
        comparativa_->setObjectName(QStringLiteral("comparativa"));
        rejilla->addWidget(comparativa_, 3, 0, 1, 3);
        connect(comparativa_, &QCheckBox::clicked, &seleccion_,
                &SeleccionEstadistica::PonerComparativa);
    }
    connect(&seleccion_, &SeleccionEstadistica::cambiada, this, &FiltroSorteos::Mostrar);
    connect(&seleccion_, &SeleccionEstadistica::aspectoCambiado, this, &FiltroSorteos::Mostrar);
    Mostrar();
}

void FiltroSorteos::Mostrar() {
    const Filtro& f = seleccion_.Actual();
    const bool libre = !seleccion_.Congelada();
    for (int d = 0; d < 3; ++d) {
        const QSignalBlocker quieto(dias_[d]);
        dias_[d]->setChecked(f.dias[d]);
        dias_[d]->setEnabled(libre && !seleccion_.Comparativa());
    }
    {
        const QSignalBlocker a(todos_), b(ultimos_), c(meses_);
        todos_->setChecked(f.todos);
        ultimos_->setChecked(!f.todos);
        ultimos_->setText(seleccion_.TextoUltimosMeses());
        // Frozen, a lower bound waits: the slider keeps showing the months selected.
        meses_->setMaximum(std::max(seleccion_.MesesMaximos(), f.meses));
        meses_->setValue(f.meses);
    }
    todos_->setEnabled(libre);
    ultimos_->setEnabled(libre);
    meses_->setEnabled(libre);
    meses_->setVisible(!f.todos);
    if (comparativa_) {
        const QSignalBlocker quieto(comparativa_);
        comparativa_->setChecked(seleccion_.Comparativa());
        comparativa_->setEnabled(libre || f.dias == std::array<bool, 3>{true, true, true});
    }
}

}  // namespace tombolin
