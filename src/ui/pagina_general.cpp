#include "ui/pagina_general.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "core/juego.h"

namespace tombolin {

PaginaGeneral::PaginaGeneral(QWidget* padre) : QWidget(padre) {
    selector_ = new QSlider(Qt::Horizontal, this);
    selector_->setObjectName(QStringLiteral("selectorSorteos"));
    selector_->setRange(1, 1);
    selector_->setEnabled(false);
    valor_ = new QLabel(QStringLiteral("1"), this);
    valor_->setObjectName(QStringLiteral("valorSelector"));
    valor_->setFrameShape(QFrame::Box);
    valor_->setAlignment(Qt::AlignCenter);
    valor_->setMinimumWidth(valor_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    connect(selector_, &QSlider::valueChanged, this,
            [this](int v) { valor_->setText(QString::number(v)); });

    penas_ = new QComboBox(this);
    penas_->setObjectName(QStringLiteral("selectorPenas"));
    penas_->setPlaceholderText(QStringLiteral("TODAS LAS PEÑAS"));
    penas_->setMinimumContentsLength(22);

    auto* etiquetaSorteos = new QLabel(QStringLiteral("Sorteos a &comprobar:"), this);
    etiquetaSorteos->setBuddy(selector_);
    auto* etiquetaPenas = new QLabel(QStringLiteral("&Peña:"), this);
    etiquetaPenas->setBuddy(penas_);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(etiquetaSorteos, 0, 0);
    rejilla->addWidget(selector_, 0, 1);
    rejilla->addWidget(valor_, 0, 2);
    rejilla->addWidget(etiquetaPenas, 1, 0);
    rejilla->addWidget(penas_, 1, 1, 1, 2, Qt::AlignLeft);
    rejilla->setColumnStretch(1, 1);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(rejilla);
    todo->addStretch();
}

void PaginaGeneral::PonerSorteosGuardados(int sorteos) {
    selector_->setEnabled(sorteos > 0);
    if (sorteos > 0) selector_->setMaximum(sorteos);
}

int PaginaGeneral::SorteosAComprobar() const {
    return selector_->value();
}

void PaginaGeneral::PonerSorteosAComprobar(int n) {
    selector_->setValue(n);
}

void PaginaGeneral::LlenarSelectorPenas(const std::vector<Pena>& penas) {
    penas_->clear();
    if (penas.empty()) {
        penas_->addItem(QStringLiteral("No hay Peñas creadas"));
    } else {
        penas_->addItem(QStringLiteral("TODAS LAS PEÑAS"));
        for (const Pena& p : penas) penas_->addItem(TextoVisible(p.Nombre));
    }
    // Entry 0 is "TODAS LAS PEÑAS"; without syndicates the box still reads so.
    penas_->setCurrentIndex(penas.empty() ? -1 : 0);
}

}  // namespace tombolin
