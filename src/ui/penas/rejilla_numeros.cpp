#include "ui/penas/rejilla_numeros.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tombolin {

namespace {
constexpr int kLado = 7;
constexpr int kCeldaMinima = 34;  // pixels: big enough to hit and to read
}  // namespace

RejillaNumeros::RejillaNumeros(QWidget* padre) : QWidget(padre) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Números"));
}

QSize RejillaNumeros::sizeHint() const {
    return {kLado * 44 + 1, kLado * 44 + 1};
}

QSize RejillaNumeros::minimumSizeHint() const {
    return {kLado * kCeldaMinima + 1, kLado * kCeldaMinima + 1};
}

void RejillaNumeros::PonerMarcados(const std::array<bool, 49>& marcados) {
    if (marcados == marcados_) return;
    marcados_ = marcados;
    update();
}

QRect RejillaNumeros::Celda(int numero) const {
    // Square cells, centred in whatever room the window gives.
    const int lado = std::min(width(), height()) / kLado;
    const int x0 = (width() - lado * kLado) / 2;
    const int y0 = (height() - lado * kLado) / 2;
    const int i = numero - 1;
    return {x0 + (i % kLado) * lado, y0 + (i / kLado) * lado, lado, lado};
}

int RejillaNumeros::NumeroEn(QPoint punto) const {
    for (int n = 1; n <= 49; ++n) {
        if (Celda(n).contains(punto)) return n;
    }
    return 0;
}

void RejillaNumeros::Enfocar(int numero) {
    enfocado_ = std::clamp(numero, 1, 49);
    update();
}

void RejillaNumeros::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    QFont letra = font();
    for (int n = 1; n <= 49; ++n) {
        const QRectF c = QRectF(Celda(n)).adjusted(2, 2, -2, -2);
        const bool marcado = marcados_[n - 1];
        p.setPen(QPen(pal.color(QPalette::WindowText), marcado ? 2.0 : 1.0));
        p.setBrush(marcado ? QColor(0xb0, 0x10, 0x20) : pal.color(QPalette::Base));
        p.drawRoundedRect(c, 4, 4);
        if (marcado) {
            // The cross of a marked slip box, under the number so that it stays readable.
            p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
            const QRectF x =
                c.adjusted(c.width() * 0.2, c.height() * 0.2, -c.width() * 0.2, -c.height() * 0.2);
            p.drawLine(x.topLeft(), x.bottomRight());
            p.drawLine(x.topRight(), x.bottomLeft());
        }
        letra.setPixelSize(std::max(10, static_cast<int>(c.height() * 0.42)));
        letra.setBold(marcado);
        p.setFont(letra);
        p.setPen(marcado ? QColor(Qt::white) : pal.color(QPalette::Text));
        p.drawText(c, Qt::AlignCenter, QString::number(n));
    }
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pal.color(QPalette::Highlight), 3));
        p.drawRect(Celda(enfocado_).adjusted(0, 0, -1, -1));
    }
}

void RejillaNumeros::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    const int n = NumeroEn(evento->position().toPoint());
    if (n == 0) return;
    Enfocar(n);
    emit pulsado(n);
}

void RejillaNumeros::keyPressEvent(QKeyEvent* evento) {
    const int fila = (enfocado_ - 1) / kLado;
    const int columna = (enfocado_ - 1) % kLado;
    switch (evento->key()) {
        case Qt::Key_Left:
            Enfocar(enfocado_ - 1);
            break;
        case Qt::Key_Right:
            Enfocar(enfocado_ + 1);
            break;
        case Qt::Key_Up:
            if (fila > 0) Enfocar(enfocado_ - kLado);
            break;
        case Qt::Key_Down:
            if (fila < kLado - 1) Enfocar(enfocado_ + kLado);
            break;
        case Qt::Key_Home:
            Enfocar(enfocado_ - columna);
            break;
        case Qt::Key_End:
            Enfocar(enfocado_ - columna + kLado - 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit pulsado(enfocado_);
            break;
        default:
            QWidget::keyPressEvent(evento);
    }
}

}  // namespace tombolin
