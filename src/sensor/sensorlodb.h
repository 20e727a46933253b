#pragma once

#include <QFrame>

class QButtonGroup;

namespace Ui {
class SensorLODB;
}

// The lift-off distance as a row of exclusive check boxes for 1 mm and
// 2 mm, and a third for the short distance that shows only for the sensor
// that has it.
class SensorLODB : public QFrame
{
    Q_OBJECT

public:
    explicit SensorLODB(QWidget *parent = nullptr);
    ~SensorLODB() override;

    void showShortLodBox();
    void hideShortLodBox();
    // Enables the 1 mm and 2 mm boxes.
    void setLodEnabled(bool enabled);
    // Checks the box of the device's code minus 1.
    void setLodValue(int value);
    void setTitleText(const QString &text);
    void setTitleToolTip(const QString &text);

private slots:
    void on_MM0_clicked(bool checked);
    void on_MM1_clicked(bool checked);
    void on_MM2_clicked(bool checked);

private:
    Ui::SensorLODB *ui;
    const QString picturePath;
    QButtonGroup *boxGroup;
    QString titleText;
    QString titleToolTip;
};
