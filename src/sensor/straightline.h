#pragma once

#include "switchpanel.h"

namespace Ui {
class StraightLine;
}

// Switches angle snapping on and off: straightens slightly wavy movements.
class StraightLine : public SwitchPanel
{
    Q_OBJECT

public:
    explicit StraightLine(QWidget *parent = nullptr);
    ~StraightLine() override;

private:
    Ui::StraightLine *ui;
};
