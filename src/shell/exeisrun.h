#pragma once

#include <QMessageBox>

// Tells the user that the program already runs; a second start shows only
// this and exits.
class ExeIsRun : public QMessageBox
{
    Q_OBJECT
public:
    explicit ExeIsRun(QWidget *parent = nullptr);
};
