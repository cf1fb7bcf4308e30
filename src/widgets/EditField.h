#pragma once

#include <QColor>
#include <QLineEdit>

namespace ampero {

// The edit control of every page: maps the decimal key of input fields to the separator in
// use, reports Enter and the focus leaving it, and keeps the text it had before the user's
// last edit so that a rejected entry can be undone.
class EditField : public QLineEdit {
    Q_OBJECT
public:
    explicit EditField(const QString& name, QWidget* parent = nullptr);

    // Input fields map "." and "," to the separator in use; result fields type as they are.
    void setMapsDecimalKey(bool on) { m_mapsDecimalKey = on; }
    bool mapsDecimalKey() const { return m_mapsDecimalKey; }

    // Writes a text as the program's own: it becomes the text an undo returns to.
    void setFieldText(const QString& text);

    // Restores the text as it was before the user started the current edit.
    void undoEntry();
    QString textBeforeEdit() const { return m_textBeforeEdit; }
    // The user changed the text since the program wrote it.
    bool isEdited() const { return text() != m_textBeforeEdit; }

    // The font colour that marks which of two related fields the user works from. An invalid
    // colour is the normal text colour.
    void setFontColour(const QColor& colour);
    QColor fontColour() const { return m_fontColour; }

signals:
    void enterPressed();
    void clicked(); // a mouse click into the field
    // The focus moved to another control of the same window (not to another window).
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_textBeforeEdit;
    QColor m_fontColour;
    bool m_mapsDecimalKey = false;
};

// The grey ("clMedGray") of a field that is not the one the user works from.
inline const QColor kMedGray(160, 160, 164);

// Two fields that describe one quantity in two ways (Q and R of a component): a click into
// either puts it in front in the normal colour and greys the other.
void markInFrontOnClick(EditField* first, EditField* second);

} // namespace ampero
