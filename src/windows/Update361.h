#pragma once

#include <QWidget>

namespace ampero {

// The update window.
class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget* owner);
};

} // namespace ampero
