#pragma once

#include "lightcolourpanel.h"
#include "lightmodelayout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QList>
#include <QWidget>

// The lighting page's and the light-mode dialog's forms name their shared
// controls alike; these read them from either form.

template<typename Form>
LightColourPanel::Widgets colourPanelWidgets(const Form *ui)
{
    return {ui->RSpinBox, ui->GSpinBox, ui->BSpinBox, ui->AddR, ui->AddG, ui->AddB, ui->ReduceR, ui->ReduceG,
            ui->ReduceB,
            {ui->toolButtonColorA, ui->toolButtonColorB, ui->toolButtonColorC, ui->toolButtonColorD,
             ui->toolButtonColorE, ui->toolButtonColorF, ui->toolButtonColorG, ui->toolButtonColorH,
             ui->toolButtonColorI, ui->toolButtonColorJ, ui->toolButtonColorK, ui->toolButtonColorL,
             ui->toolButtonColorM, ui->toolButtonColorN},
            ui->labelPreView, ui->label_7};
}

// Everything of the colour half that a mode without colour hides.
template<typename Form>
QList<QWidget *> colourControls(const Form *ui)
{
    const LightColourPanel::Widgets panel = colourPanelWidgets(ui);
    QList<QWidget *> controls = {ui->label_6, ui->label_7, ui->label_8, ui->labelPreView, ui->label_10, ui->label_11,
                                 ui->label_12, ui->label_13, panel.red, panel.green, panel.blue, panel.addRed,
                                 panel.addGreen, panel.addBlue, panel.reduceRed, panel.reduceGreen, panel.reduceBlue};
    for (QWidget *preset : panel.presets)
        controls.append(preset);
    return controls;
}

// The captions in the Option label colour.
template<typename Form>
QList<QLabel *> colourCaptions(const Form *ui)
{
    return {ui->label_6, ui->label_8, ui->label_10, ui->label_11, ui->label_12, ui->label_13};
}
