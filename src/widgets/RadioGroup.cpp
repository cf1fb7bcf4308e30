#include "RadioGroup.h"

#include "Handlers.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ampero {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    updateTabStop();
    // A user's click runs the handler as an event of its own.
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != m_index)
            runHandler(this, [this, id] { setItemIndex(id); });
    });
}

int RadioGroup::count() const { return static_cast<int>(m_buttons->buttons().size()); }

QRadioButton* RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

void RadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, count() - 1);
    if (index == m_index)
        return;
    m_index = index;
    if (index < 0) {
        m_buttons->setExclusive(false);
        for (QAbstractButton* b : m_buttons->buttons())
            b->setChecked(false);
        m_buttons->setExclusive(true);
    } else {
        item(index)->setChecked(true);
    }
    updateTabStop();
    if (m_onClick)
        m_onClick();
}

// Tab into the group lands on its selected item, as on the desktop's own radio groups; the
// arrow keys move between the items.
void RadioGroup::updateTabStop()
{
    const int stop = std::max(m_index, 0);
    for (int i = 0; i < count(); ++i)
        item(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace ampero

namespace ampero {

void RadioGroup::placeItems(const QList<QRect>& geometries)
{
    delete layout();
    for (int i = 0; i < geometries.size() && i < count(); ++i)
        item(i)->setGeometry(geometries[i]);
}

} // namespace ampero
