#pragma once

#include <QWidget>

namespace ampero {

// A voltage and current window of a network page (Form4 … Form8: attenuator, R, L, Pi and
// T network). One class, created five times.
class SpannungStromFenster : public QWidget {
    Q_OBJECT
public:
    SpannungStromFenster(const QString& name, const QString& caption, QWidget* owner);
};

} // namespace ampero
