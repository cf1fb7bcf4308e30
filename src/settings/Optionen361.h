#pragma once

#include <QWidget>

namespace ampero {

// The options window.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner);
};

} // namespace ampero
