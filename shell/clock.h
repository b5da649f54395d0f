// Today's date, through an interface that tests set.
#pragma once

#include <QDate>

namespace starloom {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace starloom
