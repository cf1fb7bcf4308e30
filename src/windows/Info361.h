#pragma once

#include <QWidget>

namespace ampero {

// The info window.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);
};

} // namespace ampero
