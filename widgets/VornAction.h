#pragma once

#include <QAction>

// A menu action in the language font.
class VornAction : public QAction
{
    Q_OBJECT

public:
    explicit VornAction(const QString &text = QString(), QObject *parent = nullptr);
};
