#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class LightModeSet;
}
class LightColourPanel;
class LightModeLayout;
class ScreenColourProbe;

// The receiver's light-mode dialog: a mode, a brightness and a speed from 1
// to 10 and a colour, with its preview. The choice stays in the dialog's
// controls: it sends nothing, stores nothing and always opens at mode 0
// ("off"), brightness 1, speed 1 and black. The settings page holds one;
// nothing shows it, so it shows the texts of its form.
class LightModeSet : public QDialog
{
    Q_OBJECT

public:
    explicit LightModeSet(QWidget *parent = nullptr);
    ~LightModeSet() override;

    void setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe);

public slots:
    void SlotAllLanguage(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_CloseButton_clicked();
    void on_LightMod_currentIndexChanged(int index);

private:
    Ui::LightModeSet *ui;
    const QString picturePath;
    std::unique_ptr<LightModeLayout> m_layout;
    LightColourPanel *m_colours;
};
