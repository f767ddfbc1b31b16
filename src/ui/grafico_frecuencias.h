#pragma once

#include <QChartView>
#include <array>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QValueAxis;

namespace tombolin {

struct Recorrido;

// How often each number came out, as bars: one page of 25 numbers (1..25 or 25..49), in one
// series, or three (Monday, Thursday, Saturday) with their legend for the comparison.
class GraficoFrecuencias : public QChartView {
    Q_OBJECT

  public:
    explicit GraficoFrecuencias(QWidget* padre = nullptr);

    void Mostrar(const Recorrido& r, int pagina, bool comparativa);

    // What the bars show: each series' name and its 25 values, and the categories.
    std::vector<std::pair<QString, std::vector<int>>> Series() const;
    QStringList Categorias() const;
    bool LeyendaVisible() const;

  private:
    QBarSeries* serie_;
    QBarCategoryAxis* ejeX_;
    QValueAxis* ejeY_;
};

}  // namespace tombolin
