#include "ui/descarga/infor.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "core/configuracion.h"

namespace tombolin {

NavegadorNoticias::NavegadorNoticias(QWidget* padre) : QTextBrowser(padre) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant NavegadorNoticias::loadResource(int, const QUrl&) {
    // Pictures, style sheets, frames: the news brings none of them with it.
    return {};
}

Infor::Infor(const QString& ficheroNoticias, Servicios servicios, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::WindowStaysOnTopHint), servicios_(servicios) {
    setObjectName(QStringLiteral("Infor"));
    setWindowTitle(QStringLiteral("Noticias del jefe..."));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 480);
    move(0, 0);

    navegador_ = new NavegadorNoticias(this);
    navegador_->setObjectName(QStringLiteral("noticias"));
    connect(navegador_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString esquema = url.scheme().toLower();
        if (esquema == QLatin1String("http") || esquema == QLatin1String("https")) {
            servicios_.escritorio.AbrirUrl(url.toString());
        } else if (esquema == QLatin1String("mailto")) {
            servicios_.escritorio.NuevoCorreo(url.path());
        }
    });
    QFile f(ficheroNoticias);
    if (f.open(QIODevice::ReadOnly) && f.size() > 10) {
        navegador_->setHtml(QString::fromUtf8(f.readAll()));
    } else {
        // Opened by hand with nothing fetched: said, rather than an empty window.
        navegador_->setPlainText(QStringLiteral("No hay mensajes."));
    }

    // The contact label runs along its rail between 16 and 254 pixels.
    carril_ = new QWidget(this);
    carril_->setFixedHeight(32);
    contacto_ = new QPushButton(QLatin1String(kCorreoContacto), carril_);
    contacto_->setObjectName(QStringLiteral("contactoNoticias"));
    contacto_->setFlat(true);
    contacto_->setCursor(Qt::PointingHandCursor);
    contacto_->setToolTip(QStringLiteral("Escribir al jefe"));
    contacto_->adjustSize();
    contacto_->move(16, 4);
    connect(contacto_, &QPushButton::clicked, this, [this] {
        servicios_.escritorio.NuevoCorreo(QLatin1String(kCorreoContacto));
        close();
    });
    cerrar_ = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar_->setObjectName(QStringLiteral("cerrarNoticias"));
    cerrar_->setFlat(true);
    connect(cerrar_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(carril_, 1);
    abajo->addWidget(cerrar_);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(navegador_, 1);
    todo->addLayout(abajo);

    reloj_ = new QTimer(this);
    reloj_->setInterval(100);
    connect(reloj_, &QTimer::timeout, this, &Infor::Mover);
    reloj_->start();
}

void Infor::Mover() {
    contacto_->move(contacto_->x() + paso_, contacto_->y());
    if (contacto_->x() > 254) paso_ = -10;
    if (contacto_->x() < 16) paso_ = 10;
}

}  // namespace tombolin
