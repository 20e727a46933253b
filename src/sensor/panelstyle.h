#pragma once

#include <QString>

// The looks the sensor panels share, built from the Option colours of
// Config.ini and the pictures of the folder each panel names.
namespace PanelStyle {

// The program folder's "Picture/Sensor/", where most panels find their pictures.
QString sensorPictureFolder();

// A panel's title in the label colour.
QString titleLabel();

// A drop-down list on the field picture "ComboboxBack.png", with the
// background colour behind its button and a black open list.
QString comboBox(const QString &pictureFolder);

// The same list whose open list lies on the picture "ComboboxTextBack.png"
// without a border.
QString comboBoxOnListPicture(const QString &pictureFolder);


// A check box with the "LODCheck.png" and "LOD.png" indicators and text in the
// label colour.
QString checkBox(const QString &pictureFolder);

// A slider whose filled part takes the slider colour and whose groove and
// unfilled part take `grooveColour` ("red,green,blue"), with the "HuaKuai.png"
// handle.
QString slider(const QString &pictureFolder, const QString &grooveColour);

// A read-only value box without border or background, its text in the
// Option colour `colourKey`.
QString valueBox(const QString &colourKey);

// A read-only value box with a grey border on `background` (a style sheet
// colour), transparent while hovered, its text in the Option colour
// "LinEditColorSecond".
QString framedValueBox(const QString &background);

} // namespace PanelStyle
