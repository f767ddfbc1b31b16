#include "ui/ventanas/presentacion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace tombolin {

namespace {

QPixmap Fotograma(QSvgRenderer& dibujo, int fotograma, qreal escala) {
    const QSize tamano = dibujo.defaultSize();
    QPixmap p(tamano * escala);
    p.setDevicePixelRatio(escala);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    // Each frame is a group of the picture, laid over the whole of it.
    dibujo.render(&pintor, QStringLiteral("fotograma%1").arg(fotograma),
                  QRectF(QPointF(0, 0), QSizeF(tamano)));
    return p;
}

const QString kDibujo = QStringLiteral(":/tombolin/presentacion.svg");

}  // namespace

QPixmap FotogramaPresentacion(int fotograma, qreal escala) {
    QSvgRenderer dibujo(kDibujo);
    return Fotograma(dibujo, fotograma, escala);
}

std::array<QPixmap, 8> FotogramasPresentacion(qreal escala) {
    // The picture is read once for the eight frames.
    QSvgRenderer dibujo(kDibujo);
    std::array<QPixmap, 8> fotogramas;
    for (int i = 0; i < 8; ++i) fotogramas[i] = Fotograma(dibujo, i + 1, escala);
    return fotogramas;
}

Presentacion::Presentacion(QWidget* padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Presentacion"));
    setWindowTitle(QStringLiteral("Tombolin"));
    fotogramas_ = FotogramasPresentacion(devicePixelRatioF());
    imagen_ = new QLabel(this);
    imagen_->setObjectName(QStringLiteral("imagen"));
    imagen_->setPixmap(fotogramas_[0]);
    imagen_->setAccessibleName(QStringLiteral("Bombo de la lotería girando"));
    entrar_ = new QPushButton(QStringLiteral("&Entrar"), this);
    entrar_->setObjectName(QStringLiteral("entrar"));
    entrar_->setDefault(true);
    // Hidden keeps its place: the window doesn't jump when it appears.
    QSizePolicy sitio = entrar_->sizePolicy();
    sitio.setRetainSizeWhenHidden(true);
    entrar_->setSizePolicy(sitio);
    entrar_->hide();
    connect(entrar_, &QPushButton::clicked, this, &Presentacion::Entrar);

    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(8, 8, 8, 8);
    capa->addWidget(imagen_);
    capa->addWidget(entrar_, 0, Qt::AlignHCenter);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("Presentacion { background: #0b3d2e; }"));

    reloj_ = new QTimer(this);
    reloj_->setObjectName(QStringLiteral("reloj"));
    reloj_->setInterval(150);
    connect(reloj_, &QTimer::timeout, this, &Presentacion::Tic);
    reloj_->start();
    adjustSize();
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(pantalla->availableGeometry().center());
        move(r.topLeft());
    }
}

void Presentacion::Tic() {
    if (fotograma_ < 9) {
        imagen_->setPixmap(fotogramas_[fotograma_ - 1]);
        ++fotograma_;
        if (fotograma_ == 9) {
            fotograma_ = 10;
            entrar_->show();
            entrar_->setFocus();
        }
    }
    if (++tics_ == 60) Entrar();
}

void Presentacion::Entrar() {
    reloj_->stop();
    if (dentro_) return;
    dentro_ = true;
    emit entrar();
}

}  // namespace tombolin
