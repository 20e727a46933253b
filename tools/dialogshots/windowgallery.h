#pragma once

#include <QList>

#include <functional>

class QWidget;

// The windows the program builds that show without a device: the shared
// dialogs, the key and macro pages' dialogs, the receiver's dialogs, the
// lighting page and the sensor panels no page places, each made in the
// current language (`currentLanguageIndex`) and filled as the program would
// fill it. The screenshot tool shows them and the text-width test measures
// them, so a window added here is both seen and measured.
namespace WindowGallery {

struct Window
{
    const char *name;
    std::function<QWidget *()> make;
};

QList<Window> deviceFreeWindows();

} // namespace WindowGallery
