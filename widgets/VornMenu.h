#pragma once

#include <QMenu>

// A drop-down menu in the language font and the dark-red menu style.
class VornMenu : public QMenu
{
    Q_OBJECT

public:
    explicit VornMenu(QWidget *parent = nullptr);
};
