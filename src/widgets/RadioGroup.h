#pragma once

#include <functional>
#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace ampero {

// A radio group: a captioned box with its items as radio buttons. itemIndex() is -1 while
// none is selected. Every change of the selection runs the group's click handler, whether
// the user clicks an item or the program sets it.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items,
               QWidget* parent = nullptr);

    int itemIndex() const { return m_index; }
    int count() const;
    QRadioButton* item(int index) const;

    // Selects an item (-1: none; beyond the last: the last). When the selection changes, the
    // click handler runs; its errors reach the caller.
    void setItemIndex(int index);

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }

    // Places the items at fixed rectangles in the group, in place of the column it starts
    // with (a row of items, or items lined up with fields beside the group).
    void placeItems(const QList<QRect>& geometries);

private:
    void updateTabStop();

    QButtonGroup* m_buttons;
    int m_index = -1;
    std::function<void()> m_onClick;
};

} // namespace ampero
