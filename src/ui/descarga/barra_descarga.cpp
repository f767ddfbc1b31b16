#include "ui/descarga/barra_descarga.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "programa/cadena_descarga.h"

namespace tombolin {

BarraDescarga::BarraDescarga(CadenaDescarga& cadena, QWidget* padre)
    : QWidget(padre), cadena_(cadena) {
    setObjectName(QStringLiteral("barraDescarga"));
    boton_ = new QPushButton(QStringLiteral("&Bajar sorteos nuevos"), this);
    boton_->setObjectName(QStringLiteral("botonBajar"));
    boton_->setToolTip(QStringLiteral(
        "Trae de ONLAE los sorteos que faltan: los de los últimos 100 días y, si los guardados "
        "terminan antes, también los anteriores"));
    connect(boton_, &QPushButton::clicked, &cadena_, &CadenaDescarga::BajarSorteos);
    cancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar_->setObjectName(QStringLiteral("cancelarDescarga"));
    cancelar_->setShortcut(Qt::Key_Escape);
    cancelar_->setToolTip(
        QStringLiteral("Deja de bajar tras la petición en curso; lo ya bajado se guarda (Esc)"));
    connect(cancelar_, &QPushButton::clicked, &cadena_, &CadenaDescarga::Cancelar);
    estadoTexto_ = new QLabel(this);
    estadoTexto_->setObjectName(QStringLiteral("estadoDescarga"));
    estadoTexto_->setMinimumWidth(estadoTexto_->fontMetrics().horizontalAdvance(
        QStringLiteral("TRANSFERENCIA FINALIZADA  ")));
    bytes_ = new QLabel(this);
    bytes_->setObjectName(QStringLiteral("bytesDescarga"));
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName(QStringLiteral("progresoDescarga"));
    progreso_->setRange(0, CadenaDescarga::kTerminada);
    progreso_->setValue(0);
    progreso_->setTextVisible(false);
    progreso_->setMinimumWidth(100);
    progreso_->setAccessibleName(QStringLiteral("Progreso de la descarga"));

    // Two rows, as the header beside it has: what the transfer is doing over the bar and the
    // button, so the header fits a small screen.
    auto* capas = new QGridLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->setVerticalSpacing(2);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(estadoTexto_);
    arriba->addStretch();
    arriba->addWidget(bytes_);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(progreso_, 1);
    abajo->addWidget(cancelar_);
    abajo->addWidget(boton_);
    capas->addLayout(arriba, 0, 0);
    capas->addLayout(abajo, 1, 0);
    connect(&cadena_, &CadenaDescarga::cambiado, this, &BarraDescarga::Mostrar);
    Mostrar();
}

void BarraDescarga::Mostrar() {
    // A chain of several requests takes no more width than one: the cancel stands where the
    // download button was, and which request is in hand is written in the bar ("2 de 3"), the
    // dates going to the status bar and a screen reader.
    const bool varios = cadena_.Tramos().size() > 1 && cadena_.Descargando();
    cancelar_->setVisible(varios && cadena_.Esperando());
    boton_->setVisible(cancelar_->isHidden());
    boton_->setEnabled(!cadena_.Descargando());
    progreso_->setTextVisible(varios);
    progreso_->setFormat(
        QStringLiteral("%1 de %2").arg(cadena_.TramoActual() + 1).arg(cadena_.Tramos().size()));
    progreso_->setAccessibleDescription(varios ? cadena_.TextoTramo() : QString());
    bytes_->setText(cadena_.TextoBytes());
    // The status and the progress are painted at once, between two events of a chain at work;
    // the bytes, which change with every piece received, wait for the next paint.
    if (estadoTexto_->text() != cadena_.TextoEstado()) {
        estadoTexto_->setText(cadena_.TextoEstado());
        estadoTexto_->repaint();
    }
    if (progreso_->value() != cadena_.ProgresoActual()) {
        progreso_->setValue(cadena_.ProgresoActual());
        progreso_->repaint();
    }
}

}  // namespace tombolin
