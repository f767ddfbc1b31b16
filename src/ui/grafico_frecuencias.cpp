#include "ui/grafico_frecuencias.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QValueAxis>

#include "statistics/seleccion.h"

namespace tombolin {

GraficoFrecuencias::GraficoFrecuencias(QWidget* padre) : QChartView(padre) {
    auto* grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);  // a slider drag redraws it many times
    grafico->legend()->setAlignment(Qt::AlignBottom);
    serie_ = new QBarSeries(grafico);
    grafico->addSeries(serie_);
    ejeX_ = new QBarCategoryAxis(grafico);
    ejeY_ = new QValueAxis(grafico);
    ejeY_->setLabelFormat(QStringLiteral("%d"));
    ejeY_->setTickCount(6);
    // Room for four-figure counts, which the axis would otherwise cut to "...".
    ejeY_->setRange(0, 1000);
    grafico->addAxis(ejeX_, Qt::AlignBottom);
    grafico->addAxis(ejeY_, Qt::AlignLeft);
    serie_->attachAxis(ejeX_);
    serie_->attachAxis(ejeY_);
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
}

void GraficoFrecuencias::Mostrar(const Recorrido& r, int pagina, bool comparativa) {
    QStringList categorias;
    for (int fila = 1; fila <= 25; ++fila)
        categorias << EtiquetaNumero(NumeroDePagina(pagina, fila));
    const char* const dias[] = {"Lunes", "Jueves", "Sábado"};
    const int series = comparativa ? 3 : 1;
    // The bars are changed in place: a slider drag would otherwise build the chart anew each time.
    if (serie_->count() != series) {
        serie_->clear();
        for (int s = 0; s < series; ++s) {
            auto* c =
                new QBarSet(comparativa ? QString::fromUtf8(dias[s]) : QStringLiteral("Veces"));
            for (int fila = 0; fila < 25; ++fila) c->append(0);
            serie_->append(c);
        }
    }
    int maximo = 0;
    const QList<QBarSet*> conjuntos = serie_->barSets();
    for (int s = 0; s < series; ++s) {
        for (int fila = 1; fila <= 25; ++fila) {
            const int v = r.veces[NumeroDePagina(pagina, fila)][comparativa ? 1 + s : 0];
            if (conjuntos[s]->at(fila - 1) != v) conjuntos[s]->replace(fila - 1, v);
            maximo = std::max(maximo, v);
        }
    }
    if (ejeX_->categories() != categorias) ejeX_->setCategories(categorias);
    ejeY_->setRange(0, std::max(1, maximo));
    ejeY_->applyNiceNumbers();
    chart()->legend()->setVisible(comparativa);
}

std::vector<std::pair<QString, std::vector<int>>> GraficoFrecuencias::Series() const {
    std::vector<std::pair<QString, std::vector<int>>> series;
    for (const QBarSet* c : serie_->barSets()) {
        std::vector<int> valores;
        for (int i = 0; i < c->count(); ++i) valores.push_back(static_cast<int>(c->at(i)));
        series.push_back({c->label(), valores});
    }
    return series;
}

QStringList GraficoFrecuencias::Categorias() const {
    return ejeX_->categories();
}

bool GraficoFrecuencias::LeyendaVisible() const {
    return chart()->legend()->isVisible();
}

}  // namespace tombolin
