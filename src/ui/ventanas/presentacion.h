#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace tombolin {

// The eight frames of the program's animation (a drum turning, a ball coming out), drawn from
// the program's own picture.
std::array<QPixmap, 8> FotogramasPresentacion(qreal escala = 1);
// One of them, from 1.
QPixmap FotogramaPresentacion(int fotograma, qreal escala = 1);

// The splash window: the animation, every 150 ms, then "Entrar"; it enters by itself at the 60th
// tick (some 8.7 seconds after the start).
class Presentacion : public QWidget {
    Q_OBJECT

  public:
    explicit Presentacion(QWidget* padre = nullptr);

    int Fotograma() const { return fotograma_; }
    int Tics() const { return tics_; }

  public slots:
    void Tic();
    void Entrar();

  signals:
    void entrar();

  private:
    std::array<QPixmap, 8> fotogramas_;
    QLabel* imagen_;
    QPushButton* entrar_;
    QTimer* reloj_;
    int fotograma_ = 1;
    int tics_ = 2;
    bool dentro_ = false;
};

}  // namespace tombolin
