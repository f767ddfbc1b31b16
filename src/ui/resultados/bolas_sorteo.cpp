#include "ui/resultados/bolas_sorteo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "core/sorteos.h"

namespace tombolin {

namespace {

// Fixed colours on both sides, so the balls read the same under a light or a dark palette.
QLabel* Bola(const char* nombre, const char* borde, QWidget* padre) {
    auto* b = new QLabel(padre);
    b->setObjectName(QLatin1String(nombre));
    b->setAlignment(Qt::AlignCenter);
    QFont f = b->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    b->setFont(f);
    const int lado = b->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 8;
    b->setFixedSize(lado, lado);
    b->setStyleSheet(QStringLiteral("QLabel { background: #ffffff; color: #000000; border: 3px "
                                    "solid %1; border-radius: %2px; }")
                         .arg(QLatin1String(borde))
                         .arg(lado / 2));
    return b;
}

QLabel* Letra(const QString& texto, QLabel* de, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setBuddy(de);
    // The ball's own name says what it is; the letter beside it would only repeat it.
    l->setAccessibleName(QString());
    return l;
}

QString DosCifras(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

BolasSorteo::BolasSorteo(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("bolasSorteo"));
    setAccessibleName(QStringLiteral("Combinación ganadora"));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        numeros_[i] = Bola("bola", "#2e7d32", this);
        numeros_[i]->setObjectName(QStringLiteral("bola%1").arg(i));
        fila->addWidget(numeros_[i]);
    }
    fila->addSpacing(12);
    complementario_ = Bola("bolaC", "#c62828", this);
    fila->addWidget(Letra(QStringLiteral("C"), complementario_, this));
    fila->addWidget(complementario_);
    fila->addSpacing(12);
    reintegro_ = Bola("bolaR", "#1565c0", this);
    fila->addWidget(Letra(QStringLiteral("R"), reintegro_, this));
    fila->addWidget(reintegro_);
    fila->addSpacing(12);
    joker_ = new QLabel(this);
    joker_->setObjectName(QStringLiteral("joker"));
    QFont f = joker_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    joker_->setFont(f);
    joker_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fila->addWidget(joker_);
    fila->addStretch();
    hide();
}

void BolasSorteo::Poner(const Sorteo& s) {
    setVisible(s.Fecha > 0);
    std::array<int16_t, 6> orden = s.Numeros;
    std::sort(orden.begin(), orden.end());
    for (int i = 0; i < 6; ++i) {
        numeros_[i]->setText(DosCifras(orden[i]));
        numeros_[i]->setAccessibleName(QStringLiteral("Número %1").arg(orden[i]));
    }
    complementario_->setText(DosCifras(s.Complementario));
    complementario_->setAccessibleName(QStringLiteral("Complementario %1").arg(s.Complementario));
    const QString r = s.Reintegro < 0 ? QStringLiteral("-") : QString::number(s.Reintegro);
    reintegro_->setText(r);
    reintegro_->setAccessibleName(QStringLiteral("Reintegro ") + r);
    const QString joker = TextoJoker(s);
    joker_->setText(joker.isEmpty() ? QString() : QStringLiteral("Joker ") + joker);
    joker_->setAccessibleName(joker_->text());
}

}  // namespace tombolin
