#include "app/Ampero361.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    createForms();
    return app.exec();
}
