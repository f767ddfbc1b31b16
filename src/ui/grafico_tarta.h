#pragma once

#include <QChartView>

class QPieSeries;

namespace tombolin {

// A two-slice pie: draws without a prize and prizes.
class GraficoTarta : public QChartView {
    Q_OBJECT

  public:
    explicit GraficoTarta(QWidget* padre = nullptr);
    void Poner(double sinPremio, double conPremio);
    double SinPremio() const;
    double ConPremio() const;

  private:
    QPieSeries* serie_;
};

}  // namespace tombolin
