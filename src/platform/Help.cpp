#include "Help.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

namespace ampero {

namespace {

// A small window that names the topic and its context number, until the compiled help
// file and its viewer arrive.
class HelpWindow : public QWidget {
public:
    HelpWindow()
        : QWidget(nullptr, Qt::Window)
    {
        setObjectName(QStringLiteral("Hilfe"));
        setWindowTitle(QStringLiteral("Ampero Hilfe"));
        setAttribute(Qt::WA_QuitOnClose, false);
        m_topic = new QLabel(this);
        m_topic->setObjectName(QStringLiteral("Hilfe_L_Thema"));
        m_context = new QLabel(this);
        m_context->setObjectName(QStringLiteral("Hilfe_L_Kontext"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_topic);
        layout->addWidget(m_context);
        layout->addStretch();
        QFont big = m_topic->font();
        big.setPointSizeF(big.pointSizeF() * 1.4);
        big.setBold(true);
        m_topic->setFont(big);
        resize(320, 120);
    }

    void showTopic(int context, const QString& topic)
    {
        setProperty("kontext", context);
        m_topic->setText(topic);
        m_context->setText(QStringLiteral("Hilfethema Nr. %1 in AMPV36_Help.chm").arg(context));
        show();
        raise();
        activateWindow();
    }

private:
    QLabel* m_topic;
    QLabel* m_context;
};

} // namespace

void openHelp(int context, const QString& topic)
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    window->showTopic(context, topic);
}

} // namespace ampero
