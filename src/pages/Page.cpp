#include "Page.h"

#include "widgets/EditField.h"
#include "widgets/Handlers.h"
#include "windows/Normwerte.h"

#include <algorithm>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace ampero {

Page::Page(QWidget* parent)
    : QWidget(parent)
{
}

void Page::loadSettings(const StoredSettings& stored) { m_persistence.load(stored); }

void Page::storeSettings(IniDocument& ini) const { m_persistence.store(ini); }

void Page::loadFactoryDefaults() { m_persistence.applyFactoryValues(); }

EditField* Page::addField(QWidget* parent, const QString& name, const QRect& geometry,
                          const QString& hint)
{
    auto* field = new EditField(name, parent);
    field->setGeometry(geometry);
    field->setToolTip(hint);
    return field;
}

QLabel* Page::addLabel(QWidget* parent, const QString& text, const QRect& geometry,
                       const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QString Page::valuesTable() const
{
    struct Cell {
        QRect place; // in the page
        QString text;
    };
    // One block per group box, as the page groups its values; a block's rows go by the
    // middle of each cell, so that a label and the field beside it share a row.
    struct Block {
        QPoint place;
        QString title;
        std::vector<Cell> cells;
    };
    std::vector<Block> blocks;
    const auto blockOf = [&](const QWidget* w) -> Block& {
        const QGroupBox* box = nullptr;
        for (const QWidget* p = w->parentWidget(); p && p != this; p = p->parentWidget())
            if ((box = qobject_cast<const QGroupBox*>(p)))
                break;
        const QPoint place = box ? box->mapTo(this, QPoint(0, 0)) : QPoint(-1, -1);
        const QString title = box ? box->title().trimmed() : QString();
        for (Block& b : blocks)
            if (b.place == place && b.title == title)
                return b;
        blocks.push_back({place, title, {}});
        return blocks.back();
    };
    for (const QWidget* w : findChildren<QWidget*>()) {
        // the page's own windows (standard values) are not part of it
        if (!w->isVisibleTo(this) || w->window() != window())
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            text = label->text().trimmed();
        else if (const auto* field = qobject_cast<const QLineEdit*>(w))
            text = field->text().trimmed() +
                   (showsHalf(field) && !field->text().trimmed().isEmpty()
                        ? QStringLiteral(" (sym.)")
                        : QString());
        else
            continue;
        if (!text.isEmpty())
            blockOf(w).cells.push_back({QRect(w->mapTo(this, QPoint(0, 0)), w->size()),
                                        text.replace(QLatin1Char('\t'), QLatin1Char(' '))});
    }
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return std::pair(a.place.y(), a.place.x()) < std::pair(b.place.y(), b.place.x());
    });

    QStringList lines;
    for (Block& block : blocks) {
        if (!lines.isEmpty())
            lines << QString();
        if (!block.title.isEmpty())
            lines << block.title;
        std::sort(block.cells.begin(), block.cells.end(), [](const Cell& a, const Cell& b) {
            return a.place.center().y() < b.place.center().y();
        });
        std::vector<std::vector<Cell>> rows;
        int rowMiddle = 0;
        for (const Cell& c : block.cells) {
            if (rows.empty() || c.place.center().y() - rowMiddle > 7) {
                rows.emplace_back();
                rowMiddle = c.place.center().y();
            }
            rows.back().push_back(c);
        }
        for (auto& row : rows) {
            std::sort(row.begin(), row.end(),
                      [](const Cell& a, const Cell& b) { return a.place.left() < b.place.left(); });
            QStringList texts;
            for (const Cell& c : row)
                texts << c.text;
            lines << texts.join(QLatin1Char('\t'));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Page::copyValues() const { copyToClipboard(valuesTable()); }

void Page::addContextAction(const QString& text, std::function<void()> action)
{
    m_contextActions.emplace_back(text, std::move(action));
}

void Page::addPageEntries(QMenu& menu)
{
    for (const auto& entry : m_contextActions)
        menu.addAction(entry.first, [this, action = entry.second] { runHandler(this, action); });
    menu.addAction(QStringLiteral("Werte kopieren"), [this] { copyValues(); });
}

void Page::offerPageMenu(QLineEdit* field)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& at) {
        QMenu* menu = field->createStandardContextMenu();
        menu->addSeparator();
        addPageEntries(*menu);
        menu->exec(field->mapToGlobal(at));
        delete menu;
    });
}

void Page::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    addPageEntries(menu);
    menu.exec(event->globalPos());
}

} // namespace ampero
