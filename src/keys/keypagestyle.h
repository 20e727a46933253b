#pragma once

#include <QString>

// The key page's look: the skin pictures of the program folder's
// "Picture/Buttoninterface/" and the Option colours of Config.ini.

QString keyPagePictureDir();

// One sheet for the whole page, addressing the form's widgets by object
// name, so that the page is styled in one pass.
QString keyPageStyleSheet();

// The mouse picture on the widget "widget".
QString mousePictureStyleSheet();
