#include "ui/grafico_tarta.h"

#include <QChart>
#include <QPieSeries>
#include <QPieSlice>

namespace tombolin {

GraficoTarta::GraficoTarta(QWidget* padre) : QChartView(padre), serie_(new QPieSeries(this)) {
    serie_->append(QStringLiteral("Sin premio"), 1);
    serie_->append(QStringLiteral("Premios"), 0);
    serie_->slices().at(0)->setColor(QColor(90, 130, 200));
    serie_->slices().at(1)->setColor(QColor(230, 170, 30));
    auto* grafico = new QChart();
    grafico->addSeries(serie_);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setBackgroundVisible(false);
    grafico->setMargins(QMargins(0, 0, 0, 0));
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(200, 150);
    setMaximumHeight(190);
}

void GraficoTarta::Poner(double sinPremio, double conPremio) {
    serie_->slices().at(0)->setValue(sinPremio);
    serie_->slices().at(1)->setValue(conPremio);
}

double GraficoTarta::SinPremio() const {
    return serie_->slices().at(0)->value();
}

double GraficoTarta::ConPremio() const {
    return serie_->slices().at(1)->value();
}

}  // namespace tombolin
