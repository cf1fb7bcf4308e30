#include "EditField.h"

#include "values/DisplayOptions.h"

#include <QKeyEvent>

namespace ampero {

EditField::EditField(const QString& name, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    // A text set from outside (QLineEdit::setText) clears the line edit's undo history; such a
    // text is the program's, and a later rejected entry returns to it.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!isUndoAvailable())
            m_textBeforeEdit = text;
    });
}

void EditField::setFieldText(const QString& text)
{
    setText(text);
    m_textBeforeEdit = text;
    setCursorPosition(0); // a text longer than the field shows its start, and with it the sign
}

void EditField::undoEntry() { setFieldText(m_textBeforeEdit); }

void EditField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
        emit enterPressed();
        return;
    }
    if (m_mapsDecimalKey) {
        const QChar separator = punktKomma();
        const QString typed = event->text();
        const bool point = typed == QLatin1String(".");
        const bool comma = typed == QLatin1String(",");
        if ((point && separator == QLatin1Char(',')) || (comma && separator == QLatin1Char('.'))) {
            QKeyEvent mapped(event->type(),
                             separator == QLatin1Char(',') ? Qt::Key_Comma : Qt::Key_Period,
                             event->modifiers(), QString(separator), event->isAutoRepeat(),
                             static_cast<quint16>(event->count()));
            QLineEdit::keyPressEvent(&mapped);
            event->setAccepted(mapped.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EditField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason: // another window (or a message box) took the focus
    case Qt::PopupFocusReason:        // the context menu
    case Qt::MenuBarFocusReason:
        break;
    default:
        emit left();
    }
}

} // namespace ampero

namespace ampero {

void EditField::setFontColour(const QColor& colour)
{
    m_fontColour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Text, colour.isValid() ? colour : QPalette().color(QPalette::Text));
    setPalette(p);
}

void EditField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

} // namespace ampero

namespace ampero {

void markInFrontOnClick(EditField* first, EditField* second)
{
    const auto mark = [](EditField* front, EditField* back) {
        front->setFontColour(QColor());
        back->setFontColour(kMedGray);
    };
    QObject::connect(first, &EditField::clicked, first, [=] { mark(first, second); });
    QObject::connect(second, &EditField::clicked, second, [=] { mark(second, first); });
}

} // namespace ampero
