#pragma once

#include <QWidget>

// The top-level window. For now a plain window with the product's name;
// the device pages move in as they are built. It loads the language files
// before anything shows a text.
class DialogMain : public QWidget
{
    Q_OBJECT
public:
    explicit DialogMain(QWidget *parent = nullptr);

private:
    void loadLanguageFiles();
};
