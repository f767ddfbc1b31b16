#include "ui/pagina_crear_combinacion.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/iconos.h"

namespace tombolin {

PaginaCrearCombinacion::PaginaCrearCombinacion(QWidget* padre) : QWidget(padre) {
    auto* explicacion = new QLabel(
        QStringLiteral("Una peña juega siempre los mismos números: apuestas sencillas, una "
                       "múltiple o una reducida. Elija cómo y marque sus números."),
        this);
    explicacion->setWordWrap(true);
    explicacion->setAlignment(Qt::AlignCenter);
    crear_ = new QToolButton(this);
    crear_->setObjectName(QStringLiteral("botonCrearPena"));
    crear_->setIcon(IconoCrearPena());
    crear_->setIconSize(QSize(64, 64));
    crear_->setText(QStringLiteral("C&rear peña nueva..."));
    crear_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    crear_->setFocusPolicy(Qt::StrongFocus);
    connect(crear_, &QToolButton::clicked, this, &PaginaCrearCombinacion::crearPena);

    auto* capa = new QVBoxLayout(this);
    capa->addStretch();
    capa->addWidget(explicacion);
    capa->addSpacing(12);
    capa->addWidget(crear_, 0, Qt::AlignHCenter);
    capa->addStretch();
}

void PaginaCrearCombinacion::PermitirCambios(bool si, const QString& porque) {
    crear_->setEnabled(si);
    crear_->setStatusTip(porque);
}

}  // namespace tombolin
