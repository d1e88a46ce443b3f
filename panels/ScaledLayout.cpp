#include "panels/ScaledLayout.h"

#include "widgets/UiScale.h"

void ScaledLayout::add(QWidget *widget, const QRect &design)
{
    m_items.emplace_back(widget, design);
}

void ScaledLayout::move(QWidget *widget, const QRect &design)
{
    for (auto &item : m_items) {
        if (item.first == widget) {
            item.second = design;
            return;
        }
    }
    add(widget, design);
}

void ScaledLayout::apply(double scale) const
{
    for (const auto &item : m_items) {
        if (item.first)
            item.first->setGeometry(UiScale::scaled(item.second, scale));
    }
}
