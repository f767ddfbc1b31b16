#pragma once

#include <QDate>
#include <QDateTime>

namespace tombolin {

// Today and now, so that every date rule can be tested on a fixed day.
class Reloj {
  public:
    virtual ~Reloj() = default;
    virtual QDate Hoy() const = 0;
    virtual QDateTime Ahora() const = 0;
};

class RelojSistema : public Reloj {
  public:
    QDate Hoy() const override { return QDate::currentDate(); }
    QDateTime Ahora() const override { return QDateTime::currentDateTime(); }
};

}  // namespace tombolin
