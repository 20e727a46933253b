#pragma once

#include <QFrame>

namespace Ui {
class SensorLOD;
}

// The lift-off distance of the sensor page: a list of "1mm" and "2mm", with
// "0.7mm" in front for the sensor that has it. A choice sends the device's
// code (1 mm 1, 2 mm 2, 0.7 mm 3) while the page is live and not filling;
// every change of the current entry counts, the program's own included.
class SensorLOD : public QFrame
{
    Q_OBJECT

public:
    explicit SensorLOD(QWidget *parent = nullptr);
    ~SensorLOD() override;

    // Puts "0.7mm" first when the list holds the two other entries.
    void addShortLodItem();
    // Takes "0.7mm" out again when the list holds three entries.
    void removeShortLodItem();
    void setLodEnabled(bool enabled);
    // Shows the device's code minus 1; a value the list cannot show leaves
    // no entry current.
    void setLodValue(int value);
    void setTitleText(const QString &text);
    void setTitleToolTip(const QString &text);

private slots:
    void on_LOD_currentIndexChanged(int index);

private:
    bool hasShortEntry() const;

    Ui::SensorLOD *ui;
    const QString picturePath;
};
